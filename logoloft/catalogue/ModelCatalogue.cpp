// Reads the printer list, the width lists and the saved selection of NV.inf.
#include "logoloft/catalogue/ModelCatalogue.h"

#include <cstdio>
#include <utility>

#include "logoloft/catalogue/ProfileReader.h"

namespace {

constexpr int kLastNumberedKey = 49;

// The values of "<prefix>01" .. "<prefix>49" in `section`, up to the first missing or empty one.
std::vector<std::string> ReadNumberedKeys(const char* section, const char* prefix,
                                          const std::string& infPath) {
  std::vector<std::string> values;
  for (int n = 1; n <= kLastNumberedKey; ++n) {
    char key[32];
    std::snprintf(key, sizeof key, "%s%02d", prefix, n);
    std::string value = ReadProfileText(section, key, infPath);
    if (value.empty()) {
      break;
    }
    values.push_back(std::move(value));
  }
  return values;
}

CommunicationKeys ReadCommunicationKeys(const std::string& infPath) {
  const char* section = "COMMUNICATION";
  CommunicationKeys keys;
  keys.interfaceKind = ReadProfileInt(section, "INTERFACE", 0, infPath);
  keys.portName = ReadProfileText(section, "PORTNAME", infPath);
  keys.baudRate = ReadProfileText(section, "BAUDRATE", infPath);
  keys.dataBits = ReadProfileText(section, "DATABITS", infPath);
  keys.parity = ReadProfileText(section, "PARITY", infPath);
  keys.stopBits = ReadProfileText(section, "STOPBITS", infPath);
  keys.flowControl = ReadProfileText(section, "FLOWCONTROL", infPath);
  keys.usbPort = ReadProfileText(section, "USBPORT", infPath);
  const char* ipKeys[4] = {"IP1", "IP2", "IP3", "IP4"};
  for (int k = 0; k < 4; ++k) {
    keys.ip[k] = ReadProfileInt(section, ipKeys[k], 0, infPath);
  }
  keys.port = ReadProfileInt(section, "PORT", 0, infPath);
  return keys;
}

}  // namespace

std::vector<PrinterEntry> ReadPrinterList(const std::string& infPath) {
  std::vector<PrinterEntry> entries;
  for (const std::string& text : ReadNumberedKeys("PRINTERLIST", "PRINTER", infPath)) {
    entries.push_back(ParsePrinterEntry(text));
  }
  return entries;
}

std::vector<std::string> ReadWidthList(const std::string& infPath, const std::string& modelName) {
  return ReadNumberedKeys(modelName.c_str(), "RECLINEWIDTH", infPath);
}

SavedSelection ReadSavedSelection(const std::string& infPath) {
  const char* section = "COMMON";
  SavedSelection selection;
  selection.modelName = ReadProfileText(section, "ModelName", infPath);
  selection.modelType = ReadProfileInt(section, "ModelType", 0, infPath);
  selection.receiptWidth = ReadProfileInt(section, "RECEIPTWIDTH", 0, infPath);
  selection.memorySize = ReadProfileInt(section, "MEMORYSIZE", 0, infPath);
  selection.downMax = ReadProfileInt(section, "DOWNMAX", 0, infPath);
  selection.hwFlow = ReadProfileInt(section, "HWFLOW", 0, infPath);
  selection.communication = ReadCommunicationKeys(infPath);
  return selection;
}

ModelCatalogue LoadModelCatalogue(const std::string& infPath) {
  ModelCatalogue catalogue;
  catalogue.entries = ReadPrinterList(infPath);
  catalogue.selection = ReadSavedSelection(infPath);
  return catalogue;
}

const PrinterEntry* FindEntry(const std::vector<PrinterEntry>& entries, const std::string& modelName) {
  for (const PrinterEntry& entry : entries) {
    if (entry.name == modelName) {
      return &entry;
    }
  }
  return nullptr;
}
