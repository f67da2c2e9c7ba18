#include "shell/QBLogState.h"

#include "shell/QBVocabulary.h"

#include <QFileInfo>

QString TQBLogState::Title() const {
  QString title = QBApplicationTitle;
  if (!CurrentFile.isEmpty()) title = QFileInfo(CurrentFile).fileName() + QStringLiteral(" - ") + title;
  return Modified ? QLatin1Char('*') + title : title;
}
