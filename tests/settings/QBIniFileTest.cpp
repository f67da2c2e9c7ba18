// The INI text layer: damaged files load what can be read, and writes keep what the viewer does not know.

#include "settings/QBIniDocument.h"
#include "settings/QBIniFile.h"
#include "support/QBTestFiles.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

struct TDamagedCase {
  const char* Name;
  QByteArray Bytes;
  const char* Section;
  const char* Key;
  std::optional<QString> Expected;
};

void PrintTo(const TDamagedCase& c, std::ostream* os) { *os << c.Name; }

class DamagedIniText : public ::testing::TestWithParam<TDamagedCase> {};

TEST_P(DamagedIniText, ReadsWhatIsReadable) {
  const TDamagedCase& c = GetParam();
  const TQBIniDocument doc = TQBIniDocument::Parse(c.Bytes);
  EXPECT_EQ(doc.Value(QString::fromLatin1(c.Section), QString::fromLatin1(c.Key)), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedIniText,
    ::testing::Values(
        TDamagedCase{"GarbageLinesSkipped", "\x01\x02garbage\n[A]\nnot a pair\n]x[\nK=1\n", "A", "K", "1"},
        TDamagedCase{"MissingEqualsIsNoKey", "[A]\nK\n", "A", "K", std::nullopt},
        TDamagedCase{"KeyBeforeAnySection", "K=1\n[A]\n", "A", "K", std::nullopt},
        TDamagedCase{"KeysUnderBrokenHeaderDropped", "[A]\nK=1\n[B\nL=2\n", "A", "L", std::nullopt},
        TDamagedCase{"EmptySectionNameDropped", "[ ]\nK=1\n", "", "K", std::nullopt},
        TDamagedCase{"DuplicateSectionContinuesFirst", "[A]\nK=1\n[B]\n[a]\nL=2\n", "A", "L", "2"},
        TDamagedCase{"DuplicateKeyFirstWins", "[A]\nK=1\nk=2\n", "A", "K", "1"},
        TDamagedCase{"ByteOrderMarkIgnored", "\xEF\xBB\xBF[A]\nK=1\n", "A", "K", "1"},
        TDamagedCase{"CrLfLineEnds", "[A]\r\nK = 1 \r\n", "A", "K", "1"},
        TDamagedCase{"EqualsInsideValue", "[A]\nK=a=b\n", "A", "K", "a=b"},
        TDamagedCase{"NamesIgnoreCase", "[Display]\nRowShading=0\n", "DISPLAY", "rowshading", "0"},
        TDamagedCase{"InvalidUtf8Replaced", "[A]\nK=a\xFF\xFE" "b\n", "A", "K",
                     QStringLiteral("a\uFFFD\uFFFDb")},
        TDamagedCase{"EmptyFile", "", "A", "K", std::nullopt}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(QBIniDocument, WritesSectionsAndKeysInPlaceAndAppendsNewOnes) {
  TQBIniDocument doc = TQBIniDocument::Parse("[Extra]\nMine=keep\n[Display]\nOld=1\nRowShading=1\n");
  doc.SetValue("display", "RowShading", "0");
  doc.SetValue("Display", "New", "x");
  doc.SetValue("Find", "FindForward", "1");
  EXPECT_EQ(doc.ToBytes(),
            "[Extra]\nMine=keep\n\n[Display]\nOld=1\nRowShading=0\nNew=x\n\n[Find]\nFindForward=1\n");
}

TEST(QBIniDocument, LineBreakInValueCannotStartANewLine) {
  TQBIniDocument doc;
  doc.SetValue("A", "K", "one\r\n[Evil]\nX=1");
  const TQBIniDocument back = TQBIniDocument::Parse(doc.ToBytes());
  EXPECT_FALSE(back.SectionExists("Evil"));
  EXPECT_EQ(back.Value("A", "K"), "one  [Evil] X=1");
}

TEST(QBIniFile, UnreadableValuesGiveTheDefault) {
  qbtest::TTempFiles files;
  TQBIniFile ini(files.Write("a.ini", "[A]\nI=12x\nB=yes\nF=1,5\nD=31.01.2024\nBig=4294967296\nHex=zz\n"));
  EXPECT_EQ(ini.ReadInteger("A", "I", 7), 7);
  EXPECT_TRUE(ini.ReadBool("A", "B", true));
  EXPECT_EQ(ini.ReadFloat("A", "F", 2.5), 2.5);
  EXPECT_EQ(ini.ReadDate("A", "D", QDate(2000, 1, 1)), QDate(2000, 1, 1));
  EXPECT_EQ(ini.ReadInteger("A", "Big", -1), -1);
  QByteArray bytes;
  EXPECT_EQ(ini.ReadBinaryStream("A", "Hex", bytes), 0);
  EXPECT_EQ(ini.ReadString("A", "Missing", "def"), "def");
}

TEST(QBIniFile, TypedValuesRoundTripThroughTheFile) {
  qbtest::TTempFiles files;
  const QString name = files.Path("p.qbp");
  const QDateTime stamp(QDate(2024, 1, 31), QTime(13, 45, 0, 250));
  {
    TQBIniFile ini(name);
    ini.WriteInteger("S", "Color", -16777208);
    ini.WriteBool("S", "On", true);
    ini.WriteFloat("S", "F", 0.1);
    ini.WriteString("S", "Text", "Grüße");
    ini.WriteDate("S", "D", stamp.date());
    ini.WriteTime("S", "T", stamp.time());
    ini.WriteDateTime("S", "DT", stamp);
    ini.WriteBinaryStream("S", "Bin", QByteArray("\x00\xFF\x10", 3));
  }
  const TQBIniFile back(name);
  EXPECT_EQ(back.ReadInteger("S", "Color", 0), -16777208);
  EXPECT_EQ(back.ReadString("S", "Color", ""), "-16777208");
  EXPECT_EQ(back.ReadString("S", "On", ""), "1");
  EXPECT_EQ(back.ReadFloat("S", "F", 0), 0.1);
  EXPECT_EQ(back.ReadString("S", "Text", ""), "Grüße");
  EXPECT_EQ(back.ReadDate("S", "D", {}), stamp.date());
  EXPECT_EQ(back.ReadTime("S", "T", {}), stamp.time());
  EXPECT_EQ(back.ReadDateTime("S", "DT", {}), stamp);
  QByteArray bytes;
  EXPECT_EQ(back.ReadBinaryStream("S", "Bin", bytes), 3);
  EXPECT_EQ(bytes, QByteArray("\x00\xFF\x10", 3));
}

TEST(QBIniFile, DeferredUpdatesReachTheFileOnlyOnUpdateFile) {
  qbtest::TTempFiles files;
  const QString name = files.Write("s.ini", "[Keep]\nUnknown=1\n");
  TQBIniFile ini(name, /*autoUpdate*/ false);
  ini.WriteInteger("Display", "DisplayType", 2);
  EXPECT_FALSE(TQBIniFile(name).ValueExists("Display", "DisplayType"));
  ini.UpdateFile();
  const TQBIniFile back(name);
  EXPECT_EQ(back.ReadInteger("Display", "DisplayType", 0), 2);
  EXPECT_EQ(back.ReadInteger("Keep", "Unknown", 0), 1);
}

TEST(QBIniFile, FailedWriteThrowsAndLeavesNoFile) {
  qbtest::TTempFiles files;
  TQBIniFile ini(files.Path("missing-folder/x.ini"));
  EXPECT_THROW(ini.WriteString("A", "K", "v"), std::runtime_error);
  EXPECT_FALSE(QFile::exists(files.Path("missing-folder/x.ini")));
}

}  // namespace

namespace {

TEST(QBIniFile, SectionBoundReaderAndWriterFollowTheSectionProperty) {
  qbtest::TTempFiles files;
  TQBIniFile ini(files.Path("p.qbp"));
  ini.SetSection("View1");
  ini.Writer().WriteString("Name", "Errors");
  ini.Writer().SetSection("View2");
  ini.Writer().WriteBool("CheckAppName", true);
  EXPECT_EQ(ini.Section(), "View2");
  EXPECT_EQ(ini.Reader().ReadInteger("CheckAppName", 0), 1);
  ini.SetSection("View1");
  EXPECT_EQ(ini.Reader().ReadString("Name", ""), "Errors");
  EXPECT_EQ(TQBIniFile(files.Path("p.qbp")).ReadString("View1", "Name", ""), "Errors");
}

}  // namespace
