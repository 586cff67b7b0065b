// The printer link: owns one port object of the kind its settings call for and dispatches I/O to it.
#include "link/PrinterLink.h"

#include "link/LinkKindChoice.h"

PrinterLink::PrinterLink() : variant_(BuiltLinkVariant()) {}

PrinterLink::~PrinterLink() = default;

void PrinterLink::DestroyPort() { netPort_.reset(); }

bool PrinterLink::Create(const PortSettings& settings) {
  DestroyPort();
  const std::optional<LinkKindChoice> choice = ChooseLinkKind(variant_, settings);
  if (!choice) {
    return false;
  }
  kind_ = choice->kind;
  switch (kind_) {
    case LinkKind::Ethernet:
      netPort_ = std::make_unique<NetPort>();
      return netPort_->SetUp(choice->portName, settings.tcpPort);
    case LinkKind::Serial:
    case LinkKind::Parallel:
    case LinkKind::USB:
      // The serial, parallel and USB port classes are not part of the link yet: no port object is
      // made for these kinds, so the link stays empty and every later operation returns 0.
      return false;
  }
  return false;
}

bool PrinterLink::Open() {
  if (kind_ == LinkKind::Ethernet && netPort_) {
    return netPort_->Open();
  }
  return false;
}

int PrinterLink::Write(const uint8_t* data, uint32_t count) {
  if (kind_ == LinkKind::Ethernet && netPort_) {
    return netPort_->Write(data, count);
  }
  return 0;
}

int PrinterLink::Read(uint8_t* buffer, uint32_t count, uint32_t timeoutMs) {
  if (kind_ == LinkKind::Ethernet && netPort_) {
    return netPort_->Read(buffer, count, timeoutMs);
  }
  return 0;
}

void PrinterLink::Close() {
  if (kind_ == LinkKind::Ethernet && netPort_) {
    netPort_->Close();
  }
  if (variant_ == LinkVariant::PinsetVariant) {
    DestroyPort();
  }
}
