// The header command the upload dialog sends (and a .prn file holds) before the items.
#include "logoloft/download/DownloadHeader.h"

#include "logoloft/download/ModelTypes.h"
#include "logoloft/encoders/ImpactBands.h"
#include "logoloft/encoders/NvBitImage.h"

EncodedBytes DownloadHeader(int modelType, size_t itemCount) {
  if (modelType == kModelTypeOneColour) return NvBitImageHeader(itemCount);
  if (itemCount < 1) return std::nullopt;
  return ImpactImageHeader(itemCount - 1);
}
