// The one-colour NV bit image record (FS q) and the stream that defines the whole set.
#pragma once

#include <cstddef>
#include <vector>

#include "logoloft/encoders/Bytes.h"
#include "platform/bitmap/Bitmap.h"

// The printer takes a record only while 4 + ceil(h / 8) * w stays within this many bytes.
constexpr size_t kNvBitImageMaxLength = 250000;

// xL xH yL yH and the dots column by column (Y = ceil(h / 8) bytes per column, top dot in bit 7),
// padded with blank columns to a multiple of 8; nothing when 4 + ceil(h / 8) * w exceeds the limit.
EncodedBytes EncodeNvBitImage(const Bitmap& bitmap);

// The FS q header 1C 71 n for n records; nothing when n is not 1..255.
EncodedBytes NvBitImageHeader(size_t count);

// 1C 71 n followed by the n records in order; nothing when n is not 1..255.
EncodedBytes NvBitImageStream(const std::vector<Bytes>& records);
