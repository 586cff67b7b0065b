// The model type codes of the catalogue (MODELTYPE) that select the download format.
#pragma once

#include <cstddef>
constexpr int kModelTypeImpact = 0;       // "DOT MODE": ESC g image set
constexpr int kModelTypeOneColour = 1;    // "1 Color thermal": FS q NV bit images
constexpr int kModelTypeKeyCode = 2;      // "2 Color thermal": key-code NV graphics
constexpr int kModelTypeUnsupported = 3;  // "1 Color thermal", no download
constexpr int kModelTypeFlashLogo = 4;    // "2 Color thermal": two-colour flash logo blocks
