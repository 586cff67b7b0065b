// Where a frame's picture goes: inside the frame's border and below its label, in pixels.
#pragma once

namespace ui {

constexpr int kFrameInsetLeft = 4;
constexpr int kFrameInsetTop = 14;
constexpr int kFrameInsetRight = 4;

}  // namespace ui
