// Puts the whole simulated platform back to its starting state; tests call it in SetUp.
#pragma once

namespace sim {

// Clock (time 0, no sleeps), files and program path, message boxes, network.
void ResetAll();

}  // namespace sim
