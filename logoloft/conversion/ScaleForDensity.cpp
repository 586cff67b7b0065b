// The impact density scaling applied to a prepared logo before the impact encoders.
#include "logoloft/conversion/ScaleForDensity.h"

#include "platform/bitmap/Stretch.h"

Bitmap ScaleForDensity(const Bitmap& prepared, DotDensity density) {
  switch (density) {
    case DotDensity::Single:
      return StretchBlackOnWhite(prepared, prepared.width / 2, prepared.height / 2);
    case DotDensity::Double:
      return StretchBlackOnWhite(prepared, prepared.width, prepared.height / 2);
    case DotDensity::Quad: break;
  }
  return prepared;
}
