// Preparation of a logo for the encoders: classify every pixel, fit the result to the line width.
#include "logoloft/conversion/PrepareLogo.h"

#include <cstdint>
#include <utility>

#include "logoloft/conversion/BitmapClassifier.h"
#include "logoloft/conversion/LoadBitmapFile.h"
#include "platform/bitmap/Stretch.h"

std::optional<Bitmap> PrepareBitmap(Bitmap source, const ClassifierSettings& settings,
                                    const ConversionColours& colours, int lineWidth) {
  if (lineWidth <= 0) return std::nullopt;
  BitmapClassifier(settings, colours).ClassifyInPlace(source);
  if (source.width <= lineWidth) return source;
  const auto height = static_cast<int>(static_cast<uint64_t>(lineWidth) *
                                       static_cast<uint64_t>(source.height) /
                                       static_cast<uint64_t>(source.width));
  return StretchBlackOnWhite(source, lineWidth, height);
}

std::optional<Bitmap> PrepareLogo(const LogoImage& logo, const ConversionColours& colours,
                                  int lineWidth) {
  Bitmap source;
  if (!LoadBitmapFile(logo.path, source)) return std::nullopt;
  return PrepareBitmap(std::move(source), logo.Settings(), colours, lineWidth);
}
