#include "QBToolView.h"

#include "QBToolLoad.h"

#include "settings/QBProjectFile.h"
#include "view/QBHeadlessView.h"

#include <limits>
#include <memory>

namespace qbltool {
namespace {

// Names of --columns, in column order.
struct TColumnName {
  const char* Name;
  TQBColumn Column;
};
constexpr TColumnName kColumnNames[] = {
    {"category", TQBColumn::Category}, {"app", TQBColumn::AppName},        {"computer", TQBColumn::ComputerName},
    {"pid", TQBColumn::ProcessID},     {"thread", TQBColumn::ThreadName},  {"date", TQBColumn::Date},
    {"timestamp", TQBColumn::TimeStamp}, {"timediff", TQBColumn::TimeDiff}, {"timeoffset", TQBColumn::TimeOffset},
};

bool ParseColumns(const QString& list, TQBColumnSet& columns, QString* error) {
  for (const QString& part : list.split(u',', Qt::SkipEmptyParts)) {
    const QString name = part.trimmed().toLower();
    bool known = false;
    for (const TColumnName& c : kColumnNames)
      if (name == QLatin1String(c.Name)) columns |= uint16_t(c.Column), known = true;
    if (!known) {
      *error = QStringLiteral("unknown column '%1' (expected category, app, computer, pid, thread, date, "
                              "timestamp, timediff or timeoffset)").arg(part);
      return false;
    }
  }
  return true;
}

bool ParseTypes(const QString& list, std::bitset<256>& types, QString* error) {
  for (const QString& part : list.split(u',', Qt::SkipEmptyParts)) {
    bool ok = false;
    const int code = part.trimmed().toInt(&ok);
    if (!ok || code < 0 || code > 255) {
      *error = QStringLiteral("invalid type code '%1' (expected 0 to 255)").arg(part);
      return false;
    }
    types.set(size_t(code));
  }
  return true;
}

// A process id as the store keeps it: any 32-bit value, written signed or unsigned.
bool ParsePid(const QString& text, int32_t& pid, QString* error) {
  bool ok = false;
  const qlonglong v = text.trimmed().toLongLong(&ok);
  if (!ok || v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<uint32_t>::max()) {
    *error = QStringLiteral("invalid process id '%1'").arg(text);
    return false;
  }
  pid = int32_t(uint32_t(v));
  return true;
}

}  // namespace

bool ParseViewOptions(const QStringList& args, TViewCommand command, TViewOptions& o, QString* error) {
  const bool exporting = command == TViewCommand::Export;
  const bool printing = command == TViewCommand::Print;
  TQBFilterCriteria& f = o.Filter;
  bool project = false, view = false;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    if (!a.startsWith(QLatin1String("--"))) {
      o.Files << a;
      continue;
    }
    if (i + 1 >= args.size()) {
      *error = QStringLiteral("option %1 needs a value").arg(a);
      return false;
    }
    const QString value = args[++i];
    const bool filterOption = a == QLatin1String("--app") || a == QLatin1String("--category") ||
                              a == QLatin1String("--thread") || a == QLatin1String("--computer") ||
                              a == QLatin1String("--text") || a == QLatin1String("--pid") ||
                              a == QLatin1String("--types");
    o.FilterOptions = o.FilterOptions || filterOption;
    if (a == QLatin1String("--project")) o.Project = value, project = true;
    else if (a == QLatin1String("--view")) o.ViewName = value, view = true;
    else if (a == QLatin1String("--app")) f.CheckAppName = true, f.AppName = value;
    else if (a == QLatin1String("--category")) f.CheckCategory = true, f.Category = value;
    else if (a == QLatin1String("--thread")) f.CheckThreadName = true, f.ThreadName = value;
    else if (a == QLatin1String("--computer")) f.CheckComputerName = true, f.ComputerName = value;
    else if (a == QLatin1String("--text")) f.CheckMessageText = true, f.MessageText = value;
    else if (a == QLatin1String("--pid")) {
      f.CheckProcessID = true;
      if (!ParsePid(value, f.ProcessID, error)) return false;
    } else if (a == QLatin1String("--types")) {
      f.CheckMsgTypes = true;
      if (!ParseTypes(value, f.MsgTypes, error)) return false;
    } else if (exporting && a == QLatin1String("--format")) {
      o.Format = value.toLower();
      if (o.Format != QLatin1String("xml") && o.Format != QLatin1String("txt")) {
        *error = QStringLiteral("unknown format '%1' (expected xml or txt)").arg(value);
        return false;
      }
    } else if ((exporting || printing) && a == QLatin1String("--columns")) {
      if (!ParseColumns(value, o.Columns, error)) return false;
    } else if (printing && a == QLatin1String("--pdf")) {
      o.Pdf = value;
    } else if (command == TViewCommand::Histogram && a == QLatin1String("--bucket")) {
      o.Bucket = value;
    } else if (printing && a == QLatin1String("--title")) {
      o.Title = value;
    } else if (printing && a == QLatin1String("--font-size")) {
      bool ok = false;
      o.FontSize = value.toInt(&ok);
      if (!ok || o.FontSize < 6 || o.FontSize > 36) {
        *error = QStringLiteral("invalid font size '%1' (expected 6 to 36)").arg(value);
        return false;
      }
    } else {
      *error = QStringLiteral("unknown option %1").arg(a);
      return false;
    }
  }
  if (project != view) {
    *error = QStringLiteral("--project and --view go together");
    return false;
  }
  if (project && o.FilterOptions) {
    *error = QStringLiteral("--project cannot be combined with --app, --category, --pid, --thread, --computer, "
                            "--text or --types");
    return false;
  }
  return true;
}

