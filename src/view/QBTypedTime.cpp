#include "view/QBTypedTime.h"

#include "model/QBTimeStamp.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>

namespace qbtimetext {
namespace {

// The date part: ISO first (what the field shows), then the user's short date. A two-digit year of
// the short format comes back in the 1900s; the dates a log may hold start in 1999.
QDate DateOf(const QString& text) {
  QDate date = QDate::fromString(text, QStringLiteral("yyyy-M-d"));
  if (date.isValid()) return date;
  date = QLocale::system().toDate(text, QLocale::ShortFormat);
  if (date.isValid() && date.year() < 1999) date = date.addYears(100);
  return date;
}

}  // namespace

bool ReadTimeStamp(const QString& text, int32_t day, TQBTimeStamp& stamp) {
  static const QRegularExpression form(QStringLiteral(
      R"(^\s*(?:(.*?\S)(?:\s+|T))?(\d{1,2}):(\d{2})(?::(\d{2})(?:[.,](\d{1,3}))?)?\s*$)"));
  const QRegularExpressionMatch m = form.match(text);
  if (!m.hasMatch()) return false;
  if (m.hasCaptured(1)) {
    const QDate date = DateOf(m.captured(1));
    if (!date.isValid()) return false;
    day = qbtime::DayOf(date);
  }
  const int h = m.captured(2).toInt(), min = m.captured(3).toInt(), s = m.captured(4).toInt();
  const int ms = m.captured(5).leftJustified(3, u'0').toInt();
  if (min > 59 || s > 59 || h > 24 || (h == 24 && (min || s || ms))) return false;
  int32_t time = ((h * 60 + min) * 60 + s) * 1000 + ms;
  if (time == qbtime::MsPerDay) {
    time = 0;
    ++day;
  }
  if (day < qbtime::FirstValidDay || day > qbtime::LastValidDay) return false;
  stamp = {time, day};
  return true;
}

}  // namespace qbtimetext
