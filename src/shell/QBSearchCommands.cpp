#include "shell/QBSearchCommands.h"

void TQBSearchCommands::Find() {
  if (View().Search) View().Search->ShowFindDialog(FState.Text, FState.Forward, FState.InDetails, FState.FromCursor);
}

void TQBSearchCommands::FindNext() {
  if (View().Search) View().Search->FindText(false, FState.Text, FState.InDetails, FState.FromCursor, FState.Forward);
}

void TQBSearchCommands::JumpToMessage() {
  if (View().List) View().List->JumpToMessage();
}

void TQBSearchCommands::ToggleBookmark(int n) {
  if (View().List) View().List->ToggleBookmark(n);
}

void TQBSearchCommands::JumpToBookmark(int n) {
  if (View().List) View().List->GoToBookmark(n);
}
