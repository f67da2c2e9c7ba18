// Feeds arbitrary bytes to the log loader, once as Open loads a file and once as following does
// (whole records only): no input may crash it, hang it or make it allocate far beyond the input's
// size. Every loaded message is read back in full.

#include "model/QBLogLoader.h"

#include <QFile>
#include <QTemporaryFile>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static QTemporaryFile file;
  if (!file.isOpen() && !file.open()) return 0;
  file.resize(0);
  file.seek(0);
  file.write(reinterpret_cast<const char*>(data), qint64(size));
  file.flush();

  for (const TQBLoadMode mode : {TQBLoadMode::Whole, TQBLoadMode::CompleteRecords}) {
    TQuillboxMessageSet set;
    TQBMessageAdder adder(set);
    LoadLogFile(file.fileName(), adder, nullptr, mode);
    for (int recNo = 1; recNo <= set.GetRecordCount(); ++recNo) {
      TQuillboxMessage msg;
      set.GetMessage(recNo, msg);
    }
  }
  return 0;
}
