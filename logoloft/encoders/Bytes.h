// The byte string type of the command encoders.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

using Bytes = std::vector<uint8_t>;
// An encoder's result: the command bytes, or nothing when the encoder refuses.
using EncodedBytes = std::optional<Bytes>;
