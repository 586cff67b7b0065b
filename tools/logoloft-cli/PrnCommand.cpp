// logoloft-cli prn: the bytes "Save File.." writes for a model type, from bitmap files.
#include <cstdio>

#include "logoloft/conversion/LogoImage.h"
#include "logoloft/download/PrnFile.h"
#include "tools/logoloft-cli/CliOptions.h"
#include "tools/logoloft-cli/Commands.h"
#include "tools/logoloft-cli/LogoList.h"

int RunPrnCommand(const std::vector<std::string>& args) {
  std::string why;
  std::vector<std::string> withValue = {"--model-type", "--width", "--density", "-o"};
  withValue.insert(withValue.end(), kColourOptions.begin(), kColourOptions.end());
  auto parsed = SplitArguments(args, withValue, kColourFlags, why);
  if (!parsed) return UsageError(why);
  if (!parsed->options.count("--model-type") || !parsed->options.count("--width") ||
      !parsed->options.count("-o") || parsed->files.empty()) {
    return UsageError("prn needs --model-type, --width, -o and at least one bitmap");
  }
  auto modelType = IntegerOption(*parsed, "--model-type", 0, 0, 4, why);
  auto width = IntegerOption(*parsed, "--width", 0, 1, 65535, why);
  auto density = ReadDensity(*parsed, why);
  if (!modelType || !width || !density) return UsageError(why);
  auto colours = ReadColourSettings(*parsed, *modelType, why);
  if (!colours) return UsageError(why);

  auto logos = LoadLogoList(parsed->files, *colours, *width);
  if (!logos) return 1;

  ItemBuildSettings settings;
  settings.modelType = *modelType;
  settings.lineWidth = *width;
  settings.colours = colours->Colours();
  settings.density = *density;
  const std::string& out = parsed->options["-o"];
  PrnSaveResult saved = SaveLogosAsPrn(out, *logos, settings);
  if (!saved.ok()) {
    const DownloadRefusal& refusal = *saved.refusal;
    if (refusal.logoName.empty()) {
      std::fprintf(stderr, "logoloft-cli: %s: %s\n", out.c_str(), refusal.reason.c_str());
    } else {
      std::fprintf(stderr, "logoloft-cli: %s: %s\n", refusal.logoName.c_str(), refusal.reason.c_str());
    }
    return 1;
  }
  std::printf("%s: %zu logo(s) for model type %d, width %d\n", out.c_str(), logos->size(),
              *modelType, *width);
  return 0;
}
