// The automatic key codes of a key-code download or save, and writing a key code into a block.
#pragma once

#include <cstddef>
#include <optional>

#include "logoloft/encoders/Bytes.h"
#include "logoloft/encoders/RasterLogo.h"

// The code of the index-th logo (from 0) of a new sequence "00", "01", .. "0}", "10", ..: the second
// character runs from '0' to '}' (78 codes), then the first advances. Nothing past "}}".
std::optional<KeyCode> AutomaticKeyCode(size_t index);

// Writes `code` into bytes 10 and 11 of an NV graphics definition; false when it is too short.
bool WriteKeyCode(Bytes& block, KeyCode code);
