// One control of a headless dialog, kept in memory: everything a user could see or set.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/bitmap/Bitmap.h"
#include "ui/DialogHost.h"
#include "ui/DialogTemplate.h"

namespace ui {

struct HeadlessControl {
  ControlEntry entry;
  std::string text;
  bool enabled = true;
  bool visible = true;
  bool checked = false;
  // List views.
  std::vector<ListColumn> columns;
  std::vector<std::vector<std::string>> rows;
  std::set<int> selectedRows;
  // List and combo boxes.
  std::vector<std::string> items;
  int currentItem = -1;
  // Sliders and progress bars.
  int minimum = 0;
  int maximum = 100;
  int pos = 0;
  int tickFrequency = 1;
  int pageSize = 1;
  std::array<uint8_t, 4> ipAddress{};
  // Owner-drawn statics and frames.
  std::optional<ColourRef> fillColour;
  std::optional<Bitmap> image;  // the picture of the last paint
};

}  // namespace ui