namespace {

// The error line lists this many of a project's names: a project of a million views must not make a
// line of megabytes.
constexpr qsizetype kListedNames = 20;

// "the project holds: 'A', 'B', ... and N more".
QString HeldNames(const TQBProjectContents& contents) {
  if (contents.Views.empty()) return QStringLiteral("the project holds no views");
  QStringList names;
  for (const TQBProjectView& entry : contents.Views) {
    if (names.size() == kListedNames) break;
    names << QuotedName(entry.Name);
  }
  QString list = QStringLiteral("the project holds: ") + names.join(QStringLiteral(", "));
  if (const qsizetype more = qsizetype(contents.Views.size()) - names.size(); more > 0)
    list += QStringLiteral(", ... and %1 more").arg(more);
  return list;
}

}  // namespace

int ApplyProjectView(TViewOptions& options, const TToolIO& io) {
  if (options.Project.isEmpty() && options.ViewName.isEmpty()) return ExitOk;
  // A pipe or a device given as the project is refused without blocking, as a log would be, and so is
  // a file too large to be a project.
  QString problem;
  const std::unique_ptr<TQBIniFile> file = qbproject::OpenProjectFile(options.Project, &problem);
  if (!file) {
    io.Error(QStringLiteral("cannot open '%1': %2").arg(options.Project, problem));
    return ExitUsage;
  }
  TQBIniFile& ini = *file;
  const TQBProjectContents contents = qbproject::ReadViews(ini);
  for (const TQBProjectView& entry : contents.Views) {
    if (entry.Name != options.ViewName) continue;
    // The view loads its filter as a view of the viewer does when the project opens.
    TQBHeadlessView view;
    qbproject::LoadViewFilter(ini, entry, view);
    view.GetFilterCriteria(options.Filter);
    return ExitOk;
  }
  io.Error(QStringLiteral("no view %1 in '%2'; %3").arg(QuotedName(options.ViewName), options.Project, HeldNames(contents)));
  return ExitUsage;
}

TToolView::TToolView(const TQBFilterCriteria& filter) {
  FHost.Sources = &FSources;
  FView = std::make_unique<TQBViewModel>(FSet, FList, FHost);
  FList.SetTarget(&FView->Rows());
  FView->SetFilterCriteria(filter);
}

int TToolView::Load(const QString& path, const TToolIO& io) {
  const TToolLoad load = LoadForTool(path, FSet, io);
  if (load.ExitCode != ExitUsage) Fill();
  return load.ExitCode;
}

int TToolView::Merge(const QStringList& paths, const TToolIO& io) {
  const TToolLoad load = MergeForTool(paths, FSet, FSources, io);
  if (load.ExitCode != ExitUsage) Fill();
  return load.ExitCode;
}

void TToolView::Fill() {
  FList.BeginUpdate();
  for (int recNo = 1; recNo <= FSet.GetRecordCount(); ++recNo) {
    FSet.GotoRec(recNo);
    FView->AddCurrentMessage(false);
  }
  FList.EndUpdate();
}

}  // namespace qbltool
