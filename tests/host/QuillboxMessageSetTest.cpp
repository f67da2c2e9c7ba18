#include <quillbox/MessageNames.h>
#include <quillbox/QuillboxMessageSet.h>
#include <quillbox/QuillboxText.h>

#include <QStringList>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TQBTextBytes Ansi(const char* s) { return {s, int64_t(std::strlen(s)), TQBTextEncoding::Ansi}; }
TQBTextBytes Utf8(const char* s) { return {s, int64_t(std::strlen(s)), TQBTextEncoding::Utf8}; }

void AddText(TQuillboxMessageSet& set, int32_t type, const QString& text) {
  set.Append();
  set.SetMsgType(type);
  set.SetMsgText(text);
  set.SetAppName(QStringLiteral("App"));
  set.Post();
}

TEST(MessageSet, AppendPostNumbersRecordsAndMakesTheNewOneCurrent) {
  TQuillboxMessageSet set;
  EXPECT_EQ(set.GetRecordCount(), 0);
  EXPECT_EQ(set.RecNo(), 0);
  AddText(set, 0, "first");
  AddText(set, 1, "second");
  EXPECT_EQ(set.GetRecordCount(), 2);
  EXPECT_EQ(set.RecNo(), 2);
  EXPECT_EQ(set.GetMsgText(), "second");
  set.GotoRec(1);
  EXPECT_EQ(set.GetMsgType(), 0);
  EXPECT_EQ(set.GetAppName(), "App");
}

TEST(MessageSet, FirstNextWalksEveryRecordThenEof) {
  TQuillboxMessageSet set;
  for (int i = 0; i < 3; ++i) AddText(set, i, QString::number(i));
  QStringList seen;
  for (set.First(); !set.Eof(); set.Next()) seen << set.GetMsgText();
  EXPECT_EQ(seen, QStringList({"0", "1", "2"}));

  TQuillboxMessageSet empty;
  empty.First();
  EXPECT_TRUE(empty.Eof());
}

TEST(MessageSet, EditChangesOnlyTheTextAndSetMsgTypeActsInPlace) {
  TQuillboxMessageSet set;
  AddText(set, 43, "exit");
  AddText(set, 0, "other");
  set.GotoRec(1);
  set.Edit();
  set.SetMsgText(QStringLiteral("edited"));
  set.Post();
  set.SetMsgType(10);  // no Edit/Post: takes effect at once
  set.GotoRec(2);
  set.GotoRec(1);
  EXPECT_EQ(set.GetMsgText(), "edited");
  EXPECT_EQ(set.GetMsgType(), 10);
  EXPECT_EQ(set.GetAppName(), "App");
  EXPECT_EQ(set.At(2).MsgText(), "other");
}

TEST(MessageSet, CloseThenOpenEmptiesAndRestartsNumbering) {
  TQuillboxMessageSet set;
  AddText(set, 0, "a");
  AddText(set, 0, "b");
  set.Close();
  set.Open();
  EXPECT_EQ(set.GetRecordCount(), 0);
  AddText(set, 2, "again");
  EXPECT_EQ(set.RecNo(), 1);
  EXPECT_EQ(set.At(1).MsgText(), "again");
}

// Enough records to fill record blocks of every size, and texts that fill text blocks, span them and
// get blocks of their own: every record must read back as it was added, before and after the set is
// emptied and filled again.
TEST(MessageSet, ManyRecordsAndLargeTextsReadBackIntact) {
  TQuillboxMessageSet set;
  std::string text;
  const auto textOf = [&](int i) -> const std::string& {
    const size_t size = i % 50000 == 7 ? (size_t(3) << 20) + size_t(i % 5) : size_t(i % 301);
    text.assign(size, char('a' + i % 26));
    if (size > 0) text.back() = '!';
    return text;
  };
  for (int round = 0; round < 2; ++round) {
    set.Close();
    set.Open();
    const int count = 300000 - round * 1000;
    for (int i = 0; i < count; ++i) {
      TQBRawMessage msg;
      msg.MsgType = i % 45;
      msg.Time = i;
      const std::string& t = textOf(i);
      msg.MsgText = {t.data(), int64_t(t.size()), TQBTextEncoding::Utf8};
      set.AppendMessage(i, msg);
    }
    ASSERT_EQ(set.GetRecordCount(), count);
    for (int i = 0; i < count; ++i) {
      const TQBMessageRef m = set.At(i + 1);
      const std::string& t = textOf(i);
      ASSERT_EQ(m.ID(), i);
      ASSERT_EQ(m.MsgType(), i % 45);
      ASSERT_EQ(m.TimeStamp().Time, i);
      ASSERT_EQ(m.MsgTextUtf8(), QByteArrayView(t.data(), qsizetype(t.size()))) << i;
    }
  }
}

