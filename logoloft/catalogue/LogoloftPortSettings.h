// Logoloft's PortSettings as loaded from the COMMUNICATION section of NV.inf.
#pragma once

#include <string>

#include "link/PortSettings.h"

// Fills the record from NV.inf; shows "Failed to load Port Name" (and falls back to serial "COM1")
// or "Failed to load PortNmae" (USB without a device path) in Logoloft's message box.
PortSettings LoadLogoloftPortSettings(const std::string& infPath);
