// How a variant of the printer link picks the port kind for a PortSettings record.
#pragma once

#include <optional>
#include <string>

#include "link/LinkKind.h"
#include "link/LinkVariant.h"
#include "link/PortSettings.h"

struct LinkKindChoice {
  LinkKind kind = LinkKind::Serial;
  // What the port is handed as its name: the port name, the device path (USB) or the address (Ethernet).
  std::string portName;
};

// The kind a link of `variant` chooses for `settings`, or nothing when no port fits (Pinset only).
std::optional<LinkKindChoice> ChooseLinkKind(LinkVariant variant, const PortSettings& settings);
