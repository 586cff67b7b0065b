// The printer's non-volatile memory: stored logos of every format, memory switches, power save and
// the installed font.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// One FS q image: 8 * xBytes dots wide, 8 * yBytes dots high, stored column by column from the
// left, yBytes per column from the top, first dot in bit 7.
struct NvBitImage {
  int xBytes = 0;
  int yBytes = 0;
  std::vector<uint8_t> data;
  int WidthDots() const { return 8 * xBytes; }
  int HeightDots() const { return 8 * yBytes; }
};

// One raster image of one or two colour planes, rows from the top, ceil(width / 8) bytes per row.
// Plane colour 1 prints black, colour 2 red.
struct RasterPlane {
  int colour = 1;
  std::vector<uint8_t> data;
};
struct RasterImage {
  int width = 0;
  int height = 0;
  std::vector<RasterPlane> planes;
  int BytesPerRow() const { return (width + 7) / 8; }
};

// The double-byte font image last downloaded with FS l.
struct InstalledFont {
  int blockCount = 0;
  uint8_t kind = 0;         // header byte 13
  uint32_t dataBytes = 0;   // bytes of font data after the 15-byte header
  uint32_t checksum = 0;    // FNV-1a of the font data
};

struct PrinterState {
  std::vector<NvBitImage> nvBitImages;                // FS q, printed by FS p 1..n
  std::vector<std::vector<uint8_t>> impactImages;     // ESC g 0 band streams, printed by ESC g 1..n
  std::map<std::string, RasterImage> nvGraphics;      // GS 8 L / GS ( L, by two-byte key code
  std::vector<RasterImage> flashLogos;                // 08 5E 37, logos 0..n-1
  std::map<int, std::string> memorySwitches;          // switch number -> 8 characters, d1 (pin 8) first
  bool powerSaveEnabled = false;
  int powerSaveSeconds = 60;
  bool fontInstalled = false;
  InstalledFont font;
};

// The memory switch numbers the printer answers for, in the order of its status sheet.
extern const int kMemorySwitchNumbers[8];
// Capacity of the key-code NV graphics memory in bytes.
constexpr uint32_t kNvGraphicsCapacity = 262144;

// Bytes of NV graphics memory a stored image takes.
uint32_t NvGraphicsSize(const RasterImage& image);
// Free NV graphics memory.
uint32_t RemainingNvGraphicsCapacity(const PrinterState& state);
// The pin characters of a switch ("00000000" for one never written).
std::string SwitchPins(const PrinterState& state, int number);
