#pragma once
// The places that follow the focused message of the current view besides the inspector pane: the
// message detail panel fills its fields, automatic navigation sets its kind. The inspector pane's host
// tells them after it has put MessageSet on the newly focused message, before the inspector reads it.

#include <quillbox/QuillboxMessageSet.h>

#include <algorithm>
#include <vector>

class IQBSelectionListener {
public:
  virtual ~IQBSelectionListener() = default;
  // MessageSet's current record is the newly focused message of the current view.
  virtual void MessageFocused() = 0;
  // The current view has no focused message any more.
  virtual void MessageCleared() = 0;
};

// Not owning; listeners hear in the order they were added. A listener may move MessageSet's cursor:
// it is put back before the next listener, and before the inspector reads the message.
class TQBSelectionListeners {
public:
  explicit TQBSelectionListeners(TQuillboxMessageSet& set) : FSet(set) {}

  void Add(IQBSelectionListener* listener) {
    if (std::find(FListeners.begin(), FListeners.end(), listener) == FListeners.end()) FListeners.push_back(listener);
  }
  void Remove(IQBSelectionListener* listener) { std::erase(FListeners, listener); }

  void MessageFocused() {
    const int recNo = FSet.RecNo();
    for (std::size_t i = 0; i < FListeners.size(); ++i) {
      FListeners[i]->MessageFocused();
      if (FSet.RecNo() != recNo) FSet.GotoRec(recNo);
    }
  }
  void MessageCleared() {
    for (std::size_t i = 0; i < FListeners.size(); ++i) FListeners[i]->MessageCleared();
  }

private:
  TQuillboxMessageSet& FSet;
  std::vector<IQBSelectionListener*> FListeners;
};
