#pragma once
// Which views a new message must be offered to. Every view tests every message against its filter,
// but a view whose criteria name one application, category, process, thread or computer can only
// accept messages with that value: offering each message to every view costs as many calls as there
// are views (after "Organize Messages" by thread, a thousand per message while a log loads). The
// router indexes such views by one of those values and hands a message only to the views of its own
// values and to the views it cannot index (no such criterion, or no list operations to ask). The view
// still decides with its own filter; the router only leaves out views that would surely refuse.
//
// The index is rebuilt when the views change (SetViews, Invalidate) and whenever some view reported
// new criteria to the view registry. A view added at the end is indexed alone (Append), so making
// thousands of views one after another (the organizer, a project) is not views times views. Answers
// per interned name are cached and checked against the name's text, since name ids are handed out
// again once the store is emptied.

#include "view/QBFilterCriteria.h"

#include <quillbox/QBCustomViewIntf.h>
#include <quillbox/QuillboxMessageSet.h>

#include <QHash>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

class TQBViewRouter {
public:
  struct TTarget {
    IQBMessageView* View = nullptr;
    const IQBMessageViewList* List = nullptr;  // null: the view is offered every message
  };

  // The views; a view is a candidate for a message at most once.
  void SetViews(std::vector<TTarget> views);
  // One view more, after the others. generationBefore: the registry's generation before the view got
  // its criteria; when nothing else changed since the index was built, only this view is indexed.
  void Append(TTarget view, uint64_t generationBefore);
  // Some view's criteria changed in a way the registry did not hear of.
  void Invalidate() { FBuilt = false; }

  // The views that may accept message: those offered every message in the order given, then the
  // indexed ones of the message's values.
  const std::vector<IQBMessageView*>& Candidates(const TQuillboxMessageSet& set, const TQBMessageRef& message);

private:
  // The indexed fields: application, category, thread, computer by name; the process id by number.
  static constexpr int NameFields = 4;
  struct TNameIndex {
    QHash<QString, int> Buckets;   // folded value -> bucket
    std::vector<int> ById;         // interned id -> bucket, -1 none, -2 not looked up
    std::vector<QString> Checked;  // the name each id was looked up for
    // The number of buckets when each id was looked up: a "none" is out of date once a value has
    // been added since.
    std::vector<int> Seen;
  };

  void Build();
  // Puts the view at position i into its bucket, or among the views offered every message.
  void Index(int i);
  int NameBucket(int field, const TQuillboxMessageSet& set, uint32_t id);

  std::vector<TTarget> FViews;
  bool FBuilt = false;
  uint64_t FGeneration = 0;
  std::vector<int> FAlways;                       // views offered every message
  std::vector<std::vector<int>> FBuckets;         // views per indexed value
  std::array<TNameIndex, NameFields> FNames;
  QHash<uint32_t, int> FPids;                     // process id -> bucket
  std::vector<IQBMessageView*> FCandidates;
  QString FFolded;  // the buffer names are folded into to be looked up
};
