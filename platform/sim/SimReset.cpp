// Puts the whole simulated platform back to its starting state.
#include "platform/sim/SimReset.h"

#include "platform/sim/SimClock.h"
#include "platform/sim/SimFiles.h"
#include "platform/sim/SimMessageBoxes.h"
#include "platform/sim/SimNetwork.h"
#include "platform/sim/SimRegistry.h"

namespace sim {

void ResetAll() {
  ResetNetwork();
  ResetMessageBoxes();
  ResetFiles();
  ResetRegistry();
  ResetClock();
}

}  // namespace sim
