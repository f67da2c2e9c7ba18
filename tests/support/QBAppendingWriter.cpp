// qbappender LOG.qbl: a separate process that appends records to a log, as an instrumented program
// does, driven by one command per line on standard input. It answers "ok" on standard output when a
// command is done, so a test knows what the file holds. Messages carry their sequence number in their
// text ("Message 17"), counting on across commands, so a reader can check that nothing was lost,
// doubled or reordered.
//
//   append N          N whole records in one write
//   part K            the first K bytes of the next record (a record still being written)
//   rest              the remaining bytes of that record
//   stream RATE SECS  RATE records a second for SECS seconds, written every 10 ms; each write ends
//                     inside a record whose rest comes with the next write
//   invalid           a record whose date is out of range
//   claim N           the header of a record whose text claims N bytes, with the next whole record
//                     after it (which a reader waiting for the claimed body would take as part of it)
//   truncate          cuts the file to nothing (the next records start it again)
//   replace N         puts a new file with N records in the log's place (rename over it)
//   quit

#include "model/QBLogFormat.h"
#include "model/QBLogWriter.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <QThread>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

constexpr int32_t kDay = 738886;  // 1 January 2024

class TAppender {
public:
  explicit TAppender(QString path) : FPath(std::move(path)) { Reopen(); }

  void Append(int count) { Write(Records(count)); }
  void Part(int size) {
    FPending = Record();
    Write(FPending.left(size));
    FPending.remove(0, size);
  }
  void Rest() {
    Write(FPending);
    FPending.clear();
  }
  void Invalid() {
    QByteArray record = Record();
    qblog::WriteInt32(record.data() + qblog::CodeSize + qblog::marked::Date, 1);
    Write(record);
  }
  void Claim(int32_t length) {
    QByteArray record = Record();
    qblog::WriteInt32(record.data() + qblog::CodeSize + qblog::marked::TextLength, length);
    Write(record.left(qblog::CodeSize + qblog::marked::HeaderSize) + Record());
  }
  void Truncate() { FFile.resize(0); }
  void Replace(int count) {
    QFile next(FPath + QStringLiteral(".next"));
    if (!next.open(QIODevice::WriteOnly | QIODevice::Truncate)) Fail("cannot create the new file");
    next.write(Records(count));
    next.close();
    FFile.close();
    if (std::rename(QFile::encodeName(next.fileName()).constData(), QFile::encodeName(FPath).constData()) != 0)
      Fail("cannot rename the new file");
    Reopen();
  }
  void Stream(int rate, double seconds) {
    QElapsedTimer clock;
    clock.start();
    const int64_t total = int64_t(rate * seconds);
    int64_t started = 0;  // records whose first bytes are written
    for (;;) {
      const int64_t due = std::min<int64_t>(total, clock.nsecsElapsed() * rate / 1000000000);
      QByteArray bytes = FPending;
      FPending.clear();
      if (due > started) {
        bytes += Records(int(due - started - 1));
        // The last record of this write goes out in two pieces, the second with the next write.
        const QByteArray last = Record();
        const qsizetype half = due < total ? last.size() / 2 : last.size();
        bytes += last.left(half);
        FPending = last.mid(half);
        started = due;
      }
      if (!bytes.isEmpty()) Write(bytes);
      if (started == total && FPending.isEmpty()) break;
      QThread::usleep(10000);
    }
  }

private:
  QByteArray Record() {
    const QByteArray text = "Message " + QByteArray::number(FNext++);
    TQBRawMessage m;
    m.MsgType = 0;
    m.Date = kDay;
    m.Time = int32_t(FNext % 86400000);
    m.MsgText = Utf8Bytes(text);
    m.Details = Utf8Bytes("appended by qbappender");
    m.AppName = Utf8Bytes("qbappender");
    QByteArray out;
    AppendLogRecord(out, m);
    return out;
  }
  QByteArray Records(int count) {
    QByteArray out;
    for (int i = 0; i < count; ++i) out += Record();
    return out;
  }
  void Write(const QByteArray& bytes) {
    if (FFile.write(bytes) != bytes.size() || !FFile.flush()) Fail("write failed");
  }
  void Reopen() {
    FFile.setFileName(FPath);
    if (!FFile.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) Fail("cannot open the log");
  }
  [[noreturn]] static void Fail(const char* why) {
    std::fprintf(stderr, "qbappender: %s\n", why);
    std::exit(2);
  }

  QString FPath;
  QFile FFile;
  QByteArray FPending;
  int64_t FNext = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: qbappender LOG.qbl\n");
    return 2;
  }
  TAppender appender(QFile::decodeName(argv[1]));
  std::string line;
  while (std::getline(std::cin, line)) {
    QTextStream in(QByteArray::fromStdString(line));
    QString command;
    in >> command;
    int n = 0;
    double seconds = 0;
    if (command == QLatin1String("append")) in >> n, appender.Append(n);
    else if (command == QLatin1String("part")) in >> n, appender.Part(n);
    else if (command == QLatin1String("rest")) appender.Rest();
    else if (command == QLatin1String("stream")) in >> n >> seconds, appender.Stream(n, seconds);
    else if (command == QLatin1String("invalid")) appender.Invalid();
    else if (command == QLatin1String("claim")) in >> n, appender.Claim(n);
    else if (command == QLatin1String("truncate")) appender.Truncate();
    else if (command == QLatin1String("replace")) in >> n, appender.Replace(n);
    else if (command == QLatin1String("quit")) break;
    else {
      std::fprintf(stderr, "qbappender: unknown command '%s'\n", line.c_str());
      return 2;
    }
    std::cout << "ok" << std::endl;
  }
  return 0;
}
