#pragma once
// Runs a sequence of steps from a fresh window, checking the invariants after every step, and shrinks
// a failing sequence to the shortest one that still fails the same way.

#include "window/model/QBModelInvariants.h"
#include "window/model/QBModelSteps.h"

#include <QString>

namespace qbmodel {

struct TRunResult {
  int FailedStep = -1;  // -1: the sequence ran through
  TStepKind Kind = TStepKind::KeyUp;
  TFailure Failure;
  explicit operator bool() const { return FailedStep >= 0; }
  // The same failure: the same invariant broken at the same kind of step.
  bool SameAs(const TRunResult& other) const;
};

TRunResult RunSteps(uint32_t seed, const TSteps& steps);

// Drops steps while the sequence still fails as failure did; the steps after the failing one go
// first. Each try runs the sequence from a fresh window.
TSteps Shrink(uint32_t seed, TSteps steps, const TRunResult& failure);

// The failure as a test reports it: what broke, the seed, and the steps as a table to paste into a
// regression case.
QString FailureReport(uint32_t seed, const TSteps& steps, const TRunResult& result);

}  // namespace qbmodel
