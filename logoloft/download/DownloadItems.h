// The download items of a logo list: what the upload and key-code dialogs send or save.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "logoloft/conversion/ConversionColours.h"
#include "logoloft/conversion/LogoImage.h"
#include "logoloft/conversion/ScaleForDensity.h"
#include "logoloft/encoders/Bytes.h"

// The name of the impact length table item.
constexpr const char* kLengthTableItemName = "HeadCommnad";

struct DownloadItem {
  std::string name;  // the logo's name, or "HeadCommnad"
  int32_t size = 0;  // the logo's size estimate (0 for the length table)
  Bytes data;        // the command bytes
};

// Why building, framing or saving was refused: the logo at fault (empty when it is not one logo's
// fault) and the reason, e.g. "NV bit image too large" or "Not Support Printer".
struct DownloadRefusal {
  std::string logoName;
  std::string reason;
};

struct ItemBuildSettings {
  int modelType = 1;
  int lineWidth = 0;
  ConversionColours colours;                // the window's current colours, used for every logo
  DotDensity density = DotDensity::Single;  // impact models only
};

struct ItemBuildResult {
  std::vector<DownloadItem> items;
  std::optional<DownloadRefusal> refusal;  // set when nothing was built
  bool ok() const { return !refusal; }
};

// Prepares and encodes every logo in list order for the model type: impact items with the length
// table "HeadCommnad" in front (type 0), NV bit image records (1), NV graphics definitions with key
// code 00 00 (2), flash logo blocks (4). Refused as a whole, with the logo and the reason, when the
// list is empty, the type is not supported, a logo cannot be loaded or its encoder refuses.
ItemBuildResult BuildDownloadItems(const std::vector<LogoImage>& logos,
                                   const ItemBuildSettings& settings);

// The count N and the sum S of the block lengths the flash logo download header carries.
struct FlashTotals {
  size_t count = 0;
  size_t sum = 0;
};
FlashTotals SumFlashItems(const std::vector<DownloadItem>& items);
