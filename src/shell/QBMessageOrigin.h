#pragma once
// Where the messages that the user adds (notes, check points, separators) say they come from: this
// program on this machine.

#include <QString>

#include <cstdint>

struct TQBMessageOrigin {
  QString AppName;       // the program file's name without folder and extension, at most 40 characters
  QString ComputerName;  // empty when longer than 31 characters
  uint32_t ProcessID = 0;
  QString ThreadName;    // this thread's id in decimal
  int32_t TimeBias = 0;  // minutes, UTC = local time + bias, without daylight saving
};

TQBMessageOrigin QBMessageOriginOfThisProcess();

// The rules on given values, apart from where they come from.
QString QBOriginAppName(const QString& programPath);
QString QBOriginComputerName(const QString& hostName);
