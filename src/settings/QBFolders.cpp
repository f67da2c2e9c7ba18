#include "settings/QBFolders.h"

#include "settings/QBIniDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace qbfolders {

namespace {

const QString kVendorFolder = QStringLiteral("Tolvane/Quillbox/4.0/");
const QString kInstallConfig = QStringLiteral("Tolvane/Quillbox.conf");
const QString kInstallGroup = QStringLiteral("4.0");
const QString kInstallKey = QStringLiteral("InstallPath");
const QString kLogsSub = QStringLiteral("My Quillbox Files/Logs/");
const QString kProjectsSub = QStringLiteral("My Quillbox Files/Projects/");
const QString kProgramSub = QStringLiteral("Bin");

// The system-wide config folders: every config location except the user's own, which comes first.
QStringList SystemConfigFolders() {
  QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
  folders.removeAll(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
  return folders;
}

QString ProgramFolder() {
  return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}

// A documents location counts only when the folder is really there; otherwise the logs would land in a
// folder the user never sees.
QString ExistingDocuments() {
  const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return !docs.isEmpty() && QDir(docs).exists() ? docs : QString();
}

QString Created(const QString& folder) {
  if (!folder.isEmpty()) QDir().mkpath(folder);
  return folder;
}

}  // namespace

QString WithDelimiter(const QString& path) {
  if (path.isEmpty() || path.endsWith(u'/')) return path;
  return path + u'/';
}

QString UserDataFolder(const QString& userDataLocation, const QString& programFolder) {
  if (userDataLocation.isEmpty()) return WithDelimiter(programFolder);
  return WithDelimiter(userDataLocation) + kVendorFolder;
}

QString DocumentsFolder(const QString& documentsLocation, const QString& installFolder, const QString& sub) {
  const QString base = documentsLocation.isEmpty() ? installFolder : WithDelimiter(documentsLocation);
  // With neither folder known the result would be relative to whatever the working folder is.
  return base.isEmpty() ? QString() : base + sub;
}

QString ReadInstallFolder() {
  for (const QString& folder : SystemConfigFolders()) {
    QFile file(QDir(folder).filePath(kInstallConfig));
    if (!file.open(QIODevice::ReadOnly)) continue;
    const auto path = TQBIniDocument::Parse(file.readAll()).Value(kInstallGroup, kInstallKey);
    if (path && !path->isEmpty()) return WithDelimiter(QDir::fromNativeSeparators(*path));
  }
  return {};
}

QString InstallFolderOfProgram(const QString& programFolder) {
  const QString folder = QDir::cleanPath(QDir::fromNativeSeparators(programFolder));
  const qsizetype slash = folder.lastIndexOf(u'/');
  if (slash < 0 || folder.mid(slash + 1) != kProgramSub) return {};
  return WithDelimiter(slash == 0 ? QStringLiteral("/") : folder.left(slash));
}

TQBFolders ResolveFolders() {
  TQBFolders folders;
  folders.Install = ReadInstallFolder();
  if (folders.Install.isEmpty()) folders.Install = InstallFolderOfProgram(ProgramFolder());
  folders.UserData = Created(UserDataFolder(
      QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), ProgramFolder()));
  const QString docs = ExistingDocuments();
  folders.DefaultLogs = DocumentsFolder(docs, folders.Install, kLogsSub);
  folders.DefaultProjects = DocumentsFolder(docs, folders.Install, kProjectsSub);
  // Folders in the documents are the user's and are made when missing. Under the install folder they
  // are only used: that folder belongs to whatever installed the program, and folders the viewer made
  // there would outlive the program's removal (or fail, for a user who may not write there).
  if (!docs.isEmpty()) {
    Created(folders.DefaultLogs);
    Created(folders.DefaultProjects);
  }
  return folders;
}

}  // namespace qbfolders
