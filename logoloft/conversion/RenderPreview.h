// The two previews of the main window: their size in the frame and their pixels.
#pragma once

#include <cstddef>

#include "logoloft/conversion/ClassifyPixel.h"
#include "logoloft/conversion/ConversionColours.h"
#include "platform/bitmap/Bitmap.h"

struct PreviewSize {
  int width = 0;
  int height = 0;
};

// Size of a w x h image in a frame F pixels wide on a model lineWidth dots wide:
// pw = w * F / lineWidth, ph = pw * h / w; when pw > F, ph = F * ph / pw and pw = F (all truncating).
// A line width <= 0 (no receipt width known) or an empty image gives 0 x 0: nothing is drawn.
PreviewSize PreviewGeometry(int w, int h, int frameWidth, int lineWidth);

struct PreviewImages {
  Bitmap original;     // the source stretched to the preview size, for the "Orignal Image" frame
  Bitmap transformed;  // the classified source stretched likewise, for the "Transformed Image" frame
};

// Both previews of `source` with the window's current settings and colours.
PreviewImages RenderPreview(const Bitmap& source, const ClassifierSettings& settings,
                            const ConversionColours& colours, int frameWidth, int lineWidth);
