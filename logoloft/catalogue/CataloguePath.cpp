// Where the model catalogue lives: NV.inf in the running program's folder.
#include "logoloft/catalogue/CataloguePath.h"

#include "platform/os/ProgramFolder.h"

std::string CataloguePathFor(const std::string& programPath) {
  const size_t slash = programPath.find_last_of("\\/");
  const std::string folder = slash == std::string::npos ? std::string() : programPath.substr(0, slash);
  return folder + "\\NV.inf";
}

std::string CataloguePath() { return CataloguePathFor(os::GetModuleFileNameA()); }
