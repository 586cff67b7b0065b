// Decodes the public BMP test suite: good files must match ImageMagick, the others must never
// crash.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/bitmap/BmpBitfields.h"
#include "platform/bitmap/BmpDecoder.h"

namespace {

namespace fs = std::filesystem;

const char kOracle[] = "/usr/bin/convert";  // Debian's ImageMagick; not the stand-in in /usr/local

fs::path SuiteDir() { return fs::path(P8_SHARED_DIR) / "testdata" / "bmpsuite"; }

std::vector<std::string> FilesIn(const char* group) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(SuiteDir() / group, ec))
    if (entry.path().extension() == ".bmp") names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<uint8_t> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The oracle's pixels as 8-bit R, G, B triplets, top row first; empty when it failed.
std::vector<uint8_t> OraclePixels(const fs::path& path) {
  const std::string command = std::string(kOracle) + " '" + path.string() + "' -depth 8 rgb:-";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::vector<uint8_t> bytes;
  if (!pipe) return bytes;
  uint8_t buffer[65536];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;)
    bytes.insert(bytes.end(), buffer, buffer + n);
  return bytes;
}

// Bits of each channel (red, green, blue) of the good files narrower than 8 bits per channel.
struct ChannelBits {
  int red, green, blue;
};
const std::map<std::string, ChannelBits> kNarrowChannels = {
    {"rgb16.bmp", {5, 5, 5}},
    {"rgb16bfdef.bmp", {5, 5, 5}},
    {"rgb16-565.bmp", {5, 6, 5}},
    {"rgb16-565pal.bmp", {5, 6, 5}},
};

// ImageMagick widens narrow channels with its own rounding. The oracle's level is mapped back to
// the nearest `bits`-bit value and widened again with the loader's rule (bit replication), so the
// comparison checks that both read the same channel value, not that they round alike.
int ExpectedChannel(int oracle, int bits) {
  if (bits >= 8) return oracle;
  const int top = (1 << bits) - 1;
  return WidenBmpChannel(static_cast<uint32_t>((oracle * top + 127) / 255), bits);
}

class GoodBmpFile : public testing::TestWithParam<std::string> {};

TEST_P(GoodBmpFile, DecodesAsTheReferenceDecoder) {
  ASSERT_EQ(access(kOracle, X_OK), 0)
      << kOracle << " (ImageMagick, the reference decoder) is missing: apt-get install imagemagick";
  const fs::path path = SuiteDir() / "g" / GetParam();
  const std::vector<uint8_t> file = ReadFile(path);
  Bitmap bitmap;
  std::string why;
  ASSERT_TRUE(DecodeBmp(file.data(), file.size(), bitmap, &why)) << why;

  const std::vector<uint8_t> oracle = OraclePixels(path);
  ASSERT_EQ(oracle.size(), bitmap.pixels.size() * 3) << "the reference decoder gave another size";
  const auto narrow = kNarrowChannels.find(GetParam());
  const ChannelBits bits = narrow == kNarrowChannels.end() ? ChannelBits{8, 8, 8} : narrow->second;
  int mismatches = 0;
  for (size_t i = 0; i < bitmap.pixels.size() && mismatches < 5; ++i) {
    const ColourRef expected = MakeColour(ExpectedChannel(oracle[3 * i], bits.red),
                                          ExpectedChannel(oracle[3 * i + 1], bits.green),
                                          ExpectedChannel(oracle[3 * i + 2], bits.blue));
    if (bitmap.pixels[i] == expected) continue;
    ++mismatches;
    ADD_FAILURE() << "pixel (" << i % bitmap.width << ", " << i / bitmap.width << ") is "
                  << std::hex << bitmap.pixels[i] << ", expected " << expected;
  }
}

INSTANTIATE_TEST_SUITE_P(Suite, GoodBmpFile, testing::ValuesIn(FilesIn("g")));

// Questionable and bad files are decoded or refused; either way the result is consistent.
class OtherBmpFile : public testing::TestWithParam<std::string> {};

TEST_P(OtherBmpFile, IsDecodedOrRefusedCleanly) {
  const std::vector<uint8_t> file = ReadFile(SuiteDir() / GetParam());
  ASSERT_FALSE(file.empty());
  Bitmap bitmap;
  std::string why;
  if (DecodeBmp(file.data(), file.size(), bitmap, &why)) {
    EXPECT_GT(bitmap.width, 0);
    EXPECT_GT(bitmap.height, 0);
    EXPECT_EQ(bitmap.pixels.size(), static_cast<size_t>(bitmap.width) * bitmap.height);
  } else {
    EXPECT_FALSE(why.empty());
    EXPECT_TRUE(bitmap.pixels.empty());
  }
}

std::vector<std::string> OtherFiles() {
  std::vector<std::string> paths;
  for (const char* group : {"q", "b"})
    for (const std::string& name : FilesIn(group)) paths.push_back(std::string(group) + "/" + name);
  return paths;
}

INSTANTIATE_TEST_SUITE_P(Suite, OtherBmpFile, testing::ValuesIn(OtherFiles()));

}  // namespace
