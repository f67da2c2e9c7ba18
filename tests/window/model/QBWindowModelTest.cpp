// The model-based test of the main window: random sequences of user commands run on the real window
// and on a plain reference model, the invariants checked after every step (QBModelInvariants.cpp).
// A failure is shrunk to its shortest sequence and printed as a table with its seed, ready to be
// kept below as a regression case. docs/testing.md says how to add a command or an invariant.

#include "window/model/QBModelRun.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <algorithm>

namespace {

using namespace qbmodel;
using S = TStepKind;

constexpr int kStepsPerSeed = 200;
// The seeds of the normal run: they fit its time budget, under the sanitizers too.
constexpr uint32_t kFixedSeeds[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};

// More seeds for a longer run: QB_MODEL_SEEDS=N runs N seeds after the fixed ones.
std::vector<uint32_t> Seeds() {
  std::vector<uint32_t> seeds(std::begin(kFixedSeeds), std::end(kFixedSeeds));
  const int more = qEnvironmentVariableIntValue("QB_MODEL_SEEDS");
  for (int i = 0; i < more; ++i) seeds.push_back(1000 + uint32_t(i));
  return seeds;
}

// Runs one seed's sequence; a failure is shrunk and fails the test with the shortest sequence.
void RunSeed(uint32_t seed) {
  const TSteps steps = GenerateSteps(seed, kStepsPerSeed);
  const TRunResult result = RunSteps(seed, steps);
  if (!result) return;
  const TSteps shortest = Shrink(seed, steps, result);
  ADD_FAILURE() << qPrintable(FailureReport(seed, shortest, RunSteps(seed, shortest)));
}

TEST(WindowModel, RandomCommandSequencesKeepTheWindowAndTheModelAlike) {
  for (uint32_t seed : Seeds()) RunSeed(seed);
}

// For looking into a failure: QB_MODEL_REPLAY="seed step" runs the seed's sequence from that step
// (1 = the first) on a fresh window; QB_MODEL_TRACE=1 prints
// every step with the focus, anchor and selection of both sides. Run it with
// --gtest_also_run_disabled_tests --gtest_filter=WindowModel.DISABLED_Replay.
TEST(WindowModel, DISABLED_Replay) {
  const QStringList args = qEnvironmentVariable("QB_MODEL_REPLAY").split(u' ', Qt::SkipEmptyParts);
  ASSERT_EQ(args.size(), 2) << "QB_MODEL_REPLAY=\"seed step\"";
  const uint32_t seed = args[0].toUInt();
  const TSteps all = GenerateSteps(seed, kStepsPerSeed);
  const TSteps steps(all.begin() + std::clamp(args[1].toInt() - 1, 0, kStepsPerSeed), all.end());
  const TRunResult result = RunSteps(seed, steps);
  EXPECT_FALSE(result) << qPrintable(FailureReport(seed, steps, result));
}

// Every fault the test found, as its shortest sequence: the fault it showed, the seed, the steps.
struct TRegression {
  const char* Fault;
  uint32_t Seed;
  TSteps Steps;
};

const TRegression kRegressions[] = {
    // Find of a missing text right after loading: methods open, a row becomes selected.
    {"find-not-found", 1, {{S::FindMissing, 73}}},
    // The focused last row is lost when the followed file is cut and loaded again.
    {"follow-reload", 6, {{S::KeyDown, 197}, {S::Crop, 322}, {S::FollowRotate, 879}}},
    // An empty method shows as two rows in a new view.
    {"new-view-auto-collapse", 4, {{S::NewView, 6}}},
    // Shift+Down after Find extends from row 0.
    {"anchor", 1, {{S::Find, 707}, {S::ShiftDown, 342}}},
    // Collapse All selects the focused method's entry without its body.
    {"hidden-selection", 3, {{S::Click, 550}, {S::CollapseAll, 201}}},
    // Modify View loses the focused row.
    {"filter-change", 1, {{S::Organize, 996}, {S::Find, 273}, {S::ModifyView, 166}}},
    // Found once those were mended:
    // A search opens the collapsed method the user chose: its entry row stays the one selected.
    {"search-opens-a-chosen-method", 5, {{S::NewView, 699}, {S::KeyCtrlHome, 951}, {S::FindMissing, 650}}},
    {"search-opens-a-chosen-method", 7,
     {{S::Clear, 755}, {S::Append, 977}, {S::NewView, 799}, {S::Click, 675}, {S::Find, 186}}},
    // Collapse All after a deleted entry collapses every method that has a matching exit.
    {"collapse-all-after-delete", 4,
     {{S::Append, 773}, {S::AddNote, 361}, {S::Click, 641}, {S::Delete, 249}, {S::CollapseAll, 885}}},
    // Crop keeps the chosen collapsed methods whole and leaves nothing hidden selected.
    {"crop-hidden-selection", 1025, {{S::ShiftPageDown, 793}, {S::Crop, 91}}},
};

// The sequences of the faults found must run through once their fixes are in.
TEST(WindowModel, TheSequencesOfTheFaultsFoundRunThrough) {
  for (const TRegression& r : kRegressions) {
    SCOPED_TRACE(r.Fault);
    const TRunResult result = RunSteps(r.Seed, r.Steps);
    EXPECT_FALSE(result) << qPrintable(FailureReport(r.Seed, r.Steps, result));
  }
}

}  // namespace
