#include "shell/QBMessageCommands.h"

void TQBMessageCommands::InspectWhenUnfocused() {
  if (View().FocusedRow() == -1 && FInspect) FInspect();
}

void TQBMessageCommands::Delete() {
  if (!View().View) return;
  View().View->DeleteSelected();
  FLog.Modified = true;
  InspectWhenUnfocused();
}

void TQBMessageCommands::CropToSelection() {
  if (!View().View) return;
  View().View->CropToSelection();
  InspectWhenUnfocused();
}

void TQBMessageCommands::SelectAll() {
  if (View().View) View().View->SelectAll();
}

void TQBMessageCommands::CopyMessageText() {
  if (View().View) View().View->CopyToClipboard();
}

void TQBMessageCommands::MethodMatch(bool shiftHeld) {
  const TQBViewBinding& v = View();
  if (!v.Methods) return;
  const int before = v.List ? v.List->GetItemIndex() : -1;
  v.Methods->GoToMatchingMethod();
  if (shiftHeld && before != -1 && v.View) v.View->SetRowSelected(before, true);
}

void TQBMessageCommands::CurrentMethod() {
  if (View().Methods) View().Methods->GoToCurrentMethod();
}

void TQBMessageCommands::ToggleMethod() {
  if (View().Methods) View().Methods->ToggleCurrentMethod();
}

void TQBMessageCommands::ExpandAll() {
  if (View().Methods) View().Methods->ExpandAll(true);
}

void TQBMessageCommands::ExpandToEnd() {
  if (View().Methods) View().Methods->ExpandAll(false);
}

void TQBMessageCommands::CollapseAll() {
  if (View().Methods) View().Methods->CollapseAll();
}