TEST(MessageSet, AppendOnAClosedSetFails) {
  TQuillboxMessageSet set;
  set.Close();
  EXPECT_THROW(set.Append(), std::logic_error);
}

TEST(MessageSet, GetMessageFillsEveryFieldWithoutMovingTheCursor) {
  TQuillboxMessageSet set;
  set.Append();
  set.SetID(7);
  set.SetMsgType(150);
  set.SetMsgText(QStringLiteral("text"));
  set.SetDetails(QStringLiteral("details"));
  set.SetDate(738886);
  set.SetTime(1234);
  set.SetTimeBias(-60);
  set.SetProcessID(0xFFFFFFFFu);
  set.SetThreadName(QStringLiteral("Main"));
  set.SetComputerName(QStringLiteral("PC"));
  set.SetAppName(QStringLiteral("App"));
  set.SetTypeName(QStringLiteral("TFoo"));
  set.SetCategory(QStringLiteral("DB"));
  set.SetCategoryColor(255);
  set.SetCategoryFontColor(-16777208);
  set.Post();
  AddText(set, 0, "second");

  TQuillboxMessage msg;
  set.GetMessage(1, msg);
  EXPECT_EQ(set.RecNo(), 2);
  EXPECT_EQ(msg.ID, 7);
  EXPECT_EQ(msg.MsgType, 150);
  EXPECT_EQ(msg.MsgText, "text");
  EXPECT_EQ(msg.Details, "details");
  EXPECT_EQ(msg.TimeStamp, (TQBTimeStamp{1234, 738886}));
  EXPECT_EQ(msg.TimeBias, -60);
  EXPECT_EQ(msg.ProcessID, 0xFFFFFFFFu);
  EXPECT_EQ(msg.ThreadName, "Main");
  EXPECT_EQ(msg.ComputerName, "PC");
  EXPECT_EQ(msg.AppName, "App");
  EXPECT_EQ(msg.TypeName, "TFoo");
  EXPECT_EQ(msg.Category, "DB");
  EXPECT_EQ(msg.CategoryColor, 255);
  EXPECT_EQ(msg.CategoryFontColor, -16777208);
}

// Equal names share one id whatever bytes they came in, so views may compare ids.
TEST(MessageSet, EqualNamesGetOneIdWhateverTheirEncoding) {
  TQuillboxMessageSet set;
  auto add = [&set](const TQBTextBytes& app) {
    TQBRawMessage m;
    m.AppName = app;
    set.AppendMessage(0, m);
    return set.At(set.RecNo()).AppNameId();
  };
  AddText(set, 0, "x");  // AppName "App" given as a QString
  const uint32_t fromQString = set.At(1).AppNameId();
  EXPECT_EQ(add(Utf8("App")), fromQString);
  EXPECT_EQ(add(Ansi("App")), fromQString);
  EXPECT_EQ(add(Ansi("Caf\xE9")), add(Utf8("Caf\xC3\xA9")));
  EXPECT_NE(add(Utf8("Cafe")), add(Utf8("Caf\xC3\xA9")));
  EXPECT_EQ(set.PoolString(add(Ansi("Caf\xE9"))), QString::fromUtf8("Café"));
  EXPECT_EQ(add(Utf8("")), 0u);
}

