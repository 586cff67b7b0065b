// How a variant of the printer link picks the port kind for a PortSettings record.
#include "link/LinkKindChoice.h"

namespace {

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

// The model tokens of USB discovery, in the order they are tried.
constexpr const char* kUsbModelTokens[] = {"20XM", "22XM", "20M", "P-8"};

}  // namespace

std::optional<LinkKindChoice> ChooseLinkKind(LinkVariant variant, const PortSettings& settings) {
  const std::string& name = settings.portName;
  if (StartsWith(name, "COM") || StartsWith(name, "\\\\.\\COM")) {
    return LinkKindChoice{LinkKind::Serial, name};
  }
  if (StartsWith(name, "LPT")) {
    return LinkKindChoice{LinkKind::Parallel, name};
  }
  if (variant == LinkVariant::LogoloftVariant) {
    return LinkKindChoice{LinkKind::USB, name};
  }
  for (const char* token : kUsbModelTokens) {
    if (name.find(token) != std::string::npos) {
      // The device path follows the token and its colon.
      const size_t skip = std::string(token).size() + 1;
      return LinkKindChoice{LinkKind::USB, name.size() > skip ? name.substr(skip) : std::string()};
    }
  }
  if (settings.tcpPort != 0) {
    return LinkKindChoice{LinkKind::Ethernet, name};
  }
  return std::nullopt;
}
