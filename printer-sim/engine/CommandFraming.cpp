// Command lengths of the printer family's command set.
#include "printer-sim/engine/CommandFraming.h"

namespace {

// Largest body a download command may declare: more than any NV memory of the family holds.
constexpr uint32_t kMaxDeclaredBody = 4u * 1024u * 1024u;
// FS q limits per image: 1023 bytes across, 288 bytes down.
constexpr int kMaxNvBitImageX = 1023;
constexpr int kMaxNvBitImageY = 288;

Frame Complete(size_t length) { return Frame{FrameStatus::Complete, length, {}}; }
Frame NeedMore() { return Frame{FrameStatus::NeedMore, 0, {}}; }
Frame Invalid(size_t length, std::string why) { return Frame{FrameStatus::Invalid, length, std::move(why)}; }

uint32_t Le16(const uint8_t* p) { return p[0] | (p[1] << 8); }
uint32_t Le32(const uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// A command of fixed length: complete once that many bytes are there.
Frame Fixed(size_t length, size_t count) { return count >= length ? Complete(length) : NeedMore(); }

// Commands of the form prefix pL pH body (GS ( x, FS ( x): `head` bytes before pL.
Frame WithLength16(const uint8_t* d, size_t count, size_t head) {
  if (count < head + 2) return NeedMore();
  return Fixed(head + 2 + Le16(d + head), count);
}

Frame FrameEscG(const uint8_t* d, size_t count) {
  if (count < 3) return NeedMore();
  if (d[2] != 0) return Complete(3);  // ESC g n: print
  if (count < 4) return NeedMore();
  const size_t n = d[3];
  const size_t table = 4;
  if (count < table + 2 * n) return NeedMore();
  size_t total = table + 2 * n;
  for (size_t i = 0; i < n; ++i) total += (d[table + 2 * i] << 8) | d[table + 2 * i + 1];
  return Fixed(total, count);
}

Frame FrameBitImage(const uint8_t* d, size_t count) {
  if (count < 5) return NeedMore();
  const uint8_t m = d[2];
  if (m != 0 && m != 1 && m != 32 && m != 33) return Invalid(3, "ESC * with an unknown mode");
  const size_t columns = Le16(d + 3);
  return Fixed(5 + columns * (m >= 32 ? 3 : 1), count);
}

Frame FrameEsc(const uint8_t* d, size_t count) {
  if (count < 2) return NeedMore();
  switch (d[1]) {
    case '@': case '2': case '<': case 'i': case 'm':
      return Complete(2);
    case '!': case 'E': case '-': case 'a': case '3': case 't': case 'J': case 'd': case '=':
    case 'r': case 'M': case 'G': case 'V': case '{': case 'R': case ' ': case 'U': case 'e':
      return Fixed(3, count);
    case '$': case '\\':
      return Fixed(4, count);
    case 'p':
      return Fixed(5, count);
    case 'g':
      return FrameEscG(d, count);
    case '*':
      return FrameBitImage(d, count);
    default:
      return Invalid(2, "unknown ESC command");
  }
}

Frame FrameGs8(const uint8_t* d, size_t count) {
  if (count < 3) return NeedMore();
  if (d[2] != 'L') return Invalid(3, "unknown GS 8 command");
  if (count < 7) return NeedMore();
  const uint32_t body = Le32(d + 3);
  if (body > kMaxDeclaredBody) return Invalid(7, "GS 8 L length does not fit the NV memory");
  return Fixed(7 + body, count);
}

Frame FrameGsV(const uint8_t* d, size_t count) {
  if (count < 3) return NeedMore();
  const uint8_t m = d[2];
  if (m == 0 || m == 1 || m == 48 || m == 49) return Complete(3);
  if (m == 65 || m == 66) return Fixed(4, count);
  return Invalid(3, "GS V with an unknown mode");
}

Frame FrameGs(const uint8_t* d, size_t count) {
  if (count < 2) return NeedMore();
  switch (d[1]) {
    case '(':
      return WithLength16(d, count, 3);
    case '8':
      return FrameGs8(d, count);
    case 'V':
      return FrameGsV(d, count);
    case 'I': case 'a': case '!': case 'B': case 'H': case 'h': case 'w': case 'f': case 'r':
    case '/':
      return Fixed(3, count);
    case 'L': case 'W': case 'P':
      return Fixed(4, count);
    default:
      return Invalid(2, "unknown GS command");
  }
}

Frame FrameFsQ(const uint8_t* d, size_t count) {
  if (count < 3) return NeedMore();
  size_t at = 3;
  uint64_t total = 0;
  for (int image = 0; image < d[2]; ++image) {
    if (count < at + 4) return NeedMore();
    const int x = static_cast<int>(Le16(d + at));
    const int y = static_cast<int>(Le16(d + at + 2));
    if (x < 1 || y < 1 || x > kMaxNvBitImageX || y > kMaxNvBitImageY) {
      return Invalid(at + 4, "FS q image size out of range");
    }
    const size_t data = static_cast<size_t>(8) * x * y;
    total += data;
    if (total > kMaxDeclaredBody) return Invalid(at + 4, "FS q images do not fit the NV memory");
    at += 4 + data;
  }
  return Fixed(at, count);
}

Frame FrameFontDownload(const uint8_t* d, size_t count) {
  static const uint8_t kMagic[] = {0x1C, 0x6C, 0x64, 0x73, 0x58, 0x06};
  const size_t check = count < sizeof(kMagic) ? count : sizeof(kMagic);
  for (size_t i = 2; i < check; ++i) {
    if (d[i] != kMagic[i]) return Invalid(i, "FS l without the font image header");
  }
  if (count < 8) return NeedMore();
  const size_t blocks = Le16(d + 6);
  return Fixed(15 + 256 * blocks, count);
}

Frame FrameFs(const uint8_t* d, size_t count) {
  if (count < 2) return NeedMore();
  switch (d[1]) {
    case 'q':
      return FrameFsQ(d, count);
    case 'p':
      return Fixed(4, count);
    case 'l':
      return FrameFontDownload(d, count);
    case '(':
      return WithLength16(d, count, 3);
    case '&': case '.':
      return Complete(2);
    case '!': case '-': case 'W': case 'C':
      return Fixed(3, count);
    case 'S':
      return Fixed(4, count);
    default:
      return Invalid(2, "unknown FS command");
  }
}

// The vendor family starting 08h: flash logos, power save and printouts.
Frame FrameVendor(const uint8_t* d, size_t count) {
  if (count < 2) return NeedMore();
  if (d[1] == 0x39) return Fixed(4, count);
  if (d[1] != 0x5E) return Invalid(1, "stray 08h");
  if (count < 3) return NeedMore();
  switch (d[2]) {
    case 0x37: {
      if (count < 7) return NeedMore();
      const uint32_t body = Le32(d + 3);
      if (body > kMaxDeclaredBody) return Invalid(7, "flash logo download length does not fit");
      return Fixed(7 + body, count);
    }
    case 0x4C:
      if (count < 6) return NeedMore();
      // Delete-all carries no parameters after its function byte, whatever its length says.
      if (d[5] == 0x41) return Complete(6);
      return Fixed(5 + Le16(d + 3), count);
    case 0x50:
      if (count < 4) return NeedMore();
      if (d[3] == 0x31) return Complete(4);
      if (d[3] == 0x30) return Fixed(6, count);
      return Invalid(4, "unknown power save function");
    default:
      return Invalid(3, "unknown 08 5E command");
  }
}

Frame FrameDle(const uint8_t* d, size_t count) {
  if (count < 2) return NeedMore();
  if (d[1] == 0x04 || d[1] == 0x05) return Fixed(3, count);
  if (d[1] == 0x14) return Fixed(5, count);
  return Invalid(1, "stray DLE");
}

}  // namespace

Frame FrameCommand(const uint8_t* data, size_t count) {
  if (count == 0) return NeedMore();
  switch (data[0]) {
    case 0x1B: return FrameEsc(data, count);
    case 0x1D: return FrameGs(data, count);
    case 0x1C: return FrameFs(data, count);
    case 0x08: return FrameVendor(data, count);
    case 0x10: return FrameDle(data, count);
    case 0x00: case 0x06: case 0x09: case 0x0A: case 0x0C: case 0x0D: case 0x15: case 0x18:
      return Complete(1);
    default:
      if (data[0] < 0x20) return Invalid(1, "unknown control byte");
      return Complete(1);
  }
}
