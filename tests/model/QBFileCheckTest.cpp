// The check every output runs before it writes: whatever link or spelling names the target, it may
// not be an input of the output, and it may not be a device or a pipe.

#include "model/QBFileCheck.h"
#include "support/QBTestFiles.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using TVerdict = TQBOutputCheck::TVerdict;

TEST(OutputCheck, AnInputIsRefusedWhateverNameLeadsToIt) {
  qbtest::TTempFiles files;
  const QString log = files.Write("in.qbl", "log");
  const QString other = files.Write("other.qbl", "other");
  ASSERT_TRUE(QFile::link(log, files.Path("link.qbl")));
  ASSERT_TRUE(QFile::link(files.Path("link.qbl"), files.Path("link2.qbl")));
  ASSERT_EQ(::link(QFile::encodeName(log).constData(), QFile::encodeName(files.Path("hard.qbl")).constData()), 0);
  ASSERT_TRUE(QDir(files.Path("")).mkdir("sub"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(files.Path("pipe")).constData(), 0600), 0);
  const struct {
    QString Target;
    TVerdict Verdict;
  } cases[] = {
      {log, TVerdict::IsInput},
      {files.Path("sub/../in.qbl"), TVerdict::IsInput},
      {files.Path("link.qbl"), TVerdict::IsInput},   // a symbolic link to the log
      {files.Path("link2.qbl"), TVerdict::IsInput},  // a link to that link
      {files.Path("hard.qbl"), TVerdict::IsInput},   // the same file under a second name
      {other, TVerdict::Writable},
      {files.Path("new.pdf"), TVerdict::Writable},
      {files.Path("pipe"), TVerdict::NotRegular},
      {QStringLiteral("/dev/null"), TVerdict::NotRegular},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Target.toStdString());
    const TQBOutputCheck check = CheckOutput(c.Target, {other + QStringLiteral(".missing"), log});
    EXPECT_EQ(check.Verdict, c.Verdict);
    EXPECT_EQ(check.Input, c.Verdict == TVerdict::IsInput ? log : QString());
    EXPECT_EQ(check.Reason.isEmpty(), c.Verdict != TVerdict::NotRegular);
  }
  // Without inputs only the kind of the target counts.
  EXPECT_TRUE(CheckOutput(log, {}).Ok());
}

}  // namespace
