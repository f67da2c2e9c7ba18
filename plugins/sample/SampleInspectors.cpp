#include "SampleInspectors.h"

#include <quillbox/QuillboxMessageSet.h>

TSampleInspectControl::TSampleInspectControl() { setObjectName(QStringLiteral("SampleInspectControl")); }

void TSampleInspectControl::Inspect() { setText(MessageSet.GetMsgText()); }

TSampleInspector::TSampleInspector() : FControl(new TSampleInspectControl) { SetInspectorControl(FControl); }

TSampleInspector::~TSampleInspector() { delete FControl.data(); }
