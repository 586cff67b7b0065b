// The contents of a .prn file per model type, and saving them.
#include "logoloft/download/PrnFile.h"

#include <utility>

#include "logoloft/download/DownloadHeader.h"
#include "logoloft/download/KeyCodes.h"
#include "logoloft/download/ModelTypes.h"
#include "platform/os/Files.h"

namespace {

constexpr const char* kImageListError = "Error Code : 2001 (Image List Error)!";

PrnContentsResult RefusedContents(std::string logoName, std::string reason) {
  PrnContentsResult result;
  result.refusal = DownloadRefusal{std::move(logoName), std::move(reason)};
  return result;
}

void Append(Bytes& out, const Bytes& data) { out.insert(out.end(), data.begin(), data.end()); }

}  // namespace

PrnContentsResult PrnContents(int modelType, const std::vector<DownloadItem>& items) {
  if (modelType != kModelTypeImpact && modelType != kModelTypeOneColour &&
      modelType != kModelTypeKeyCode && modelType != kModelTypeFlashLogo) {
    return RefusedContents("", "Not Support Printer");
  }
  if (items.empty()) return RefusedContents("", kImageListError);
  PrnContentsResult result;
  if (modelType == kModelTypeImpact || modelType == kModelTypeOneColour) {
    const EncodedBytes header = DownloadHeader(modelType, items.size());
    if (!header) return RefusedContents("", "Too many logos");
    result.bytes = *header;
  }
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i].data.empty()) return RefusedContents(items[i].name, kImageListError);
    if (modelType != kModelTypeKeyCode) {
      Append(result.bytes, items[i].data);
      continue;
    }
    // Each save starts a new automatic sequence from "00".
    Bytes block = items[i].data;
    const std::optional<KeyCode> code = AutomaticKeyCode(i);
    if (!code) return RefusedContents(items[i].name, "No key code left");
    if (!WriteKeyCode(block, *code)) return RefusedContents(items[i].name, kImageListError);
    Append(result.bytes, block);
  }
  return result;
}

PrnSaveResult SavePrnFile(const std::string& path, int modelType,
                          const std::vector<DownloadItem>& items) {
  PrnContentsResult contents = PrnContents(modelType, items);
  if (!contents.ok()) return PrnSaveResult{std::move(contents.refusal)};
  if (!os::WriteWholeFile(path.c_str(), contents.bytes)) {
    return PrnSaveResult{DownloadRefusal{"", "Failed to write the file " + path}};
  }
  return PrnSaveResult{};
}

PrnSaveResult SaveLogosAsPrn(const std::string& path, const std::vector<LogoImage>& logos,
                             const ItemBuildSettings& settings) {
  ItemBuildResult built = BuildDownloadItems(logos, settings);
  if (!built.ok()) return PrnSaveResult{std::move(built.refusal)};
  return SavePrnFile(path, settings.modelType, built.items);
}
