// The real programs: QBFileViewer started offscreen with a log file and closed by a terminate signal,
// which closes the window as the user would; qbrender, which must never wait for a person.

#include "support/QBTestFiles.h"

#include <QDir>
#include <QFileInfo>
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

// A user's folders inside files, so the programs neither read nor write the real ones.
QProcessEnvironment IsolatedEnvironment(const qbtest::TTempFiles& files) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("HOME"), files.Path(QStringLiteral("home")));
  env.insert(QStringLiteral("XDG_DATA_HOME"), files.Path(QStringLiteral("data")));
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), files.Path(QStringLiteral("config")));
  env.insert(QStringLiteral("XDG_CONFIG_DIRS"), files.Path(QStringLiteral("etc")));
  return env;
}

TEST(ViewerBinary, OpensALogAndExitsCleanlyWhenClosed) {
  qbtest::TTempFiles files;
  TQBRawMessage msg = qbtest::Message(0, "hello");
  const QString log = files.Write(QStringLiteral("Trace.qbl"), qbtest::MarkedRecord(msg) + qbtest::MarkedRecord(msg));
  QProcess viewer;
  viewer.setProcessEnvironment(IsolatedEnvironment(files));
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

// Whatever goes wrong, qbrender ends at once with one line saying what and a failure status; a
// good log gives a picture.
TEST(RenderBinary, EndsAtOnceWithOneLineWhenTheLogCannotBeDrawn) {
  qbtest::TTempFiles files;
  const QByteArray record = qbtest::MarkedRecord(qbtest::Message(0, "hello"));
  // A module that is no module makes the plug-in manager report at start-up.
  const QString install = files.Path(QStringLiteral("install"));
  ASSERT_TRUE(QDir().mkpath(install + QStringLiteral("/Bin/PlugIns")));
  ASSERT_TRUE(QDir().mkpath(files.Path(QStringLiteral("etc-broken/Tolvane"))));
  files.Write(QStringLiteral("install/Bin/PlugIns/broken.so"), "not a module");
  files.Write(QStringLiteral("etc-broken/Tolvane/Quillbox.conf"), "[4.0]\nInstallPath=" + install.toUtf8() + "\n");
  struct TCase {
    QString Log;
    bool BrokenPlugIn;
    int Exit;
    QString Says;  // a part of the one line on stderr
  } cases[] = {
      {files.Write(QStringLiteral("Good.qbl"), record + record), false, 0, {}},
      {files.Path(QStringLiteral("Missing.qbl")), false, 1, QStringLiteral("does not exist")},
      {files.Write(QStringLiteral("Bad.qbl"), record + QByteArray(40, '\xFF')), false, 1,
       QStringLiteral("contains invalid messages")},
      {files.Path(QStringLiteral("Good.qbl")), true, 1, QStringLiteral("broken.so")},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Log.toStdString());
    const QString png = files.Path(QStringLiteral("out.png"));
    QFile::remove(png);
    QProcessEnvironment env = IsolatedEnvironment(files);
    if (c.BrokenPlugIn) env.insert(QStringLiteral("XDG_CONFIG_DIRS"), files.Path(QStringLiteral("etc-broken")));
    QProcess render;
    render.setProcessEnvironment(env);
    render.start(QStringLiteral(QB_RENDER), {c.Log, png, QStringLiteral("--size"), QStringLiteral("640x400")});
    ASSERT_TRUE(render.waitForFinished(60000)) << "qbrender waited";
    EXPECT_EQ(render.exitCode(), c.Exit);
    const QStringList lines = QString::fromUtf8(render.readAllStandardError())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                  .filter(QStringLiteral("qbrender: "));
    EXPECT_EQ(QFileInfo::exists(png), c.Exit == 0);
    if (c.Exit == 0) continue;
    ASSERT_EQ(lines.size(), 1) << lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(lines.front().contains(c.Says)) << lines.front().toStdString();
  }
}

}  // namespace
