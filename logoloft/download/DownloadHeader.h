// The header command the upload dialog sends (and a .prn file holds) before the items.
#pragma once

#include <cstddef>

#include "logoloft/encoders/Bytes.h"

// Model type 1: 1C 71 n; any other type: 1B 67 00 n-1 (the length table is one of the n items).
// Nothing when the count does not fit the header's byte.
EncodedBytes DownloadHeader(int modelType, size_t itemCount);
