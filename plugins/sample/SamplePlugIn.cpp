// The sample plug-in's module entry points: its units and their registration functions.

#include "SampleInspectors.h"
#include "SampleView.h"

#include <quillbox/QBCustomViewClass.h>
#include <quillbox/QBPlugInModule.h>

namespace {
const TQBViewClassOf<TSampleView> SampleViewClass;
const TQBViewClassOf<TSampleNotAView> NotAViewClass;
}  // namespace

// "SampleHelpers" has no registration function; the viewer skips it.
QB_PLUGIN_UNITS("SampleInspectors", "SampleHelpers", "SampleViews")

QB_PLUGIN_REGISTER_UNIT(Sampleinspectors) {
  PlugInManager->RegisterInspector(new TSampleInspector);
  PlugInManager->RegisterInspector(new TSampleNoControlInspector);
}

QB_PLUGIN_REGISTER_UNIT(Sampleviews) {
  PlugInManager->RegisterCustomView(QStringLiteral("Sample List"), &SampleViewClass);
  PlugInManager->RegisterCustomView(QStringLiteral("Not A View"), &NotAViewClass);
}
