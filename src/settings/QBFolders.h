#pragma once
// The folders the viewer keeps its files in. Every path ends with "/" (the install folder only when it
// is known), so file names are appended without a separator.
//
// Where the platform puts them:
//   per-user data   <user data location>/Tolvane/Quillbox/4.0/ (~/.local/share/... by default)
//   install folder  "InstallPath" in group [4.0] of Tolvane/Quillbox.conf in the system-wide XDG
//                   config folders (/etc/xdg by default), read only; the user's own config is not asked,
//                   because the install folder is a fact about the machine. When none names one and
//                   the program runs from a folder named "Bin", that folder's parent: the layout an
//                   install puts the program in, wherever its prefix is
//   default logs    <documents>/My Quillbox Files/Logs/, or under the install folder without documents
//   default projects the same with Projects

#include <QString>

struct TQBFolders {
  QString UserData;
  QString Install;
  QString DefaultLogs;
  QString DefaultProjects;
};

namespace qbfolders {

// The text with one "/" at its end; empty stays empty.
QString WithDelimiter(const QString& path);

// Rules on given locations, without touching the disk. An empty location means the platform has none.
QString UserDataFolder(const QString& userDataLocation, const QString& programFolder);
// Empty when neither the documents location nor the install folder is known.
QString DocumentsFolder(const QString& documentsLocation, const QString& installFolder, const QString& sub);

// The install folder from the first system-wide config folder that names one; empty when none does.
QString ReadInstallFolder();
// The install folder that holds a program in programFolder: the parent of a folder named "Bin"
// (<install>/Bin/ holds the programs); empty for any other folder.
QString InstallFolderOfProgram(const QString& programFolder);

// Resolves every folder from the platform's standard locations and creates the per-user and default
// folders that are missing.
TQBFolders ResolveFolders();

}  // namespace qbfolders
