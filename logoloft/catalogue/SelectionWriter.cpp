// Writes the model and port chosen in the communication configuration dialog into NV.inf.
#include "logoloft/catalogue/SelectionWriter.h"

#include <cstdint>
#include <string>
#include <utility>

#include "link/LinkKind.h"
#include "platform/os/Files.h"
#include "platform/os/Profile.h"

namespace {

using KeyValue = std::pair<const char*, std::string>;

bool FileMayBeWritten(const std::string& infPath) {
  const uint32_t attributes = os::GetFileAttributesA(infPath.c_str());
  return attributes != os::kInvalidFileAttributes && (attributes & os::kFileAttributeReadOnly) == 0;
}

std::vector<KeyValue> CommonKeyValues(const PrinterEntry& entry, const SelectionChoice& choice) {
  return {{"ModelName", entry.name},
          {"ModelType", std::to_string(entry.modelType)},
          {"RECEIPTWIDTH", choice.receiptWidth},
          {"MEMORYSIZE", std::to_string(entry.memory)},
          {"DOWNMAX", std::to_string(entry.logoCount)},
          {"HWFLOW", std::to_string(entry.hwFlow)}};
}

// INTERFACE, then only the keys of the chosen interface.
std::vector<KeyValue> CommunicationKeyValues(const CommunicationKeys& keys) {
  std::vector<KeyValue> values = {{"INTERFACE", std::to_string(keys.interfaceKind)}};
  switch (static_cast<LinkKind>(keys.interfaceKind)) {
    case LinkKind::Serial:
      values.insert(values.end(), {{"PORTNAME", keys.portName},
                                   {"BAUDRATE", keys.baudRate},
                                   {"PARITY", keys.parity},
                                   {"DATABITS", keys.dataBits},
                                   {"STOPBITS", keys.stopBits},
                                   {"FLOWCONTROL", keys.flowControl}});
      break;
    case LinkKind::Parallel:
      values.push_back({"PORTNAME", keys.portName});
      break;
    case LinkKind::USB:
      values.insert(values.end(), {{"PORTNAME", keys.portName}, {"USBPORT", keys.usbPort}});
      break;
    default:
      values.insert(values.end(), {{"PORTNAME", "Ethernet"},
                                   {"IP1", std::to_string(keys.ip[0])},
                                   {"IP2", std::to_string(keys.ip[1])},
                                   {"IP3", std::to_string(keys.ip[2])},
                                   {"IP4", std::to_string(keys.ip[3])},
                                   {"PORT", std::to_string(keys.port)}});
      break;
  }
  return values;
}

bool WriteKeys(const char* section, const std::vector<KeyValue>& values, const std::string& infPath) {
  for (const KeyValue& value : values) {
    if (!os::WritePrivateProfileStringA(section, value.first, value.second.c_str(), infPath.c_str())) {
      return false;
    }
  }
  return true;
}

}  // namespace

const char* SelectionWriteMessage(SelectionWriteResult result) {
  switch (result) {
    case SelectionWriteResult::ReadOnly:
    case SelectionWriteResult::WriteFailed:  // the file could not be written either way
      return "Can't Write the inf File! It's Read-only!";
    case SelectionWriteResult::UnknownModel:
      return "Error Code 1111 : Changed Printer Information File!";
    case SelectionWriteResult::Written:
      break;
  }
  return "";
}

SelectionWriteResult WriteSelection(const std::string& infPath,
                                    const std::vector<PrinterEntry>& entries,
                                    const SelectionChoice& choice) {
  if (!FileMayBeWritten(infPath)) {
    return SelectionWriteResult::ReadOnly;
  }
  const PrinterEntry* entry = FindEntry(entries, choice.modelName);
  if (entry == nullptr) {
    return SelectionWriteResult::UnknownModel;
  }
  // A key that cannot be written must not leave half a selection behind: keep the file's bytes
  // and put them back on failure.
  std::vector<uint8_t> original;
  if (!os::ReadWholeFile(infPath.c_str(), original)) {
    return SelectionWriteResult::WriteFailed;
  }
  if (WriteKeys("COMMON", CommonKeyValues(*entry, choice), infPath) &&
      WriteKeys("COMMUNICATION", CommunicationKeyValues(choice.communication), infPath)) {
    return SelectionWriteResult::Written;
  }
  os::WriteWholeFile(infPath.c_str(), original);
  return SelectionWriteResult::WriteFailed;
}
