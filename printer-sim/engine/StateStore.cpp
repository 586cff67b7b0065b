// The state file of the virtual printer: a header line, then one line per stored item,
//   switch N PINS | powersave E SECONDS | font BLOCKS KIND BYTES CHECKSUM | nvbit X Y HEX |
//   impact HEX | graphic KEYHEX RASTER | flash RASTER    with RASTER = W H PLANES (COLOUR HEX)*
// and byte strings in hexadecimal ("-" when empty).
#include "printer-sim/engine/StateStore.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

const char kHeader[] = "p8-printer-state 1";
const char kFileName[] = "nvstate.txt";

std::string Hex(const std::vector<uint8_t>& bytes) {
  if (bytes.empty()) return "-";
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(bytes.size() * 2);
  for (uint8_t b : bytes) {
    text += kDigits[b >> 4];
    text += kDigits[b & 15];
  }
  return text;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool Unhex(const std::string& text, std::vector<uint8_t>& out) {
  out.clear();
  if (text == "-") return true;
  if (text.size() % 2 != 0) return false;
  out.reserve(text.size() / 2);
  for (size_t i = 0; i < text.size(); i += 2) {
    const int hi = HexDigit(text[i]);
    const int lo = HexDigit(text[i + 1]);
    if (hi < 0 || lo < 0) return false;
    out.push_back(static_cast<uint8_t>(hi * 16 + lo));
  }
  return true;
}

void WriteRaster(std::ostream& out, const RasterImage& image) {
  out << image.width << ' ' << image.height << ' ' << image.planes.size();
  for (const RasterPlane& plane : image.planes) out << ' ' << plane.colour << ' ' << Hex(plane.data);
}

bool ReadRaster(std::istream& in, RasterImage& image) {
  size_t planes = 0;
  if (!(in >> image.width >> image.height >> planes) || planes > 4) return false;
  const size_t expected = static_cast<size_t>(image.BytesPerRow()) * image.height;
  image.planes.resize(planes);
  for (RasterPlane& plane : image.planes) {
    std::string hex;
    if (!(in >> plane.colour >> hex) || !Unhex(hex, plane.data) || plane.data.size() != expected) {
      return false;
    }
  }
  return true;
}

bool ReadLine(const std::string& line, PrinterState& state) {
  std::istringstream in(line);
  std::string kind;
  in >> kind;
  if (kind == "switch") {
    int number = 0;
    std::string pins;
    if (!(in >> number >> pins) || pins.size() != 8) return false;
    state.memorySwitches[number] = pins;
    return true;
  }
  if (kind == "powersave") {
    int enabled = 0;
    if (!(in >> enabled >> state.powerSaveSeconds)) return false;
    state.powerSaveEnabled = enabled != 0;
    return true;
  }
  if (kind == "font") {
    int fontKind = 0;
    state.fontInstalled = true;
    if (!(in >> state.font.blockCount >> fontKind >> state.font.dataBytes >> state.font.checksum)) return false;
    state.font.kind = static_cast<uint8_t>(fontKind);
    return true;
  }
  if (kind == "nvbit") {
    NvBitImage image;
    std::string hex;
    if (!(in >> image.xBytes >> image.yBytes >> hex) || !Unhex(hex, image.data)) return false;
    if (image.data.size() != static_cast<size_t>(8) * image.xBytes * image.yBytes) return false;
    state.nvBitImages.push_back(std::move(image));
    return true;
  }
  if (kind == "impact") {
    std::string hex;
    std::vector<uint8_t> bands;
    if (!(in >> hex) || !Unhex(hex, bands)) return false;
    state.impactImages.push_back(std::move(bands));
    return true;
  }
  if (kind == "graphic") {
    std::string keyHex;
    std::vector<uint8_t> key;
    RasterImage image;
    if (!(in >> keyHex) || !Unhex(keyHex, key) || key.size() != 2 || !ReadRaster(in, image)) return false;
    state.nvGraphics[std::string(key.begin(), key.end())] = std::move(image);
    return true;
  }
  if (kind == "flash") {
    RasterImage image;
    if (!ReadRaster(in, image)) return false;
    state.flashLogos.push_back(std::move(image));
    return true;
  }
  return false;
}

}  // namespace

bool LoadPrinterState(const std::string& dir, PrinterState& state, std::string* why) {
  state = PrinterState{};
  const std::filesystem::path path = std::filesystem::path(dir) / kFileName;
  std::ifstream in(path);
  if (!in) return true;  // a printer that never stored anything
  std::string line;
  if (!std::getline(in, line) || line != kHeader) {
    if (why) *why = "state file " + path.string() + " has no valid header, starting empty";
    return false;
  }
  int number = 1;
  while (std::getline(in, line)) {
    ++number;
    if (line.empty()) continue;
    if (!ReadLine(line, state)) {
      state = PrinterState{};
      if (why) *why = "state file " + path.string() + " is damaged at line " + std::to_string(number) + ", starting empty";
      return false;
    }
  }
  return true;
}

bool SavePrinterState(const std::string& dir, const PrinterState& state, std::string* why) {
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  const std::filesystem::path path = std::filesystem::path(dir) / kFileName;
  const std::filesystem::path temporary = std::filesystem::path(dir) / (std::string(kFileName) + ".tmp");
  {
    std::ofstream out(temporary, std::ios::trunc);
    out << kHeader << '\n';
    for (const auto& entry : state.memorySwitches) out << "switch " << entry.first << ' ' << entry.second << '\n';
    out << "powersave " << (state.powerSaveEnabled ? 1 : 0) << ' ' << state.powerSaveSeconds << '\n';
    if (state.fontInstalled) {
      out << "font " << state.font.blockCount << ' ' << static_cast<int>(state.font.kind) << ' '
          << state.font.dataBytes << ' ' << state.font.checksum << '\n';
    }
    for (const NvBitImage& image : state.nvBitImages) {
      out << "nvbit " << image.xBytes << ' ' << image.yBytes << ' ' << Hex(image.data) << '\n';
    }
    for (const auto& bands : state.impactImages) out << "impact " << Hex(bands) << '\n';
    for (const auto& entry : state.nvGraphics) {
      out << "graphic " << Hex(std::vector<uint8_t>(entry.first.begin(), entry.first.end())) << ' ';
      WriteRaster(out, entry.second);
      out << '\n';
    }
    for (const RasterImage& logo : state.flashLogos) {
      out << "flash ";
      WriteRaster(out, logo);
      out << '\n';
    }
    out.flush();
    if (!out) {
      std::filesystem::remove(temporary, error);
      if (why) *why = "cannot write " + temporary.string();
      return false;
    }
  }
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    if (why) *why = "cannot replace " + path.string();
    return false;
  }
  return true;
}
