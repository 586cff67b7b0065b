// The hue colour of a threshold angle.
#include "logoloft/conversion/HueColour.h"

ColourRef HueColour(int angle) {
  if (angle < 0 || angle >= 360) angle = 0;  // 360 is 0; the slider gives nothing outside
  // The sixtieth is held as this double constant, so 60 * it is exactly 1.0.
  constexpr double kOneSixtieth = 0.016666666666666666;
  const double x = angle * kOneSixtieth;
  const int k = static_cast<int>(x);
  const double f = x - k;
  const int t = static_cast<int>(f * 255);
  const int q = static_cast<int>((1 - f) * 255);
  switch (k) {
    case 0: return MakeColour(255, t, 0);
    case 1: return MakeColour(q, 255, 0);
    case 2: return MakeColour(0, 255, t);
    case 3: return MakeColour(0, q, 255);
    case 4: return MakeColour(t, 0, 255);
    default: return MakeColour(255, 0, q);  // sector 5
  }
}
