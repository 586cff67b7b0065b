// The parsed model catalogue: the printer list, the width lists and the saved selection of NV.inf.
#pragma once

#include <string>
#include <vector>

#include "logoloft/catalogue/PrinterEntry.h"

// The COMMUNICATION keys as NV.inf holds them (texts where the dialog compares item texts).
struct CommunicationKeys {
  int interfaceKind = 0;  // INTERFACE
  std::string portName;   // PORTNAME
  std::string baudRate;   // BAUDRATE
  std::string dataBits;   // DATABITS
  std::string parity;     // PARITY
  std::string stopBits;   // STOPBITS
  std::string flowControl;  // FLOWCONTROL
  std::string usbPort;    // USBPORT
  int ip[4] = {0, 0, 0, 0};  // IP1 .. IP4
  int port = 0;           // PORT
};

// The saved choice of model (COMMON) and port (COMMUNICATION).
struct SavedSelection {
  std::string modelName;  // ModelName
  int modelType = 0;      // ModelType
  int receiptWidth = 0;   // RECEIPTWIDTH
  int memorySize = 0;     // MEMORYSIZE
  int downMax = 0;        // DOWNMAX
  int hwFlow = 0;         // HWFLOW
  CommunicationKeys communication;
};

struct ModelCatalogue {
  std::vector<PrinterEntry> entries;  // in file order
  SavedSelection selection;
};

// PRINTER01 .. PRINTER49 of PRINTERLIST, stopping at the first missing or empty key.
std::vector<PrinterEntry> ReadPrinterList(const std::string& infPath);

// RECLINEWIDTH01 .. RECLINEWIDTH49 of the model's section, as texts, stopping at the first missing
// or empty key.
std::vector<std::string> ReadWidthList(const std::string& infPath, const std::string& modelName);

SavedSelection ReadSavedSelection(const std::string& infPath);

// The printer list and the saved selection.
ModelCatalogue LoadModelCatalogue(const std::string& infPath);

// The entry named exactly `modelName`, or null.
const PrinterEntry* FindEntry(const std::vector<PrinterEntry>& entries, const std::string& modelName);
