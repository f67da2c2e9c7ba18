#include "model/QBTimeStamp.h"

#include <QTime>

namespace qbtime {
namespace {
// Julian day of 31 December of year 0 in the proleptic Gregorian calendar, so day 1 is 1 January 1.
constexpr qint64 kJulianDayOfDayZero = 1721425;
}  // namespace

QDate DateOfDay(int32_t dayNumber) { return QDate::fromJulianDay(kJulianDayOfDayZero + dayNumber); }

int32_t DayOf(const QDate& date) { return int32_t(date.toJulianDay() - kJulianDayOfDayZero); }

QString FormatTimeStamp(const TQBTimeStamp& ts) {
  // Time may be exactly 86400000 (a valid record value); show it as 24:00:00.000 rather than wrap.
  const int32_t ms = ts.Time;
  const int h = ms / 3600000, m = (ms / 60000) % 60, s = (ms / 1000) % 60, z = ms % 1000;
  return QStringLiteral("%1 %2:%3:%4.%5")
      .arg(DateOfDay(ts.Date).toString(Qt::ISODate))
      .arg(h, 2, 10, QLatin1Char('0'))
      .arg(m, 2, 10, QLatin1Char('0'))
      .arg(s, 2, 10, QLatin1Char('0'))
      .arg(z, 3, 10, QLatin1Char('0'));
}

QDateTime DateTimeOf(const TQBTimeStamp& ts) {
  const QDateTime midnight(DateOfDay(ts.Date), QTime(0, 0), Qt::UTC);
  return midnight.addMSecs(ts.Time);
}

TQBTimeStamp TimeStampOf(const QDateTime& dateTime) {
  const QDateTime utc = dateTime.timeSpec() == Qt::UTC ? dateTime : QDateTime(dateTime.date(), dateTime.time(), Qt::UTC);
  return {utc.time().msecsSinceStartOfDay(), DayOf(utc.date())};
}

}  // namespace qbtime
