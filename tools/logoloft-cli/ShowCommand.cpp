// logoloft-cli show: a bitmap as loaded, or as classified and fitted, written as a PNG.
#include <cstdio>

#include "logoloft/conversion/LoadBitmapFile.h"
#include "logoloft/conversion/PrepareLogo.h"
#include "tools/logoloft-cli/CliOptions.h"
#include "tools/logoloft-cli/Commands.h"
#include "tools/png/PngFile.h"

int RunShowCommand(const std::vector<std::string>& args) {
  std::string why;
  std::vector<std::string> withValue = {"--width", "--model-type", "-o"};
  withValue.insert(withValue.end(), kColourOptions.begin(), kColourOptions.end());
  std::vector<std::string> flags = kColourFlags;
  flags.push_back("--transformed");
  auto parsed = SplitArguments(args, withValue, flags, why);
  if (!parsed) return UsageError(why);
  if (parsed->files.size() != 1 || !parsed->options.count("-o")) {
    return UsageError("show needs one bitmap and -o");
  }
  auto modelType = IntegerOption(*parsed, "--model-type", 0, 0, 4, why);
  if (!modelType) return UsageError(why);
  auto colours = ReadColourSettings(*parsed, *modelType, why);
  if (!colours) return UsageError(why);

  const std::string& file = parsed->files[0];
  Bitmap image;
  if (!LoadBitmapFile(file, image)) {
    std::fprintf(stderr, "logoloft-cli: %s: Failed to load image file!\n", file.c_str());
    return 1;
  }
  if (parsed->options.count("--transformed")) {
    // Without a line width the logo is classified at its own size.
    auto width = IntegerOption(*parsed, "--width", image.width, 1, 65535, why);
    if (!width) return UsageError(why);
    auto prepared = PrepareBitmap(image, colours->classifier, colours->Colours(), *width);
    if (!prepared) {
      std::fprintf(stderr, "logoloft-cli: %s: cannot be fitted to width %d\n", file.c_str(), *width);
      return 1;
    }
    image = *prepared;
  }
  const std::string& out = parsed->options["-o"];
  if (!WritePngFile(out, image, &why)) {
    std::fprintf(stderr, "logoloft-cli: %s: %s\n", out.c_str(), why.c_str());
    return 1;
  }
  std::printf("%s: %d x %d\n", out.c_str(), image.width, image.height);
  return 0;
}
