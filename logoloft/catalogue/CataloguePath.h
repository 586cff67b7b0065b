// Where the model catalogue lives: NV.inf in the running program's folder.
#pragma once

#include <string>

// The folder of `programPath` (up to its last '\\' or '/') followed by "\\NV.inf".
std::string CataloguePathFor(const std::string& programPath);

// The catalogue beside the running program.
std::string CataloguePath();
