#include "support/QBAppenderProcess.h"

#include <QDeadlineTimer>

#include <gtest/gtest.h>

namespace qbtest {

TAppenderProcess::TAppenderProcess(const QString& path) {
  FProcess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  FProcess.start(QStringLiteral(QB_APPENDER), {path});
  FStarted = FProcess.waitForStarted(30000);
}

TAppenderProcess::~TAppenderProcess() {
  if (FProcess.state() == QProcess::NotRunning) return;
  FProcess.closeWriteChannel();
  if (!FProcess.waitForFinished(5000)) {
    FProcess.kill();
    FProcess.waitForFinished(5000);
  }
}

void TAppenderProcess::Send(const QString& command) { FProcess.write((command + u'\n').toUtf8()); }

bool TAppenderProcess::Finished(int timeoutMs) {
  const QDeadlineTimer deadline(timeoutMs);
  for (;;) {
    if (FProcess.canReadLine()) return FProcess.readLine().trimmed() == "ok";
    if (FProcess.state() == QProcess::NotRunning) return false;
    // With no time left this still looks once at what has arrived.
    FProcess.waitForReadyRead(int(std::max<qint64>(0, deadline.remainingTime())));
    if (deadline.hasExpired() && !FProcess.canReadLine()) return false;
  }
}

bool TAppenderProcess::Run(const QString& command, int timeoutMs) {
  Send(command);
  return Finished(timeoutMs);
}

long long AppendedNumber(const QString& text) {
  static const QString prefix = QStringLiteral("Message ");
  if (!text.startsWith(prefix)) return -1;
  bool ok = false;
  const long long n = text.mid(prefix.size()).toLongLong(&ok);
  return ok ? n : -1;
}

void ExpectUnbrokenSequence(const TQuillboxMessageSet& set, int expected) {
  ASSERT_EQ(set.GetRecordCount(), expected);
  for (int recNo = 1; recNo <= expected; ++recNo)
    ASSERT_EQ(AppendedNumber(set.At(recNo).MsgText()), recNo - 1) << "record " << recNo;
}

}  // namespace qbtest
