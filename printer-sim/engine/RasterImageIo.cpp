// Raster images of NV graphics and flash logos.
#include "printer-sim/engine/RasterImageIo.h"

#include "printer-sim/engine/PageRenderer.h"

size_t ReadRasterPlanes(const uint8_t* data, size_t count, int planes, RasterImage& image) {
  const size_t planeBytes = static_cast<size_t>(image.BytesPerRow()) * image.height;
  size_t at = 0;
  image.planes.clear();
  for (int i = 0; i < planes; ++i) {
    if (count - at < 1 + planeBytes) return 0;
    RasterPlane plane;
    plane.colour = data[at] - 0x30;
    plane.data.assign(data + at + 1, data + at + 1 + planeBytes);
    image.planes.push_back(std::move(plane));
    at += 1 + planeBytes;
  }
  return at;
}

Bitmap DrawRasterImage(const RasterImage& image, int sx, int sy) {
  Bitmap out(image.width * sx, image.height * sy);
  const int stride = image.BytesPerRow();
  for (const RasterPlane& plane : image.planes) {
    const ColourRef ink = plane.colour == 2 ? kRed : kBlack;
    for (int y = 0; y < image.height; ++y) {
      for (int x = 0; x < image.width; ++x) {
        if (!(plane.data[static_cast<size_t>(y) * stride + x / 8] & (0x80 >> (x % 8)))) continue;
        for (int dy = 0; dy < sy; ++dy) {
          for (int dx = 0; dx < sx; ++dx) {
            ColourRef& pixel = out.At(x * sx + dx, y * sy + dy);
            if (pixel != kRed) pixel = ink;
          }
        }
      }
    }
  }
  return out;
}
