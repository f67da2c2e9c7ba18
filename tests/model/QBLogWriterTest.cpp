#include "model/QBLogFormat.h"
#include "model/QBLogLoader.h"
#include "model/QBLogWriter.h"
#include "support/QBTestFiles.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace qbtest;

namespace {

QByteArray Saved(const std::vector<TQBRawMessage>& messages) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  TQBLogWriter writer(buffer);
  for (const auto& m : messages) EXPECT_TRUE(writer.Write(m));
  EXPECT_TRUE(writer.Finish());
  return buffer.data();
}

std::unique_ptr<TQuillboxMessageSet> Reload(TTempFiles& files, const QByteArray& bytes) {
  auto set = std::make_unique<TQuillboxMessageSet>();
  TQBMessageAdder adder(*set);
  EXPECT_TRUE(LoadLogFile(files.Write("saved.qbl", bytes), adder).Ok());
  return set;
}

TEST(LogWriter, RecordLayoutIsTheUtf8MarkedForm) {
  const QByteArray record = MarkedRecord(Message(9, "ab", "xyz"));
  ASSERT_EQ(record.size(), 4 + 201 + 2 + 3 + 1);
  EXPECT_EQ(record.left(4), QByteArray("\x01\x00\x00\x7F", 4));
  const char* h = record.constData() + 4;
  EXPECT_EQ(qblog::ReadInt32(h + qblog::marked::MsgType), 9);
  EXPECT_EQ(qblog::ReadInt32(h + qblog::marked::TextLength), 2);
  EXPECT_EQ(qblog::ReadInt32(h + qblog::marked::DetailsLength), 3);
  EXPECT_EQ(record.mid(4 + 201, 5), "abxyz");
  EXPECT_EQ(record.back(), '\0');
}

// Names are cut on bytes so each field keeps a closing NUL.
TEST(LogWriter, LongNamesAreCutToTheirFields) {
  TTempFiles files;
  const QByteArray longName(50, 'n'), thread(30, 't'), computer(20, 'c');
  const QByteArray euros = QString(20, QChar(0x20AC)).toUtf8();  // 3 bytes each: a cut splits one
  TQBRawMessage m = Message(0, "x");
  m.AppName = Utf8Bytes(longName);
  m.Category = Utf8Bytes(longName);
  m.TypeName = Utf8Bytes(euros);
  m.ThreadName = Utf8Bytes(thread);
  m.ComputerName = Utf8Bytes(computer);
  const auto set = Reload(files, Saved({m}));
  TQuillboxMessage got;
  set->GetMessage(1, got);
  EXPECT_EQ(got.AppName, QString(40, 'n'));
  EXPECT_EQ(got.Category, QString(40, 'n'));
  EXPECT_EQ(got.ThreadName, QString(25, 't'));
  EXPECT_EQ(got.ComputerName, QString(15, 'c'));
  EXPECT_EQ(got.TypeName, QString(13, QChar(0x20AC)) + QChar(0xFFFD));
}

TEST(LogWriter, ApplicationStartSeparatorsAreNotSaved) {
  TTempFiles files;
  const auto set = Reload(files, Saved({Message(0, "a"), Message(40, "start"), Message(11, "-")}));
  ASSERT_EQ(set->GetRecordCount(), 2);
  EXPECT_EQ(set->At(2).MsgType(), 11);
}

TEST(LogWriter, AnsiTextsAreWrittenAsUtf8) {
  TTempFiles files;
  TQBRawMessage m = Message(0, {});
  m.MsgText = {"\x80 \xE9", 3, TQBTextEncoding::Ansi};
  const auto set = Reload(files, Saved({m}));
  EXPECT_EQ(set->At(1).MsgText(), QString::fromUtf16(u"\u20AC \u00E9"));
}

// A device that takes only part of a write, as a full disk does.
class ShortDevice : public QIODevice {
public:
  ShortDevice() { open(WriteOnly); }

protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char*, qint64 len) override { return len / 2; }
};

TEST(LogWriter, AShortWriteIsReported) {
  ShortDevice device;
  TQBLogWriter writer(device);
  writer.Write(Message(0, "text"));
  EXPECT_FALSE(writer.Finish());
}

}  // namespace
