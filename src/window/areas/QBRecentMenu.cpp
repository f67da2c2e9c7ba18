#include "window/areas/QBRecentMenu.h"

#include "settings/QBIniFile.h"
#include "shell/QBVocabulary.h"
#include "window/dialogs/QBErrorReport.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

TQBRecentMenu::TQBRecentMenu(const TParts& parts, TKind kind)
    : P(parts), FKind(std::move(kind)), FList(FKind.Name) {
  FList.Load(P.Settings.Reader());
  FillMenu();
}

void TQBRecentMenu::Opened(const QString& path) {
  FList.Add(QFileInfo(path).absoluteFilePath());
  RecentListChanged();
}

void TQBRecentMenu::ReportMissingRecent(const QString& path) {
  P.Errors.ShowError(&P.Window, QBApplicationTitle,
                     QStringLiteral("Cannot open file \"%1\". The file does not exist.\r\rIt is removed from the "
                                    "list of %2.")
                         .arg(QDir::toNativeSeparators(path), FKind.ListName));
}

void TQBRecentMenu::RecentListChanged() {
  FList.Save(P.Settings.Writer());
  FillMenu();
}

void TQBRecentMenu::FillMenu() {
  QMenu& menu = P.Menu;
  menu.clear();
  for (int i = 0; i < FList.Files().size(); ++i) {
    QAction* action = menu.addAction(FList.MenuText(i));
    action->setObjectName(FKind.ActionName + QString::number(i));
    action->setToolTip(QDir::toNativeSeparators(FList.Files()[i]));
    connect(action, &QAction::triggered, this, [this, i] { Choose(i); });
  }
  menu.setEnabled(!FList.Files().isEmpty());
}
