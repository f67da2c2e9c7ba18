#include "view/QBViewOutput.h"

#include "model/QBFileCheck.h"

#include <array>

namespace qboutput {

QString TypeNameOf(int32_t code) {
  if (qbtypes::IsBuiltIn(code)) return qbtypes::ShortName(code);
  return qbtypes::IsCustom(code) ? QStringLiteral("Custom") : QStringLiteral("Unknown");
}

QByteArrayView TypeNameUtf8Of(int32_t code) {
  static const auto names = [] {
    std::array<QByteArray, qbtypes::BuiltInCount + 2> table;
    for (int c = 0; c < qbtypes::BuiltInCount; ++c) table[c] = TypeNameOf(c).toUtf8();
    table[qbtypes::BuiltInCount] = TypeNameOf(qbmFirstCustom).toUtf8();
    table[qbtypes::BuiltInCount + 1] = TypeNameOf(qbtypes::BuiltInCount).toUtf8();
    return table;
  }();
  if (qbtypes::IsBuiltIn(code)) return names[code];
  return names[qbtypes::IsCustom(code) ? qbtypes::BuiltInCount : qbtypes::BuiltInCount + 1];
}

}  // namespace qboutput

bool TQBOutputFile::Open() {
  // The rename at the end would put a regular file in place of a device node or a pipe.
  FRefusal = OutputTargetProblem(FFile.fileName());
  if (!FRefusal.isEmpty()) return false;
  FFile.setDirectWriteFallback(false);
  return FFile.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

bool TQBOutputFile::Write(QByteArrayView bytes) {
  if (FFailed) return false;
  FBuffer.append(bytes.data(), bytes.size());
  return FBuffer.size() < FlushSize || Flush();
}

bool TQBOutputFile::Flush() {
  if (FFailed) return false;
  if (FBuffer.isEmpty()) return true;
  // A full disk first takes part of a block and fails only on the next write, which is the one that
  // gives the system's reason: the rest is offered again until a write takes nothing.
  for (qsizetype done = 0; done < FBuffer.size();) {
    const qint64 n = FFile.write(FBuffer.constData() + done, FBuffer.size() - done);
    if (n <= 0) {
      FFailed = true;
      // Kept now: the temporary file, once discarded, answers "Unknown error".
      FWriteError = FFile.errorString();
      break;
    }
    done += qsizetype(n);
    FWritten += n;
  }
  FBuffer.clear();
  return !FFailed;
}

bool TQBOutputFile::Restart() {
  FBuffer.clear();
  FWritten = 0;
  return !FFailed && FFile.seek(0) && FFile.resize(0);
}

bool TQBOutputFile::Commit() {
  // Looked at again: something else may have taken the target's place while the file was written.
  FRefusal = OutputTargetProblem(FFile.fileName());
  if (!Flush() || !FRefusal.isEmpty()) {
    FFile.cancelWriting();
    FFile.commit();
    return false;
  }
  return FFile.commit();
}

QString TQBOutputFile::ErrorString() const {
  if (!FRefusal.isEmpty()) return FRefusal;
  return FWriteError.isEmpty() ? FFile.errorString() : FWriteError;
}
