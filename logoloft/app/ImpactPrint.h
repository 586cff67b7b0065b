// "Print" for an impact model: prints the stored NV images 1 to 10 with ESC g n.
#pragma once

#include "link/PortSettings.h"
#include "link/PrinterLink.h"

namespace logoloft {

// Over TCP, a connection of its own (its failures are shown and end the print); otherwise the
// window's link, created and opened for the print and closed after it.
void PrintStoredImpactImages(const PortSettings& settings, PrinterLink& link);

}  // namespace logoloft
