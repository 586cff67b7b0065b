// Locating NV.inf and reading its printer list, width lists, saved selection, caption and IMAGE.
#include "logoloft/catalogue/ModelCatalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "logoloft/catalogue/CataloguePath.h"
#include "logoloft/catalogue/CommonKeys.h"
#include "tests/catalogue/CatalogueFixture.h"

namespace {

std::vector<std::string> Names(const std::vector<PrinterEntry>& entries) {
  std::vector<std::string> names;
  for (const PrinterEntry& e : entries) names.push_back(e.name);
  return names;
}

TEST(CataloguePathTest, NvInfSitsInTheProgramFolder) {
  const struct {
    const char* program;
    const char* expected;
  } cases[] = {
      {"C:\\Program Files\\P-8\\Logoloft.exe", "C:\\Program Files\\P-8\\NV.inf"},
      {"/opt/p8/bin/logoloft", "/opt/p8/bin\\NV.inf"},
      {"C:\\a/b\\Logoloft.exe", "C:\\a/b\\NV.inf"},
      {"C:/a\\b/logoloft", "C:/a\\b\\NV.inf"},
      {"Logoloft.exe", "\\NV.inf"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CataloguePathFor(c.program), c.expected) << c.program;
  }
}

TEST_F(CatalogueTest, CataloguePathFollowsTheRunningProgram) {
  sim::SetModuleFileName("D:\\Tools\\Logo\\Logoloft.exe");
  EXPECT_EQ(CataloguePath(), "D:\\Tools\\Logo\\NV.inf");
}

TEST_F(CatalogueTest, PrinterListStopsAtTheFirstMissingOrEmptyKey) {
  PutInf({"[PRINTERLIST]", "PRINTER01=A,015,001,576,010,256", "PRINTER02=B,001,000,208,004,064",
          "PRINTER04=D,015,001,576,010,256"});
  EXPECT_EQ(Names(ReadPrinterList(kInfPath)), (std::vector<std::string>{"A", "B"}));

  PutInf({"[PRINTERLIST]", "PRINTER01=A,015,001,576,010,256", "PRINTER02=",
          "PRINTER03=C,015,001,576,010,256"});
  EXPECT_EQ(Names(ReadPrinterList(kInfPath)), (std::vector<std::string>{"A"}));
}

TEST_F(CatalogueTest, PrinterListReadsAtMostFortyNineEntries) {
  std::string text = "[printerlist]\r\n";
  for (int n = 1; n <= 50; ++n) {
    char line[64];
    std::snprintf(line, sizeof line, "Printer%02d=M%d,015,001,576,010,256\r\n", n, n);
    text += line;
  }
  sim::PutTextFile(kInfPath, text);
  const std::vector<PrinterEntry> entries = ReadPrinterList(kInfPath);
  ASSERT_EQ(entries.size(), 49u);
  EXPECT_EQ(entries.back().name, "M49");
}

TEST_F(CatalogueTest, WidthListComesFromTheModelsSection) {
  PutInf({"[Wren-60]", "RECLINEWIDTH01=208", "RECLINEWIDTH02=104", "RECLINEWIDTH04=52",
          "[Wren-10]", "RECLINEWIDTH01=160"});
  EXPECT_EQ(ReadWidthList(kInfPath, "Wren-60"), (std::vector<std::string>{"208", "104"}));
  EXPECT_EQ(ReadWidthList(kInfPath, "Wren-10"), (std::vector<std::string>{"160"}));
  EXPECT_TRUE(ReadWidthList(kInfPath, "P-8").empty());
}

TEST_F(CatalogueTest, SavedSelectionReadsCommonAndCommunicationKeys) {
  PutInf({"[COMMON]", "MODELNAME=Wren-20XM", "MODELTYPE=2", "ReceiptWidth=512", "MEMORYSIZE=384",
          "DOWNMAX=50", "HWFLOW=1", "[COMMUNICATION]", "INTERFACE=3", "PORTNAME=Ethernet",
          "BAUDRATE=57600", "DATABITS=8", "PARITY=EVEN", "STOPBITS=1.5", "FLOWCONTROL=1",
          "USBPORT=NONE", "IP1=10", "IP2=1", "IP3=2", "IP4=3", "PORT=9100"});
  const SavedSelection s = ReadSavedSelection(kInfPath);
  EXPECT_EQ(std::tie(s.modelName, s.modelType, s.receiptWidth, s.memorySize, s.downMax, s.hwFlow),
            std::make_tuple(std::string("Wren-20XM"), 2, 512, 384, 50, 1));
  const CommunicationKeys& c = s.communication;
  EXPECT_EQ(std::tie(c.interfaceKind, c.portName, c.baudRate, c.dataBits, c.parity, c.stopBits,
                     c.flowControl, c.usbPort, c.port),
            std::make_tuple(3, std::string("Ethernet"), std::string("57600"), std::string("8"),
                            std::string("EVEN"), std::string("1.5"), std::string("1"),
                            std::string("NONE"), 9100));
  EXPECT_EQ(std::vector<int>(c.ip, c.ip + 4), (std::vector<int>{10, 1, 2, 3}));
}

TEST_F(CatalogueTest, MissingFileReadsAsEmptyCatalogue) {
  const ModelCatalogue catalogue = LoadModelCatalogue(kInfPath);
  EXPECT_TRUE(catalogue.entries.empty());
  EXPECT_EQ(catalogue.selection.modelName, "");
  EXPECT_EQ(catalogue.selection.modelType, 0);
  EXPECT_EQ(catalogue.selection.downMax, 0);
  EXPECT_EQ(FindEntry(catalogue.entries, "P-8"), nullptr);
}

TEST_F(CatalogueTest, FindEntryMatchesTheWholeName) {
  PutInf({"[PRINTERLIST]", "PRINTER01=Wren-20M,007,003,420,010,128",
          "PRINTER02=Wren-20XM,015,002,576,050,384,0,1"});
  const std::vector<PrinterEntry> entries = ReadPrinterList(kInfPath);
  const PrinterEntry* entry = FindEntry(entries, "Wren-20XM");
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->modelType, 2);
  EXPECT_EQ(entry->defaultWidth, 576);
  EXPECT_EQ(FindEntry(entries, "Wren-20"), nullptr);
  EXPECT_EQ(FindEntry(entries, "wren-20m"), nullptr);
}

