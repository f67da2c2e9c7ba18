#pragma once
// The commands of the Search menu that act on the current view: Find, Find Next, Jump to Message and
// the bookmarks. The find text and options they search with are kept here (TQBSearchState); the
// options come from the settings at start-up and go back at exit.

#include "shell/QBSearchState.h"
#include "shell/QBViewBinding.h"

#include <quillbox/QuillboxMessageSet.h>

#include <functional>

struct TQBSettings;

// Go to Time's question: the time to go to, starting at value; false when the user cancelled.
class IQBTimeQuestion {
public:
  virtual ~IQBTimeQuestion() = default;
  virtual bool AskTime(TQBTimeStamp& value) = 0;
};

class TQBSearchCommands {
public:
  // set: the store the views show, for the time stamp Go to Time starts at.
  TQBSearchCommands(const IQBCurrentView& views, const TQuillboxMessageSet& set, IQBTimeQuestion& time)
      : FViews(views), FSet(set), FTime(time) {}

  void ReadSettings(const TQBSettings& settings) { FState.Read(settings.Find); }
  void WriteSettings(TQBSettings& settings) const { FState.Write(settings.Find); }
  const TQBSearchState& State() const { return FState; }

  // The view's find dialog on the kept text and options, which it updates.
  void Find();
  // Searches on from the current row with the kept text and options.
  void FindNext();
  void JumpToMessage();
  // Asks for a time, starting at the focused message's time stamp (the first row's without a focused
  // row), and lets the view go to the first row at or after it.
  void GoToTime();
  void ToggleBookmark(int n);
  void JumpToBookmark(int n);

  // The search's part of a close request (a terminate signal while a long search runs; the search's
  // progress holds every other input): false while Find or Find Next runs, and close is handed to post
  // once it has ended, to run after the command.
  bool CanClose(std::function<void()> close);
  void SetPost(std::function<void(std::function<void()>)> post) { FPost = std::move(post); }

private:
  // Runs search with the running state held, then a close that waited for it.
  void Searching(const std::function<void()>& search);

  const TQBViewBinding& View() const { return FViews.Current(); }

  const IQBCurrentView& FViews;
  const TQuillboxMessageSet& FSet;
  IQBTimeQuestion& FTime;
  TQBSearchState FState;
  bool FSearching = false;
  std::function<void()> FCloseAfter;
  std::function<void(std::function<void()>)> FPost;
};
