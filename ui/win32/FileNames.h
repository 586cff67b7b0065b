// The text forms of the common file dialogs: the filter they take and the names they give back.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace ui {

// "Text(*.x)|*.x||" as the dialog takes it: every '|' a NUL, the whole ended by two NULs.
std::string FilterForCommonDialog(const std::string& filter);

// The buffer a dialog filled: one full path, or (several chosen) the folder and then each name,
// every string NUL-ended and the list ended by an empty one. Gives the full paths.
std::vector<std::string> ChosenFileNames(const char* buffer, size_t size);

}  // namespace ui
