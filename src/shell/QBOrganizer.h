#pragma once
// TQBOrganizer files messages into views of their own: one view per distinct value of a chosen field
// (application, category, process id, thread, computer), each filtering on that one field and value.
// It keeps, per field, the values that some view filters on alone (the views report their criteria
// through IQBViewRegistry), so a value gets its view once.
//
// Values compare with ASCII letters folded, exactly as the views' filters compare names: a value is
// organized exactly when an organizer view would accept it, so no message is left without its view.
//
// Cost. Deciding whether a message's value is organized must not cost a string lookup per message
// while a million-message log loads: the answer is cached per fold id of the store's name pool (names
// equal with ASCII letters folded share one; the cache starts over when the pool does) and per process
// id. Registering only adds values, so cached answers stay true; unregistering clears the caches. The
// automatic pass first compares a new message's name ids with those of the message before it: in a
// log, runs of messages share their names.
//
// Bound. Every view costs memory and every view is offered messages, so the organizer makes no view
// once MaxViews of them exist (the values it keeps, made by it or by hand): a log with a million
// thread names gets its first MaxViews threads' views, and the organizer counts the values it left
// out, each once, for the window to report.
//
// "Organize Messages" over the whole store does not create each view by refilling it from the store
// (1,000 values would mean 1,000 passes over the store): one pass finds the values and creates their
// views empty, a second pass hands each message only to the new views of its own values. The views,
// their order and their contents are those of organizing message by message.

#include "settings/QBSettings.h"
#include "view/QBFilterCriteria.h"
#include "view/QBViewRegistry.h"

#include <quillbox/QBCustomViewIntf.h>
#include <quillbox/QuillboxMessageSet.h>

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

// A view as the organizer fills it: the required interface and, when the view offers it, the list
// interface whose update bracket holds off repainting while the view is filled.
struct TQBOrganizedView {
  IQBMessageView* View = nullptr;
  IQBMessageViewList* List = nullptr;
  explicit operator bool() const { return View != nullptr; }
};

// What the organizer needs of the main window.
class IQBOrganizerViews {
public:
  virtual ~IQBOrganizerViews() = default;
  // Creates a view of the default class with the name and the criteria, after the other views, and
  // marks the project as modified. The view starts empty and stays in the background. Returns an empty
  // record when no view could be created; the window has told the user why.
  virtual TQBOrganizedView CreateOrganizedView(const QString& name, const TQBFilterCriteria& criteria) = 0;
  // Makes the view the current one.
  virtual void ShowOrganizedView(const TQBOrganizedView& view) = 0;
  // A pass over the whole store may create many views: the window holds off its own renewals until
  // the pass ends.
  virtual void BeginCreating() {}
  virtual void EndCreating() {}
};

class TQBOrganizer final : public IQBViewRegistry {
public:
  explicit TQBOrganizer(TQuillboxMessageSet& set = MessageSet);

  // The window, once it exists; null when it is gone (nothing is organized then).
  void SetViews(IQBOrganizerViews* views) { FViews = views; }

  // The most views the organizer keeps ([Organizer] MaxViews).
  int MaxViews() const { return FMaxViews; }
  void SetMaxViews(int maxViews) { FMaxViews = std::max(maxViews, 1); }
  // The values the automatic pass left without a view since the last call, each counted once.
  int TakeLeftOut() { return std::exchange(FLeftOut, 0); }
  // What to tell the user about leftOut values left without a view.
  QString LeftOutText(int leftOut) const;

  // The fields automatic organizing uses: TQBOrganizeField flags.
  uint8_t OrganizeBy() const { return FOrganizeBy; }
  void SetOrganizeBy(uint8_t fields) { FOrganizeBy = fields & AllFields; }
  // True while one newly added message is organized.
  bool AutomaticPass() const { return FAutomaticPass; }

  // IQBViewRegistry: a view whose criteria tick exactly one of the five fields owns that value.
  void RegisterView(const IQBMessageViewList& view) override;
  void UnregisterView(const IQBMessageViewList& view) override;

  // Creates the views for the values of the store's current message that have none, for each field
  // of fields in field order. During an automatic pass they start empty in the background; otherwise
  // they are filled from the whole store and the last one becomes current.
  void OrganizeMessage(uint8_t fields);
  // The automatic pass for the message just added (the store's current message) with OrganizeBy.
  void OrganizeNewMessage();
  // Organizes every message of the store in record order. The store's position is kept. Returns the
  // number of values left without a view because MaxViews views exist.
  int OrganizeAll(uint8_t fields);

  // The organized values of one field, in their sorted order, each in the first form registered.
  QStringList OrganizedValues(TQBOrganizeField field) const;

  static constexpr uint8_t AllFields = orgAppName | orgCategory | orgProcessID | orgThreadName | orgComputerName;

private:
  // Field order: application, category, process id, thread, computer.
  static constexpr int FieldCount = 5;
  struct TFieldRule;
  static const std::array<TFieldRule, FieldCount>& Rules();

  // What is known of a value: nothing yet, it has a view, or it was left out for want of room.
  enum TValueState : uint8_t { vsUnknown, vsOrganized, vsLeftOut };

  class TPass;
  friend class TPass;

  bool IsOrganized(int field, const TQBMessageRef& message);
  // IsOrganized, or else whether the value is left out because MaxViews views exist (counted once).
  TValueState Settle(int field, const TQBMessageRef& message);
  TValueState& CachedState(int field, const TQBMessageRef& message);
  bool Full() const;
  static uint32_t KeyOf(int field, const TQBMessageRef& message);
  bool RepeatsLastMessage(int recNo, const TQBMessageRef& message) const;
  bool HasValue(int field, const QString& value);
  TQBOrganizedView CreateView(int field, const TQBMessageRef& message);
  void ClearCaches();
  static int FieldOfCriteria(const TQBFilterCriteria& criteria);

  TQuillboxMessageSet& FSet;
  IQBOrganizerViews* FViews = nullptr;
  uint8_t FOrganizeBy = 0;
  bool FAutomaticPass = false;
  int FMaxViews = TQBOrganizerSettings::DefaultMaxViews;
  int FLeftOut = 0;
  // Per field: folded value -> the value as first registered. A QMap keeps them sorted.
  std::array<QMap<QString, QString>, FieldCount> FValues;
  // Per name field and fold id, and per process id, what is known of the value; the name states
  // belong to the pool of generation FCacheGeneration.
  std::array<std::vector<TValueState>, FieldCount> FNameStates;  // unused for the process id
  uint64_t FCacheGeneration = UINT64_MAX;
  QHash<uint32_t, TValueState> FPidStates;
  QString FFolded;  // the buffer values are folded into to be looked up
  // Raised whenever a value may have lost its view, or the store may have changed under the
  // automatic pass.
  uint64_t FVersion = 0;
  // The last message of the automatic pass whose values were all settled (organized or left out): its
  // number, the fields and version then, and its name ids (process id) per field.
  struct TLastMessage {
    int RecNo = -1;
    uint8_t Fields = 0;
    uint64_t Version = 0;
    std::array<uint32_t, FieldCount> Keys{};
  } FLast;
};
