#include "inspectors/parsers/QBInspectorChoice.h"

#include "model/QBMessageTypes.h"
#include "view/QBTimeText.h"

#include <quillbox/MessageNames.h>

TQBInspectorKind InspectorKindForType(int32_t msgType) {
  using K = TQBInspectorKind;
  switch (msgType) {
    case qbmObject: return K::Object;
    case qbmComponentAsText:
    case qbmMemory:
    case qbmRegistry: return K::MonospaceText;
    case qbmStringList: return K::StringList;
    case qbmSeparator:
    case qbmInactiveSeparator:
    case qbmAppStartSeparator: return K::None;
    case qbmBitmap: return K::Bitmap;
    case qbmTextFile:
    case qbmWindow:
    case qbmCustomText:
    case qbmXmlData:
    case qbmStackTrace:
    case qbmException: return K::Text;
    case qbmMemoryStatus: return K::MemoryStatus;
    case qbmCustomProperties:
    case qbmSystemInfo:
    case qbmVersionInfo: return K::Properties;
    case qbmColor: return K::Color;
    case qbmCustomTable: return K::Table;
    case qbmCollection: return K::Collection;
    case qbmCustomHierarchy: return K::Hierarchy;
    default: return msgType >= qbmFirstCustom ? K::PlugIn : K::String;
  }
}

TQBInspectorKind ChooseInspectorKind(int32_t msgType, bool paneShown, int selectedCount,
                                     const TQBPlugInSupports& plugInSupports) {
  if (!paneShown) return TQBInspectorKind::String;
  const TQBInspectorKind kind = InspectorKindForType(msgType);
  if (kind != TQBInspectorKind::PlugIn && plugInSupports && plugInSupports(selectedCount, msgType))
    return TQBInspectorKind::PlugIn;
  return kind;
}

QString MsgTypeHint(const TQBMessageRef& msg) {
  const int32_t type = msg.MsgType();
  const QString name = type >= 0 && type < MessageNamesCount ? MessageNames[size_t(type)] : QStringLiteral("Custom");
  const QChar cr('\r');
  return name + QStringLiteral(" Message") + cr + QString(40, QChar('-')) + cr + QStringLiteral("Category:\t") +
         msg.Category() + cr + QStringLiteral("TypeName:\t") + msg.TypeName() + cr + QStringLiteral("AppName:\t") +
         msg.AppName() + cr + QStringLiteral("Computer:\t") + msg.ComputerName() + cr + QStringLiteral("PID:\t\t") +
         QString::number(msg.ProcessID()) + cr + QStringLiteral("Thread:\t\t") + msg.ThreadName() + cr +
         QStringLiteral("Date:\t\t") + qbtimetext::ShortDate(msg.TimeStamp().Date) + cr +
         QStringLiteral("TimeStamp:\t") + qbtimetext::TimeOfDay(msg.TimeStamp().Time);
}

QString ProposedPrintTitle(bool hasFocusedMessage, const QString& msgText) {
  if (!hasFocusedMessage) return QStringLiteral("Inspector Pane Details");
  constexpr qsizetype MaxTitle = 40;
  const QString shown = msgText.size() > MaxTitle ? msgText.left(MaxTitle) + QStringLiteral("...") : msgText;
  return shown + QStringLiteral(" (Details)");
}
