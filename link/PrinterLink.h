// The printer link: owns one port object of the kind its settings call for and dispatches I/O to it.
#pragma once

#include <cstdint>
#include <memory>

#include "link/LinkKind.h"
#include "link/LinkVariant.h"
#include "link/NetPort.h"
#include "link/PortSettings.h"

class PrinterLink {
 public:
  PrinterLink();
  virtual ~PrinterLink();
  PrinterLink(const PrinterLink&) = delete;
  PrinterLink& operator=(const PrinterLink&) = delete;

  // Destroys the current port object (without closing it), chooses the kind and makes a port object
  // of that kind; true when the port accepts the settings. Nothing is opened.
  bool Create(const PortSettings& settings);
  bool Open();
  // Bytes written; 0 when nothing was written, there is no open port, `data` is null or `count` 0.
  int Write(const uint8_t* data, uint32_t count);
  // Bytes delivered; 0 when none. `timeoutMs` bounds the wait for the first byte.
  int Read(uint8_t* buffer, uint32_t count, uint32_t timeoutMs);
  // Closes the port; the Pinset build also destroys the port object.
  void Close();

  // The kind code of the current port object, if there is one.
  bool HasPort() const { return netPort_ != nullptr; }
  LinkKind Kind() const { return kind_; }
  LinkVariant Variant() const { return variant_; }

 private:
  void DestroyPort();

  LinkVariant variant_;
  LinkKind kind_ = LinkKind::Serial;
  std::unique_ptr<NetPort> netPort_;  // the Ethernet port object (Pinset build)
};
