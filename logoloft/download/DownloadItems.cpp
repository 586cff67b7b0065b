// The download items of a logo list: what the upload and key-code dialogs send or save.
#include "logoloft/download/DownloadItems.h"

#include <utility>

#include "logoloft/conversion/PrepareLogo.h"
#include "logoloft/download/ModelTypes.h"
#include "logoloft/encoders/ImpactBands.h"
#include "logoloft/encoders/NvBitImage.h"
#include "logoloft/encoders/RasterLogo.h"

namespace {

// The encoder of one model type, and the reason given when it refuses a logo.
struct Encoder {
  const char* tooLarge;
  EncodedBytes (*encode)(const Bitmap& prepared, const ItemBuildSettings& settings);
};

// The band stream of the chosen density; refused too when the length table cannot hold its length.
EncodedBytes EncodeImpact(const Bitmap& prepared, const ItemBuildSettings& settings) {
  const Bitmap scaled = ScaleForDensity(prepared, settings.density);
  EncodedBytes stream;
  switch (settings.density) {
    case DotDensity::Single: stream = EncodeImpactSingle(scaled); break;
    case DotDensity::Double: stream = EncodeImpactDouble(scaled); break;
    case DotDensity::Quad: stream = EncodeImpactQuad(scaled); break;
  }
  if (stream && stream->size() > kImpactMaxStreamLength) return std::nullopt;
  return stream;
}

EncodedBytes EncodeBitImage(const Bitmap& prepared, const ItemBuildSettings&) {
  return EncodeNvBitImage(prepared);
}

EncodedBytes EncodeGraphics(const Bitmap& prepared, const ItemBuildSettings& settings) {
  return EncodeNvGraphics(prepared, KeyCode{0x00, 0x00}, settings.lineWidth);
}

EncodedBytes EncodeFlash(const Bitmap& prepared, const ItemBuildSettings& settings) {
  return EncodeFlashLogo(prepared, settings.lineWidth);
}

std::optional<Encoder> EncoderFor(int modelType) {
  switch (modelType) {
    case kModelTypeImpact: return Encoder{"Impact image too large", EncodeImpact};
    case kModelTypeOneColour: return Encoder{"NV bit image too large", EncodeBitImage};
    case kModelTypeKeyCode: return Encoder{"NV graphics too large", EncodeGraphics};
    case kModelTypeFlashLogo: return Encoder{"Flash logo too large", EncodeFlash};
    default: return std::nullopt;
  }
}

ItemBuildResult Refused(std::string logoName, std::string reason) {
  ItemBuildResult result;
  result.refusal = DownloadRefusal{std::move(logoName), std::move(reason)};
  return result;
}

// Every logo's header byte counts one item; the impact header counts the length table too.
constexpr size_t kMaxLogos = 255;

}  // namespace

ItemBuildResult BuildDownloadItems(const std::vector<LogoImage>& logos,
                                   const ItemBuildSettings& settings) {
  const std::optional<Encoder> encoder = EncoderFor(settings.modelType);
  if (!encoder) return Refused("", "Not Support Printer");
  if (logos.empty()) return Refused("", "Without a bitmap file being selected.");
  if (logos.size() > kMaxLogos) return Refused("", "Too many logos");
  if (settings.lineWidth <= 0) return Refused("", "No receipt width for this model");

  ItemBuildResult result;
  for (const LogoImage& logo : logos) {
    const std::optional<Bitmap> prepared = PrepareLogo(logo, settings.colours, settings.lineWidth);
    if (!prepared) return Refused(logo.name, "Failed to load image file!");
    EncodedBytes data = encoder->encode(*prepared, settings);
    if (!data) return Refused(logo.name, encoder->tooLarge);
    result.items.push_back(DownloadItem{logo.name, logo.size, std::move(*data)});
  }
  if (settings.modelType == kModelTypeImpact) {
    std::vector<size_t> lengths;
    for (const DownloadItem& item : result.items) lengths.push_back(item.data.size());
    EncodedBytes table = ImpactLengthTable(lengths);  // holds: every length and the count fit
    if (!table) return Refused("", "Impact image too large");
    result.items.insert(result.items.begin(),
                        DownloadItem{kLengthTableItemName, 0, std::move(*table)});
  }
  return result;
}

FlashTotals SumFlashItems(const std::vector<DownloadItem>& items) {
  FlashTotals totals;
  totals.count = items.size();
  for (const DownloadItem& item : items) totals.sum += item.data.size();
  return totals;
}
