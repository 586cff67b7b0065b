// Writes the model and port chosen in the communication configuration dialog into NV.inf.
#pragma once

#include <string>
#include <vector>

#include "logoloft/catalogue/ModelCatalogue.h"
#include "logoloft/catalogue/PrinterEntry.h"

struct SelectionChoice {
  std::string modelName;
  std::string receiptWidth;  // the text of the chosen line width
  // INTERFACE and the keys of that interface; the keys of the other interfaces are not written.
  CommunicationKeys communication;
};

enum class SelectionWriteResult {
  Written,
  ReadOnly,      // "Can't Write the inf File! It's Read-only!"
  UnknownModel,  // "Error Code 1111 : Changed Printer Information File!"
  WriteFailed,   // a key could not be written; the file was put back as it was (shown as ReadOnly)
};

// The message the dialog shows for a refusal; empty for Written.
const char* SelectionWriteMessage(SelectionWriteResult result);

// Writes COMMON (ModelName, ModelType, RECEIPTWIDTH, MEMORYSIZE, DOWNMAX, HWFLOW) from the entry
// named in `choice`, then COMMUNICATION (INTERFACE and its keys). Nothing is written when the file
// is read-only or its attributes cannot be read, or when no entry has the chosen name.
SelectionWriteResult WriteSelection(const std::string& infPath,
                                    const std::vector<PrinterEntry>& entries,
                                    const SelectionChoice& choice);
