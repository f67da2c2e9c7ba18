#pragma once
// Optional interfaces of a plug-in inspector control. The viewer asks the control (the QWidget that
// TQuillboxCustomInspector::GetInspectorControl returns) for them with qobject_cast; a control offers
// them by deriving from them and listing them in Q_INTERFACES.

#include <quillbox/QuillboxHostExport.h>

#include <QObject>
#include <QString>

#include <cstdint>

// One message is selected: MessageSet's current record is that message.
class QUILLBOX_HOST_EXPORT IQBInspectMessage {
public:
  virtual ~IQBInspectMessage();
  virtual void Inspect() = 0;
};

// Two messages of the same type are selected; the arguments are their record numbers.
class QUILLBOX_HOST_EXPORT IQBInspectMessagePair {
public:
  virtual ~IQBInspectMessagePair();
  virtual void InspectPair(int32_t firstRecNo, int32_t secondRecNo) = 0;
};

class QUILLBOX_HOST_EXPORT IQBInspectorCopy {
public:
  virtual ~IQBInspectorCopy();
  virtual void CopyContents() = 0;
};

// The viewer asks for the title first, lets the user edit it in its print dialog, then prints.
class QUILLBOX_HOST_EXPORT IQBInspectorPrint {
public:
  virtual ~IQBInspectorPrint();
  virtual void PrintContents(const QString& title) = 0;
  virtual QString GetPrintTitle() const = 0;
};

#define IQBInspectMessage_iid "{C4E5F8D9-1898-44C3-855C-F786C9853764}"
#define IQBInspectMessagePair_iid "{11534077-E29A-4FC4-B557-EA0605FABD5D}"
#define IQBInspectorCopy_iid "{34B5E0C0-0480-4168-A8B9-C1CE36A1BFE0}"
#define IQBInspectorPrint_iid "{C170B2AF-07A2-41C6-8B28-FE1FB36D1375}"

Q_DECLARE_INTERFACE(IQBInspectMessage, IQBInspectMessage_iid)
Q_DECLARE_INTERFACE(IQBInspectMessagePair, IQBInspectMessagePair_iid)
Q_DECLARE_INTERFACE(IQBInspectorCopy, IQBInspectorCopy_iid)
Q_DECLARE_INTERFACE(IQBInspectorPrint, IQBInspectorPrint_iid)
