#include "shell/QBLoadGate.h"

TQBLoadGate::THold::THold(TQBLoadGate& gate) : FGate(gate) { FGate.FBusy = true; }

TQBLoadGate::THold::~THold() { FGate.Release(); }

void TQBLoadGate::Release() {
  FBusy = false;
  // Posted, not run: the load that ends is still on the stack. The close goes first, so a terminate
  // request is not held up by files that were dropped meanwhile.
  if (FClose) FPost(std::exchange(FClose, {}));
  std::vector<TWork> waiting = std::exchange(FWaiting, {});
  for (TWork& work : waiting) FPost(std::move(work));
}
