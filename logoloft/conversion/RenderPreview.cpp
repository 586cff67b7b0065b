// The two previews of the main window: their size in the frame and their pixels.
#include "logoloft/conversion/RenderPreview.h"

#include <cstdint>

#include "logoloft/conversion/BitmapClassifier.h"
#include "platform/bitmap/Stretch.h"

PreviewSize PreviewGeometry(int w, int h, int frameWidth, int lineWidth) {
  if (lineWidth <= 0 || w <= 0 || h <= 0 || frameWidth <= 0) return {};
  const uint64_t frame = static_cast<uint64_t>(frameWidth);
  uint64_t pw = static_cast<uint64_t>(w) * frame / static_cast<uint64_t>(lineWidth);
  uint64_t ph = pw * static_cast<uint64_t>(h) / static_cast<uint64_t>(w);
  if (pw > frame) {
    ph = frame * ph / pw;
    pw = frame;
  }
  return {static_cast<int>(pw), static_cast<int>(ph)};
}

PreviewImages RenderPreview(const Bitmap& source, const ClassifierSettings& settings,
                            const ConversionColours& colours, int frameWidth, int lineWidth) {
  const PreviewSize size = PreviewGeometry(source.width, source.height, frameWidth, lineWidth);
  PreviewImages images;
  if (size.width == 0 || size.height == 0) return images;
  images.original = StretchBlackOnWhite(source, size.width, size.height);
  Bitmap classified = source;
  BitmapClassifier(settings, colours).ClassifyInPlace(classified);
  images.transformed = StretchBlackOnWhite(classified, size.width, size.height);
  return images;
}
