#include "view/QBTimeText.h"

#include "model/QBMessageTypes.h"
#include "model/QBTimeStamp.h"

#include <QLocale>

#include <climits>
#include <cstdio>

namespace qbtimetext {
namespace {

// Formatted by hand: exports format a time for every one of millions of messages.
QString Clock(int64_t h, int64_t m, int64_t s, int64_t z) {
  char buffer[48];
  const int n = std::snprintf(buffer, sizeof buffer, "%lld:%02lld:%02lld.%03lld", static_cast<long long>(h),
                              static_cast<long long>(m), static_cast<long long>(s), static_cast<long long>(z));
  return QString::fromLatin1(buffer, n);
}

TQBTimeStamp StampOf(const TQBViewRows& rows, int item) {
  return rows.MessageSet().At(rows.ItemRecNo(item)).TimeStamp();
}

// The item a row's difference refers to: the row above, or the one above that when the row above is
// an inactive separator.
int ReferenceItem(const TQBViewRows& rows, int item) {
  if (!rows.IsItemVisible(item)) return item - 1;
  const int above = item > 0 ? rows.PrevVisibleItem(item - 1) : -1;
  if (above < 0) return -1;
  if (rows.ItemType(above) == qbmInactiveSeparator && above > 0) {
    const int twoAbove = rows.PrevVisibleItem(above - 1);
    if (twoAbove >= 0) return twoAbove;
  }
  return above;
}

}  // namespace

QString TimeOfDay(int32_t ms) {
  return Clock(ms / 3600000, (ms / 60000) % 60, (ms / 1000) % 60, ms % 1000);
}

QString ShortDate(int32_t dayNumber) {
  // Consecutive messages share their day; the locale's formatting is slow enough to be worth sparing.
  thread_local int32_t lastDay = INT32_MIN;
  thread_local QString lastText;
  if (dayNumber != lastDay) {
    lastText = QLocale::system().toString(qbtime::DateOfDay(dayNumber), QLocale::ShortFormat);
    lastDay = dayNumber;
  }
  return lastText;
}

int64_t DiffMs(const TQBTimeStamp& ts, const TQBTimeStamp& ref) {
  return (int64_t(ts.Date) - ref.Date) * qbtime::MsPerDay + (int64_t(ts.Time) - ref.Time);
}

QString Duration(int64_t ms) {
  if (ms < 0) return QStringLiteral("xx:xx:xx.xxx");
  int64_t hours = ms / 3600000;
  if (hours >= 24) hours %= 24;
  const int64_t rest = ms % 3600000;
  return Clock(hours, rest / 60000, (rest / 1000) % 60, rest % 1000);
}

QString TimeDiffOfItem(const TQBViewRows& rows, int item) {
  const int ref = ReferenceItem(rows, item);
  return Duration(ref < 0 ? 0 : DiffMs(StampOf(rows, item), StampOf(rows, ref)));
}

QString TimeOffsetOfItem(const TQBViewRows& rows, int item) {
  if (rows.RowCount() == 0) return Duration(0);
  return Duration(DiffMs(StampOf(rows, item), StampOf(rows, rows.ItemOfRow(0))));
}

}  // namespace qbtimetext
