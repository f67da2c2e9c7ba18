#include "model/QBFileCheck.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString SystemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// What a file that is not regular is, for the message.
QString KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return QStringLiteral("a folder");
  if (S_ISFIFO(mode)) return QStringLiteral("a named pipe");
  if (S_ISCHR(mode)) return QStringLiteral("a character device");
  if (S_ISBLK(mode)) return QStringLiteral("a block device");
  if (S_ISSOCK(mode)) return QStringLiteral("a socket");
  return QStringLiteral("a special file");
}

QString NotRegular(mode_t mode) { return QStringLiteral("Not a regular file (%1)").arg(KindOf(mode)); }

QByteArray NativePath(const QString& path) { return QFile::encodeName(path); }

}  // namespace

QString InputFileProblem(const QString& path) {
  struct stat info {};
  if (path.isEmpty()) return SystemReason(ENOENT);
  if (::stat(NativePath(path).constData(), &info) != 0) return SystemReason(errno);
  return S_ISREG(info.st_mode) ? QString() : NotRegular(info.st_mode);
}

bool OpenInputFile(QFile& file, const QString& path, QString* error, QIODevice::OpenMode mode) {
  // Looked at first, so a device is never opened at all; the descriptor is checked again below.
  if (QString problem = InputFileProblem(path); !problem.isEmpty()) {
    *error = std::move(problem);
    return false;
  }
  const int fd = ::open(NativePath(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    *error = SystemReason(errno);
    return false;
  }
  struct stat info {};
  QString problem;
  if (::fstat(fd, &info) != 0)
    problem = SystemReason(errno);
  else if (!S_ISREG(info.st_mode))
    problem = NotRegular(info.st_mode);
  if (!problem.isEmpty()) {
    *error = std::move(problem);
    ::close(fd);
    return false;
  }
  // Reads of a regular file never wait anyway; clearing the flag keeps the descriptor ordinary.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  file.setFileName(path);
  if (!file.open(fd, mode | QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    *error = file.errorString();
    ::close(fd);
    return false;
  }
  return true;
}

QString OutputTargetProblem(const QString& path) {
  struct stat info {};
  if (path.isEmpty()) return SystemReason(ENOENT);
  if (::stat(NativePath(path).constData(), &info) != 0) return QString();
  return S_ISREG(info.st_mode) ? QString() : NotRegular(info.st_mode);
}

bool IsSameFile(const QString& a, const QString& b) {
  struct stat first {}, second {};
  return ::stat(NativePath(a).constData(), &first) == 0 && ::stat(NativePath(b).constData(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

TQBOutputCheck CheckOutput(const QString& target, const QStringList& inputs) {
  TQBOutputCheck check;
  if (QString problem = OutputTargetProblem(target); !problem.isEmpty()) {
    check.Verdict = TQBOutputCheck::TVerdict::NotRegular;
    check.Reason = std::move(problem);
    return check;
  }
  for (const QString& input : inputs)
    if (!input.isEmpty() && IsSameFile(target, input)) {
      check.Verdict = TQBOutputCheck::TVerdict::IsInput;
      check.Input = input;
      return check;
    }
  return check;
}
