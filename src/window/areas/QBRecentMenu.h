#pragma once
// A recent-files submenu of the File menu: "Recent Files" (log files) or "Recent Projects", the last
// ten files of its kind, newest first. A file that was opened (or, for projects, saved) goes to the
// top through Opened; choosing an entry opens the file as the Open command does, or, when the file is
// gone, says so and takes the entry off. The list is kept in the in-memory settings file whenever it
// changes, so it reaches the disk with the other settings.

#include "shell/QBLogCommands.h"
#include "settings/QBRecentList.h"

#include <QObject>

#include <functional>

class IQBErrorReport;
class QMenu;
class QWidget;
class TQBIniFile;

class TQBRecentMenu final : public QObject, private IQBRecentListOwner {
public:
  struct TParts {
    QWidget& Window;
    QMenu& Menu;  // the submenu the entries are listed in
    TQBIniFile& Settings;
    IQBErrorReport& Errors;
  };
  // What the menu lists: the settings key stem ("RecentFile"), the entries' object names
  // ("mnuRecentFile" gives mnuRecentFile0, ...), the list's name in the missing-file report ("recent
  // files") and how an entry is opened.
  struct TKind {
    QString Name;
    QString ActionName;
    QString ListName;
    std::function<void(const QString&)> Open;
  };
  TQBRecentMenu(const TParts& parts, TKind kind);

  const TQBRecentList& List() const { return FList; }
  // The entry's action, as the menu lists it (for tests and accessibility tools).
  void Choose(int index) { FList.Choose(index, *this); }
  // path was opened: it goes to the top.
  void Opened(const QString& path);

private:
  // IQBRecentListOwner
  void OpenRecent(const QString& path) override { FKind.Open(path); }
  void ReportMissingRecent(const QString& path) override;
  void RecentListChanged() override;
  void FillMenu();

  TParts P;
  TKind FKind;
  TQBRecentList FList;
};

// The log files that loaded go to the top of the recent files menu.
class TQBRecentLogFiles final : public IQBLogFileListener {
public:
  explicit TQBRecentLogFiles(TQBRecentMenu& menu) : FMenu(menu) {}
  void LoadEnded(const QString& path, const TQBLoadResult& result) override {
    if (result.Ok()) FMenu.Opened(path);
  }

private:
  TQBRecentMenu& FMenu;
};
