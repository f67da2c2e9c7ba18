#pragma once
// File > Recent Files: the last ten log files loaded, newest first. A load that made a file current
// puts it at the top; choosing an entry opens the file as Open does, or, when the file is gone, says
// so and takes the entry off. The list is kept in the in-memory settings file whenever it changes, so
// it reaches the disk with the other settings.

#include "shell/QBLogCommands.h"
#include "shell/QBRecentList.h"

#include <QObject>

class IQBErrorReport;
class QMenu;
class QWidget;
class TQBIniFile;
class TQBLogWindow;

class TQBRecentFilesMenu final : public QObject, public IQBLogFileListener, private IQBRecentListOwner {
public:
  struct TParts {
    QWidget& Window;
    QMenu& Menu;  // the submenu the entries are listed in
    TQBLogWindow& Log;
    TQBIniFile& Settings;
    IQBErrorReport& Errors;
  };
  explicit TQBRecentFilesMenu(const TParts& parts);

  const TQBRecentList& List() const { return FList; }
  // The entry's action, as the menu lists it (for tests and accessibility tools).
  void Choose(int index) { FList.Choose(index, *this); }

  // IQBLogFileListener: a file that became current goes to the top.
  void LoadEnded(const QString& path, const TQBLoadResult& result) override;

private:
  // IQBRecentListOwner
  void OpenRecent(const QString& path) override;
  void ReportMissingRecent(const QString& path) override;
  void RecentListChanged() override;
  void FillMenu();

  TParts P;
  TQBRecentList FList{QStringLiteral("RecentFile")};
};
