#pragma once
// Which inspector shows a message, and the texts the inspector pane derives from the focused message:
// the type glyph's hint and the title proposed for printing. Free of widgets, so the choice is tested
// as a table.

#include <quillbox/QuillboxMessageSet.h>

#include <QString>

#include <cstdint>
#include <functional>

enum class TQBInspectorKind {
  None,  // separators: the pane is emptied
  String,
  Text,
  MonospaceText,
  StringList,
  Table,
  Properties,
  Object,
  Collection,
  MemoryStatus,
  Bitmap,
  Color,
  Hierarchy,
  PlugIn,
};

// The built-in inspector of a type code; PlugIn for every code from 100 up.
TQBInspectorKind InspectorKindForType(int32_t msgType);

// Whether a plug-in inspector can take selectedCount messages of the type (the plug-in manager's
// InspectorSupports).
using TQBPlugInSupports = std::function<bool(int selectedCount, int32_t msgType)>;

// The inspector for the focused message. With the pane hidden the string inspector takes every
// message; otherwise the type's kind, unless a plug-in supports the selection.
TQBInspectorKind ChooseInspectorKind(int32_t msgType, bool paneShown, int selectedCount,
                                     const TQBPlugInSupports& plugInSupports);

// The multi-line hint of the type glyph ("\r" breaks the lines): type name, a rule and the message's
// origin fields. It reads those fields of the stored record only: the text and details, megabytes for
// a picture, are never decoded for it.
QString MsgTypeHint(const TQBMessageRef& msg);

// What Print Inspector Contents proposes as the title: the focused message's text (its first 40
// characters and "..." when longer) and " (Details)"; without a focused message "Inspector Pane Details".
QString ProposedPrintTitle(bool hasFocusedMessage, const QString& msgText);
