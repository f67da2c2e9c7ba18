#include "shell/QBMessageOrigin.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QSysInfo>
#include <QTimeZone>

#include <sys/syscall.h>
#include <unistd.h>

QString QBOriginAppName(const QString& programPath) { return QFileInfo(programPath).completeBaseName().left(40); }

QString QBOriginComputerName(const QString& hostName) { return hostName.size() > 31 ? QString() : hostName; }

TQBMessageOrigin QBMessageOriginOfThisProcess() {
  TQBMessageOrigin origin;
  origin.AppName = QBOriginAppName(QCoreApplication::applicationFilePath());
  origin.ComputerName = QBOriginComputerName(QSysInfo::machineHostName());
  origin.ProcessID = uint32_t(QCoreApplication::applicationPid());
  origin.ThreadName = QString::number(long(syscall(SYS_gettid)));
  const QDateTime now = QDateTime::currentDateTime();
  origin.TimeBias = -QTimeZone::systemTimeZone().standardTimeOffset(now) / 60;
  return origin;
}
