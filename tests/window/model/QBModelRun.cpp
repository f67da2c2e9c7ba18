#include "window/model/QBModelRun.h"

#include "window/model/QBModelDriver.h"

#include <cstdio>

namespace qbmodel {

bool TRunResult::SameAs(const TRunResult& other) const {
  return bool(*this) && bool(other) && Kind == other.Kind && Failure.Invariant == other.Failure.Invariant;
}

TRunResult RunSteps(uint32_t seed, const TSteps& steps) {
  TModelDriver driver(seed);
  TRunResult result;
  // QB_MODEL_TRACE=1 prints each step with the current view as the window and the model see it.
  static const bool trace = qEnvironmentVariableIsSet("QB_MODEL_TRACE");
  const auto failed = [&](int index, TFailure failure) {
    result.FailedStep = index;
    result.Kind = index < int(steps.size()) ? steps[size_t(index)].Kind : TStepKind::KeyUp;
    result.Failure = std::move(failure);
  };
  // The start: the log loaded, nothing done yet.
  if (TFailure f = CheckInvariants(driver)) {
    failed(int(steps.size()), f);
    return result;
  }
  for (int i = 0; i < int(steps.size()); ++i) {
    const QString stepFailure = driver.Apply(steps[size_t(i)]);
    if (trace) std::printf("%d %s %d: %s\n", i + 1, StepName(steps[size_t(i)].Kind), steps[size_t(i)].Arg, qPrintable(driver.Describe()));
    TFailure f = stepFailure.isEmpty() ? CheckInvariants(driver) : TFailure{stepFailure.section(u':', 0, 0), stepFailure};
    if (f) {
      failed(i, f);
      break;
    }
  }
  return result;
}

TSteps Shrink(uint32_t seed, TSteps steps, const TRunResult& failure) {
  steps.resize(size_t(failure.FailedStep) + 1);
  // Chunks of halving size, each dropped where the sequence still fails the same way.
  for (size_t chunk = steps.size() / 2; chunk >= 1; chunk /= 2) {
    for (size_t start = 0; start + 1 < steps.size();) {
      TSteps shorter = steps;
      const size_t end = std::min(start + chunk, steps.size() - 1);
      shorter.erase(shorter.begin() + std::ptrdiff_t(start), shorter.begin() + std::ptrdiff_t(end));
      const TRunResult result = RunSteps(seed, shorter);
      if (result.SameAs(failure)) {
        shorter.resize(size_t(result.FailedStep) + 1);
        steps = shorter;
      } else {
        start += chunk;
      }
    }
    if (chunk == 1) break;
  }
  return steps;
}

QString FailureReport(uint32_t seed, const TSteps& steps, const TRunResult& result) {
  return QStringLiteral("%1 after step %2 (%3) of seed %4: %5\nShortest failing sequence (%6 steps), seed %4:\n{%4, {%7}},")
      .arg(result.Failure.Invariant)
      .arg(result.FailedStep + 1)
      .arg(QLatin1String(StepName(result.Kind)))
      .arg(seed)
      .arg(result.Failure.Text)
      .arg(steps.size())
      .arg(StepTable(steps));
}

}  // namespace qbmodel
