#pragma once
// A save that stopped at a message, as a view raises it: the text to report, and the message and the
// file for a report of its own. Made by the log writer of a view (QBLogSave).

#include <QString>

#include <stdexcept>

class TQBSaveFailure : public std::runtime_error {
public:
  TQBSaveFailure(int recNo, const QString& path);
  int RecNo() const { return FRecNo; }
  const QString& Path() const { return FPath; }

private:
  int FRecNo;
  QString FPath;
};
