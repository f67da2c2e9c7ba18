#pragma once
// The commands the model-based test gives the main window, as steps of a sequence. A step is a kind
// and a number; the number chooses among the command's variants (which row, which filter, which text)
// relative to whatever the window shows when the step runs, so any part of a sequence still runs,
// which lets a failing sequence shrink. The same seed gives the same sequence.
//
// To add a command: add a line to QB_MODEL_STEPS below (name and how often it is drawn), give the
// driver its way through the window (QBModelDriver.cpp) and the model its plain effect
// (QBWindowModel.cpp). docs/testing.md says more.

#include <QString>

#include <cstdint>
#include <vector>

// name, weight: how often the kind is drawn relative to the others.
#define QB_MODEL_STEPS(X) \
  X(KeyUp, 4)             \
  X(KeyDown, 6)           \
  X(KeyPageUp, 2)         \
  X(KeyPageDown, 3)       \
  X(KeyHome, 1)           \
  X(KeyEnd, 1)            \
  X(KeyCtrlHome, 2)       \
  X(KeyCtrlEnd, 2)        \
  X(ShiftUp, 2)           \
  X(ShiftDown, 3)         \
  X(ShiftPageDown, 1)     \
  X(ShiftHome, 1)         \
  X(ShiftCtrlEnd, 1)      \
  X(Click, 8)             \
  X(ShiftClick, 3)        \
  X(CtrlClick, 3)         \
  X(SelectAll, 1)         \
  X(Jump, 3)              \
  X(Find, 3)              \
  X(FindMissing, 2)       \
  X(FindPattern, 2)       \
  X(FindNext, 3)          \
  X(GoToTime, 2)          \
  X(NavKind, 2)           \
  X(NavFirst, 1)          \
  X(NavPrevious, 2)       \
  X(NavNext, 2)           \
  X(NavLast, 1)           \
  X(MethodMatch, 2)       \
  X(CurrentMethod, 1)     \
  X(ExpandAll, 2)         \
  X(ExpandToEnd, 1)       \
  X(CollapseAll, 2)       \
  X(ToggleMethod, 4)      \
  X(AutoCollapse, 1)      \
  X(ToggleBookmark, 2)    \
  X(JumpToBookmark, 2)    \
  X(NewView, 2)           \
  X(ModifyView, 1)        \
  X(SwitchTab, 3)         \
  X(RemoveView, 1)        \
  X(RemoveAllViews, 1)    \
  X(Organize, 1)          \
  X(AddNote, 1)           \
  X(AddCheckPoint, 1)     \
  X(AddSeparator, 1)      \
  X(EditMessage, 1)       \
  X(Delete, 2)            \
  X(Crop, 1)              \
  X(Clear, 1)             \
  X(Copy, 2)              \
  X(SaveProject, 1)       \
  X(CloseProject, 1)      \
  X(OpenProject, 1)       \
  X(Append, 1)            \
  X(FollowGrow, 2)        \
  X(FollowRotate, 1)      \
  X(SaveReload, 1)

namespace qbmodel {

enum class TStepKind : int {
#define QB_MODEL_STEP_ENUM(name, weight) name,
  QB_MODEL_STEPS(QB_MODEL_STEP_ENUM)
#undef QB_MODEL_STEP_ENUM
};

struct TStep {
  TStepKind Kind;
  int Arg;  // 0..999: the variant
};

using TSteps = std::vector<TStep>;

const char* StepName(TStepKind kind);

// count steps drawn by weight from the seed.
TSteps GenerateSteps(uint32_t seed, int count);

// The steps as C++ table rows to paste into a regression case: "{S::Click, 417}, {S::Delete, 3},".
QString StepTable(const TSteps& steps);

}  // namespace qbmodel
