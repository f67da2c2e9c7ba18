#pragma once
// The commands of the Search menu that act on the current view: Find, Find Next, Jump to Message and
// the bookmarks. The find text and options they search with are kept here (TQBSearchState); the
// options come from the settings at start-up and go back at exit.

#include "shell/QBSearchState.h"
#include "shell/QBViewBinding.h"

struct TQBSettings;

class TQBSearchCommands {
public:
  explicit TQBSearchCommands(const IQBCurrentView& views) : FViews(views) {}

  void ReadSettings(const TQBSettings& settings) { FState.Read(settings.Find); }
  void WriteSettings(TQBSettings& settings) const { FState.Write(settings.Find); }
  const TQBSearchState& State() const { return FState; }

  // The view's find dialog on the kept text and options, which it updates.
  void Find();
  // Searches on from the current row with the kept text and options.
  void FindNext();
  void JumpToMessage();
  void ToggleBookmark(int n);
  void JumpToBookmark(int n);

private:
  const TQBViewBinding& View() const { return FViews.Current(); }

  const IQBCurrentView& FViews;
  TQBSearchState FState;
};
