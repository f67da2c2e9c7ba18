#include "shell/QBSearchCommands.h"

#include <utility>

void TQBSearchCommands::Find() {
  const TQBViewBinding& view = View();
  if (!view.Search) return;
  // The options belong to the window: the view searches with them and its dialog may change them.
  if (view.FindOptions) view.FindOptions->SetFindOptions(FState.MatchCase, FState.RegularExpression);
  Searching([&] {
    if (view.Search->ShowFindDialog(FState.Text, FState.Forward, FState.InDetails, FState.FromCursor) &&
        view.FindOptions)
      view.FindOptions->GetFindOptions(FState.MatchCase, FState.RegularExpression);
  });
}

void TQBSearchCommands::FindNext() {
  const TQBViewBinding& view = View();
  if (!view.Search) return;
  if (view.FindOptions) view.FindOptions->SetFindOptions(FState.MatchCase, FState.RegularExpression);
  Searching([&] { view.Search->FindText(false, FState.Text, FState.InDetails, FState.FromCursor, FState.Forward); });
}

void TQBSearchCommands::Searching(const std::function<void()>& search) {
  struct TEnd {
    TQBSearchCommands& Commands;
    ~TEnd() {
      Commands.FSearching = false;
      std::function<void()> close = std::exchange(Commands.FCloseAfter, {});
      if (!close) return;
      if (Commands.FPost) Commands.FPost(std::move(close));
      else close();
    }
  } end{*this};
  FSearching = true;
  search();
}

bool TQBSearchCommands::CanClose(std::function<void()> close) {
  if (!FSearching) return true;
  FCloseAfter = std::move(close);
  return false;
}

void TQBSearchCommands::JumpToMessage() {
  if (View().List) View().List->JumpToMessage();
}

void TQBSearchCommands::GoToTime() {
  const TQBViewBinding& view = View();
  if (!view.Time || !view.View || view.View->GetCount() == 0) return;
  int recNo = view.FocusedRecNo();
  if (recNo < 1) recNo = view.View->GetRowRecNo(0);
  TQBTimeStamp ts;
  if (recNo >= 1 && recNo <= FSet.GetRecordCount()) ts = FSet.At(recNo).TimeStamp();
  if (FTime.AskTime(ts)) view.Time->GoToTime(ts);
}

void TQBSearchCommands::ToggleBookmark(int n) {
  if (View().List) View().List->ToggleBookmark(n);
}

void TQBSearchCommands::JumpToBookmark(int n) {
  if (View().List) View().List->GoToBookmark(n);
}
