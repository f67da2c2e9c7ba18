#include "QBBenchLog.h"

#include "QBLogGenerator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>

#include <malloc.h>
#include <unistd.h>

namespace {
// Part of the file name: raise it whenever the generator's output changes, so no run measures a log
// left behind by an older generator.
constexpr int kGeneratorVersion = 2;
}  // namespace

int64_t BenchCount() {
  const char* env = std::getenv("QB_BENCH_COUNT");
  return env ? std::atoll(env) : 1000000;
}

const QString& BenchLog() {
  static const QString path = [] {
    const QString p =
        QDir::temp().filePath(QStringLiteral("qb-bench-v%1-%2.qbl").arg(kGeneratorVersion).arg(BenchCount()));
    if (!QFileInfo::exists(p)) GenerateLog(p, {BenchCount(), 1, {}}, nullptr);
    return p;
  }();
  return path;
}

QString BenchLog(const qbgen::TGenShape& shape) {
  const QString p = QDir::temp().filePath(QStringLiteral("qb-bench-v%1-%2-a%3p%4t%5c%6.qbl")
                                              .arg(kGeneratorVersion)
                                              .arg(BenchCount())
                                              .arg(shape.Apps)
                                              .arg(shape.Processes)
                                              .arg(shape.Threads)
                                              .arg(shape.Categories));
  if (!QFileInfo::exists(p)) GenerateLog(p, {BenchCount(), 1, shape}, nullptr);
  return p;
}

QString CachedLog(const QString& folder, int64_t count) {
  const QString path = QDir(folder).filePath(QStringLiteral("qb-bench-v%1-%2.qbl").arg(kGeneratorVersion).arg(count));
  if (QFileInfo::exists(path)) return path;
  QDir().mkpath(folder);
  const QString partial = path + QStringLiteral(".part");
  if (GenerateLog(partial, {count, 1, {}}, nullptr)) QFile::rename(partial, path);
  return path;
}

int64_t ResidentBytes() {
  QFile statm(QStringLiteral("/proc/self/statm"));
  if (!statm.open(QIODevice::ReadOnly)) return 0;
  const QList<QByteArray> fields = statm.readAll().split(' ');
  return fields.size() > 1 ? fields[1].toLongLong() * int64_t(sysconf(_SC_PAGESIZE)) : 0;
}

void ReturnFreeMemory() { malloc_trim(0); }

int64_t HeapBytesInUse() {
  const struct mallinfo2 info = mallinfo2();
  return int64_t(info.uordblks) + int64_t(info.hblkhd);
}
