// What printer-sim leaves on disk: numbered PNG printouts in DIR/prints/ and DIR/transcript.log.
#pragma once

#include <string>
#include <vector>

#include "printer-sim/engine/VirtualPrinter.h"

class OutputFiles {
 public:
  explicit OutputFiles(const std::string& dir);
  // Writes the pages and transcript chunks of `printer` not written yet.
  void WriteNew(const VirtualPrinter& printer);

 private:
  std::string printsDir_;
  std::string transcriptPath_;
  int nextNumber_ = 1;
  size_t pagesWritten_ = 0;
  size_t chunksWritten_ = 0;
};
