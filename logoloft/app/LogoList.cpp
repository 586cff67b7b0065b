// The main window's logo list: admission under DOWNMAX and MEMORYSIZE, removal with renumbering.
#include "logoloft/app/LogoList.h"

#include <cstdio>

namespace logoloft {

const char* AdmissionMessage(Admission admission) {
  switch (admission) {
    case Admission::ListFull: return "Don't Read files any more!";
    case Admission::MemoryFull: return "NV-bitimage area too small";
    case Admission::Admitted: break;
  }
  return "";
}

void LogoList::SetLimits(int downMax, int memorySizeKb) {
  downMax_ = downMax;
  memorySizeKb_ = memorySizeKb;
}

Admission LogoList::Admit(const LogoImage& logo) {
  const long long limit = downMax_ < 0 ? 0 : static_cast<long long>(downMax_);
  if (static_cast<long long>(entries_.size()) >= limit || entries_.size() >= kMaxLogoEntries) {
    return Admission::ListFull;
  }
  if (static_cast<long long>(memorySizeKb_) * 1024 < TotalSize() + logo.size) {
    return Admission::MemoryFull;
  }
  entries_.push_back(logo);
  entries_.back().number = static_cast<uint8_t>(entries_.size());
  return Admission::Admitted;
}

void LogoList::RemoveAt(size_t index) {
  if (index >= entries_.size()) return;
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
  for (size_t i = 0; i < entries_.size(); ++i) entries_[i].number = static_cast<uint8_t>(i + 1);
}

LogoImage* LogoList::FindNumber(int number) {
  for (LogoImage& logo : entries_) {
    if (logo.number == number) return &logo;
  }
  return nullptr;
}

long long LogoList::TotalSize() const {
  long long total = 0;
  for (const LogoImage& logo : entries_) total += logo.size;
  return total;
}

std::string LogoList::FooterText() const {
  char text[128];
  std::snprintf(text, sizeof text, "Logo Files : %d / %d \nLogo Size Total : %lld / %d KByte",
                static_cast<int>(entries_.size()), downMax_, TotalSize() / 1024, memorySizeKb_);
  return text;
}

std::vector<std::string> LogoList::RowCells(const LogoImage& logo) {
  return {std::to_string(logo.number), logo.name, std::to_string(logo.size / 1024)};
}

}  // namespace logoloft
