#include "QBToolCommands.h"
#include "model/QBMessageTypes.h"
#include "support/QBTestFiles.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <gtest/gtest.h>

#include <cstdio>

using namespace qbtest;

namespace {

struct TRun {
  int Code = -1;
  QByteArray Out, Err;
};

QByteArray ReadAll(FILE* f) {
  std::rewind(f);
  QByteArray bytes;
  char chunk[65536];
  size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) bytes.append(chunk, qsizetype(n));
  std::fclose(f);
  return bytes;
}

TRun RunTool(const QStringList& args) {
  FILE* out = std::tmpfile();
  FILE* err = std::tmpfile();
  TRun run;
  run.Code = RunQblTool(args, out, err);
  run.Out = ReadAll(out);
  run.Err = ReadAll(err);
  return run;
}

QList<QJsonObject> JsonLines(const QByteArray& out) {
  QList<QJsonObject> objects;
  for (const QByteArray& line : out.split('\n'))
    if (!line.isEmpty()) objects << QJsonDocument::fromJson(line).object();
  return objects;
}

class QblTool : public testing::Test {
protected:
  TTempFiles FFiles;
};

TEST_F(QblTool, DumpWritesOneJsonObjectPerMessageWithTheContractKeys) {
  TQBRawMessage m = Message(150, "quote \" tab \t caf\xC3\xA9", "line1\r\nline2");
  m.ProcessID = 0xFFFFFFFFu;
  m.CategoryFontColor = clWindowText;
  const QString path = FFiles.Write("a.qbl", MarkedRecord(m) + MarkedRecord(Message(0, "second")));
  const TRun run = RunTool({"dump", path});
  ASSERT_EQ(run.Code, 0) << run.Err.constData();
  const auto lines = JsonLines(run.Out);
  ASSERT_EQ(lines.size(), 2);
  const QJsonObject& first = lines[0];
  const QStringList keys = {"rec", "id", "type", "text", "details", "date", "time", "bias", "pid", "thread",
                            "computer", "app", "typename", "category", "catcolor", "catfontcolor"};
  const QStringList present = first.keys();
  EXPECT_EQ(QSet<QString>(present.begin(), present.end()), QSet<QString>(keys.begin(), keys.end()));
  EXPECT_EQ(first["rec"].toInt(), 1);
  EXPECT_EQ(first["id"].toInt(), 0);
  EXPECT_EQ(first["type"].toInt(), 150);
  EXPECT_EQ(first["text"].toString(), QString::fromUtf8("quote \" tab \t café"));
  EXPECT_EQ(first["details"].toString(), "line1\r\nline2");
  EXPECT_EQ(first["date"].toInt(), kDay);
  EXPECT_EQ(first["time"].toInt(), kNoon);
  EXPECT_EQ(first["pid"].toDouble(), 4294967295.0);
  EXPECT_EQ(first["catfontcolor"].toInt(), -16777208);
  EXPECT_EQ(lines[1]["rec"].toInt(), 2);
  EXPECT_EQ(lines[1]["id"].toInt(), 1);
}

TEST_F(QblTool, ExitCodesAndErrorLines) {
  const QByteArray good = MarkedRecord(Message(0, "kept"));
  const QString bad = FFiles.Write("bad.qbl", good + good.left(50));
  const TRun invalid = RunTool({"dump", bad});
  EXPECT_EQ(invalid.Code, 1);
  EXPECT_EQ(JsonLines(invalid.Out).size(), 1);  // what was read is still printed
  EXPECT_TRUE(invalid.Err.contains(bad.toUtf8()));
  EXPECT_TRUE(invalid.Err.contains(QByteArray::number(good.size()))) << invalid.Err.constData();

  const TRun missing = RunTool({"stats", FFiles.Path("missing.qbl")});
  EXPECT_EQ(missing.Code, 2);
  EXPECT_TRUE(missing.Err.contains("missing.qbl"));

  for (const QStringList& args : {QStringList{}, QStringList{"frobnicate"}, QStringList{"dump"},
                                  QStringList{"gen", "--count", "many", FFiles.Path("x.qbl")}})
    EXPECT_EQ(RunTool(args).Code, 2) << args.join(' ').toStdString();
}

