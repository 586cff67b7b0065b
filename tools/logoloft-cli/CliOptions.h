// Parsing of logoloft-cli's command line: the colour options shared by its commands, and the rest.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "logoloft/conversion/ClassifyPixel.h"
#include "logoloft/conversion/ConversionColours.h"
#include "logoloft/conversion/ScaleForDensity.h"

// The command line after the command word: named options (with their values) and plain arguments.
struct CliArguments {
  std::map<std::string, std::string> options;  // "--width" -> "576"; flags map to ""
  std::vector<std::string> files;
};

// Splits `args`; every option named in `withValue` takes the next argument as its value and every
// option in `flags` takes none. Nothing (and `why` says what) for an unknown or incomplete option.
std::optional<CliArguments> SplitArguments(const std::vector<std::string>& args,
                                           const std::vector<std::string>& withValue,
                                           const std::vector<std::string>& flags, std::string& why);

// The options that take a value, and the flags, of the colour controls.
extern const std::vector<std::string> kColourOptions;
extern const std::vector<std::string> kColourFlags;

// The colour controls as the main window keeps them for one logo list.
struct ColourSettings {
  int threshold = 0;  // hue angle 0..360
  ClassifierSettings classifier;
  bool invert = false;

  ConversionColours Colours() const {
    return MakeConversionColours(threshold, classifier.colourChoice, invert);
  }
};

// Reads --threshold, --r-value, --l-value, --colour and --invert, starting from the window's
// defaults (threshold 0, R value 100, L value 100, Red; Not Used for `modelType` 1).
std::optional<ColourSettings> ReadColourSettings(const CliArguments& args, int modelType,
                                                 std::string& why);

// An integer option within [low, high]; `fallback` when it is absent.
std::optional<int> IntegerOption(const CliArguments& args, const std::string& name, int fallback,
                                 int low, int high, std::string& why);

// --density single|double|quad (single when absent).
std::optional<DotDensity> ReadDensity(const CliArguments& args, std::string& why);

// HOST:PORT with a dotted IPv4 host.
struct PrinterAddress {
  std::string host;
  int port = 0;
};
std::optional<PrinterAddress> ParseAddress(const std::string& text, std::string& why);
