#include "QBViewFixture.h"
#include "support/QBFileSizeLimit.h"

#include "view/QBLogSave.h"
#include "view/QBTextExport.h"
#include "view/QBXmlExport.h"

#include "model/QBLogLoader.h"

#include <QFile>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

using qbtest::TViewFixture;

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A collapsed method, a body, an application start separator and a plain message.
void AddSample(TViewFixture& f) {
  f.Add({9, "enter"});
  f.Add({0, "body"});
  f.Add({10, "exit"});
  f.Add({40, "app start"});
  f.Add({0, "last"});
  f.Rows.CollapseMethod(0);
}

TEST(Save, WritesHiddenBodiesAndLeavesOutApplicationStarts) {
  TViewFixture f;
  AddSample(f);
  qbtest::TTempFiles files;
  const QString path = files.Path("out.qbl");
  ASSERT_TRUE(SaveViewToFile(f.Rows, path).Ok);
  TQuillboxMessageSet loaded;
  TQBMessageAdder adder(loaded);
  ASSERT_TRUE(LoadLogFile(path, adder).Ok());
  ASSERT_EQ(loaded.GetRecordCount(), 4);
  EXPECT_EQ(loaded.At(2).MsgText(), "body");
  EXPECT_EQ(loaded.At(4).MsgText(), "last");
}

TEST(Save, AFailedWriteKeepsThePreviousFileWhole) {
  TViewFixture f;
  const QByteArray big(64 * 1024, 'x');
  for (int i = 0; i < 40; ++i) f.Add({0, big});
  qbtest::TTempFiles files;
  const QByteArray old = "previous contents";
  const QString path = files.Write("target.qbl", old);

  const TQBSaveResult result = qbtest::WithFileSizeLimit(1024 * 1024, [&] { return SaveViewToFile(f.Rows, path); });
  EXPECT_FALSE(result.Ok);
  EXPECT_GT(result.FailedRecNo, 1);
  EXPECT_TRUE(result.Message.startsWith(QStringLiteral("Message #%1 could not be saved to the log file:\r").arg(result.FailedRecNo)));
  EXPECT_EQ(ReadAll(path), old);
}

// Every writer names the system's reason for a failed write, not the "Unknown error" the temporary
// file is left with once it is discarded.
TEST(Outputs, AFailedWriteNamesTheSystemsReason) {
  TViewFixture f;
  const QByteArray big(64 * 1024, 'x');
  for (int i = 0; i < 40; ++i) f.Add({0, big});
  qbtest::TTempFiles files;
  const QString reason = QString::fromLocal8Bit(std::strerror(EFBIG));
  const QString path = files.Path("out");
  const struct {
    const char* Name;
    std::function<QString()> Write;  // the error text
  } outputs[] = {
      {"save", [&] { return SaveViewToFile(f.Rows, path).Reason; }},
      {"xml", [&] { QString e; return ExportViewXml(f.Rows, path, nullptr, &e), e; }},
      {"txt", [&] { QString e; return ExportViewText(f.Rows, path, {}, nullptr, &e), e; }},
  };
  for (const auto& output : outputs) {
    const QString error = qbtest::WithFileSizeLimit(256 * 1024, output.Write);
    EXPECT_TRUE(error.endsWith(reason)) << output.Name << ": " << error.toStdString();
    EXPECT_FALSE(QFile::exists(path)) << output.Name;
  }
}

TEST(Save, AnUnwritableFolderIsReported) {
  TViewFixture f;
  f.AddTypes({0});
  const TQBSaveResult result = SaveViewToFile(f.Rows, "/nonexistent-folder/x.qbl");
  EXPECT_FALSE(result.Ok);
  EXPECT_FALSE(result.Message.isEmpty());
}

// Every Message element with its MsgText attribute and the texts of its children.
struct TParsedMessage {
  QString Type, Text, Thread, App, Category, CategoryColor;
  QStringList Items;
};

std::vector<TParsedMessage> ParseXml(const QByteArray& bytes, QString* error) {
  std::vector<TParsedMessage> out;
  QXmlStreamReader xml(bytes);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const auto name = xml.name();
    if (name == u"Message")
      out.push_back({xml.attributes().value("MsgType").toString(), xml.attributes().value("MsgText").toString()});
    else if (name == u"ThreadName")
      out.back().Thread = xml.readElementText();
    else if (name == u"AppName")
      out.back().App = xml.readElementText();
    else if (name == u"Category") {
      out.back().CategoryColor = xml.attributes().value("Color").toString();
      out.back().Category = xml.readElementText();
    } else if (name == u"Item")
      out.back().Items << xml.readElementText();
  }
  if (xml.hasError()) *error = xml.errorString();
  return out;
}

