// Parsing of single printer entries: fixed field positions, optional fields, short texts.
#include "logoloft/catalogue/PrinterEntry.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

struct EntryCase {
  const char* text;
  PrinterEntry expected;
};

auto Fields(const PrinterEntry& e) {
  return std::tie(e.name, e.interfaces, e.modelType, e.defaultWidth, e.logoCount, e.memory,
                  e.hwFlow, e.hasWidthList);
}

TEST(PrinterEntryTest, ParsesFieldsAtFixedPositions) {
  const EntryCase cases[] = {
      {"Wren-20XM,015,001,576,010,256", {"Wren-20XM", 15, 1, 576, 10, 256, 0, 0}},
      {"Wren-20XM,015,001,576,010,256,1,1", {"Wren-20XM", 15, 1, 576, 10, 256, 1, 1}},
      {"Wren-20XM,015,001,576,010,256,1", {"Wren-20XM", 15, 1, 576, 10, 256, 1, 0}},
      {"Wren-40(2Color),015,004,576,010,256,0,1", {"Wren-40(2Color)", 15, 4, 576, 10, 256, 0, 1}},
      // Leading zeros, and a conversion that stops at the first non-digit.
      {"M,005,000,08x,1 2,25", {"M", 5, 0, 8, 1, 25, 0, 0}},
      // Fields are read at their places whatever the text holds: a four-digit width is cut to
      // three digits and the logo count then starts at a comma.
      {"M,015,001,5760,10,256", {"M", 15, 1, 576, 0, 256, 0, 0}},
      // The optional fields need their comma exactly at their place.
      {"M,015,001,576,010,256;1,1", {"M", 15, 1, 576, 10, 256, 0, 1}},
      {"M,015,001,576,010,256,x,7", {"M", 15, 1, 576, 10, 256, 0, 7}},
      // Texts shorter than the fields read the missing ones as 0.
      {"M,007,00", {"M", 7, 0, 0, 0, 0, 0, 0}},
      {"M,", {"M", 0, 0, 0, 0, 0, 0, 0}},
      {"NoComma", {"NoComma", 0, 0, 0, 0, 0, 0, 0}},
      {"", {"", 0, 0, 0, 0, 0, 0, 0}},
      {",015,001,576,010,256", {"", 15, 1, 576, 10, 256, 0, 0}},
  };
  for (const EntryCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Fields(ParsePrinterEntry(c.text)), Fields(c.expected));
  }
}

}  // namespace
