#include "view/QBViewRegistry.h"

namespace {
IQBViewRegistry* Registry = nullptr;
uint64_t Reports = 0;
}

namespace qbviewregistry {

void Install(IQBViewRegistry* registry) { Registry = registry; }

IQBViewRegistry* Installed() { return Registry; }

uint64_t Generation() { return Reports; }

void Register(const IQBMessageViewList& view) {
  ++Reports;
  if (Registry) Registry->RegisterView(view);
}

void Unregister(const IQBMessageViewList& view) {
  ++Reports;
  if (Registry) Registry->UnregisterView(view);
}

}  // namespace qbviewregistry
