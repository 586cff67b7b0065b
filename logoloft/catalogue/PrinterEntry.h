// One printer entry of the model catalogue (a PRINTERLIST value of NV.inf) and its parser.
#pragma once

#include <string>

// Bits of PrinterEntry::interfaces.
constexpr int kInterfaceSerial = 1;
constexpr int kInterfaceParallel = 2;
constexpr int kInterfaceUsb = 4;
constexpr int kInterfaceEthernet = 8;

struct PrinterEntry {
  std::string name;
  int interfaces = 0;    // bit mask of the kInterface* bits
  int modelType = 0;     // 0 impact, 1 one-colour, 2 key-code two-colour, 3 unsupported, 4 flash logos
  int defaultWidth = 0;  // line width in dots
  int logoCount = 0;     // DOWNMAX
  int memory = 0;        // NV memory in KByte
  int hwFlow = 0;        // 0 DTR/DSR, 1 RTS/CTS
  int hasWidthList = 0;  // nonzero: RECLINEWIDTHnn keys in the model's section
};

// Parses "name,iii,ttt,www,ccc,mmm[,h[,w]]": name up to the first comma, then fields at fixed
// places after it. Fields past the end of a short text read as 0.
PrinterEntry ParsePrinterEntry(const std::string& text);
