#include "window/model/QBModelSteps.h"

#include <QStringList>

#include <random>

namespace qbmodel {

namespace {

struct TKindInfo {
  const char* Name;
  int Weight;
};

constexpr TKindInfo kKinds[] = {
#define QB_MODEL_STEP_INFO(name, weight) {#name, weight},
    QB_MODEL_STEPS(QB_MODEL_STEP_INFO)
#undef QB_MODEL_STEP_INFO
};

int TotalWeight() {
  int total = 0;
  for (const TKindInfo& k : kKinds) total += k.Weight;
  return total;
}

}  // namespace

const char* StepName(TStepKind kind) { return kKinds[int(kind)].Name; }

TSteps GenerateSteps(uint32_t seed, int count) {
  // Plain modulo on the engine's output: the standard distributions may differ between libraries,
  // and a seed must give the same sequence everywhere.
  std::mt19937 random(seed);
  const int total = TotalWeight();
  TSteps steps;
  for (int i = 0; i < count; ++i) {
    int roll = int(random() % uint32_t(total));
    int kind = 0;
    while (roll >= kKinds[kind].Weight) roll -= kKinds[kind++].Weight;
    steps.push_back({TStepKind(kind), int(random() % 1000)});
  }
  return steps;
}

QString StepTable(const TSteps& steps) {
  QStringList rows;
  for (const TStep& s : steps) rows << QStringLiteral("{S::%1, %2},").arg(QLatin1String(StepName(s.Kind))).arg(s.Arg);
  return rows.join(u' ');
}

}  // namespace qbmodel
