// Parsing of logoloft-cli's command line.
#include "tools/logoloft-cli/CliOptions.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

const std::vector<std::string> kColourOptions = {"--threshold", "--r-value", "--l-value", "--colour"};
const std::vector<std::string> kColourFlags = {"--invert"};

namespace {

bool Contains(const std::vector<std::string>& list, const std::string& word) {
  return std::find(list.begin(), list.end(), word) != list.end();
}

bool ParseInteger(const std::string& text, int& value) {
  if (text.empty() || text.size() > 9) return false;
  char* end = nullptr;
  long parsed = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0') return false;
  value = static_cast<int>(parsed);
  return true;
}

}  // namespace

std::optional<CliArguments> SplitArguments(const std::vector<std::string>& args,
                                           const std::vector<std::string>& withValue,
                                           const std::vector<std::string>& flags, std::string& why) {
  CliArguments result;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (Contains(withValue, word)) {
      if (i + 1 >= args.size()) {
        why = word + " needs a value";
        return std::nullopt;
      }
      result.options[word] = args[++i];
    } else if (Contains(flags, word)) {
      result.options[word] = "";
    } else if (word.size() > 1 && word[0] == '-') {
      why = "unknown option " + word;
      return std::nullopt;
    } else {
      result.files.push_back(word);
    }
  }
  return result;
}

std::optional<int> IntegerOption(const CliArguments& args, const std::string& name, int fallback,
                                 int low, int high, std::string& why) {
  auto found = args.options.find(name);
  if (found == args.options.end()) return fallback;
  int value = 0;
  if (!ParseInteger(found->second, value) || value < low || value > high) {
    why = name + " takes a whole number from " + std::to_string(low) + " to " + std::to_string(high);
    return std::nullopt;
  }
  return value;
}

std::optional<ColourSettings> ReadColourSettings(const CliArguments& args, int modelType,
                                                 std::string& why) {
  ColourSettings settings;
  auto threshold = IntegerOption(args, "--threshold", 0, 0, 360, why);
  auto rValue = IntegerOption(args, "--r-value", 100, 0, 255, why);
  auto lValue = IntegerOption(args, "--l-value", 100, 0, 255, why);
  if (!threshold || !rValue || !lValue) return std::nullopt;
  settings.threshold = *threshold;
  settings.classifier.rValue = static_cast<uint8_t>(*rValue);
  settings.classifier.lValue = static_cast<uint8_t>(*lValue);
  settings.classifier.colourChoice = modelType == 1 ? ColourChoice::NotUsed : ColourChoice::Red;
  auto colour = args.options.find("--colour");
  if (colour != args.options.end()) {
    static const std::map<std::string, ColourChoice> kChoices = {{"red", ColourChoice::Red},
                                                                 {"green", ColourChoice::Green},
                                                                 {"blue", ColourChoice::Blue},
                                                                 {"none", ColourChoice::NotUsed}};
    auto choice = kChoices.find(colour->second);
    if (choice == kChoices.end()) {
      why = "--colour takes red, green, blue or none";
      return std::nullopt;
    }
    settings.classifier.colourChoice = choice->second;
  }
  settings.invert = args.options.count("--invert") != 0;
  return settings;
}

std::optional<DotDensity> ReadDensity(const CliArguments& args, std::string& why) {
  auto found = args.options.find("--density");
  if (found == args.options.end() || found->second == "single") return DotDensity::Single;
  if (found->second == "double") return DotDensity::Double;
  if (found->second == "quad") return DotDensity::Quad;
  why = "--density takes single, double or quad";
  return std::nullopt;
}

std::optional<PrinterAddress> ParseAddress(const std::string& text, std::string& why) {
  size_t colon = text.rfind(':');
  PrinterAddress address;
  int octets[4];
  char tail = 0;
  if (colon == std::string::npos || !ParseInteger(text.substr(colon + 1), address.port) ||
      address.port < 1 || address.port > 65535 ||
      std::sscanf(text.substr(0, colon).c_str(), "%d.%d.%d.%d%c", &octets[0], &octets[1],
                  &octets[2], &octets[3], &tail) != 4 ||
      std::any_of(octets, octets + 4, [](int o) { return o < 0 || o > 255; })) {
    why = "--to takes HOST:PORT with a dotted IPv4 host, e.g. 127.0.0.1:9100";
    return std::nullopt;
  }
  address.host = text.substr(0, colon);
  return address;
}
