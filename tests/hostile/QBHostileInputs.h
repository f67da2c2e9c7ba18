#pragma once
// Hostile logs: files a careless or malicious writer could produce that are valid records but push the
// layers above the reader (the inspectors, the call stack, printing, the row drawing, the organizer) to
// their limits, and hostile project files. The hostile input test and scripts/measure-hostile.sh build
// them from this one table.

#include <QString>
#include <QStringList>

#include <vector>

namespace qbhostile {

struct TInput {
  const char* Name;
  const char* What;   // one line for reports
  int SelectRow;      // the row to select in the window
  // How the test meets the file: "inspect" (the window selects the row and copies the inspector's
  // contents), "organize" (qbltool organize by thread), "auto-organize" (the window loads it with
  // Auto-Organize by thread on), "project NAME" (a project file: qbltool saves a log through its view
  // NAME), "refused-project" (a project file that qbltool must refuse).
  const char* How = "inspect";
};

// Every input of the table, in report order. WriteInput also writes the damaged logs of the script's
// file cases ("invalid-mid"), which are no row of the table: the window would report them in a dialog.
const std::vector<TInput>& Inputs();
const TInput* FindInput(const QString& name);

// Writes the named input to path; false with *error set when it cannot.
bool WriteInput(const QString& name, const QString& path, QString* error);

}  // namespace qbhostile
