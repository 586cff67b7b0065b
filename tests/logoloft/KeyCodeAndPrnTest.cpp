// Tests of the automatic key codes, the download headers and the .prn contents per model type.
#include <gtest/gtest.h>

#include <string>

#include "logoloft/download/DownloadHeader.h"
#include "logoloft/download/KeyCodes.h"
#include "logoloft/download/ModelTypes.h"
#include "logoloft/download/PrnFile.h"

namespace {

std::string Text(KeyCode code) { return {static_cast<char>(code[0]), static_cast<char>(code[1])}; }

TEST(AutomaticKeyCode, Sequence) {
  const struct { size_t index; const char* code; } cases[] = {
      {0, "00"}, {1, "01"}, {2, "02"}, {10, "0:"}, {77, "0}"}, {78, "10"}, {79, "11"},
      {78 * 78 - 1, "}}"}};
  for (const auto& c : cases) {
    const std::optional<KeyCode> code = AutomaticKeyCode(c.index);
    ASSERT_TRUE(code) << c.index;
    EXPECT_EQ(Text(*code), c.code) << c.index;
  }
  EXPECT_FALSE(AutomaticKeyCode(78 * 78));
}

TEST(DownloadHeader, PerModelType) {
  const struct { int type; size_t items; std::optional<Bytes> header; } cases[] = {
      {kModelTypeOneColour, 3, Bytes{0x1C, 0x71, 0x03}},
      {kModelTypeOneColour, 0, std::nullopt},
      {kModelTypeOneColour, 256, std::nullopt},
      {kModelTypeImpact, 3, Bytes{0x1B, 0x67, 0x00, 0x02}},  // the length table is an item
      {kModelTypeImpact, 256, Bytes{0x1B, 0x67, 0x00, 0xFF}},
      {kModelTypeImpact, 1, std::nullopt},
      {kModelTypeImpact, 257, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(DownloadHeader(c.type, c.items), c.header) << c.items;
}

// An NV graphics definition of 1 x 1 with a marker byte, key code 00 00 as the main window builds it.
Bytes Definition(uint8_t marker) {
  return Bytes{0x1D, 0x38, 0x4C, 0x0E, 0, 0, 0, 0x30, 0x43, 0x30, 0, 0, 0x02, 8, 0, 1, 0,
               0x31, marker, 0x32, 0};
}

TEST(PrnContents, HeaderAndItemsForTypesZeroAndOne) {
  const std::vector<DownloadItem> items{{"a.bmp", 1, {0xAA}}, {"b.bmp", 1, {0xBB, 0xCC}}};
  EXPECT_EQ(PrnContents(kModelTypeOneColour, items).bytes,
            (Bytes{0x1C, 0x71, 0x02, 0xAA, 0xBB, 0xCC}));
  EXPECT_EQ(PrnContents(kModelTypeImpact, items).bytes,
            (Bytes{0x1B, 0x67, 0x00, 0x01, 0xAA, 0xBB, 0xCC}));
}

TEST(PrnContents, KeyCodeDefinitionsGetANewAutomaticSequence) {
  const std::vector<DownloadItem> items{
      {"a.bmp", 1, Definition(1)}, {"b.bmp", 1, Definition(2)}, {"c.bmp", 1, Definition(3)}};
  const PrnContentsResult result = PrnContents(kModelTypeKeyCode, items);
  ASSERT_TRUE(result.ok());
  Bytes expected;
  const char* codes[] = {"00", "01", "02"};
  for (int i = 0; i < 3; ++i) {
    Bytes block = Definition(static_cast<uint8_t>(i + 1));
    block[10] = static_cast<uint8_t>(codes[i][0]);
    block[11] = static_cast<uint8_t>(codes[i][1]);
    expected.insert(expected.end(), block.begin(), block.end());
  }
  EXPECT_EQ(result.bytes, expected);
  EXPECT_EQ(items[1].data, Definition(2));  // the items keep key code 00 00
}

TEST(PrnContents, FlashBlocksUnchangedAndRefusals) {
  const std::vector<DownloadItem> items{{"a.bmp", 1, {0x02, 0x01}}, {"b.bmp", 1, {0x02, 0x02}}};
  EXPECT_EQ(PrnContents(kModelTypeFlashLogo, items).bytes, (Bytes{0x02, 0x01, 0x02, 0x02}));

  const struct { int type; std::vector<DownloadItem> items; const char* logo; const char* reason; }
      refusals[] = {
          {kModelTypeUnsupported, items, "", "Not Support Printer"},
          {7, items, "", "Not Support Printer"},
          {kModelTypeOneColour, {}, "", "Error Code : 2001 (Image List Error)!"},
          {kModelTypeKeyCode, {{"short.bmp", 1, {0x1D, 0x38}}}, "short.bmp",
           "Error Code : 2001 (Image List Error)!"},
      };
  for (const auto& r : refusals) {
    const PrnContentsResult result = PrnContents(r.type, r.items);
    ASSERT_FALSE(result.ok()) << r.type;
    EXPECT_EQ(result.refusal->logoName, r.logo);
    EXPECT_EQ(result.refusal->reason, r.reason);
    EXPECT_TRUE(result.bytes.empty());
  }
}

}  // namespace