TEST_F(QblTool, GenIsDeterministicAndCoversTheTypes) {
  const QString a = FFiles.Path("a.qbl"), b = FFiles.Path("b.qbl"), c = FFiles.Path("c.qbl");
  ASSERT_EQ(RunTool({"gen", "--count", "30000", "--seed", "5", a}).Code, 0);
  ASSERT_EQ(RunTool({"gen", "--seed", "5", "--count", "30000", b}).Code, 0);
  ASSERT_EQ(RunTool({"gen", "--count", "30000", "--seed", "6", c}).Code, 0);
  auto bytes = [](const QString& p) {
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  };
  EXPECT_EQ(bytes(a), bytes(b));
  EXPECT_NE(bytes(a), bytes(c));

  const TRun dump = RunTool({"dump", a});
  ASSERT_EQ(dump.Code, 0);
  QSet<int> types;
  QSet<QString> apps;
  for (const QJsonObject& o : JsonLines(dump.Out)) {
    types << o["type"].toInt();
    apps << o["app"].toString();
  }
  for (int code = 0; code < qbtypes::BuiltInCount; ++code) {
    if (code == qbmCollapsedMethod) continue;  // a display-only code, never stored
    EXPECT_TRUE(types.contains(code)) << code;
  }
  EXPECT_TRUE(types.contains(150));
  EXPECT_GE(apps.size(), 3);
}

TEST_F(QblTool, StatsCountsByTypeAndApplication) {
  TQBRawMessage m = Message(2, "e");
  const QByteArray app = "Billing";
  m.AppName = Utf8Bytes(app);
  const QString path =
      FFiles.Write("s.qbl", MarkedRecord(m) + MarkedRecord(m) + MarkedRecord(Message(150, "custom")));
  const TRun run = RunTool({"stats", path});
  ASSERT_EQ(run.Code, 0);
  EXPECT_TRUE(run.Out.contains("messages: 3"));
  EXPECT_TRUE(run.Out.contains("2  Error"));
  EXPECT_TRUE(run.Out.contains("1  Custom(150)"));
  EXPECT_TRUE(run.Out.contains("2  \"Billing\""));
  EXPECT_TRUE(run.Out.contains("first: 2024-01-01 12:00:00.000"));
}

TEST_F(QblTool, GenShapesTheNumberOfNames) {
  const QString path = FFiles.Path("shape.qbl");
  ASSERT_EQ(RunTool({"gen", "--count", "20000", "--threads", "40", "--apps", "6", "--processes", "9",
                     "--categories", "8", path})
                .Code,
            0);
  QSet<QString> threads, apps, categories;
  QSet<qint64> pids;
  for (const QJsonObject& o : JsonLines(RunTool({"dump", path}).Out)) {
    threads << o["thread"].toString();
    apps << o["app"].toString();
    categories << o["category"].toString();
    pids << qint64(o["pid"].toDouble());
  }
  EXPECT_EQ(threads.size(), 40);
  EXPECT_EQ(apps.size(), 6);
  EXPECT_EQ(pids.size(), 9);
  EXPECT_EQ(categories.size(), 8);
  for (const char* option : {"--threads", "--apps", "--processes", "--categories"})
    EXPECT_EQ(RunTool({"gen", option, "0", path}).Code, 2) << option;
}

