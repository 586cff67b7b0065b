// The NV.inf shipped with the suite: every entry valid, every model type present, a usable preset.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "logoloft/catalogue/CommonKeys.h"
#include "logoloft/catalogue/LogoloftPortSettings.h"
#include "logoloft/catalogue/ModelCatalogue.h"
#include "tests/catalogue/CatalogueFixture.h"

namespace {

class ShippedCatalogueTest : public CatalogueTest {
 protected:
  void SetUp() override {
    CatalogueTest::SetUp();
    std::ifstream file(std::string(P8_SOURCE_DIR) + "/data/NV.inf", std::ios::binary);
    ASSERT_TRUE(file) << "data/NV.inf is missing";
    std::ostringstream text;
    text << file.rdbuf();
    shipped_ = text.str();
    sim::PutTextFile(kInfPath, shipped_);
  }

  std::string shipped_;
};

TEST_F(ShippedCatalogueTest, LinesEndWithCrLf) {
  ASSERT_FALSE(shipped_.empty());
  EXPECT_EQ(shipped_.back(), '\n');
  for (size_t pos = shipped_.find('\n'); pos != std::string::npos; pos = shipped_.find('\n', pos + 1)) {
    ASSERT_TRUE(pos > 0 && shipped_[pos - 1] == '\r') << "bare LF at byte " << pos;
  }
}

TEST_F(ShippedCatalogueTest, EveryEntryIsValidAndEveryModelTypePresent) {
  const std::vector<PrinterEntry> entries = ReadPrinterList(kInfPath);
  std::set<std::string> names;
  std::set<int> types;
  for (const PrinterEntry& e : entries) {
    SCOPED_TRACE(e.name);
    EXPECT_TRUE(names.insert(e.name).second) << "listed twice";
    types.insert(e.modelType);
    EXPECT_GE(e.interfaces, 1);
    EXPECT_LE(e.interfaces, 15);
    EXPECT_LE(e.modelType, 4);
    EXPECT_GT(e.defaultWidth, 0);
    EXPECT_GT(e.logoCount, 0);
    EXPECT_GT(e.memory, 0);
    EXPECT_LE(e.hwFlow, 1);
    const std::vector<std::string> widths = ReadWidthList(kInfPath, e.name);
    EXPECT_EQ(e.hasWidthList != 0, !widths.empty());
    if (!widths.empty()) {
      EXPECT_NE(std::find(widths.begin(), widths.end(), std::to_string(e.defaultWidth)), widths.end())
          << "the default width is not offered in the width list";
    }
  }
  EXPECT_EQ(names, (std::set<std::string>{"P-8", "Wren-20XM", "Wren-22XM", "Wren-20M",
                                          "Wren-40(2Color)", "Wren-42(2Color)", "Wren-60",
                                          "Wren-10"}));
  EXPECT_EQ(types, (std::set<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(FindEntry(entries, "Wren-60")->defaultWidth, 208);
  EXPECT_EQ(FindEntry(entries, "Wren-10")->defaultWidth, 160);
}

TEST_F(ShippedCatalogueTest, SavedSelectionIsTheP8OnCom1) {
  const ModelCatalogue catalogue = LoadModelCatalogue(kInfPath);
  const SavedSelection& s = catalogue.selection;
  const PrinterEntry* p8 = FindEntry(catalogue.entries, s.modelName);
  ASSERT_NE(p8, nullptr);
  EXPECT_EQ(s.modelName, "P-8");
  EXPECT_EQ(std::tie(s.modelType, s.receiptWidth, s.memorySize, s.downMax, s.hwFlow),
            std::tie(p8->modelType, p8->defaultWidth, p8->memory, p8->logoCount, p8->hwFlow));
  EXPECT_EQ(ReadCaption(kInfPath).rfind("P-8 NV Logo Utility V", 0), 0u);
  EXPECT_EQ(ReadSubDescription(kInfPath), "P-8");

  const PortSettings port = LoadLogoloftPortSettings(kInfPath);
  EXPECT_EQ(std::tie(port.interfaceKind, port.portName, port.baudRate, port.dataBits, port.parity,
                     port.stopBits, port.flowControl),
            std::make_tuple(0, std::string("COM1"), 19200, 8, 0, 0, 0));
  const CommunicationKeys& c = s.communication;
  EXPECT_EQ(c.usbPort, "NONE");
  EXPECT_EQ(c.port, 9100);
  EXPECT_TRUE(c.ip[0] == 192 && c.ip[1] == 168) << "the preset address is a private one";
  EXPECT_TRUE(sim::MessageBoxes().empty());
}

}  // namespace
