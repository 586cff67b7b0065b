// The sorting of a pixel into a blank, first-colour (black) or second-colour dot.
#include "logoloft/encoders/DotClass.h"

DotClass ExactDotClass(ColourRef pixel) {
  if (pixel == kWhite) return DotClass::Blank;
  return pixel == kBlack ? DotClass::First : DotClass::Second;
}

DotClass NearWhiteDotClass(ColourRef pixel) {
  if (RedOf(pixel) > 240 && GreenOf(pixel) > 240 && BlueOf(pixel) > 240) return DotClass::Blank;
  return pixel == kBlack ? DotClass::First : DotClass::Second;
}
