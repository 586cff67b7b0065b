// The main window's start and "Port Setting": caption, configuration display by interface, the
// colour controls by model type, printers moved off the port, and the reload whatever the dialog says.
#include <gtest/gtest.h>

#include "logoloft/app/LogoloftIds.h"
#include "logoloft/app/ProgramStart.h"
#include "platform/sim/SimMessageBoxes.h"
#include "platform/sim/SimNetwork.h"
#include "tests/logoloft-app/MainWindowFixture.h"

using namespace logoloft;

namespace {

using Strings = std::vector<std::string>;

TEST_F(MainWindowTest, ConfigurationDisplayFollowsTheInterface) {
  const struct {
    Strings communication;
    const char* interfaceText;
    const char* portLabel;
    const char* portValue;
    const char* baudLabel;
    const char* baudValue;
    bool baudEnabled;
    bool serialFields;
  } cases[] = {
      {{"INTERFACE=0", "PORTNAME=COM2", "BAUDRATE=38400", "PARITY=EVEN", "STOPBITS=2", "FLOWCONTROL=1"},
       "Serial", "Port :", "COM2", "Baudrate :", "38400", true, true},
      {{"INTERFACE=1", "PORTNAME=LPT1"}, "Parallel", "Port :", "LPT1", "Baudrate :", "9600", false, false},
      {{"INTERFACE=2", "PORTNAME=USB001:", "USBPORT=\\\\?\\usb#1"}, "USB", "Port :", "USB001:", "Baudrate :",
       "9600", false, false},
      {{"INTERFACE=3", "PORTNAME=Ethernet", "IP1=192", "IP2=168", "IP3=0", "IP4=7", "PORT=9100"}, "Ethernet",
       "IP :", "192.168.0.7", "Port :", "9100", true, false},
  };
  for (const auto& c : cases) {
    PutInf(1, 10, 256, 576, c.communication);
    Open();
    EXPECT_EQ(host->Control(kIdcInterfaceValue).text, c.interfaceText);
    EXPECT_EQ(host->Control(kIdcPortLabel).text, c.portLabel);
    EXPECT_EQ(host->Control(kIdcPortValue).text, c.portValue);
    EXPECT_EQ(host->Control(kIdcBaudLabel).text, c.baudLabel);
    EXPECT_EQ(host->Control(kIdcBaudValue).text, c.baudValue) << c.interfaceText;
    EXPECT_EQ(host->Control(kIdcBaudValue).enabled, c.baudEnabled) << c.interfaceText;
    for (int id : {kIdcParityLabel, kIdcParityValue, kIdcStopBitsValue, kIdcFlowValue, kIdcDataBitsValue}) {
      EXPECT_EQ(host->Control(id).enabled, c.serialFields) << c.interfaceText << " " << id;
    }
  }
  EXPECT_EQ(host->Caption(), "P-8 NV Logo Utility V1.02");
  PutInf(1, 10, 256, 576, cases[0].communication);
  Open();
  EXPECT_EQ(host->Control(kIdcParityValue).text, "EVEN");
  EXPECT_EQ(host->Control(kIdcStopBitsValue).text, "2");
  EXPECT_EQ(host->Control(kIdcFlowValue).text, "Xon/Xoff");
}

TEST_F(MainWindowTest, ModelTypeSetsModeTextAndColourControlsAtStart) {
  const struct {
    int modelType;
    const char* mode;
    bool enabled;
    int checkedRadio;
  } cases[] = {
      {0, "DOT MODE", true, kIdcRed},         {1, "1 Color thermal", false, kIdcNotUsed},
      {2, "2 Color thermal", true, kIdcRed},  {3, "1 Color thermal", true, kIdcRed},
      {4, "2 Color thermal", true, kIdcRed},
  };
  for (const auto& c : cases) {
    PutInf(c.modelType, 10, 256);
    Open();
    EXPECT_EQ(host->Control(kIdcModeValue).text, c.mode);
    for (int id : {kIdcRed, kIdcGreen, kIdcBlue, kIdcInvert, kIdcThresholdSlider, kIdcRValueSlider, kIdcLValueSlider}) {
      EXPECT_EQ(host->Control(id).enabled, c.enabled) << c.modelType << " " << id;
    }
    EXPECT_TRUE(host->Control(kIdcNotUsed).enabled);
    EXPECT_TRUE(host->Control(c.checkedRadio).checked) << c.modelType;
  }
}

TEST_F(MainWindowTest, PortSettingReloadsEverythingWhateverTheDialogAnswers) {
  PutInf(2, 10, 256);
  PutBitmap("C:\\a.bmp", 16, 8);
  Open();
  ASSERT_TRUE(host->Click(kIdcGreen));
  OpenFiles({"C:\\a.bmp"});
  EXPECT_EQ(services.calls, (Strings{"move COM1"}));
  services.duringPortSetting = [this] {
    PutInf(1, 3, 128, 576, {"INTERFACE=0", "PORTNAME=COM2", "BAUDRATE=9600"});
  };
  ASSERT_TRUE(host->Click(kIdcPortSetting));
  EXPECT_EQ(services.calls, (Strings{"move COM1", "communication", "give back", "move COM2"}));
  EXPECT_EQ(host->Control(kIdcPortValue).text, "COM2");
  EXPECT_EQ(host->Control(kIdcModeValue).text, "1 Color thermal");
  EXPECT_EQ(host->Control(kIdcListFooter).text, "Logo Files : 1 / 3 \nLogo Size Total : 0 / 128 KByte");
  EXPECT_FALSE(host->Control(kIdcRed).enabled);
  EXPECT_TRUE(host->Control(kIdcGreen).checked) << "the choice is kept";
}

TEST_F(MainWindowTest, DestructionGivesThePrintersBackAndAboutOpensDialog100) {
  PutInf(1, 10, 256);
  Open();
  ASSERT_TRUE(host->SystemCommand(kIdmAbout));
  EXPECT_EQ(host->Script().modalsRun, (std::vector<int>{kIddAbout}));
  ASSERT_TRUE(host->Click(kIdcExit));
  EXPECT_FALSE(host->IsOpen());
  EXPECT_EQ(services.calls.back(), "give back");
}

TEST(ProgramStartTest, SocketFailureIsShownAndTheProgramGoesOn) {
  sim::ResetMessageBoxes();
  sim::ResetNetwork();
  EXPECT_TRUE(StartSockets());
  sim::FailSocketStartup(10091, 87);
  EXPECT_FALSE(StartSockets());
  ASSERT_EQ(sim::MessageBoxes().size(), 1u);
  EXPECT_EQ(sim::MessageBoxes()[0].text, "Soket Create Error! : 10091, 87");
  sim::ResetNetwork();
}

}  // namespace
