// The contents of a .prn file per model type, and saving them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "logoloft/download/DownloadItems.h"
#include "logoloft/encoders/Bytes.h"

struct PrnContentsResult {
  Bytes bytes;
  std::optional<DownloadRefusal> refusal;  // set when there is nothing to write
  bool ok() const { return !refusal; }
};

// Types 0 and 1: the download header and every item; type 2: the NV graphics definitions with the
// automatic key codes from "00" written into bytes 10 and 11; type 4: the flash blocks unchanged;
// type 3 and others: refused with "Not Support Printer".
PrnContentsResult PrnContents(int modelType, const std::vector<DownloadItem>& items);

struct PrnSaveResult {
  std::optional<DownloadRefusal> refusal;  // set when no file was written
  bool ok() const { return !refusal; }
};

// Writes the contents for the items to `path` as a whole: on any refusal or write failure nothing
// is written and an existing file keeps its content.
PrnSaveResult SavePrnFile(const std::string& path, int modelType,
                          const std::vector<DownloadItem>& items);

// Builds the items of the logos and saves them, refusing as a whole as BuildDownloadItems does.
PrnSaveResult SaveLogosAsPrn(const std::string& path, const std::vector<LogoImage>& logos,
                             const ItemBuildSettings& settings);
