#include "view/QBFilterCriteria.h"

#include "model/QBTimeStamp.h"

#include <QRegularExpression>

namespace qbfilter {
namespace {

constexpr int kStoredBuiltIns = 45;  // codes 0..44, then one character for code 100
constexpr int kStoredCustom = 100;

inline char16_t FoldAscii(char16_t c) { return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c; }

}  // namespace

bool SameTextAscii(QStringView a, QStringView b) {
  if (a.size() != b.size()) return false;
  for (qsizetype i = 0; i < a.size(); ++i)
    if (FoldAscii(a[i].unicode()) != FoldAscii(b[i].unicode())) return false;
  return true;
}

QString EncodeMsgTypes(const std::bitset<256>& types) {
  QString text(kStoredBuiltIns + 1, QLatin1Char('0'));
  for (int code = 0; code < kStoredBuiltIns; ++code)
    if (types.test(size_t(code))) text[code] = QLatin1Char('1');
  if (types.test(kStoredCustom)) text[kStoredBuiltIns] = QLatin1Char('1');
  return text;
}

std::bitset<256> DecodeMsgTypes(const QString& text) {
  std::bitset<256> types;
  const qsizetype n = text.size();
  if (n == 0) return types;
  for (qsizetype k = 1; k <= n - 1 && k - 1 <= 255; ++k)
    if (text[k - 1] == QLatin1Char('1')) types.set(size_t(k - 1));
  if (text[n - 1] == QLatin1Char('1')) types.set(kStoredCustom);
  return types;
}

QString TimeStampText(const TQBTimeStamp& ts) { return qbtime::FormatTimeStamp(ts); }

bool ReadStoredTimeStamp(const QString& text, TQBTimeStamp& ts) {
  static const QRegularExpression pattern(
      QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2}) (\\d{2}):(\\d{2}):(\\d{2})\\.(\\d{3})$"));
  const QRegularExpressionMatch m = pattern.match(text);
  if (!m.hasMatch()) return false;
  const auto field = [&m](int n) { return m.capturedView(n).toInt(); };
  const QDate date(field(1), field(2), field(3));
  if (!date.isValid() || field(4) > 23 || field(5) > 59 || field(6) > 59) return false;
  ts.Date = qbtime::DayOf(date);
  ts.Time = ((field(4) * 60 + field(5)) * 60 + field(6)) * 1000 + field(7);
  return true;
}

namespace {

const QString kCheckTimeRange = QStringLiteral("CheckTimeRange");
const QString kTimeFrom = QStringLiteral("TimeFrom");
const QString kTimeTo = QStringLiteral("TimeTo");

void SaveTimeRange(const TQBFilterCriteria& c, IQBSettingsWriter& w) {
  if (!c.CheckTimeRange) return;
  w.WriteBool(kCheckTimeRange, true);
  w.WriteString(kTimeFrom, TimeStampText(c.TimeRange.From));
  w.WriteString(kTimeTo, TimeStampText(c.TimeRange.To));
}

// A range whose ends cannot be read is no criterion: the view shows what it would without it.
void LoadTimeRange(const IQBSettingsReader& r, TQBFilterCriteria& c) {
  if (!r.ReadBool(kCheckTimeRange, false)) return;
  TQBTimeRange range;
  if (!ReadStoredTimeStamp(r.ReadString(kTimeFrom, {}), range.From) ||
      !ReadStoredTimeStamp(r.ReadString(kTimeTo, {}), range.To))
    return;
  c.CheckTimeRange = true;
  c.TimeRange = range;
}

}  // namespace

void SaveFilter(const TQBFilterCriteria& c, IQBSettingsWriter& w) {
  w.WriteBool(QStringLiteral("CheckMsgTypes"), c.CheckMsgTypes);
  if (c.CheckMsgTypes) w.WriteString(QStringLiteral("MsgTypes"), EncodeMsgTypes(c.MsgTypes));
  w.WriteBool(QStringLiteral("CheckAppName"), c.CheckAppName);
  if (c.CheckAppName) w.WriteString(QStringLiteral("AppName"), c.AppName);
  w.WriteBool(QStringLiteral("CheckCategory"), c.CheckCategory);
  if (c.CheckCategory) w.WriteString(QStringLiteral("Category"), c.Category);
  w.WriteBool(QStringLiteral("CheckProcessID"), c.CheckProcessID);
  if (c.CheckProcessID) w.WriteInteger(QStringLiteral("ProcessID"), c.ProcessID);
  w.WriteBool(QStringLiteral("CheckThreadName"), c.CheckThreadName);
  if (c.CheckThreadName) w.WriteString(QStringLiteral("ThreadName"), c.ThreadName);
  w.WriteBool(QStringLiteral("CheckComputerName"), c.CheckComputerName);
  if (c.CheckComputerName) w.WriteString(QStringLiteral("ComputerName"), c.ComputerName);
  w.WriteBool(QStringLiteral("CheckMessageText"), c.CheckMessageText);
  if (c.CheckMessageText) w.WriteString(QStringLiteral("MessageText"), c.MessageText);
  SaveTimeRange(c, w);
}

TQBFilterCriteria LoadFilter(const IQBSettingsReader& r) {
  TQBFilterCriteria c;
  c.CheckAppName = r.ReadBool(QStringLiteral("CheckAppName"), false);
  c.AppName = r.ReadString(QStringLiteral("AppName"), {});
  c.CheckCategory = r.ReadBool(QStringLiteral("CheckCategory"), false);
  c.Category = r.ReadString(QStringLiteral("Category"), {});
  c.CheckProcessID = r.ReadBool(QStringLiteral("CheckProcessID"), false);
  c.ProcessID = r.ReadInteger(QStringLiteral("ProcessID"), 0);
  c.CheckThreadName = r.ReadBool(QStringLiteral("CheckThreadName"), false);
  c.ThreadName = r.ReadString(QStringLiteral("ThreadName"), {});
  c.CheckComputerName = r.ReadBool(QStringLiteral("CheckComputerName"), false);
  c.ComputerName = r.ReadString(QStringLiteral("ComputerName"), {});
  c.CheckMessageText = r.ReadBool(QStringLiteral("CheckMessageText"), false);
  c.MessageText = r.ReadString(QStringLiteral("MessageText"), {});
  c.CheckMsgTypes = r.ReadBool(QStringLiteral("CheckMsgTypes"), false);
  c.MsgTypes = DecodeMsgTypes(r.ReadString(QStringLiteral("MsgTypes"), {}));
  LoadTimeRange(r, c);
  return c;
}

}  // namespace qbfilter