TEST(XmlExport, IsWellFormedAndGivesEveryTextBack) {
  TViewFixture f;
  AddSample(f);
  qbtest::TMsg hostile{0, "say \"hi\" & <b>'x'</b>\r\nline\ttab", "one\r\ntwo\rthree\n", "<App&Co>"};
  f.Add(hostile);
  f.Add({0, QByteArray("ctl\x01", 4)});
  qbtest::TTempFiles files;
  const QString path = files.Path("out.xml");
  QString error;
  ASSERT_TRUE(ExportViewXml(f.Rows, path, nullptr, &error)) << error.toStdString();
  const QByteArray bytes = ReadAll(path);
  EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));  // U+FFFD made it non-ASCII
  EXPECT_TRUE(bytes.contains("MsgText=\"say &quot;hi&quot; &amp; &lt;b&gt;&apos;x&apos;&lt;/b&gt;&#13;&#10;line&#9;tab\""));
  const std::vector<TParsedMessage> msgs = ParseXml(bytes, &error);
  ASSERT_TRUE(error.isEmpty()) << error.toStdString();
  ASSERT_EQ(msgs.size(), 6u);  // the application start separator is left out
  EXPECT_EQ(msgs[0].Type, "Enter");
  EXPECT_EQ(msgs[1].Text, "body");
  EXPECT_EQ(msgs[4].Text, QString::fromUtf8(hostile.Text));
  EXPECT_EQ(msgs[4].App, "<App&Co>");
  EXPECT_EQ(msgs[4].Items, (QStringList{"one", "two", "three"}));
  EXPECT_EQ(msgs[4].CategoryColor, "Black");
  EXPECT_EQ(msgs[5].Text, QString::fromUtf8("ctl\xEF\xBF\xBD"));
  EXPECT_TRUE(msgs[0].Items.isEmpty());
}

TEST(XmlExport, ByteOrderMarkOnlyWhenNeeded) {
  for (const QByteArray& text : {QByteArray("plain"), QByteArray("caf\xC3\xA9")}) {
    TViewFixture f;
    f.Add({0, text});
    qbtest::TTempFiles files;
    const QString path = files.Path("out.xml");
    ASSERT_TRUE(ExportViewXml(f.Rows, path, nullptr, nullptr));
    EXPECT_EQ(ReadAll(path).startsWith("\xEF\xBB\xBF"), text != "plain");
  }
}

TEST(TextExport, IndentsByMethodAndWritesTheColumns) {
  TViewFixture f;
  AddSample(f);
  f.Add({150, "custom", {}, "App"});
  qbtest::TTempFiles files;
  const QString path = files.Path("out.txt");
  TQBTextExportOptions options;
  options.Columns = uint16_t(TQBColumn::AppName) | uint16_t(TQBColumn::ProcessID) | uint16_t(TQBColumn::TimeDiff) |
                    uint16_t(TQBColumn::TimeOffset);
  ASSERT_TRUE(ExportViewText(f.Rows, path, options, nullptr, nullptr));
  const QList<QByteArray> lines = ReadAll(path).split('\n');
  ASSERT_GE(lines.size(), 6);
  EXPECT_EQ(lines[0], "MsgType\tMessage\tAppName\tPID\tTime Diff\r");
  EXPECT_EQ(lines[1], "Enter\tenter\t\t0\t0:00:00.000\r");
  EXPECT_EQ(lines[2], "  Info\tbody\t\t0\t0:00:00.000\r");
  EXPECT_EQ(lines[3], "Exit\texit\t\t0\t0:00:00.000\r");
  EXPECT_EQ(lines[5], "Custom\tcustom\tApp\t0\t0:00:00.000\r");
}

TEST(TextExport, Windows1252WhenPossibleElseUtf8WithMark) {
  struct TCase {
    QByteArray Text;
    QByteArray Expected;
  };
  const TCase cases[] = {
      {"caf\xC3\xA9", "Info\tcaf\xE9\r\n"},
      {"\xE2\x82\xAC", "Info\t\x80\r\n"},
      {"\xE6\x97\xA5", "\xEF\xBB\xBFMsgType\tMessage\r\nInfo\t\xE6\x97\xA5\r\n"},
  };
  for (const TCase& c : cases) {
    TViewFixture f;
    f.Add({0, c.Text});
    qbtest::TTempFiles files;
    const QString path = files.Path("out.txt");
    ASSERT_TRUE(ExportViewText(f.Rows, path, {}, nullptr, nullptr));
    EXPECT_TRUE(ReadAll(path).endsWith(c.Expected)) << ReadAll(path).toHex().toStdString();
    if (!c.Expected.startsWith("\xEF")) EXPECT_FALSE(ReadAll(path).startsWith("\xEF\xBB\xBF"));
  }
}

}  // namespace
