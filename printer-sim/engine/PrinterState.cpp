// Sizes and defaults of the virtual printer's NV memory.
#include "printer-sim/engine/PrinterState.h"

const int kMemorySwitchNumbers[8] = {1, 2, 3, 4, 5, 6, 11, 12};

uint32_t NvGraphicsSize(const RasterImage& image) {
  uint32_t size = 0;
  for (const RasterPlane& plane : image.planes) size += static_cast<uint32_t>(plane.data.size());
  return size;
}

uint32_t RemainingNvGraphicsCapacity(const PrinterState& state) {
  uint32_t used = 0;
  for (const auto& entry : state.nvGraphics) used += NvGraphicsSize(entry.second);
  return used >= kNvGraphicsCapacity ? 0 : kNvGraphicsCapacity - used;
}

std::string SwitchPins(const PrinterState& state, int number) {
  const auto found = state.memorySwitches.find(number);
  return found == state.memorySwitches.end() ? std::string(8, '0') : found->second;
}
