#include "model/QBLogFormat.h"
#include "model/QBLogLoader.h"
#include "support/QBTestFiles.h"

#include <gtest/gtest.h>

#include <QFile>

#include <sys/stat.h>

using namespace qbtest;

namespace {

struct TLoaded {
  TQBLoadResult Result;
  std::unique_ptr<TQuillboxMessageSet> Set = std::make_unique<TQuillboxMessageSet>();
};

class LogReading : public testing::Test {
protected:
  TLoaded Load(const QByteArray& bytes, IQBLogLoadEvents* events = nullptr, TQBLoadMode mode = TQBLoadMode::Whole) {
    TLoaded loaded;
    TQBMessageAdder adder(*loaded.Set);
    loaded.Result = LoadLogFile(FFiles.Write("log.qbl", bytes), adder, events, mode);
    return loaded;
  }
  TTempFiles FFiles;
};

// A marked record with one header field overwritten.
QByteArray WithField(QByteArray record, int offset, int32_t value) {
  qblog::WriteInt32(record.data() + qblog::CodeSize + offset, value);
  return record;
}

const QByteArray kText = "hello";
const QByteArray kDetails = "details";

TEST_F(LogReading, WriterRecordsReadBackWithEveryField) {
  TQBRawMessage m = Message(150, kText, kDetails);
  const QByteArray thread = "Worker", computer = "PC-1", app = "App", category = "DB", typeName = "TFoo";
  m.TimeBias = -1440;
  m.ProcessID = 0xFFFFFFFEu;
  m.ThreadName = Utf8Bytes(thread);
  m.ComputerName = Utf8Bytes(computer);
  m.AppName = Utf8Bytes(app);
  m.Category = Utf8Bytes(category);
  m.TypeName = Utf8Bytes(typeName);
  m.CategoryColor = 0x00FF00;
  m.CategoryFontColor = -16777201;
  const TLoaded loaded = Load(MarkedRecord(m) + MarkedRecord(Message(0, "second")));
  ASSERT_TRUE(loaded.Result.Ok());
  ASSERT_EQ(loaded.Set->GetRecordCount(), 2);
  TQuillboxMessage got;
  loaded.Set->GetMessage(1, got);
  EXPECT_EQ(got.MsgType, 150);
  EXPECT_EQ(got.MsgText, "hello");
  EXPECT_EQ(got.Details, "details");
  EXPECT_EQ(got.TimeStamp, (TQBTimeStamp{kNoon, kDay}));
  EXPECT_EQ(got.TimeBias, -1440);
  EXPECT_EQ(got.ProcessID, 0xFFFFFFFEu);
  EXPECT_EQ(got.ThreadName, "Worker");
  EXPECT_EQ(got.ComputerName, "PC-1");
  EXPECT_EQ(got.AppName, "App");
  EXPECT_EQ(got.Category, "DB");
  EXPECT_EQ(got.TypeName, "TFoo");
  EXPECT_EQ(got.CategoryColor, 0x00FF00);
  EXPECT_EQ(got.CategoryFontColor, -16777201);
  EXPECT_EQ(got.ID, 0);
  EXPECT_EQ(loaded.Set->At(2).ID(), 1);
}

struct THeaderCase {
  const char* Name;
  int Offset;
  int32_t Value;
  bool Valid;
};

class HeaderChecks : public LogReading, public testing::WithParamInterface<THeaderCase> {};

// The record under test follows a good one: a bad record stops the load and keeps what came before.
TEST_P(HeaderChecks, BadFieldsStopTheLoadKeepingEarlierMessages) {
  const THeaderCase& c = GetParam();
  const QByteArray good = MarkedRecord(Message(0, "before"));
  const QByteArray probe = WithField(MarkedRecord(Message(0, "x")), c.Offset, c.Value);
  const TLoaded loaded = Load(good + probe + good);
  if (c.Valid) {
    EXPECT_TRUE(loaded.Result.Ok());
    EXPECT_EQ(loaded.Set->GetRecordCount(), 3);
  } else {
    EXPECT_EQ(loaded.Result.Status, TQBLoadResult::TStatus::InvalidRecord);
    EXPECT_EQ(loaded.Result.InvalidOffset, good.size());
    EXPECT_EQ(loaded.Set->GetRecordCount(), 1);
    EXPECT_FALSE(loaded.Result.Error.isEmpty());
  }
}

using namespace qblog::marked;
INSTANTIATE_TEST_SUITE_P(
    Limits, HeaderChecks,
    testing::Values(THeaderCase{"Date2Sep1999", Date, 729999, false}, THeaderCase{"Date3Sep1999", Date, 730000, true},
                    THeaderCase{"Date9Aug2099", Date, 766500, true}, THeaderCase{"Date10Aug2099", Date, 766501, false},
                    THeaderCase{"TimeNegative", Time, -1, false}, THeaderCase{"TimeMidnight", Time, 86400000, true},
                    THeaderCase{"TimePastMidnight", Time, 86400001, false},
                    THeaderCase{"Bias1440", TimeBias, 1440, true}, THeaderCase{"Bias1441", TimeBias, 1441, false},
                    THeaderCase{"BiasMinus1441", TimeBias, -1441, false},
                    THeaderCase{"TextLengthNegative", TextLength, -1, false},
                    THeaderCase{"DetailsLengthNegative", DetailsLength, -5, false},
                    THeaderCase{"LengthOverflows", TextLength, 0x7FFFFFFF - 200, false}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(LogReading, FileEndingInsideAHeaderIsInvalidAndInsideABodyIsZeroFilled) {
  const QByteArray record = MarkedRecord(Message(0, kText, kDetails));
  struct {
    const char* Name;
    QByteArray Bytes;
    TQBLoadResult::TStatus Status;
    int Count;
  } cases[] = {
      {"empty file", {}, TQBLoadResult::TStatus::Loaded, 0},
      {"3-byte tail", record + "\x01\x00\x00", TQBLoadResult::TStatus::Loaded, 1},
      {"inside a header", record + record.left(100), TQBLoadResult::TStatus::InvalidRecord, 1},
      {"inside a body", record + record.left(record.size() - 5), TQBLoadResult::TStatus::Loaded, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const TLoaded loaded = Load(c.Bytes);
    EXPECT_EQ(loaded.Result.Status, c.Status);
    EXPECT_EQ(loaded.Set->GetRecordCount(), c.Count);
  }
  // The body cut 5 bytes short keeps its text and loses the end of its details.
  const TLoaded cut = Load(record + record.left(record.size() - 5));
  EXPECT_EQ(cut.Set->At(2).MsgText(), "hello");
  EXPECT_EQ(cut.Set->At(2).Details(), "det");
}

// A header that claims a gigabyte of body in a tiny file reads what is there; the rest counts as zero.
TEST_F(LogReading, HugeClaimedBodyReadsOnlyWhatTheFileHolds) {
  const QByteArray record = WithField(MarkedRecord(Message(0, kText)), TextLength, 1 << 30);
  const TLoaded loaded = Load(record);
  ASSERT_TRUE(loaded.Result.Ok());
  ASSERT_EQ(loaded.Set->GetRecordCount(), 1);
  EXPECT_EQ(loaded.Set->At(1).MsgText(), "hello");  // ends at the record's closing NUL
}

// Bodies of several megabytes are streamed rather than buffered whole; the texts come out the same,
// and a following record is found where the claimed lengths put it. A body the file cuts short is
// reported as cut, and a load of complete records only (a log still being written) leaves it unread.
TEST_F(LogReading, LargeBodiesReadLikeSmallOnes) {
  const QByteArray big(5 << 20, 'a');
  QByteArray withNul = big;
  withNul[10] = '\0';
  const QByteArray next = MarkedRecord(Message(0, "next"));
  struct {
    const char* Name;
    QByteArray Bytes;
    QByteArray Text, Details;
    int Count;
  } cases[] = {
      {"big text, small details", MarkedRecord(Message(0, big, kDetails)) + next, big, kDetails, 2},
      {"small text, big details", MarkedRecord(Message(0, kText, big)) + next, kText, big, 2},
      {"NUL early in a big text", MarkedRecord(Message(0, withNul, kDetails)) + next, big.left(10), kDetails, 2},
      {"file ends inside a big text", MarkedRecord(Message(0, big, kDetails)).left(3 << 20), big.left((3 << 20) - 205),
       {}, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const TLoaded loaded = Load(c.Bytes);
    ASSERT_TRUE(loaded.Result.Ok());
    ASSERT_EQ(loaded.Set->GetRecordCount(), c.Count);
    EXPECT_EQ(loaded.Set->At(1).MsgTextUtf8(), c.Text);
    EXPECT_EQ(loaded.Set->At(1).DetailsUtf8(), c.Details);
    if (c.Count == 2) EXPECT_EQ(loaded.Set->At(2).MsgText(), "next");
    const bool cut = c.Count == 1;
    EXPECT_EQ(loaded.Result.LastRecordCut, cut);
    const TLoaded whole = Load(c.Bytes, nullptr, TQBLoadMode::CompleteRecords);
    ASSERT_TRUE(whole.Result.Ok());
    EXPECT_EQ(whole.Set->GetRecordCount(), cut ? 0 : c.Count);
    EXPECT_EQ(whole.Result.EndOffset, cut ? 0 : c.Bytes.size());
  }
}

// A sparse file whose record claims almost 2 GB of zeros: the text ends at its first byte, and the
// zeros are skipped rather than read (the hostile input test holds the memory to account).
TEST_F(LogReading, ASparseClaimOfGigabytesLoadsAnEmptyText) {
  QByteArray record = WithField(MarkedRecord(Message(0, "")), TextLength, int32_t(INT32_MAX - 202));
  QFile file(FFiles.Write("sparse.qbl", record.left(qblog::CodeSize + qblog::marked::HeaderSize)));
  ASSERT_TRUE(file.resize(qint64(INT32_MAX) + 3));
  TQuillboxMessageSet set;
  TQBMessageAdder adder(set);
  const TQBLoadResult result = LoadLogFile(file.fileName(), adder);
  ASSERT_TRUE(result.Ok());
  ASSERT_EQ(set.GetRecordCount(), 1);
  EXPECT_EQ(set.At(1).MsgText(), "");
}

TEST_F(LogReading, TextsEndAtAnEmbeddedNul) {
  const QByteArray text("ab\0cd", 5), details("x\0y", 3);
  const TLoaded loaded = Load(MarkedRecord(Message(0, text, details)));
  EXPECT_EQ(loaded.Set->At(1).MsgText(), "ab");
  EXPECT_EQ(loaded.Set->At(1).Details(), "x");
}

TEST_F(LogReading, LegacyRecordsDecodeEveryFixedWidthField) {
  TLegacyFields f;
  f.Type = 2;
  f.ThreadID = 0xFFFFFFFFu;
  f.Computer = QByteArray(16, 'C');  // fills its field: only 15 bytes count
  f.App = "Caf\xE9";
  f.Category = QByteArray(41, 'K');
  f.TypeName = "TLegacy";
  f.CategoryColor = 0x123456;
  f.Text = "legacy \xE9";
  f.Details = "d\xC3\xA9";  // details are UTF-8 in every record kind
  const TLoaded loaded = Load(LegacyRecord(f) + MarkedRecord(Message(0, "after")));
  ASSERT_TRUE(loaded.Result.Ok());
  ASSERT_EQ(loaded.Set->GetRecordCount(), 2);
  TQuillboxMessage got;
  loaded.Set->GetMessage(1, got);
  EXPECT_EQ(got.MsgType, 2);
  EXPECT_EQ(got.ThreadName, "4294967295");
  EXPECT_EQ(got.ComputerName, QString(15, 'C'));
  EXPECT_EQ(got.AppName, QString::fromUtf8("Café"));
  EXPECT_EQ(got.Category, QString(40, 'K'));
  EXPECT_EQ(got.TypeName, "TLegacy");
  EXPECT_EQ(got.CategoryColor, 0x123456);
  EXPECT_EQ(got.CategoryFontColor, clWindowText);
  EXPECT_EQ(got.MsgText, QString::fromUtf8("legacy é"));
  EXPECT_EQ(got.Details, QString::fromUtf8("dé"));
}

TEST_F(LogReading, AnsiAndUtf8MarkedRecordsDecodeTheSameByteDifferently) {
  const QByteArray app = "Caf\xE9";
  TQBRawMessage m = Message(0, "t");
  m.AppName = Utf8Bytes(app);
  QByteArray ansi = MarkedRecord(m);
  qblog::WriteInt32(ansi.data(), int32_t(qblog::MarkedAnsiCode));
  const TLoaded loaded = Load(ansi + MarkedRecord(m));
  ASSERT_EQ(loaded.Set->GetRecordCount(), 2);
  EXPECT_EQ(loaded.Set->At(1).AppName(), QString::fromUtf8("Café"));
  EXPECT_EQ(loaded.Set->At(2).AppName(), QString::fromUtf16(u"Caf\uFFFD"));
}

class SeparatorEvents : public IQBLogLoadEvents {
public:
  void ResetSeparatorAdded() override { Log += "reset;"; }
  void SeparatorAdded() override { Log += "separator;"; }
  QString Log;
};

TEST_F(LogReading, SeparatorsGetTheirFixedTexts) {
  TQBRawMessage sep = Message(11, "ignored", "details");
  const QByteArray typeName = "TSomething";
  sep.TypeName = Utf8Bytes(typeName);
  TQBRawMessage reset = Message(39, "also ignored");
  SeparatorEvents events;
  const TLoaded loaded = Load(MarkedRecord(sep) + MarkedRecord(reset) + MarkedRecord(Message(0, "x")), &events);
  ASSERT_EQ(loaded.Set->GetRecordCount(), 3);
  EXPECT_EQ(loaded.Set->At(1).MsgText(), "-");
  EXPECT_EQ(loaded.Set->At(1).Details(), "");
  EXPECT_EQ(loaded.Set->At(1).TypeName(), "");
  EXPECT_EQ(loaded.Set->At(2).MsgText(), "=");
  EXPECT_EQ(events.Log, "separator;reset;separator;");
}

TEST_F(LogReading, AFileThatCannotBeOpenedGivesTheSystemReason) {
  TQuillboxMessageSet set;
  TQBMessageAdder adder(set);
  const TQBLoadResult result = LoadLogFile(FFiles.Path("missing.qbl"), adder);
  EXPECT_EQ(result.Status, TQBLoadResult::TStatus::OpenFailed);
  EXPECT_FALSE(result.Error.isEmpty());
}

// Only regular files are read. A named pipe with no writer would block the open for ever; a device
// could stream without end; a folder is no log at all. Each is refused at once with its kind named.
TEST_F(LogReading, WhatIsNotARegularFileIsRefusedWithoutBlocking) {
  const QString fifo = FFiles.Path("pipe.qbl");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const struct {
    QString Path;
    const char* Kind;
  } cases[] = {{fifo, "named pipe"}, {FFiles.Path(""), "folder"}, {"/dev/zero", "character device"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Kind);
    TQuillboxMessageSet set;
    TQBMessageAdder adder(set);
    const TQBLoadResult result = LoadLogFile(c.Path, adder);
    EXPECT_EQ(result.Status, TQBLoadResult::TStatus::OpenFailed);
    EXPECT_EQ(result.Error, QStringLiteral("Not a regular file (a %1)").arg(c.Kind));
  }
}

}  // namespace
