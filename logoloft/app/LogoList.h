// The main window's logo list: numbered entries, the admission limits, removal and the texts the
// list view and its footer show.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "logoloft/conversion/LogoImage.h"

namespace logoloft {

enum class Admission {
  Admitted,
  ListFull,    // "Don't Read files any more!"
  MemoryFull,  // "NV-bitimage area too small"
};

// The message of a refusal; empty for Admitted.
const char* AdmissionMessage(Admission admission);

// The most entries the list holds whatever DOWNMAX says: `number` is one byte.
constexpr size_t kMaxLogoEntries = 255;

class LogoList {
 public:
  // DOWNMAX and MEMORYSIZE (KByte).
  void SetLimits(int downMax, int memorySizeKb);

  // Appends the entry when the list is below DOWNMAX and the sizes then still fit MEMORYSIZE.
  Admission Admit(const LogoImage& logo);
  // Removes the entry at `index` (list order) and renumbers the rest 1..n.
  void RemoveAt(size_t index);
  void Clear() { entries_.clear(); }

  const std::vector<LogoImage>& Entries() const { return entries_; }
  size_t Count() const { return entries_.size(); }
  // The entry with this number, or null.
  LogoImage* FindNumber(int number);
  long long TotalSize() const;

  // "Logo Files : n / DOWNMAX \nLogo Size Total : total/1024 / MEMORYSIZE KByte".
  std::string FooterText() const;
  // The "No.", "Name" and "Size" cells of an entry (size in KByte, truncated).
  static std::vector<std::string> RowCells(const LogoImage& logo);

 private:
  std::vector<LogoImage> entries_;
  int downMax_ = 0;
  int memorySizeKb_ = 0;
};

}  // namespace logoloft