// A log whose names the organizer files: process 1234 twice, 5678 once, threads Main, main and none.
QByteArray OrganizerLog() {
  static const QByteArray main = "Main", lower = "main", none = "", db = "Db";
  QByteArray bytes;
  const struct {
    uint32_t Pid;
    const QByteArray* Thread;
  } rows[] = {{1234, &main}, {5678, &none}, {1234, &lower}};
  for (const auto& r : rows) {
    TQBRawMessage m = Message(0, "m");
    m.ProcessID = r.Pid;
    m.ThreadName = Utf8Bytes(*r.Thread);
    m.Category = Utf8Bytes(db);
    bytes += MarkedRecord(m);
  }
  return bytes;
}

TEST_F(QblTool, OrganizePrintsEachCreatedViewWithTheMessagesItHolds) {
  const QString path = FFiles.Write("org.qbl", OrganizerLog());
  const TRun run = RunTool({"organize", "--by", "thread,pid", path});
  ASSERT_EQ(run.Code, 0) << run.Err.constData();
  EXPECT_EQ(run.Out, "PID 1234\t2\nThread Main\t2\nPID 5678\t1\nThread \t1\n");
  EXPECT_EQ(RunTool({"organize", "--by", "category,computer", path}).Out, "Db\t3\n");

  // What was read before an invalid record is organized, and the exit status says the log is bad.
  const QString bad = FFiles.Write("bad.qbl", OrganizerLog() + QByteArray(30, '\xFF'));
  const TRun invalid = RunTool({"organize", "--by", "pid", bad});
  EXPECT_EQ(invalid.Code, 1);
  EXPECT_EQ(invalid.Out, "PID 1234\t2\nPID 5678\t1\n");

  for (const QStringList& args : {QStringList{"organize", path}, QStringList{"organize", "--by", "pid"},
                                  QStringList{"organize", "--by", "pid,colour", path},
                                  QStringList{"organize", "--by", "", path},
                                  QStringList{"organize", "--by", "pid", path, path},
                                  QStringList{"organize", "--by", "pid", FFiles.Path("missing.qbl")}})
    EXPECT_EQ(RunTool(args).Code, 2) << args.join(' ').toStdString();
}

TEST_F(QblTool, SaveAndExportTakeTheFilterOfAProjectView) {
  const QString log = FFiles.Write("p.qbl", OrganizerLog());
  const QString project = FFiles.Write(
      "views.qbp",
      "[Views]\nViewCount=2\n1_ViewName=Big Process\n1_ViewClassName=Default\n2_ViewName=Main\n"
      "2_ViewClassName=Default\n\n[1_Big Process]\nCheckProcessID=1\nProcessID=1234\n\n"
      "[2_Main]\nCheckThreadName=1\nThreadName=MAIN\n");
  const QString out = FFiles.Path("out.qbl");
  const TRun saved = RunTool({"save", "--project", project, "--view", "Big Process", log, out});
  ASSERT_EQ(saved.Code, 0) << saved.Err.constData();
  EXPECT_EQ(JsonLines(RunTool({"dump", out}).Out).size(), 2);
  const QString txt = FFiles.Path("out.txt");
  ASSERT_EQ(RunTool({"export", "--format", "txt", "--project", project, "--view", "Main", log, txt}).Code, 0);
  QFile text(txt);
  ASSERT_TRUE(text.open(QIODevice::ReadOnly));
  EXPECT_EQ(text.readAll().count("\tm\r\n"), 2) << "Main and main, the name compared without case";

  const TRun unknown = RunTool({"save", "--project", project, "--view", "big process", log, out});
  EXPECT_EQ(unknown.Code, 2);
  EXPECT_TRUE(unknown.Err.contains("'Big Process', 'Main'")) << unknown.Err.constData();
  EXPECT_EQ(unknown.Err.count('\n'), 1) << "one line";
  for (const QStringList& args :
       {QStringList{"save", "--project", project, log, out}, QStringList{"save", "--view", "Main", log, out},
        QStringList{"save", "--project", project, "--view", "Main", "--app", "x", log, out},
        QStringList{"export", "--format", "xml", "--pid", "1", "--project", project, "--view", "Main", log, out},
        QStringList{"save", "--project", FFiles.Path("none.qbp"), "--view", "Main", log, out}})
    EXPECT_EQ(RunTool(args).Code, 2) << args.join(' ').toStdString();
}

