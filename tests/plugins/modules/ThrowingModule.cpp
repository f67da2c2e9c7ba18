// A plug-in whose registration fails after it registered one inspector.

#include <quillbox/QBPlugInModule.h>
#include <quillbox/QuillboxPlugIns.h>

#include <stdexcept>

namespace {
class TFailingInspector : public TQuillboxCustomInspector {
public:
  int32_t MessageType() const override { return 160; }
  QString InspectorName() const override { return QStringLiteral("Registered Before Failing"); }
  QString Version() const override { return {}; }
  QString Description() const override { return {}; }
  QString SupportEmail() const override { return {}; }
  QString SupportWebSite() const override { return {}; }
};
}  // namespace

QB_PLUGIN_UNITS("Failing")

QB_PLUGIN_REGISTER_UNIT(Failing) {
  PlugInManager->RegisterInspector(new TFailingInspector);
  throw std::runtime_error("The failing sample cannot register its view.");
}
