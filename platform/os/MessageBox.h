// The seam's message box: every failure a user sees goes through here.
#pragma once

#include <cstdint>

namespace os {

// Button and icon flags, with the values Windows gives them.
constexpr uint32_t kMbOk = 0x0;
constexpr uint32_t kMbOkCancel = 0x1;
constexpr uint32_t kMbYesNo = 0x4;
constexpr uint32_t kMbIconError = 0x10;
constexpr uint32_t kMbIconQuestion = 0x20;
constexpr uint32_t kMbIconExclamation = 0x30;
constexpr uint32_t kMbIconInformation = 0x40;

// Answers, with the values Windows gives them.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

// Shows a modal message box over `owner`, or over the active window when it is null. Returns the
// button pressed.
int MessageBoxA(void* owner, const char* text, const char* caption, uint32_t type);

}  // namespace os
