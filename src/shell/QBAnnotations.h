#pragma once
// The messages a user adds: notes, check points, separators and reset-indent separators. They say they
// come from this program on this machine, except where the current view filters on an origin field:
// there they take the view's value, so a note added in a filtered view is one that view shows. Every
// one enters through the adding path, so it reaches every view whose filter admits it and marks the
// log modified.

#include "shell/QBMessageOrigin.h"
#include "view/QBFilterCriteria.h"

#include "model/QBMessageAdder.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <functional>

enum class TQBAnnotationKind { Note, CheckPoint, Separator, ResetSeparator };

// The field values of one added message, owning its texts.
struct TQBAnnotation {
  int32_t MsgType = 0;
  QString MsgText;
  int32_t Date = 0;
  int32_t Time = 0;
  int32_t TimeBias = 0;
  QString AppName, ComputerName, ThreadName, Category;
  uint32_t ProcessID = 0;
  int32_t CategoryColor = 0;
  int32_t CategoryFontColor = 0;
};

class TQBAnnotations {
public:
  // origin: where this program's messages come from; its AppName is also the program name of check
  // points. clock: the local date and time (tests fix it).
  TQBAnnotations(TQBMessageAdder& adder, const TQBMessageOrigin& origin,
                 std::function<QDateTime()> clock = &QDateTime::currentDateTime)
      : FAdder(adder), FOrigin(origin), FClock(std::move(clock)) {}

  // Builds and adds one annotation; criteria are the current view's filter (null when the view has no
  // list operations). A check point raises the counter first. Returns the new record number.
  int Add(TQBAnnotationKind kind, const TQBFilterCriteria* criteria);

  // The field values of an annotation, without adding it; checkPoint is its number.
  TQBAnnotation Build(TQBAnnotationKind kind, const TQBFilterCriteria* criteria, int checkPoint) const;

  // Check points added since start-up; nothing resets it, not even clearing every message.
  int CheckPoints() const { return FCheckPoints; }

private:
  TQBMessageAdder& FAdder;
  TQBMessageOrigin FOrigin;
  std::function<QDateTime()> FClock;
  int FCheckPoints = 0;
};

// The system window colour, which annotations carry as their category colour.
inline constexpr int32_t clWindow = static_cast<int32_t>(0xFF000005u);