// Names from a project reach a terminal in the error line: an ESC or a BEL in one must not act on it,
// a NUL must not cut the line, a line break must not start another, and a project of thousands of
// views must not make a line of megabytes.
TEST_F(QblTool, AProjectsNamesInTheErrorLineAreEscapedWholeAndCutAfterTwenty) {
  const QString log = FFiles.Write("p.qbl", MarkedRecord(Message(0, "m")));
  QByteArray views = "[Views]\nViewCount=30\n1_ViewNameEncoded=esc%1B[31m bel%07 nul%00 end\n1_ViewName=x\n"
                     "1_ViewClassName=Default\n2_ViewNameEncoded=two%0D%0Alines \\ rlo%E2%80%AE\n2_ViewName=y\n"
                     "2_ViewClassName=Default\n";
  for (int n = 3; n <= 30; ++n)
    views += QByteArray::number(n) + "_ViewName=V" + QByteArray::number(n) + "\n" + QByteArray::number(n) +
             "_ViewClassName=Default\n";
  const QString project = FFiles.Write("names.qbp", views);
  const TRun run = RunTool({"save", "--project", project, "--view", "no\x1b", log, FFiles.Path("out.qbl")});
  EXPECT_EQ(run.Code, 2);
  EXPECT_EQ(run.Err.count('\n'), 1) << run.Err.constData();
  for (const char c : {'\x1b', '\x07', '\0', '\r'}) EXPECT_FALSE(run.Err.contains(c)) << int(c);
  EXPECT_TRUE(run.Err.contains("no view 'no\\x1b'")) << run.Err.constData();
  EXPECT_TRUE(run.Err.contains("'esc\\x1b[31m bel\\x07 nul\\x00 end', 'two\\r\\nlines \\\\ rlo\\u202e', 'V3'"))
      << run.Err.constData();
  EXPECT_TRUE(run.Err.endsWith("'V20', ... and 10 more\n")) << run.Err.constData();
  EXPECT_FALSE(run.Err.contains("'V21'"));
}

// Messages at given days and times of day, with a time bias the histogram must not apply.
struct TTimed {
  int32_t Type;
  int32_t Day;
  int32_t Hour, Minute, Second, Ms;
};
QByteArray TimedLog(std::initializer_list<TTimed> rows) {
  QByteArray bytes;
  for (const TTimed& r : rows) {
    TQBRawMessage m = Message(r.Type, "t");
    m.Date = r.Day;
    m.Time = ((r.Hour * 60 + r.Minute) * 60 + r.Second) * 1000 + r.Ms;
    m.TimeBias = -120;
    bytes += MarkedRecord(m);
  }
  return bytes;
}

// Across midnight, out of order, with empty buckets, a collapsed method and an application start.
QByteArray MidnightLog() {
  return TimedLog({{qbmInfo, kDay, 23, 10, 0, 0},
                   {qbmEnterMethod, kDay, 23, 12, 0, 0},
                   {qbmInfo, kDay, 23, 12, 0, 1},
                   {qbmExitMethod, kDay, 23, 12, 0, 2},
                   {qbmError, kDay, 23, 59, 59, 999},
                   {qbmAppStartSeparator, kDay + 1, 0, 5, 0, 0},
                   {qbmWarning, kDay + 1, 0, 0, 0, 0},
                   {qbmException, kDay + 1, 0, 29, 59, 999},
                   {qbmInfo, kDay, 23, 40, 0, 0},
                   {qbmWarning, kDay + 1, 1, 40, 0, 0}});
}

