// The COMMON keys of NV.inf read or written outside the model selection: caption and IMAGE.
#pragma once

#include <string>

// DESCRIPTION + " V" + VERSION, or DESCRIPTION alone when USEPSP is nonzero.
std::string ReadCaption(const std::string& infPath);

// SUBDES, the branch name port discovery uses.
std::string ReadSubDescription(const std::string& infPath);

// The number of two-colour flash logos stored in the printer (IMAGE, 0 when missing).
int ReadImageCount(const std::string& infPath);
bool WriteImageCount(const std::string& infPath, int count);
