// qbltool stats: how many messages of each type, application, process, thread and category, and the
// first and last time stamps.

#include "QBToolCommands.h"
#include "QBToolLoad.h"

#include "model/QBMessageTypes.h"
#include "model/QBTimeStamp.h"

#include <map>
#include <vector>

namespace qbltool {
namespace {

QString TypeLabel(int32_t type) {
  if (qbtypes::IsBuiltIn(type)) return qbtypes::ShortName(type);
  return QStringLiteral("%1(%2)").arg(qbtypes::IsCustom(type) ? "Custom" : "Unknown").arg(type);
}

// Counts per key, printed most frequent first (ties by key).
template <class Key>
void PrintSection(QByteArray& out, const char* title, const std::map<Key, int64_t>& counts,
                  QString (*label)(const Key&)) {
  std::vector<std::pair<Key, int64_t>> rows(counts.begin(), counts.end());
  std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
  out += QByteArray(title) + ":\n";
  for (const auto& [key, count] : rows)
    out += QStringLiteral("  %1  %2\n").arg(count, 10).arg(label(key)).toUtf8();
}

QString QuotedLabel(const QString& s) { return QLatin1Char('"') + s + QLatin1Char('"'); }

}  // namespace

int RunStats(const QStringList& args, const TToolIO& io) {
  if (args.size() != 1) return UsageError(io, "stats FILE.qbl");
  TQuillboxMessageSet set;
  const TToolLoad load = LoadForTool(args[0], set, io);
  if (load.ExitCode == ExitUsage) return ExitUsage;

  std::map<int32_t, int64_t> types;
  std::map<QString, int64_t> typeNames, apps, threads, categories;
  std::map<uint32_t, int64_t> processes;
  // Names are interned: count by id first, then fold the few ids into names.
  std::vector<int64_t> appIds(set.PoolSize()), threadIds(set.PoolSize()), categoryIds(set.PoolSize()),
      typeNameIds(set.PoolSize());
  for (int recNo = 1; recNo <= set.GetRecordCount(); ++recNo) {
    const TQBMessageRef m = set.At(recNo);
    ++types[m.MsgType()];
    ++processes[m.ProcessID()];
    ++appIds[m.AppNameId()];
    ++threadIds[m.ThreadNameId()];
    ++categoryIds[m.CategoryId()];
    ++typeNameIds[m.TypeNameId()];
  }
  for (uint32_t id = 0; id < set.PoolSize(); ++id) {
    const QString& name = set.PoolString(id);
    if (appIds[id]) apps[name] += appIds[id];
    if (threadIds[id]) threads[name] += threadIds[id];
    if (categoryIds[id]) categories[name] += categoryIds[id];
    if (typeNameIds[id]) typeNames[name] += typeNameIds[id];
  }

  QByteArray out = QByteArray("file: ") + args[0].toUtf8() + "\nmessages: " +
                   QByteArray::number(set.GetRecordCount()) + '\n';
  if (set.GetRecordCount() > 0) {
    out += "first: " + qbtime::FormatTimeStamp(set.At(1).TimeStamp()).toUtf8() + '\n';
    out += "last: " + qbtime::FormatTimeStamp(set.At(set.GetRecordCount()).TimeStamp()).toUtf8() + '\n';
  }
  PrintSection<int32_t>(out, "types", types, [](const int32_t& t) { return TypeLabel(t); });
  PrintSection<QString>(out, "type names", typeNames, [](const QString& s) { return QuotedLabel(s); });
  PrintSection<QString>(out, "applications", apps, [](const QString& s) { return QuotedLabel(s); });
  PrintSection<uint32_t>(out, "processes", processes, [](const uint32_t& p) { return QString::number(p); });
  PrintSection<QString>(out, "threads", threads, [](const QString& s) { return QuotedLabel(s); });
  PrintSection<QString>(out, "categories", categories, [](const QString& s) { return QuotedLabel(s); });
  io.Write(out);
  return load.ExitCode;
}

}  // namespace qbltool
