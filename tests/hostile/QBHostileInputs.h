#pragma once
// Hostile logs: files a careless or malicious writer could produce that are valid records but push the
// layers above the reader (the inspectors, the call stack, printing, the row drawing) to their limits.
// The hostile input test and scripts/measure-hostile.sh build them from this one table.

#include <QString>
#include <QStringList>

#include <vector>

namespace qbhostile {

struct TInput {
  const char* Name;
  const char* What;   // one line for reports
  int SelectRow;      // the row to select in the window
};

// Every input this file builds for the window, in report order. WriteInput also writes damaged logs
// for the file cases ("invalid-mid"), which the window would report in a dialog.
const std::vector<TInput>& Inputs();
const TInput* FindInput(const QString& name);

// Writes the named input to path; false with *error set when it cannot.
bool WriteInput(const QString& name, const QString& path, QString* error);

}  // namespace qbhostile
