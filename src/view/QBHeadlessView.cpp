#include "view/QBHeadlessView.h"

#include "view/QBViewRegistry.h"

TQBHeadlessView::TQBHeadlessView(TQuillboxMessageSet& set, bool autoCollapse)
    : FHost(autoCollapse), FModel(std::make_unique<TQBViewModel>(set, FList, FHost)), FNavigator(*FModel) {
  FList.SetTarget(&FModel->Rows());
}

TQBHeadlessView::~TQBHeadlessView() { qbviewregistry::Unregister(*this); }

bool TQBHeadlessView::IsRowSelected(int row) const { return ValidRow(row) && FModel->Rows().IsRowSelected(row); }

void TQBHeadlessView::SetRowSelected(int row, bool value) {
  if (ValidRow(row)) FModel->Rows().SetRowSelected(row, value);
}

int TQBHeadlessView::GetRowRecNo(int row) const { return ValidRow(row) ? FModel->Rows().GetRowRecNo(row) : -1; }

int TQBHeadlessView::GetRowLevel(int row) const { return ValidRow(row) ? FModel->Rows().GetRowLevel(row) : 0; }

void TQBHeadlessView::GotoRowMessage(int row) {
  if (ValidRow(row)) FModel->Rows().GotoRowMessage(row);
}

void TQBHeadlessView::LoadFilter(const IQBSettingsReader& reader) {
  qbviewregistry::ReplaceCriteria(*this, [&] { FModel->LoadFilter(reader); });
}

void TQBHeadlessView::SetFilterCriteria(const TQBFilterCriteria& criteria) {
  qbviewregistry::ReplaceCriteria(*this, [&] { FModel->SetFilterCriteria(criteria); });
}

void TQBHeadlessView::GetSelectedRange(int& first, int& last) const {
  first = last = -1;
  FModel->Rows().GetSelectedRange(first, last);
}

void TQBHeadlessView::GetNavigationState(int32_t typeCode, bool& hasPrevious, bool& hasNext) const {
  FNavigator.GetNavigationState(typeCode, hasPrevious, hasNext);
}

void TQBHeadlessView::NavigateToType(int kind, int32_t typeCode) {
  FNavigator.NavigateToType(TQBNavigateKind(kind), typeCode);
}

void TQBHeadlessView::NavigateTimeDiff(int kind, int thresholdMs) {
  FNavigator.NavigateTimeDiff(TQBNavigateKind(kind), thresholdMs);
}

void TQBHeadlessView::GetCallStack(QStringList& list) const {
  std::vector<TQBCallStackEntry> entries;
  if (!FNavigator.GetCallStack(entries)) return;
  list.clear();
  for (const TQBCallStackEntry& e : entries) list.append(e.Text);
}
