#include "hostile/QBHostileInputs.h"

#include "model/QBLogFormat.h"
#include "model/QBLogWriter.h"
#include "model/QBMessageTypes.h"
#include "model/QBRawMessage.h"

#include <QFile>

#include <functional>
#include <vector>

namespace qbhostile {
namespace {

constexpr int32_t kDay = 738886;          // 1 January 2024
constexpr int32_t kNoon = 12 * 3600 * 1000;
constexpr qsizetype MB = 1 << 20;

TQBRawMessage Message(int32_t type, QByteArrayView text, QByteArrayView details = {}) {
  TQBRawMessage m;
  m.MsgType = type;
  m.Time = kNoon;
  m.Date = kDay;
  m.MsgText = Utf8Bytes(text);
  m.Details = Utf8Bytes(details);
  return m;
}

// A log of one ordinary message followed by the hostile one (selected as row 1).
QByteArray TwoMessages(int32_t type, QByteArrayView text, QByteArrayView details) {
  QByteArray out;
  AppendLogRecord(out, Message(qbmInfo, "before"));
  AppendLogRecord(out, Message(type, text, details));
  return out;
}

QByteArray Repeated(QByteArrayView piece, qsizetype totalBytes) {
  QByteArray out;
  out.reserve(totalBytes + piece.size());
  while (out.size() < totalBytes) out.append(piece);
  out.truncate(totalBytes);
  return out;
}

QByteArray TableMillionCells() {
  // One line of 1,000,000 cells: 999,999 tabs between single letters.
  QByteArray row;
  row.reserve(2 * 1000000);
  for (int i = 0; i < 1000000; ++i) {
    if (i) row += '\t';
    row += char('a' + i % 26);
  }
  return TwoMessages(qbmCustomTable, "table with a million columns", row);
}

QByteArray TableFiftyMegabytes() {
  QByteArray rows;
  rows.reserve(50 * MB + 128);
  rows += "Name\tCity\tCount\tWhen\tNote\r\n";
  for (int i = 0; rows.size() < 50 * MB; ++i)
    rows += "name" + QByteArray::number(i) + "\tsomewhere\t" + QByteArray::number(i * 7) + "\t12:00:00\tok\r\n";
  return TwoMessages(qbmCustomTable, "a 50 MB table", rows);
}

QByteArray PropertiesLongKey() {
  // 240 KB: one key of 200,000 characters among 4,000 short properties.
  QByteArray text = Repeated("k", 200000) + "=long\r\n";
  for (int i = 0; i < 4000; ++i) text += "Name" + QByteArray::number(i) + "=v\r\n";
  return TwoMessages(qbmCustomProperties, "properties with a very long key", text);
}

QByteArray UnclosedMethods(int count) {
  QByteArray out;
  out.reserve(qsizetype(count) * 230);
  for (int i = 0; i < count; ++i) AppendLogRecord(out, Message(qbmEnterMethod, "Method" + QByteArray::number(i)));
  return out;
}

// count messages; message n has thread name "T" followed by n modulo threads.
QByteArray Threads(int count, int threads) {
  QByteArray out;
  out.reserve(qsizetype(count) * 120);
  QByteArray thread;
  for (int i = 0; i < count; ++i) {
    thread = "T" + QByteArray::number(i % threads);
    TQBRawMessage m = Message(qbmInfo, "message");
    m.ThreadName = Utf8Bytes(thread);
    AppendLogRecord(out, m);
  }
  return out;
}

// A project whose views are the places 1 to count, each filtering on its own thread.
QByteArray ProjectOfViews(int count) {
  QByteArray out = "[Views]\nViewCount=" + QByteArray::number(count) + "\n";
  for (int place = 1; place <= count; ++place)
    out += QByteArray::number(place) + "_ViewName=V" + QByteArray::number(place) + "\n";
  for (int place = 1; place <= count; ++place)
    out += "[" + QByteArray::number(place) + "_V" + QByteArray::number(place) +
           "]\nCheckThreadName=1\nThreadName=T" + QByteArray::number(place) + "\n";
  return out;
}

// One record that claims a text of almost 2 GB in a file whose bytes are a hole: sparse on disk, the
// text ends at its first (zero) byte.
bool WriteSparseClaim(const QString& path, QString* error) {
  QByteArray record;
  AppendLogRecord(record, Message(qbmInfo, ""));
  const int32_t claimed = int32_t(INT32_MAX - qblog::marked::LengthAllowance);
  qblog::WriteInt32(record.data() + qblog::CodeSize + qblog::marked::TextLength, claimed);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(record.left(qblog::CodeSize + qblog::marked::HeaderSize)) < 0 ||
      !file.resize(qint64(qblog::CodeSize) + qblog::marked::HeaderSize + claimed + 1)) {
    *error = file.errorString();
    return false;
  }
  return true;
}

struct TBuilder {
  TInput Input;
  std::function<QByteArray()> Bytes;  // null for inputs written by hand
};

const std::vector<TBuilder>& Builders() {
  static const std::vector<TBuilder> builders = {
      {{"table-1m-cells", "a table message whose one row has 1,000,000 tab-separated cells", 1},
       TableMillionCells},
      {{"text-1mb-nospace", "a 1 MB message text without spaces", 1},
       [] { return TwoMessages(qbmInfo, Repeated("x", MB), {}); }},
      {{"strlist-10mb-lf", "a string list of 10 MB of line feeds", 1},
       [] { return TwoMessages(qbmStringList, "10 MB of line feeds", Repeated("\n", 10 * MB)); }},
      {{"textfile-50mb-line", "a text-file message with one 50 MB line", 1},
       [] { return TwoMessages(qbmTextFile, "one 50 MB line", Repeated("lorem ipsum dolor ", 50 * MB)); }},
      {{"table-50mb", "a 50 MB table message", 1}, TableFiftyMegabytes},
      {{"properties-long-key", "a 240 KB properties text with one very long key", 1}, PropertiesLongKey},
      {{"methods-200k", "200,000 unclosed methods, the last row selected", 199999},
       [] { return UnclosedMethods(200000); }},
      {{"methods-1m", "1,000,000 unclosed methods, the last row selected", 999999},
       [] { return UnclosedMethods(1000000); }},
      {{"sparse-2gb", "a sparse file whose first record claims a text of 2 GB", 0}, nullptr},
      {{"bidi-override", "a message text \"evil\" U+202E \"gpj.exe\"", 1},
       [] { return TwoMessages(qbmInfo, "evil\u202Egpj.exe", "evil\u202Egpj.exe\r\nline\u2066two\u2069"); }},
      {{"threads-1m", "1,000,000 messages, each of its own thread, organized by thread", 0, "organize"},
       [] { return Threads(1000000, 1000000); }},
      {{"threads-100k-auto", "100,000 messages of 10,000 threads, loaded with Auto-Organize by thread", 0,
        "auto-organize"},
       [] { return Threads(100000, 10000); }},
      {{"project-far-place", "a 53-byte project: ViewCount=2000000000 and one view at that place", 0, "project Far"},
       [] { return QByteArray("[Views]\nViewCount=2000000000\n2000000000_ViewName=Far\n"); }},
      {{"project-12k-views", "a project of 12,000 views, each on a thread", 0, "project V1"},
       [] { return ProjectOfViews(12000); }},
      {{"project-17mb", "a project file of 17 MB", 0, "refused-project"},
       [] { return "[Views]\nViewCount=1\n1_ViewName=V\n[1_V]\nNote=" + Repeated("x", 17 * MB) + "\n"; }},
  };
  return builders;
}

// Logs for the file cases of the test (qbltool's outputs), not drawn in the window: the window
// reports them as invalid in a dialog.
QByteArray InvalidInTheMiddle() {
  // 100 good records, one whose date is out of range, 900 more: a load stops after the first 100.
  QByteArray out;
  for (int i = 0; i < 1001; ++i) {
    const QByteArray text = "message " + QByteArray::number(i);
    TQBRawMessage m = Message(qbmInfo, text);
    if (i == 100) m.Date = 1;
    AppendLogRecord(out, m);
  }
  return out;
}

const std::vector<TBuilder>& FileBuilders() {
  static const std::vector<TBuilder> builders = {
      {{"invalid-mid", "100 good records, an invalid one and 900 more", 0}, InvalidInTheMiddle},
  };
  return builders;
}

}  // namespace

const std::vector<TInput>& Inputs() {
  static const std::vector<TInput> inputs = [] {
    std::vector<TInput> list;
    for (const TBuilder& b : Builders()) list.push_back(b.Input);
    return list;
  }();
  return inputs;
}

const TInput* FindInput(const QString& name) {
  for (const TInput& input : Inputs())
    if (name == QLatin1String(input.Name)) return &input;
  return nullptr;
}

bool WriteInput(const QString& name, const QString& path, QString* error) {
  std::vector<TBuilder> all = Builders();
  all.insert(all.end(), FileBuilders().begin(), FileBuilders().end());
  for (const TBuilder& b : all) {
    if (name != QLatin1String(b.Input.Name)) continue;
    if (!b.Bytes) return WriteSparseClaim(path, error);
    QFile file(path);
    const QByteArray bytes = b.Bytes();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
      *error = file.errorString();
      return false;
    }
    return true;
  }
  *error = QStringLiteral("unknown input '%1'").arg(name);
  return false;
}

}  // namespace qbhostile
