#include "shell/widgets/QBRecentFilesMenu.h"

#include "shell/QBIniFile.h"
#include "shell/QBLogState.h"
#include "shell/widgets/QBErrorReport.h"
#include "shell/widgets/QBLogWindow.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

TQBRecentFilesMenu::TQBRecentFilesMenu(const TParts& parts) : P(parts) {
  FList.Load(P.Settings.Reader());
  FillMenu();
}

void TQBRecentFilesMenu::LoadEnded(const QString& path, const TQBLoadResult& result) {
  if (!result.Ok()) return;
  FList.Add(QFileInfo(path).absoluteFilePath());
  RecentListChanged();
}

void TQBRecentFilesMenu::OpenRecent(const QString& path) { P.Log.LoadFile(path, false); }

void TQBRecentFilesMenu::ReportMissingRecent(const QString& path) {
  P.Errors.ShowError(&P.Window, QBApplicationTitle,
                     QStringLiteral("Cannot open file \"%1\". The file does not exist.\r\rIt is removed from the "
                                    "list of recent files.")
                         .arg(QDir::toNativeSeparators(path)));
}

void TQBRecentFilesMenu::RecentListChanged() {
  FList.Save(P.Settings.Writer());
  FillMenu();
}

void TQBRecentFilesMenu::FillMenu() {
  QMenu& menu = P.Menu;
  menu.clear();
  for (int i = 0; i < FList.Files().size(); ++i) {
    QAction* action = menu.addAction(FList.MenuText(i));
    action->setObjectName(QStringLiteral("mnuRecentFile%1").arg(i));
    action->setToolTip(QDir::toNativeSeparators(FList.Files()[i]));
    connect(action, &QAction::triggered, this, [this, i] { Choose(i); });
  }
  menu.setEnabled(!FList.Files().isEmpty());
}
