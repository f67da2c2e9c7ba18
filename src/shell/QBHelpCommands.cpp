#include "shell/QBHelpCommands.h"

#include <QFileInfo>

QString TQBHelpCommands::TopicAddress(const QString& topic) {
  return QStringLiteral("::/") + topic.toLower() + QStringLiteral(".htm");
}

void TQBHelpCommands::ShowTopic(const QString& topic) {
  const QString file = FInstall + QStringLiteral("Help/Quillbox4.chm");
  if (FInstall.isEmpty() || !QFileInfo::exists(file)) {
    FWindow.ShowHelpError(QStringLiteral("Quillbox Help"),
                          QStringLiteral("Quillbox Help File (Quillbox4.chm) could not be found."));
    return;
  }
  FWindow.OpenHelpFile(file, TopicAddress(topic));
}
