// Parses one printer entry of the model catalogue.
#include "logoloft/catalogue/PrinterEntry.h"

namespace {

// The decimal value of at most `width` characters from `pos`, stopping at the first non-digit or
// at the end of the text.
int DecimalAt(const std::string& text, size_t pos, size_t width) {
  int value = 0;
  for (size_t k = pos; k < text.size() && k < pos + width; ++k) {
    const char c = text[k];
    if (c < '0' || c > '9') {
      break;
    }
    value = value * 10 + (c - '0');
  }
  return value;
}

// The one-digit optional field after a comma at `commaPos`; 0 when the comma is absent.
int OptionalDigitAt(const std::string& text, size_t commaPos) {
  if (commaPos >= text.size() || text[commaPos] != ',') {
    return 0;
  }
  return DecimalAt(text, commaPos + 1, 1);
}

}  // namespace

PrinterEntry ParsePrinterEntry(const std::string& text) {
  const size_t comma = text.find(',');
  const size_t i = comma == std::string::npos ? text.size() : comma;
  PrinterEntry entry;
  entry.name = text.substr(0, i);
  entry.interfaces = DecimalAt(text, i + 1, 3);
  entry.modelType = DecimalAt(text, i + 5, 3);
  entry.defaultWidth = DecimalAt(text, i + 9, 3);
  entry.logoCount = DecimalAt(text, i + 13, 3);
  entry.memory = DecimalAt(text, i + 17, 3);
  entry.hwFlow = OptionalDigitAt(text, i + 20);
  entry.hasWidthList = OptionalDigitAt(text, i + 22);
  return entry;
}
