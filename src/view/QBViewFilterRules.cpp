#include "view/QBViewFilterRules.h"

#include "model/QBMessageTypes.h"
#include "view/QBTimeIndex.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <limits>
#include <vector>

namespace qbviewfilter {

const std::array<TTypeButton, TypeButtonCount>& TypeButtons() {
  static const std::array<TTypeButton, TypeButtonCount> buttons{{
      {"btnInfo", "Info Messages", qbmInfo, "Info", 0, 0},
      {"btnNote", "Notes", qbmNote, "Notes", 0, 1},
      {"btnWarning", "Warning Messages", qbmWarning, "Warnings", 0, 2},
      {"btnError", "Error Messages", qbmError, "Errors", 0, 3},
      {"btnException", "Exceptions", qbmException, "Exceptions", 0, 4},
      {"btnReminder", "Reminders", qbmReminder, "Reminders", 0, 5},
      {"btnCheckPoint", "Check Points", qbmCheckPoint, "CheckPoints", 0, 6},
      {"btnRed", "Level 1 - Red", qbmLevel1, "Red", 1, 0},
      {"btnOrange", "Level 2 - Orange", qbmLevel2, "Orange", 1, 1},
      {"btnYellow", "Level 3 - Yellow", qbmLevel3, "Yellow", 1, 2},
      {"btnGreen", "Level 4 - Green", qbmLevel4, "Green", 1, 3},
      {"btnBlue", "Level 5 - Blue", qbmLevel5, "Blue", 1, 4},
      {"btnIndigo", "Level 6 - Indigo", qbmLevel6, "Indigo", 1, 5},
      {"btnViolet", "Level 7 - Violet", qbmLevel7, "Violet", 1, 6},
      {"btnStringList", "String Lists", qbmStringList, "StringLists", 2, 0},
      {"btnObject", "Objects", qbmObject, "Objects", 2, 1},
      {"btnCompAsText", "Components (as Text)", qbmComponentAsText, "ComponentAsText", 2, 2},
      {"btnCollection", "Collections", qbmCollection, "Collections", 2, 3},
      {"btnColor", "Colors", qbmColor, "Colors", 2, 4},
      {"btnBitmap", "Bitmaps", qbmBitmap, "Bitmaps", 2, 5},
      {"btnTextFile", "Text Files", qbmTextFile, "TextFiles", 2, 6},
      {"btnMemory", "Memory", qbmMemory, "Memory", 3, 0},
      {"btnMemoryStatus", "Memory Status", qbmMemoryStatus, "MemoryStatus", 3, 1},
      {"btnWindow", "Windows", qbmWindow, "Window", 3, 2},
      {"btnRegistry", "Registry Entries", qbmRegistry, "Registry", 3, 3},
      {"btnSystemInfo", "System Information", qbmSystemInfo, "SystemInfo", 3, 4},
      {"btnVersionInfo", "Version Information", qbmVersionInfo, "VersionInfo", 3, 5},
      {"btnXML", "XML Data", qbmXmlData, "XmlData", 3, 6},
      {"btnStackTrace", "Stack Traces", qbmStackTrace, "StackTrace", 4, 0},
      {"btnEnterMethod", "Enter Methods", qbmEnterMethod, "EnterMethod", 4, 1},
      {"btnExitMethod", "Exit Methods", qbmExitMethod, "ExitMethod", 4, 2},
      {"btnCustomText", "Custom Formats (Text)", qbmCustomText, "CustomText", 0, 7},
      {"btnCustomProperties", "Custom Format (Properties)", qbmCustomProperties, "CustomProperties", 1, 7},
      {"btnCustomTable", "Custom Format (Table)", qbmCustomTable, "CustomTable", 2, 7},
      {"btnCustomHierarchy", "Custom Format (Hierarchy)", qbmCustomHierarchy, "CustomHierarchy", 3, 7},
      {"btnCustom", "Custom Messages", qbmFirstCustom, "Custom", 4, 7},
  }};
  return buttons;
}

namespace {

// Appends a part to a text: "K=V" or V alone, after a separator unless the text is still empty.
void AppendPart(QString& text, const QString& separator, const char* key, const QString& value) {
  const QString piece = key ? QLatin1String(key) + QLatin1Char('=') + value : value;
  if (text.isEmpty()) text = piece;
  else text += separator + piece;
}

// "Time=hh:mm:ss-hh:mm:ss": the times of day of the range's ends (as typed when they cannot be read).
QString TimeRangePart(const TQBFilterForm& form) {
  const auto timeOfDay = [](const QString& text) {
    TQBTimeStamp ts;
    return qbfilter::ReadStoredTimeStamp(text, ts) ? qbfilter::TimeStampText(ts).mid(11, 8) : text;
  };
  return timeOfDay(form.TimeFrom) + QLatin1Char('-') + timeOfDay(form.TimeTo);
}

// The range the form's texts give; nothing when either end cannot be read or the ends are reversed.
std::optional<TQBTimeRange> FormTimeRange(const TQBFilterForm& form) {
  TQBTimeRange range;
  if (!qbfilter::ReadStoredTimeStamp(form.TimeFrom.trimmed(), range.From) ||
      !qbfilter::ReadStoredTimeStamp(form.TimeTo.trimmed(), range.To))
    return std::nullopt;
  if (TQBTimeIndex::Key(range.From) > TQBTimeIndex::Key(range.To)) return std::nullopt;
  return range;
}

}  // namespace

QString AutoName(const TQBFilterForm& form) {
  const QString bar = QStringLiteral(" | ");
  QString name;
  if (form.CheckAppName) AppendPart(name, bar, nullptr, form.AppName);
  if (form.CheckCategory) AppendPart(name, bar, nullptr, form.Category);
  if (form.CheckComputerName) AppendPart(name, bar, nullptr, form.ComputerName);
  if (form.CheckProcessID) AppendPart(name, bar, "PID", form.ProcessID);
  if (form.CheckThreadName) AppendPart(name, bar, "Thread", form.ThreadName);
  if (form.CheckMessageText) AppendPart(name, bar, "Text", form.MessageText.left(MessageTextLength));
  if (form.CheckMsgType) {
    QString types;
    for (int i = 0; i < TypeButtonCount; ++i)
      if (form.Down.test(size_t(i))) AppendPart(types, QStringLiteral(","), nullptr, QLatin1String(TypeButtons()[size_t(i)].AutoNameWord));
    if (!types.isEmpty()) AppendPart(name, bar, "MsgTypes", types);
  }
  if (form.CheckTimeRange) AppendPart(name, bar, "Time", TimeRangePart(form));
  return name;
}

bool IsAutoName(const QString& name, const TQBFilterForm& form) { return name == AutoName(form); }

bool ParseProcessID(const QString& text, int32_t& pid) {
  const QString t = text.trimmed();
  qsizetype i = 0;
  const bool negative = !t.isEmpty() && t[0] == QLatin1Char('-');
  if (!t.isEmpty() && (t[0] == QLatin1Char('-') || t[0] == QLatin1Char('+'))) ++i;
  if (i >= t.size()) return false;
  // Accumulated as a negative number, which reaches the most negative 64-bit value too.
  int64_t value = 0;
  constexpr int64_t min = std::numeric_limits<int64_t>::min();
  for (; i < t.size(); ++i) {
    const QChar c = t[i];
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    const int digit = c.unicode() - '0';
    if (value < (min + digit) / 10) return false;
    value = value * 10 - digit;
  }
  if (!negative) {
    if (value == min) return false;
    value = -value;
  }
  pid = int32_t(uint32_t(uint64_t(value)));
  return true;
}

QString ProcessIDText(int32_t pid) { return pid == 0 ? QString() : QString::number(uint32_t(pid)); }

std::optional<TQBFilterReport> CheckForm(const TQBFilterForm& form) {
  int32_t pid = 0;
  const bool pidInvalid = form.CheckProcessID && !form.ProcessID.isEmpty() && !ParseProcessID(form.ProcessID, pid);
  struct TCheck {
    bool Fails;
    const char* Line;
    TCriterion Criterion;
  };
  // In the order of the report; the field of the last failing one takes the focus.
  const TCheck checks[] = {
      {form.CheckTimeRange && !FormTimeRange(form),
       "Please specify the time range as two time stamps (yyyy-mm-dd hh:mm:ss.zzz), the first not after the "
       "second.",
       TCriterion::TimeRange},
      {form.CheckMessageText && form.MessageText.isEmpty(), "Please specify a message sub-string.",
       TCriterion::MessageText},
      {form.CheckThreadName && form.ThreadName.isEmpty(), "Please specify a Thread Name or ID.", TCriterion::ThreadName},
      {form.CheckProcessID && form.ProcessID.isEmpty(), "Please specify a Process ID.", TCriterion::ProcessID},
      {pidInvalid, "Please specify the Process ID as a decimal number.", TCriterion::ProcessID},
      {form.CheckComputerName && form.ComputerName.isEmpty(), "Please specify a Computer Name.",
       TCriterion::ComputerName},
      {form.CheckCategory && form.Category.isEmpty(), "Please specify a Category.", TCriterion::Category},
      {form.CheckAppName && form.AppName.isEmpty(), "Please specify an Application Name.", TCriterion::AppName},
  };
  std::optional<TQBFilterReport> report;
  for (const TCheck& check : checks) {
    if (!check.Fails) continue;
    if (!report) report = TQBFilterReport{QStringLiteral("Incomplete Filter:"), check.Criterion};
    report->Text += QLatin1Char('\r') + QLatin1String(check.Line);
    report->Focus = check.Criterion;
  }
  return report;
}

void LoadCriteria(const TQBFilterCriteria& c, TQBFilterForm& form) {
  form.CheckAppName = c.CheckAppName;
  form.AppName = c.AppName;
  form.CheckCategory = c.CheckCategory;
  form.Category = c.Category;
  form.CheckProcessID = c.CheckProcessID;
  form.ProcessID = ProcessIDText(c.ProcessID);
  form.CheckThreadName = c.CheckThreadName;
  form.ThreadName = c.ThreadName;
  form.CheckComputerName = c.CheckComputerName;
  form.ComputerName = c.ComputerName;
  form.CheckMessageText = c.CheckMessageText;
  form.MessageText = c.MessageText;
  form.CheckMsgType = c.CheckMsgTypes;
  for (int i = 0; i < TypeButtonCount; ++i)
    if (c.MsgTypes.test(size_t(TypeButtons()[size_t(i)].Code))) form.Down.set(size_t(i));
  form.CheckTimeRange = c.CheckTimeRange;
  if (c.CheckTimeRange) {
    form.TimeFrom = qbfilter::TimeStampText(c.TimeRange.From);
    form.TimeTo = qbfilter::TimeStampText(c.TimeRange.To);
  }
}

TQBFilterCriteria ReadCriteria(const TQBFilterForm& form) {
  TQBFilterCriteria c;
  c.CheckAppName = form.CheckAppName;
  c.AppName = form.AppName.left(AppNameLength);
  c.CheckCategory = form.CheckCategory;
  c.Category = form.Category.left(CategoryLength);
  c.CheckProcessID = form.CheckProcessID;
  if (!form.ProcessID.isEmpty() && !ParseProcessID(form.ProcessID, c.ProcessID)) c.ProcessID = 0;
  c.CheckThreadName = form.CheckThreadName;
  c.ThreadName = form.ThreadName.left(ThreadNameLength);
  c.CheckComputerName = form.CheckComputerName;
  c.ComputerName = form.ComputerName.left(ComputerNameLength);
  c.CheckMessageText = form.CheckMessageText;
  c.MessageText = form.MessageText.left(MessageTextLength);
  c.CheckMsgTypes = form.CheckMsgType;
  for (int i = 0; i < TypeButtonCount; ++i)
    if (form.Down.test(size_t(i))) c.MsgTypes.set(size_t(TypeButtons()[size_t(i)].Code));
  // An unreadable range is reported by CheckForm; unticked, or unread, it filters nothing.
  const std::optional<TQBTimeRange> range = FormTimeRange(form);
  c.CheckTimeRange = form.CheckTimeRange && range.has_value();
  if (range) c.TimeRange = *range;
  return c;
}

namespace {

// Equal when ASCII letters are folded, as the filter compares names.
QString FoldAscii(const QString& value) {
  QString folded = value;
  for (QChar& c : folded)
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - ('a' - 'A'));
  return folded;
}

// Distinct names of one field of the store, each interned id looked at once.
class TNameList {
public:
  explicit TNameList(uint32_t poolSize) : FSeen(poolSize, 0) {}
  void Offer(uint32_t id) {
    if (id >= FSeen.size()) FSeen.resize(size_t(id) + 1, 0);
    if (FSeen[id]) return;
    FSeen[id] = 1;
    FOrder.push_back(id);
  }
  // The names in the order met, equal ones once, then sorted without regard to case.
  QStringList Sorted(const TQuillboxMessageSet& set) const {
    QStringList names;
    QSet<QString> keys;
    for (uint32_t id : FOrder) {
      const QString& name = set.PoolString(id);
      const QString key = FoldAscii(name);
      if (keys.contains(key)) continue;
      keys.insert(key);
      names.append(name);
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
      const int c = QString::compare(a, b, Qt::CaseInsensitive);
      return c != 0 ? c < 0 : a < b;
    });
    return names;
  }

private:
  std::vector<uint8_t> FSeen;
  std::vector<uint32_t> FOrder;
};

}  // namespace

TQBValueLists CollectValueLists(const TQuillboxMessageSet& set) {
  const uint32_t pool = set.PoolSize();
  TNameList categories(pool), computers(pool), apps(pool), threads(pool);
  QSet<uint32_t> pids;
  uint32_t lastPid = 0;
  bool anyPid = false;
  for (int recNo = 1; recNo <= set.GetRecordCount(); ++recNo) {
    const TQBMessageRef m = set.At(recNo);
    categories.Offer(m.CategoryId());
    computers.Offer(m.ComputerNameId());
    apps.Offer(m.AppNameId());
    threads.Offer(m.ThreadNameId());
    if (!anyPid || m.ProcessID() != lastPid) {
      lastPid = m.ProcessID();
      anyPid = true;
      pids.insert(lastPid);
    }
  }
  TQBValueLists lists;
  lists.Categories = categories.Sorted(set);
  lists.ComputerNames = computers.Sorted(set);
  lists.AppNames = apps.Sorted(set);
  lists.ThreadNames = threads.Sorted(set);
  for (uint32_t pid : pids) lists.ProcessIDs.append(QString::number(pid));
  lists.ProcessIDs.sort();
  return lists;
}

}  // namespace qbviewfilter
