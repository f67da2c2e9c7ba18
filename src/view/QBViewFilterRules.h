#pragma once
// The rules of the view filter dialog apart from its widgets: the message type buttons, the auto
// name, the check that runs when OK is pressed, the reading and loading of a criteria record, and the
// value lists offered in the drop-down fields. The dialog holds its state in its controls and hands
// it here as a TQBFilterForm, so every rule is tested as a table without a window.

#include "view/QBFilterCriteria.h"

#include <quillbox/QuillboxMessageSet.h>

#include <QString>
#include <QStringList>

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>

namespace qbviewfilter {

// One toggle button of the message type grid.
struct TTypeButton {
  const char* ObjectName;
  const char* Hint;
  int32_t Code;
  const char* AutoNameWord;
  int Row;     // 0..4
  int Column;  // 0..7; the eighth column stands apart
};

inline constexpr int TypeButtonCount = 36;
// The buttons in the fixed order in which the dialog reads them and the auto name lists them.
const std::array<TTypeButton, TypeButtonCount>& TypeButtons();

// The criteria with a value field (the time range's is the pair of its ends).
enum class TCriterion { AppName, Category, ComputerName, ProcessID, ThreadName, MessageText, TimeRange };

// The dialog's contents: the ticks, the texts of the value fields as typed, and the type buttons
// that are down (by their place in TypeButtons()).
struct TQBFilterForm {
  bool CheckAppName = false;
  QString AppName;
  bool CheckCategory = false;
  QString Category;
  bool CheckComputerName = false;
  QString ComputerName;
  bool CheckProcessID = false;
  QString ProcessID;
  bool CheckThreadName = false;
  QString ThreadName;
  bool CheckMessageText = false;
  QString MessageText;
  bool CheckMsgType = false;
  std::bitset<TypeButtonCount> Down;
  bool CheckTimeRange = false;
  QString TimeFrom;  // "yyyy-MM-dd hh:mm:ss.zzz", as typed
  QString TimeTo;
};

// Stored lengths of the texts.
inline constexpr int AppNameLength = 40;
inline constexpr int CategoryLength = 40;
inline constexpr int ComputerNameLength = 15;
inline constexpr int ThreadNameLength = 25;
inline constexpr int MessageTextLength = 40;

// The name proposed for the ticked criteria, e.g. "Net | PID=1234 | MsgTypes=Info,Errors | Time=09:15:00-09:20:00".
QString AutoName(const TQBFilterForm& form);
// SyncAutoNameCheck: whether the name is exactly (case counts) the auto name of the form.
bool IsAutoName(const QString& name, const TQBFilterForm& form);

// What OK reports when ticked criteria lack a value (or the process id is no decimal integer): the
// text for the message dialog and the criterion whose field takes the focus.
struct TQBFilterReport {
  QString Text;
  TCriterion Focus;
};
std::optional<TQBFilterReport> CheckForm(const TQBFilterForm& form);

// A process id typed as a 64-bit decimal integer (blanks around it allowed), kept as its low 32 bits.
bool ParseProcessID(const QString& text, int32_t& pid);
// The decimal text of a process id, unsigned, as the store and the lists show it; empty for 0.
QString ProcessIDText(int32_t pid);

// LoadCriteria: ticks and texts from the record, and the buttons of its types pressed down (the
// others stay as they were).
void LoadCriteria(const TQBFilterCriteria& criteria, TQBFilterForm& form);
// ReadCriteria: the record the form describes, texts cut to their stored lengths. A process id text
// that is no decimal integer reads as 0; CheckForm reports it when its criterion is ticked.
TQBFilterCriteria ReadCriteria(const TQBFilterForm& form);

// The drop-down lists: each store value once (values equal but for the case of ASCII letters once,
// in the form met first), sorted without regard to case, an empty value as one empty entry on top;
// process ids as unsigned decimal texts sorted as text.
struct TQBValueLists {
  QStringList Categories;
  QStringList ComputerNames;
  QStringList AppNames;
  QStringList ProcessIDs;
  QStringList ThreadNames;
};
TQBValueLists CollectValueLists(const TQuillboxMessageSet& set);

}  // namespace qbviewfilter
