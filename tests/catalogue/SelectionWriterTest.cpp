// Writing the chosen model and port into NV.inf: key order, untouched keys and the refusals.
#include "logoloft/catalogue/SelectionWriter.h"

#include <gtest/gtest.h>

#include "logoloft/catalogue/ModelCatalogue.h"
#include "tests/catalogue/CatalogueFixture.h"

namespace {

class SelectionWriterTest : public CatalogueTest {
 protected:
  void SetUp() override {
    CatalogueTest::SetUp();
    PutInf({"[COMMON]", "ModelName=P-8", "ModelType=1", "RECEIPTWIDTH=576",
            "[PRINTERLIST]", "PRINTER01=P-8,015,001,576,010,256,0,1",
            "PRINTER02=Wren-40(2Color),015,004,576,010,256,1,0",
            "[COMMUNICATION]", "INTERFACE=0", "PORTNAME=COM3", "BAUDRATE=57600", "DATABITS=8",
            "PARITY=EVEN", "STOPBITS=1.5", "FLOWCONTROL=1", "USBPORT=NONE", "IP1=1", "IP2=2",
            "IP3=3", "IP4=4", "PORT=1234"});
    entries_ = ReadPrinterList(kInfPath);
  }

  static SelectionChoice EthernetChoice() {
    SelectionChoice choice;
    choice.modelName = "Wren-40(2Color)";
    choice.receiptWidth = "512";
    choice.communication.interfaceKind = 3;
    choice.communication.portName = "ignored for Ethernet";
    choice.communication.baudRate = "2400";
    const int ip[4] = {192, 168, 0, 50};
    std::copy(ip, ip + 4, choice.communication.ip);
    choice.communication.port = 9100;
    return choice;
  }

  std::vector<PrinterEntry> entries_;
};

TEST_F(SelectionWriterTest, EthernetWritesItsKeysAndLeavesTheSerialOnes) {
  ASSERT_EQ(WriteSelection(kInfPath, entries_, EthernetChoice()), SelectionWriteResult::Written);
  const SavedSelection s = ReadSavedSelection(kInfPath);
  EXPECT_EQ(std::tie(s.modelName, s.modelType, s.receiptWidth, s.memorySize, s.downMax, s.hwFlow),
            std::make_tuple(std::string("Wren-40(2Color)"), 4, 512, 256, 10, 1));
  const CommunicationKeys& c = s.communication;
  EXPECT_EQ(c.interfaceKind, 3);
  EXPECT_EQ(c.portName, "Ethernet");
  EXPECT_EQ(std::vector<int>(c.ip, c.ip + 4), (std::vector<int>{192, 168, 0, 50}));
  EXPECT_EQ(c.port, 9100);
  EXPECT_EQ(std::tie(c.baudRate, c.dataBits, c.parity, c.stopBits, c.flowControl, c.usbPort),
            std::make_tuple(std::string("57600"), std::string("8"), std::string("EVEN"),
                            std::string("1.5"), std::string("1"), std::string("NONE")));
}

TEST_F(SelectionWriterTest, KeysAreWrittenInTheirOrder) {
  // With empty sections every written key is appended, so the file shows the order of the writes.
  const struct {
    int interfaceKind;
    const char* expectedCommunication;
  } cases[] = {
      {0, "INTERFACE=0\r\nPORTNAME=COM2\r\nBAUDRATE=9600\r\nPARITY=ODD\r\nDATABITS=8\r\n"
          "STOPBITS=2\r\nFLOWCONTROL=0\r\n"},
      {1, "INTERFACE=1\r\nPORTNAME=COM2\r\n"},
      {2, "INTERFACE=2\r\nPORTNAME=COM2\r\nUSBPORT=\\\\?\\usb#vid\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.interfaceKind);
    PutInf({"[COMMON]", "[COMMUNICATION]"});
    SelectionChoice choice{"P-8", "420", {}};
    choice.communication = {c.interfaceKind, "COM2", "9600", "8", "ODD", "2", "0", "\\\\?\\usb#vid"};
    ASSERT_EQ(WriteSelection(kInfPath, entries_, choice), SelectionWriteResult::Written);
    EXPECT_EQ(InfText(), std::string("[COMMON]\r\nModelName=P-8\r\nModelType=1\r\nRECEIPTWIDTH=420\r\n"
                                     "MEMORYSIZE=256\r\nDOWNMAX=10\r\nHWFLOW=0\r\n"
                                     "[COMMUNICATION]\r\n") +
                             c.expectedCommunication);
  }
}

TEST_F(SelectionWriterTest, RefusalsLeaveTheFileByteForByte) {
  const std::string before = InfText();
  SelectionChoice unknown = EthernetChoice();
  unknown.modelName = "Wren-99";

  sim::SetReadOnly(kInfPath, true);
  EXPECT_EQ(WriteSelection(kInfPath, entries_, EthernetChoice()), SelectionWriteResult::ReadOnly);
  EXPECT_EQ(WriteSelection(kInfPath, entries_, unknown), SelectionWriteResult::ReadOnly);
  EXPECT_EQ(InfText(), before);

  sim::SetReadOnly(kInfPath, false);
  EXPECT_EQ(WriteSelection(kInfPath, entries_, unknown), SelectionWriteResult::UnknownModel);
  EXPECT_EQ(InfText(), before);

  sim::FailWrites(kInfPath, true);
  EXPECT_EQ(WriteSelection(kInfPath, entries_, EthernetChoice()), SelectionWriteResult::WriteFailed);
  sim::FailWrites(kInfPath, false);
  EXPECT_EQ(InfText(), before);

  sim::RemoveFile(kInfPath);
  EXPECT_EQ(WriteSelection(kInfPath, entries_, EthernetChoice()), SelectionWriteResult::ReadOnly);
  EXPECT_FALSE(sim::FileText(kInfPath).has_value());
}

TEST(SelectionWriteMessageTest, RefusalsCarryTheProductTexts) {
  EXPECT_STREQ(SelectionWriteMessage(SelectionWriteResult::ReadOnly),
               "Can't Write the inf File! It's Read-only!");
  EXPECT_STREQ(SelectionWriteMessage(SelectionWriteResult::UnknownModel),
               "Error Code 1111 : Changed Printer Information File!");
  EXPECT_STREQ(SelectionWriteMessage(SelectionWriteResult::Written), "");
}

}  // namespace