// Names equal with ASCII letters folded share the fold id of the first of them, looked up by text too;
// the table follows names added after it was built and starts over when the store is emptied.
TEST(MessageSet, FoldIdsJoinNamesThatDifferOnlyInAsciiCase) {
  TQuillboxMessageSet set;
  auto add = [&set](const char* app) {
    TQBRawMessage m;
    m.AppName = Utf8(app);
    set.AppendMessage(0, m);
    return set.At(set.RecNo()).AppNameId();
  };
  const uint32_t net = add("Net");
  EXPECT_EQ(set.FindPoolFoldId("NET"), net);  // builds the table
  EXPECT_EQ(set.FindPoolFoldId("Nets"), TQuillboxMessageSet::NoPoolId);
  const uint32_t upper = add("NET");
  EXPECT_NE(upper, net);
  EXPECT_EQ(set.PoolFoldId(upper), net);
  EXPECT_EQ(set.PoolFoldId(add("\xC3\xA4rger")), set.PoolFoldId(add("\xC3\xA4RGER")));
  EXPECT_NE(set.PoolFoldId(add("\xC3\x84rger")), set.PoolFoldId(add("\xC3\xA4rger")));  // only ASCII folds
  EXPECT_EQ(set.PoolFoldId(0), 0u);
  const uint64_t generation = set.PoolGeneration();
  set.Close();
  set.Open();
  EXPECT_NE(set.PoolGeneration(), generation);
  EXPECT_EQ(set.FindPoolFoldId("net"), TQuillboxMessageSet::NoPoolId);
  const uint32_t again = add("nEt");
  EXPECT_EQ(set.FindPoolFoldId("NET"), again);
}

struct TDecodeCase {
  const char* Bytes;
  TQBTextEncoding Encoding;
  const char16_t* Expected;
};

class TextDecoding : public testing::TestWithParam<TDecodeCase> {};

TEST_P(TextDecoding, StoredTextsReadBackAsDecoded) {
  const TDecodeCase& c = GetParam();
  TQuillboxMessageSet set;
  TQBRawMessage m;
  m.MsgText = {c.Bytes, int64_t(std::strlen(c.Bytes)), c.Encoding};
  m.ThreadName = m.MsgText;
  set.AppendMessage(0, m);
  const QString expected = QString::fromUtf16(c.Expected);
  EXPECT_EQ(set.At(1).MsgText(), expected);
  EXPECT_EQ(set.At(1).ThreadName(), expected);
  EXPECT_EQ(QString::fromUtf8(set.At(1).MsgTextUtf8()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    AnsiAndUtf8, TextDecoding,
    testing::Values(TDecodeCase{"plain", TQBTextEncoding::Ansi, u"plain"},
                    TDecodeCase{"\xE9t\xE9", TQBTextEncoding::Ansi, u"\u00E9t\u00E9"},
                    TDecodeCase{"\x80\x81\x8D\x8F\x90\x9D\x9F", TQBTextEncoding::Ansi,
                                u"\u20AC\u0081\u008D\u008F\u0090\u009D\u0178"},
                    TDecodeCase{"\xC3\xA9", TQBTextEncoding::Utf8, u"\u00E9"},
                    TDecodeCase{"a\xE9z", TQBTextEncoding::Utf8, u"a\uFFFDz"},
                    TDecodeCase{"\xED\xA0\x80", TQBTextEncoding::Utf8, u"\uFFFD\uFFFD\uFFFD"}));

TEST(AnsiCodePage, EncodesWhatItCanAndRefusesTheRest) {
  QByteArray out;
  ASSERT_TRUE(qbtext::EncodeAnsi(QString::fromUtf16(u"\u20ACa\u00E9\u0081"), out));
  EXPECT_EQ(out, QByteArray("\x80" "a\xE9\x81"));
  EXPECT_FALSE(qbtext::EncodeAnsi(QString::fromUtf16(u"\u0100"), out));
  EXPECT_FALSE(qbtext::EncodeAnsi(QString::fromUtf16(u"\u0080"), out));
}

TEST(MessageNamesTable, HasANameForEveryCodeBelowOneHundred) {
  ASSERT_EQ(MessageNames.size(), 100u);
  for (const QString& name : MessageNames) EXPECT_FALSE(name.isEmpty());
}

}  // namespace
