// Logoloft's main window: start, settings and configuration display, the two big buttons, paint,
// About and destruction.
#include "logoloft/app/MainWindow.h"

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

#include "logoloft/app/AboutDialog.h"
#include "logoloft/app/ConfigurationDisplay.h"
#include "logoloft/app/LogoListStore.h"
#include "logoloft/app/LogoloftIds.h"
#include "logoloft/app/LogoloftTemplates.h"
#include "logoloft/app/PrintDialog.h"
#include "logoloft/app/ResolutionDialog.h"
#include "logoloft/app/UploadDialog.h"
#include "logoloft/catalogue/CommonKeys.h"
#include "logoloft/catalogue/LogoloftPortSettings.h"
#include "logoloft/catalogue/ModelCatalogue.h"
#include "logoloft/catalogue/ProfileReader.h"
#include "logoloft/conversion/LoadBitmapFile.h"
#include "logoloft/conversion/RenderPreview.h"
#include "logoloft/download/DownloadItems.h"
#include "logoloft/download/ModelTypes.h"
#include "logoloft/transfer/StoredLogoPrint.h"
#include "link/LinkKind.h"
#include "platform/os/MessageBox.h"

namespace logoloft {
namespace {

constexpr const char* kAboutMenuText = "&About Logoloft...";

bool IsComOrLpt(const std::string& portName) {
  return portName.rfind("COM", 0) == 0 || portName.rfind("LPT", 0) == 0;
}

// The settings before NV.inf is read; what the load leaves alone keeps these.
PortSettings DefaultPortSettings() {
  PortSettings p;
  p.portName = "COM1";
  p.baudRate = 9600;
  p.rxBufferSize = 8096;
  p.timeouts.WriteTotalTimeoutMultiplier = 5;
  p.timeouts.WriteTotalTimeoutConstant = 3000;
  return p;
}

}  // namespace

MainWindow::MainWindow(MainWindowServices& services, std::string infPath, RegistryAccess registry)
    : ui::Dialog(MainWindowTemplate()),
      services_(services),
      infPath_(std::move(infPath)),
      registry_(registry),
      port_(DefaultPortSettings()) {
  On(kIdcPortSetting, ui::Event::Clicked, &MainWindow::OnPortSetting);
  On(kIdcOpenFile, ui::Event::Clicked, &MainWindow::OnOpenFile);
  On(kIdcRemove, ui::Event::Clicked, &MainWindow::OnRemove);
  On(kIdcReset, ui::Event::Clicked, &MainWindow::OnReset);
  OnItem(kIdcLogoList, ui::Event::SelectionChanged, &MainWindow::OnListSelect);
  On(kIdcDownload, ui::Event::Clicked, &MainWindow::OnDownload);
  On(kIdcPrint, ui::Event::Clicked, &MainWindow::OnPrint);
  On(kIdcThresholdSlider, ui::Event::SliderReleased, &MainWindow::OnSliderReleased);
  On(kIdcRValueSlider, ui::Event::SliderReleased, &MainWindow::OnSliderReleased);
  On(kIdcLValueSlider, ui::Event::SliderReleased, &MainWindow::OnSliderReleased);
  On(kIdcRed, ui::Event::Clicked, &MainWindow::OnRed);
  On(kIdcGreen, ui::Event::Clicked, &MainWindow::OnGreen);
  On(kIdcBlue, ui::Event::Clicked, &MainWindow::OnBlue);
  On(kIdcNotUsed, ui::Event::Clicked, &MainWindow::OnNotUsed);
  On(kIdcInvert, ui::Event::Clicked, &MainWindow::OnInvert);
}

bool MainWindow::OnInitDialog() {
  Host().AddSystemMenuItem(kIdmAbout, kAboutMenuText);
  Host().AddListColumn(kIdcLogoList, {"No.", 30});
  Host().AddListColumn(kIdcLogoList, {"Name", 140});
  Host().AddListColumn(kIdcLogoList, {"Size", 50});
  InitColourControls();
  if (std::atoi(ReadProfileText("COMMON", "USEPSP", infPath_).c_str()) != 0) {
    services_.DiscoverPort(infPath_);
  }
  LoadSettings();
  ShowConfiguration();
  MovePrintersOffPort();
  RestoreLogoList();
  SetColourControlsAtStart();
  FillList();
  ShowFooter();
  return true;
}

LogoloftContext MainWindow::Context() const {
  LogoloftContext c;
  c.port = port_;
  c.modelName = modelName_;
  c.modelType = modelType_;
  c.lineWidth = lineWidth_;
  c.logos = &list_.Entries();
  c.colours = colour_.Colours();
  return c;
}

void MainWindow::LoadSettings() {
  Host().SetCaption(ReadCaption(infPath_));
  const SavedSelection selection = ReadSavedSelection(infPath_);
  modelName_ = selection.modelName;
  modelType_ = selection.modelType;
  lineWidth_ = selection.receiptWidth;
  list_.SetLimits(selection.downMax, selection.memorySize);
  PortSettings loaded = LoadLogoloftPortSettings(infPath_);
  // Only a serial port has a baud rate in NV.inf; the others show the one held so far.
  if (loaded.interfaceKind != static_cast<int>(LinkKind::Serial)) loaded.baudRate = port_.baudRate;
  port_ = loaded;
  usbDisplayName_ = selection.communication.portName;
}

void MainWindow::ShowConfiguration() {
  DisplayedSettings shown{modelName_, modelType_, port_, usbDisplayName_};
  for (const DisplayField& field : ConfigurationDisplay(shown)) {
    Host().SetText(field.id, field.text);
    Host().Enable(field.id, field.enabled);
  }
}

void MainWindow::MovePrintersOffPort() {
  if (IsComOrLpt(port_.portName)) services_.MovePrintersAside(port_.portName);
}

void MainWindow::ShowMessage(const char* text, uint32_t type) {
  MessageBox(text, kMessageCaption, type);
}

void MainWindow::OnPortSetting() {
  services_.OpenCommunicationDialog(Host());
  if (IsComOrLpt(port_.portName)) services_.GivePrintersBack();
  LoadSettings();
  ShowConfiguration();
  MovePrintersOffPort();
  RecomputeFromSliders();
  Host().Invalidate();
  StoreIntoCurrentLogo();
  SetColourControlsAfterPortSetting();
  ShowFooter();
}

void MainWindow::OnDownload() {
  const int t = modelType_;
  if (t != kModelTypeImpact && t != kModelTypeOneColour && t != kModelTypeKeyCode && t != kModelTypeFlashLogo) {
    ShowMessage("Not Support Printer", os::kMbOk);
    return;
  }
  if (list_.Count() == 0) {
    ShowMessage("Without a bitmap file being selected.", os::kMbOk | os::kMbIconExclamation);
    return;
  }
  ItemBuildSettings settings{t, lineWidth_, colour_.Colours(), DotDensity::Single};
  if (t == kModelTypeImpact) {
    const std::optional<DotDensity> density = AskDotDensity(Host());
    if (!density) return;
    settings.density = *density;
  }
  // The items live until the dialog that sends them has closed.
  const ItemBuildResult built = BuildDownloadItems(list_.Entries(), settings);
  if (!built.ok()) {
    const DownloadRefusal& refusal = *built.refusal;
    const std::string text =
        refusal.logoName.empty() ? refusal.reason : refusal.logoName + " : " + refusal.reason;
    ShowMessage(text.c_str(), os::kMbOk | os::kMbIconExclamation);
    return;
  }
  if (t == kModelTypeImpact || t == kModelTypeOneColour) {
    UploadDialog upload(built.items, t, TargetOf(port_), modelName_);
    Host().RunModal(upload);
  } else {
    services_.OpenKeyCodeDownload(Host(), Context(), built.items);
  }
}

void MainWindow::OnPrint() {
  switch (modelType_) {
    case kModelTypeImpact:
      PrintStoredImpactImages(TargetOf(port_));
      break;
    case kModelTypeOneColour: {
      PrintDialog print(TargetOf(port_));
      Host().RunModal(print);
      break;
    }
    case kModelTypeKeyCode:
    case kModelTypeFlashLogo:
      services_.OpenKeyCodeList(Host(), Context());
      break;
    default:
      break;
  }
}

void MainWindow::OnPaint() {
  if (Host().IsMinimised() || previewPath_.empty()) return;
  Bitmap source;
  if (!LoadBitmapFile(previewPath_, source)) return;
  const PreviewImages previews = RenderPreview(source, colour_.Settings(), colour_.Colours(),
                                               Host().FrameWidth(kIdcSourceFrame), lineWidth_);
  Host().DrawImage(kIdcSourceFrame, previews.original);
  Host().DrawImage(kIdcTransformedFrame, previews.transformed);
}

void MainWindow::OnSysCommand(int command) {
  if (command != kIdmAbout) return;
  AboutDialog about;
  Host().RunModal(about);
}

void MainWindow::OnDestroy() {
  SaveLogoList(registry_, list_.Entries());
  list_.Clear();
  services_.GivePrintersBack();
}

}  // namespace logoloft