TEST_F(QblTool, HistogramCountsEveryBucketFromTheFirstMessageToTheLast) {
  const QString log = FFiles.Write("h.qbl", MidnightLog());
  const TRun run = RunTool({"histogram", "--bucket", "30m", log});
  ASSERT_EQ(run.Code, 0) << run.Err.constData();
  EXPECT_EQ(run.Out,
            "2024-01-01 23:00:00.000\t4\t0\t0\n"
            "2024-01-01 23:30:00.000\t2\t1\t0\n"
            "2024-01-02 00:00:00.000\t2\t1\t1\n"
            "2024-01-02 00:30:00.000\t0\t0\t0\n"
            "2024-01-02 01:00:00.000\t0\t0\t0\n"
            "2024-01-02 01:30:00.000\t1\t0\t1\n");
  EXPECT_TRUE(run.Err.isEmpty());

  // The messages counted are those save writes with the same filter.
  const QString out = FFiles.Path("saved.qbl");
  for (const QStringList& filter : {QStringList{}, QStringList{"--types", "0,2,9"}}) {
    ASSERT_EQ(RunTool(QStringList{"save"} + filter + QStringList{log, out}).Code, 0);
    const TRun counted = RunTool(QStringList{"histogram", "--bucket", "1d"} + filter + QStringList{log});
    qlonglong total = 0;
    for (const QByteArray& line : counted.Out.split('\n'))
      if (!line.isEmpty()) total += line.split('\t')[1].toLongLong();
    EXPECT_EQ(total, JsonLines(RunTool({"dump", out}).Out).size()) << filter.join(' ').toStdString();
  }
}

TEST_F(QblTool, HistogramRefusesBadBucketsAndPrintsNothingForAnEmptyView) {
  const QString log = FFiles.Write("h.qbl", MidnightLog());
  for (const char* bucket : {"0s", "0ms", "5", "s", "5x", "-1s", "1.5s", " 5s", "5 s", "5S", "5mm",
                             "9999999999999999999d", "1ms"}) {
    const TRun run = RunTool({"histogram", "--bucket", bucket, log});
    EXPECT_EQ(run.Code, 2) << bucket;
    EXPECT_TRUE(run.Out.isEmpty()) << bucket;
    EXPECT_EQ(run.Err.count('\n'), 1) << bucket << ": " << run.Err.constData();
  }
  EXPECT_TRUE(RunTool({"histogram", "--bucket", "1ms", log}).Err.contains("1000000")) << "the limit is named";
  EXPECT_EQ(RunTool({"histogram", log}).Code, 2) << "--bucket is required";
  EXPECT_EQ(RunTool({"histogram", "--bucket", "1s", "--width", "3", log}).Code, 2);

  const TRun empty = RunTool({"histogram", "--bucket", "1s", "--text", "nowhere", log});
  EXPECT_EQ(empty.Code, 0);
  EXPECT_TRUE(empty.Out.isEmpty());
  EXPECT_TRUE(empty.Err.isEmpty());
}

TEST_F(QblTool, HistogramTakesTheTimeRangeOfAProjectView) {
  const QString log = FFiles.Write("h.qbl", MidnightLog());
  const QString project = FFiles.Write(
      "views.qbp",
      "[Views]\nViewCount=1\n1_ViewName=Night\n1_ViewClassName=Default\n\n[1_Night]\nCheckTimeRange=1\n"
      "TimeFrom=2024-01-01 23:40:00.000\nTimeTo=2024-01-02 00:00:00.000\n");
  const TRun run = RunTool({"histogram", "--bucket", "1h", "--project", project, "--view", "Night", log});
  ASSERT_EQ(run.Code, 0) << run.Err.constData();
  EXPECT_EQ(run.Out, "2024-01-01 23:00:00.000\t2\t1\t0\n2024-01-02 00:00:00.000\t1\t0\t1\n");
}

}  // namespace

