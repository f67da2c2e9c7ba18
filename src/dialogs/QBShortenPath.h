#pragma once
// Shortens a file path to fit a width by replacing its leading folders with "...", keeping the drive
// and the file name as long as possible; the file name itself is never cut.
//   /home/ann/logs/2010/app.qbl -> /.../logs/2010/app.qbl -> /.../2010/app.qbl -> /.../app.qbl
//   -> .../app.qbl -> app.qbl

#include <QString>

#include <functional>

class QFont;

QString QBShortenPath(const QString& path, const std::function<int(const QString&)>& textWidth, int maxWidth);
// The same measured in a font.
QString QBShortenPath(const QString& path, const QFont& font, int maxWidth);
