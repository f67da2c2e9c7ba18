#include "dialogs/QBShortenPath.h"

#include <QFontMetrics>

namespace {

const QString Dots = QStringLiteral(".../");

// Drops the first folder of dir and marks the cut with ".../".
QString CutFirstFolder(QString dir) {
  if (dir == QLatin1String("/")) return {};
  const bool lead = dir.startsWith(QLatin1Char('/'));
  if (lead) dir.remove(0, 1);
  if (dir.startsWith(Dots)) dir.remove(0, Dots.size());
  const qsizetype slash = dir.indexOf(QLatin1Char('/'));
  dir = slash < 0 ? QString() : Dots + dir.mid(slash + 1);
  return lead ? QLatin1Char('/') + dir : dir;
}

}  // namespace

QString QBShortenPath(const QString& path, const std::function<int(const QString&)>& textWidth, int maxWidth) {
  QString drive = path.size() >= 2 && path[1] == QLatin1Char(':') ? path.left(2) : QString();
  const QString rest = path.mid(drive.size());
  const qsizetype slash = rest.lastIndexOf(QLatin1Char('/'));
  QString dir = rest.left(slash + 1);
  const QString name = rest.mid(slash + 1);
  QString result = drive + dir + name;
  while (textWidth(result) > maxWidth && (!drive.isEmpty() || !dir.isEmpty())) {
    if (dir == QLatin1String("/.../")) {
      drive.clear();
      dir = Dots;
    } else if (!dir.isEmpty()) {
      dir = CutFirstFolder(dir);
    } else {
      drive.clear();
    }
    result = drive + dir + name;
  }
  return result;
}

QString QBShortenPath(const QString& path, const QFont& font, int maxWidth) {
  const QFontMetrics metrics(font);
  return QBShortenPath(path, [&](const QString& text) { return metrics.horizontalAdvance(text); }, maxWidth);
}
