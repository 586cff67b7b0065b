// Printouts as print-NNNN.png, numbered on from what the folder already holds, and the transcript
// as one line per received chunk: arrival time in ms, then the bytes in hexadecimal.
#include "printer-sim/server/OutputFiles.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "tools/png/PngFile.h"

namespace {

int NextFreeNumber(const std::string& dir) {
  int next = 1;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
    const std::string name = entry.path().filename().string();
    int number = 0;
    if (std::sscanf(name.c_str(), "print-%d.png", &number) == 1 && number >= next) next = number + 1;
  }
  return next;
}

}  // namespace

OutputFiles::OutputFiles(const std::string& dir)
    : printsDir_((std::filesystem::path(dir) / "prints").string()),
      transcriptPath_((std::filesystem::path(dir) / "transcript.log").string()) {
  std::error_code error;
  std::filesystem::create_directories(printsDir_, error);
  nextNumber_ = NextFreeNumber(printsDir_);
}

void OutputFiles::WriteNew(const VirtualPrinter& printer) {
  const auto& pages = printer.Pages();
  for (; pagesWritten_ < pages.size(); ++pagesWritten_) {
    char name[32];
    std::snprintf(name, sizeof name, "print-%04d.png", nextNumber_++);
    const std::string path = (std::filesystem::path(printsDir_) / name).string();
    std::string why;
    if (WritePngFile(path, pages[pagesWritten_], &why)) {
      std::cerr << "printed " << path << "\n";
    } else {
      std::cerr << "cannot write " << path << ": " << why << "\n";
    }
  }
  const auto& transcript = printer.Transcript();
  if (chunksWritten_ == transcript.size()) return;
  std::ofstream out(transcriptPath_, std::ios::app);
  for (; chunksWritten_ < transcript.size(); ++chunksWritten_) {
    const TranscriptEntry& entry = transcript[chunksWritten_];
    out << entry.atMs;
    char hex[4];
    for (uint8_t b : entry.bytes) {
      std::snprintf(hex, sizeof hex, " %02X", b);
      out << hex;
    }
    out << '\n';
  }
}