namespace {

// A log of info messages with the given texts at given local times (milliseconds) and one bias.
QByteArray MergeLog(std::initializer_list<std::pair<const char*, int32_t>> rows, int32_t bias) {
  QByteArray bytes;
  for (const auto& [text, time] : rows) {
    TQBRawMessage m = Message(qbmInfo, text);
    m.Time = time;
    m.TimeBias = bias;
    bytes += MarkedRecord(m);
  }
  return bytes;
}

QStringList DumpTexts(const QString& path) {
  QStringList texts;
  for (const QJsonObject& o : JsonLines(RunTool({"dump", path}).Out)) texts << o["text"].toString();
  return texts;
}

TEST_F(QblTool, MergeWritesTheLogsInterleavedByUtcInstant) {
  constexpr int32_t hour = 3600 * 1000;
  // The client's clock runs an hour ahead of UTC (bias -60); the server's is UTC.
  const QString client = FFiles.Write("client.qbl", MergeLog({{"c1", 10 * hour}, {"c2", 11 * hour}}, -60));
  const QString server = FFiles.Write("server.qbl", MergeLog({{"s1", 9 * hour}, {"s2", 10 * hour}}, 0));
  const QString out = FFiles.Path("merged.qbl");
  const TRun run = RunTool({"merge", out, client, server});
  EXPECT_EQ(run.Code, 0) << run.Err.constData();
  EXPECT_TRUE(run.Err.isEmpty());
  EXPECT_EQ(DumpTexts(out), QStringList({"c1", "s1", "c2", "s2"}));
}

TEST_F(QblTool, MergeExitStatuses) {
  const QByteArray good = MergeLog({{"a1", 1000}}, 0);
  const QString a = FFiles.Write("a.qbl", good);
  const QString b = FFiles.Write("b.qbl", MergeLog({{"b1", 500}}, 0));
  // Cut inside the second record's header: the log stops there.
  const QString cut = FFiles.Write("cut.qbl", MergeLog({{"t1", 2000}, {"t2", 3000}}, 0).left(good.size() + 60));
  const QString link = FFiles.Path("link.qbl");
  ASSERT_TRUE(QFile::link(a, link));
  const QString previous = FFiles.Write("previous.qbl", "kept");
  struct TCase {
    const char* Name;
    QStringList Args;
    int Code;
    const char* ErrorPart;
  };
  const std::vector<TCase> cases = {
      {"no output", {"merge"}, 2, "usage: qbltool merge OUT.qbl IN1.qbl"},
      {"no input", {"merge", FFiles.Path("o1.qbl")}, 2, "usage: qbltool merge"},
      {"an unknown option", {"merge", "--sorted", FFiles.Path("o2.qbl"), a}, 2, "unknown option '--sorted'"},
      {"an unreadable input", {"merge", previous, a, FFiles.Path("missing.qbl")}, 2, "cannot open"},
      {"the output is an input through a link", {"merge", link, b, a}, 2, "one of the logs being merged"},
      {"the output is an input by another spelling", {"merge", FFiles.Path("./a.qbl"), a, b}, 2,
       "one of the logs being merged"},
      {"a cut input", {"merge", FFiles.Path("o3.qbl"), cut, b}, 1, "is not a valid log file"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const TRun run = RunTool(c.Args);
    EXPECT_EQ(run.Code, c.Code);
    EXPECT_TRUE(run.Err.contains(c.ErrorPart)) << run.Err.constData();
  }
  // Nothing that failed replaced a file: the inputs and the earlier output are as they were.
  EXPECT_EQ(DumpTexts(a), QStringList({"a1"}));
  QFile kept(previous);
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), "kept");
  EXPECT_FALSE(QFile::exists(FFiles.Path("o1.qbl")));
  // The cut input names itself, and what was read before the cut was written.
  EXPECT_EQ(DumpTexts(FFiles.Path("o3.qbl")), QStringList({"b1", "t1"}));
  EXPECT_TRUE(RunTool({"merge", FFiles.Path("o4.qbl"), cut, b}).Err.contains("cut.qbl"));
}

}  // namespace
