// logoloft-cli download: the upload dialog's download of bitmap files to a printer over TCP, with
// the model's type and line width from the catalogue and the dialog's pacing in real time.
#include <cstdio>
#include <optional>
#include <string>

#include "logoloft/catalogue/ModelCatalogue.h"
#include "logoloft/download/DownloadItems.h"
#include "logoloft/download/ModelTypes.h"
#include "logoloft/transfer/UploadSession.h"
#include "platform/os/Clock.h"
#include "platform/os/Files.h"
#include "tools/logoloft-cli/CliOptions.h"
#include "tools/logoloft-cli/Commands.h"
#include "tools/logoloft-cli/LogoList.h"
#include "tools/logoloft-cli/ProgressDisplay.h"
#include "tools/logoloft-cli/SocketLayer.h"
#include "tools/logoloft-cli/TcpTarget.h"

namespace {

// --catalogue when given, else NV.inf in the current folder; nothing (and why) when it is missing.
std::optional<std::string> CataloguePathOf(const CliArguments& args, std::string& why) {
  auto given = args.options.find("--catalogue");
  const std::string path = given != args.options.end() ? given->second : "NV.inf";
  const uint32_t attributes = os::GetFileAttributesA(path.c_str());
  if (attributes == os::kInvalidFileAttributes || (attributes & os::kFileAttributeDirectory)) {
    why = "no model catalogue " + path + " (give one with --catalogue)";
    return std::nullopt;
  }
  return path;
}

// The entry of --model, refused when the upload dialog does not download its type.
std::optional<PrinterEntry> DownloadableModel(const std::string& catalogue,
                                              const std::string& model) {
  const std::vector<PrinterEntry> entries = ReadPrinterList(catalogue);
  const PrinterEntry* entry = FindEntry(entries, model);
  if (entry == nullptr) {
    std::fprintf(stderr, "logoloft-cli: %s: no model %s\n", catalogue.c_str(), model.c_str());
    return std::nullopt;
  }
  if (entry->modelType == kModelTypeKeyCode || entry->modelType == kModelTypeFlashLogo) {
    std::fprintf(stderr,
                 "logoloft-cli: %s (model type %d) downloads its logos with the key-code dialogs, "
                 "which this command does not run\n",
                 model.c_str(), entry->modelType);
    return std::nullopt;
  }
  if (entry->modelType != kModelTypeImpact && entry->modelType != kModelTypeOneColour) {
    std::fprintf(stderr, "logoloft-cli: %s: Not Support Printer\n", model.c_str());
    return std::nullopt;
  }
  return *entry;
}

// Runs the dialog's timer for real until the download has finished.
bool RunDownload(UploadSession& session) {
  session.Start();
  ProgressDisplay display(stdout);
  while (std::optional<uint32_t> delay = session.NextTimerMs()) {
    os::Sleep(*delay);
    session.Tick();
    display.Show(session);
  }
  return session.Completed().value_or(false);
}

}  // namespace

int RunDownloadCommand(const std::vector<std::string>& args) {
  std::string why;
  std::vector<std::string> withValue = {"--model", "--catalogue", "--to", "--density"};
  withValue.insert(withValue.end(), kColourOptions.begin(), kColourOptions.end());
  auto parsed = SplitArguments(args, withValue, kColourFlags, why);
  if (!parsed) return UsageError(why);
  if (!parsed->options.count("--model") || !parsed->options.count("--to") || parsed->files.empty()) {
    return UsageError("download needs --model, --to HOST:PORT and at least one bitmap");
  }
  auto address = ParseAddress(parsed->options["--to"], why);
  auto density = ReadDensity(*parsed, why);
  if (!address || !density) return UsageError(why);
  auto catalogue = CataloguePathOf(*parsed, why);
  if (!catalogue) {
    std::fprintf(stderr, "logoloft-cli: %s\n", why.c_str());
    return 1;
  }
  auto model = DownloadableModel(*catalogue, parsed->options["--model"]);
  if (!model) return 1;
  auto colours = ReadColourSettings(*parsed, model->modelType, why);
  if (!colours) return UsageError(why);

  auto logos = LoadLogoList(parsed->files, *colours, model->defaultWidth);
  if (!logos) return 1;
  ItemBuildSettings settings;
  settings.modelType = model->modelType;
  settings.lineWidth = model->defaultWidth;
  settings.colours = colours->Colours();
  settings.density = *density;
  const ItemBuildResult built = BuildDownloadItems(*logos, settings);
  if (!built.ok()) {
    const DownloadRefusal& refusal = *built.refusal;
    std::fprintf(stderr, "logoloft-cli: %s%s%s\n", refusal.logoName.c_str(),
                 refusal.logoName.empty() ? "" : ": ", refusal.reason.c_str());
    return 1;
  }

  if (!StartSocketLayer()) return 1;
  UploadSession session(built.items, model->modelType, TcpTargetFor(*address));
  return RunDownload(session) ? 0 : 1;
}
