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

// Calls f(k, field) for each tab-separated field of the line, in order.
template <typename F>
void ForEachField(QStringView line, F f) {
  qsizetype k = 0, start = 0;
  for (;;) {
    const qsizetype tab = line.indexOf(u'\t', start);
    f(k++, line.mid(start, (tab < 0 ? line.size() : tab) - start), tab < 0);
    if (tab < 0) return;
    start = tab + 1;
  }
}

// Appends a padded field to a line being built, no further than maxChars.
void AppendPadded(QString& text, QStringView field, qsizetype width, qsizetype maxChars) {
  const qsizetype room = maxChars - text.size();
  if (room > 0) text += PaddedField(field, std::min(width, room));
}

QString CutTo(QString text, qsizetype maxChars) {
  if (text.size() > maxChars) text.truncate(maxChars);
  return text;
}

}  // namespace

QStringList TablePrintLines(const QStringList& lines, qsizetype maxChars) {
  // The columns are those of the first line; a longer line still gets widths for its extra fields
  // instead of running past the end of the width list.
  std::vector<qsizetype> widths;
  for (const QString& line : lines)
    ForEachField(line, [&](qsizetype k, QStringView field, bool) {
      if (widths.size() <= size_t(k)) widths.resize(size_t(k) + 1, 0);
      widths[size_t(k)] = std::max(widths[size_t(k)], field.size());
    });
  QStringList printed;
  printed.reserve(lines.size());
  for (const QString& line : lines) {
    QString text;
    ForEachField(line, [&](qsizetype k, QStringView field, bool last) {
      if (text.size() >= maxChars) return;
      if (last)
        text += field.left(maxChars - text.size());
      else
        AppendPadded(text, field, widths[size_t(k)], maxChars);
    });
    printed << CutTo(std::move(text), maxChars);
  }
  return printed;
}

QStringList PropertyPrintLines(const QStringList& lines, qsizetype maxChars) {
  qsizetype width = 0;
  for (const QString& line : lines) width = std::max(width, line.indexOf(u'='));
  QStringList printed;
  printed.reserve(lines.size());
  for (const QString& line : lines) {
    const qsizetype at = line.indexOf(u'=');
    if (at < 0) {
      printed << CutTo(line, maxChars);
      continue;
    }
    QString text;
    AppendPadded(text, QStringView(line).left(at), width, maxChars);
    text += QStringView(line).mid(at + 1).left(std::max<qsizetype>(0, maxChars - text.size()));
    printed << CutTo(std::move(text), maxChars);
  }
  return printed;
}

QStringList NumberedPrintLines(const QStringList& lines, qsizetype maxChars) {
  // Every number is printed whole: the column is as wide as the largest one (at least 5 characters).
  const qsizetype width = std::max<qsizetype>(5, QString::number(lines.size()).size());
  QStringList printed;
  printed.reserve(lines.size());
  for (qsizetype i = 0; i < lines.size(); ++i) {
    QString text = QString::number(i + 1).rightJustified(width, u' ') + QStringLiteral(":  ");
    text += QStringView(lines[i]).left(std::max<qsizetype>(0, maxChars - text.size()));
    printed << CutTo(std::move(text), maxChars);
  }
  return printed;
}

QRect ScaledPictureRect(QSize picture, QSize page) {
  if (picture.width() <= 0 || picture.height() <= 0) return {};
  const double factor = std::min(double(page.width()) / picture.width(), double(page.height()) / picture.height());
  const int width = int(RoundHalfEven(picture.width() * factor));
  const int height = int(RoundHalfEven(picture.height() * factor));
  return {(page.width() - width) / 2, (page.height() - height) / 2, width, height};
}
