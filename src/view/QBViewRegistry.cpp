#include "view/QBViewRegistry.h"

namespace {
IQBViewRegistry* Registry = nullptr;
}

namespace qbviewregistry {

void Install(IQBViewRegistry* registry) { Registry = registry; }

IQBViewRegistry* Installed() { return Registry; }

void Register(const IQBMessageViewList& view) {
  if (Registry) Registry->RegisterView(view);
}

void Unregister(const IQBMessageViewList& view) {
  if (Registry) Registry->UnregisterView(view);
}

}  // namespace qbviewregistry
