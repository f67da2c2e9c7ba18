#include "shell/QBMessageCommands.h"

void TQBMessageCommands::Delete() {
  if (!View().View) return;
  View().View->DeleteSelected();
  FLog.Modified = true;
}

void TQBMessageCommands::CropToSelection() {
  if (View().View) View().View->CropToSelection();
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
