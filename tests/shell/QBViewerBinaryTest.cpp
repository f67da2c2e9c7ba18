// The real QBFileViewer program, started offscreen with a log file and closed by a terminate signal,
// which closes the window as the user would.

#include "support/QBTestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

namespace {

// Waits until a path exists (the program has started up that far); false after a generous limit.
bool WaitForPath(const QString& path) {
  QElapsedTimer timer;
  timer.start();
  while (!QFileInfo::exists(path)) {
    if (timer.elapsed() > 30000) return false;
    QThread::msleep(20);
  }
  return true;
}

TEST(ViewerBinary, OpensALogAndExitsCleanlyWhenClosed) {
  qbtest::TTempFiles files;
  TQBRawMessage msg = qbtest::Message(0, "hello");
  const QString log = files.Write(QStringLiteral("Trace.qbl"), qbtest::MarkedRecord(msg) + qbtest::MarkedRecord(msg));
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("HOME"), files.Path(QStringLiteral("home")));
  env.insert(QStringLiteral("XDG_DATA_HOME"), files.Path(QStringLiteral("data")));
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), files.Path(QStringLiteral("config")));
  env.insert(QStringLiteral("XDG_CONFIG_DIRS"), files.Path(QStringLiteral("etc")));
  QProcess viewer;
  viewer.setProcessEnvironment(env);
  viewer.start(QStringLiteral(QB_FILE_VIEWER), {log});
  ASSERT_TRUE(viewer.waitForStarted());
  // The per-user folder appears after the signal handler is in place.
  const QString userData = files.Path(QStringLiteral("data/Tolvane/Quillbox/4.0"));
  ASSERT_TRUE(WaitForPath(userData));
  ::kill(pid_t(viewer.processId()), SIGTERM);
  ASSERT_TRUE(viewer.waitForFinished(30000));
  EXPECT_EQ(viewer.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(viewer.exitCode(), 0) << viewer.readAllStandardError().toStdString();
  // Shut-down wrote the settings file.
  QFile settings(userData + QStringLiteral("/QBFileViewer.ini"));
  ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
  EXPECT_TRUE(settings.readAll().contains("[Position]"));
}

}  // namespace
