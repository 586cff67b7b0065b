// The hue colour of a threshold angle: the colour the pixel classifier measures distances to.
#pragma once

#include <cstddef>

#include "platform/bitmap/Bitmap.h"

// Angle 0..360 (360 is 0) to the fully saturated colour of that hue, e.g. 30 gives (255, 127, 0).
ColourRef HueColour(int angle);
