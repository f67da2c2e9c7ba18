// Out-of-line destructors of the interfaces shared with plug-ins, so their vtables and type information
// live once, in this library, and qobject_cast and dynamic_cast agree across modules.

#include <quillbox/QBCustomViewClass.h>
#include <quillbox/QBCustomViewIntf.h>
#include <quillbox/QBInspectorIntf.h>
#include <quillbox/QBSettingsIntf.h>

IQBViewerHost* ViewerHost = nullptr;

IQBMessageView::~IQBMessageView() = default;
IQBMessageViewList::~IQBMessageViewList() = default;
IQBMessageViewMethods::~IQBMessageViewMethods() = default;
IQBMessageViewSearch::~IQBMessageViewSearch() = default;
IQBMessageViewPrint::~IQBMessageViewPrint() = default;
IQBMessageViewSave::~IQBMessageViewSave() = default;
IQBMessageViewExport::~IQBMessageViewExport() = default;
IQBViewActivation::~IQBViewActivation() = default;
IQBMessageViewTime::~IQBMessageViewTime() = default;
IQBMessageViewFindOptions::~IQBMessageViewFindOptions() = default;
IQBViewerHost::~IQBViewerHost() = default;

IQBSettingsWriter::~IQBSettingsWriter() = default;
IQBSettingsReader::~IQBSettingsReader() = default;

IQBInspectMessage::~IQBInspectMessage() = default;
IQBInspectMessagePair::~IQBInspectMessagePair() = default;
IQBInspectorCopy::~IQBInspectorCopy() = default;
IQBInspectorPrint::~IQBInspectorPrint() = default;

TQBCustomViewClass::TQBCustomViewClass() = default;
TQBCustomViewClass::~TQBCustomViewClass() = default;
