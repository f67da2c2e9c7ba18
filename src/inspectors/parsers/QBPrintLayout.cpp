#include "inspectors/parsers/QBPrintLayout.h"

#include "inspectors/parsers/QBHalfEven.h"

#include <QString>

#include <algorithm>
#include <vector>

namespace {

// The field left-aligned, padded with blanks and cut to width characters, then two blanks.
QString PaddedField(QStringView field, qsizetype width) {
  QString text = field.left(width).toString();
  text.reserve(width + 2);
  text += QString(width - text.size() + 2, u' ');
  return text;
}

// Every field of every line: the lines' texts cut at tabs, without copying the texts.
std::vector<std::vector<QStringView>> TabFields(const QStringList& lines) {
  std::vector<std::vector<QStringView>> fields;
  fields.reserve(size_t(lines.size()));
  for (const QString& line : lines) {
    const QList<QStringView> row = QStringView(line).split(u'\t');
    fields.emplace_back(row.begin(), row.end());
  }
  return fields;
}

}  // namespace

QStringList TablePrintLines(const QStringList& lines) {
  const std::vector<std::vector<QStringView>> fields = TabFields(lines);
  // The columns are those of the first line; a longer line still gets widths for its extra fields
  // instead of running past the end of the width list.
  std::vector<qsizetype> widths;
  for (const std::vector<QStringView>& row : fields) {
    if (widths.size() < row.size()) widths.resize(row.size(), 0);
    for (size_t k = 0; k < row.size(); ++k) widths[k] = std::max(widths[k], row[k].size());
  }
  QStringList printed;
  printed.reserve(lines.size());
  for (const std::vector<QStringView>& row : fields) {
    QString text;
    for (size_t k = 0; k + 1 < row.size(); ++k) text += PaddedField(row[k], widths[k]);
    text += row.back();
    printed << text;
  }
  return printed;
}

QStringList PropertyPrintLines(const QStringList& lines) {
  qsizetype width = 0;
  for (const QString& line : lines) width = std::max(width, line.indexOf(u'='));
  QStringList printed;
  printed.reserve(lines.size());
  for (const QString& line : lines) {
    const qsizetype at = line.indexOf(u'=');
    if (at < 0) {
      printed << line;
      continue;
    }
    QString text = PaddedField(QStringView(line).left(at), width);
    text += QStringView(line).mid(at + 1);
    printed << text;
  }
  return printed;
}

QStringList NumberedPrintLines(const QStringList& lines) {
  // Every number is printed whole: the column is as wide as the largest one (at least 5 characters).
  const qsizetype width = std::max<qsizetype>(5, QString::number(lines.size()).size());
  QStringList printed;
  printed.reserve(lines.size());
  for (qsizetype i = 0; i < lines.size(); ++i)
    printed << QString::number(i + 1).rightJustified(width, u' ') + QStringLiteral(":  ") + lines[i];
  return printed;
}

QRect ScaledPictureRect(QSize picture, QSize page) {
  if (picture.width() <= 0 || picture.height() <= 0) return {};
  const double factor = std::min(double(page.width()) / picture.width(), double(page.height()) / picture.height());
  const int width = int(RoundHalfEven(picture.width() * factor));
  const int height = int(RoundHalfEven(picture.height() * factor));
  return {(page.width() - width) / 2, (page.height() - height) / 2, width, height};
}
