#include "shell/QBStatusTexts.h"

#include "shell/QBCommandRules.h"
#include "shell/QBViewBinding.h"

#include <quillbox/QuillboxMessageSet.h>

#include <QFileInfo>

namespace qbstatus {

namespace {

// Whole numbers with thousands separators, whatever the locale's default number options say.
QString Grouped(int value, const QLocale& locale) {
  QLocale grouped = locale;
  grouped.setNumberOptions(grouped.numberOptions() & ~QLocale::OmitGroupSeparator);
  return grouped.toString(value);
}

bool ValidRecNo(const TQuillboxMessageSet& set, int recNo) { return recNo >= 1 && recNo <= set.GetRecordCount(); }

// The two record numbers the time difference pane measures between; false without a selection.
bool TimeDiffRecords(const TQBViewBinding& view, int selected, const TQuillboxMessageSet& set, int& first,
                     int& second) {
  if (!view.View || selected < 1) return false;
  if (selected == 1) {
    const int focused = view.FocusedRow();
    if (focused < 0) return false;
    first = view.View->GetRowRecNo(0);
    second = view.View->GetRowRecNo(focused);
  } else {
    view.View->GetSelectedRange(first, second);
  }
  return ValidRecNo(set, first) && ValidRecNo(set, second);
}

}  // namespace

TQBPaneTexts PaneTexts(const TQBViewBinding& view, const TQBCommandInputs& in, const TQuillboxMessageSet& set,
                       const QLocale& locale) {
  TQBPaneTexts texts;
  texts.MessageNumber = MessageNumberText(view.FocusedRecNo(), locale);
  texts.MessageCount = MessageCountText(in.Rows, in.StoreCount, locale);
  texts.SelectionCount = SelectionCountText(in.Selected, locale);
  int first = 0, second = 0;
  if (TimeDiffRecords(view, in.Selected, set, first, second)) {
    const TQBTimeStamp a = set.At(first).TimeStamp(), b = set.At(second).TimeStamp();
    texts.TimeDiff = TimeDiffText(a.Date, a.Time, b.Date, b.Time);
    texts.TimeDiffEnabled = true;
  }
  return texts;
}

QString MessageNumberText(int recNo, const QLocale& locale) {
  return QLatin1Char('#') + Grouped(recNo < 0 ? 0 : recNo, locale);
}

QString MessageCountText(int rows, int records, const QLocale& locale) {
  return QStringLiteral("%1 out of %2 Messages").arg(Grouped(rows, locale), Grouped(records, locale));
}

QString SelectionCountText(int selected, const QLocale& locale) {
  return QStringLiteral("%1 Selected").arg(Grouped(selected, locale));
}

QString TimeDiffText(int32_t firstDate, int32_t firstTime, int32_t secondDate, int32_t secondTime) {
  // 64 bits: a day number difference of a few hundred years times 86,400,000 overflows 32 bits.
  const int64_t ms = (int64_t(secondDate) - firstDate) * 86400000 + (int64_t(secondTime) - firstTime);
  if (ms < 0) return QStringLiteral("xx:xx:xx.xxx");
  const int64_t hours = (ms / 3600000) % 24;
  return QStringLiteral("%1:%2:%3.%4")
      .arg(hours)
      .arg((ms / 60000) % 60, 2, 10, QLatin1Char('0'))
      .arg((ms / 1000) % 60, 2, 10, QLatin1Char('0'))
      .arg(ms % 1000, 3, 10, QLatin1Char('0'));
}

QString ProjectText(const QString& projectFile) {
  const QString name = projectFile.isEmpty() ? QString() : QFileInfo(projectFile).completeBaseName();
  return name.isEmpty() ? QStringLiteral("Project:") : QStringLiteral("Project: ") + name;
}

}  // namespace qbstatus