TEST_F(CatalogueTest, CaptionShowsTheVersionUnlessUsepspIsOn) {
  const struct {
    const char* usepsp;
    const char* expected;
  } cases[] = {
      {"USEPSP=0", "P-8 NV Logo Utility V1.02"},
      {"USEPSP=1", "P-8 NV Logo Utility"},
      {"USEPSP=2x", "P-8 NV Logo Utility"},
      {";no USEPSP", "P-8 NV Logo Utility V1.02"},
  };
  for (const auto& c : cases) {
    PutInf({"[COMMON]", "DESCRIPTION=P-8 NV Logo Utility", "VERSION=1.02", c.usepsp});
    EXPECT_EQ(ReadCaption(kInfPath), c.expected) << c.usepsp;
  }
  PutInf({"[COMMON]"});
  EXPECT_EQ(ReadCaption(kInfPath), " V");
}

TEST_F(CatalogueTest, ImageCountIsReadAndWritten) {
  PutInf({"[COMMON]", "ModelName=Wren-40(2Color)", "[COMMUNICATION]", "INTERFACE=0"});
  EXPECT_EQ(ReadImageCount(kInfPath), 0);
  ASSERT_TRUE(WriteImageCount(kInfPath, 3));
  EXPECT_EQ(ReadImageCount(kInfPath), 3);
  EXPECT_EQ(ReadSavedSelection(kInfPath).modelName, "Wren-40(2Color)");
}

}  // namespace
