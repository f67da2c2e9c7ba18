#pragma once
// What qbltool save, export and print share: the filter options and one view filled from a loaded log,
// as the viewer fills a new view (auto-collapse on, as in the default settings).

#include "QBToolCommands.h"

#include "view/QBColumns.h"
#include "view/QBFilterCriteria.h"
#include "view/QBHeadlessList.h"
#include "view/QBViewModel.h"

#include "model/QBSourceLogs.h"

#include <QStringList>

#include <memory>

namespace qbltool {

// Command-line options of save, export and print. Unknown options and bad values give a message.
struct TViewOptions {
  TQBFilterCriteria Filter;
  bool FilterOptions = false;  // a FILTER option was given
  QString Project;             // --project: the filter comes from a view of this project file
  QString ViewName;            // --view
  QString Format;              // export only: "xml" or "txt"
  TQBColumnSet Columns = 0;    // export and print
  QString Pdf;                 // print only: the PDF file to write
  QString Title;               // print only; empty: the log file's name
  int FontSize = 8;            // print only, 6 to 36 points
  QString Bucket;              // histogram only: the bucket's duration as given
  QStringList Files;           // the positional arguments
};

// The command whose options are parsed: each admits the filter options (or --project with --view)
// and its own.
enum class TViewCommand { Save, Export, Print, Histogram };

// Parses args for command. False with *error set on bad input, also when --project and --view do not
// come together or come with FILTER options.
bool ParseViewOptions(const QStringList& args, TViewCommand command, TViewOptions& options, QString* error);
// With --project, reads the named view's criteria into options.Filter as the viewer reads them.
// Returns ExitOk, or ExitUsage after the error line (a project that cannot be read; a name the project
// does not hold, with the names it holds).
int ApplyProjectView(TViewOptions& options, const TToolIO& io);

// The options of print: those of ParseViewOptions, --pdf required and one log file. On bad input the
// error and the usage line go to the error stream and false is returned.
bool ParsePrintOptions(const QStringList& args, TViewOptions& options, const TToolIO& io);
// False, after the error line, when the PDF may not be written: a device node or a pipe, or the log
// being printed.
bool CheckPrintTarget(const TViewOptions& options, const TToolIO& io);

// A log loaded into a store and one view filled from it.
class TToolView {
public:
  explicit TToolView(const TQBFilterCriteria& filter);
  // Loads the file and fills the view; returns the load's exit code (reported on the error stream).
  int Load(const QString& path, const TToolIO& io);
  // Merges the logs by time and fills the view; returns the merge's exit code.
  int Merge(const QStringList& paths, const TToolIO& io);
  const TQBViewRows& Rows() const { return FView->Rows(); }

private:
  // Offers every stored message to the view, as the viewer fills a new view.
  void Fill();

  struct THost : IQBViewHostHooks {
    const TQBSourceLogs* Sources = nullptr;
    bool AutoCollapse() const override { return true; }
    int SourceLogOf(int recNo) const override { return Sources->LogOf(recNo); }
  };
  TQuillboxMessageSet FSet;
  TQBSourceLogs FSources;
  TQBHeadlessList FList;
  THost FHost;
  std::unique_ptr<TQBViewModel> FView;
};

// Saves every message of view to path through a temporary file beside it, so a failed save leaves an
// existing file as it was. ExitOk, or ExitUsage after the error line.
int SaveToolView(const TToolView& view, const QString& path, const TToolIO& io);

}  // namespace qbltool
