// What the configuration display of the main window shows for the loaded settings.
#pragma once

#include <string>
#include <vector>

#include "link/PortSettings.h"

namespace logoloft {

// One static of the display: its text and whether it is enabled.
struct DisplayField {
  int id;
  std::string text;
  bool enabled;
};

struct DisplayedSettings {
  std::string modelName;
  int modelType = 0;
  PortSettings port;
  std::string usbDisplayName;  // PORTNAME as NV.inf holds it, shown for a USB port
};

// "DOT MODE" (type 0), "2 Color thermal" (2 and 4), "1 Color thermal" (every other type).
const char* DownloadModeText(int modelType);

// Every label and value of the display, in the order they are set.
std::vector<DisplayField> ConfigurationDisplay(const DisplayedSettings& settings);

}  // namespace logoloft
