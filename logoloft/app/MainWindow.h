// Logoloft's main window (dialog 102): the logo list, the previews, the configuration display and
// the colour separation controls, with one handler per control and message.
#pragma once

#include <string>

#include "link/PortSettings.h"
#include "logoloft/app/ColourState.h"
#include "logoloft/app/LogoList.h"
#include "logoloft/app/MainWindowServices.h"
#include "logoloft/app/RegistryAccess.h"
#include "ui/Dialog.h"

namespace logoloft {

// The caption of the window's message boxes.
constexpr const char* kMessageCaption = "Logoloft";

class MainWindow : public ui::Dialog {
 public:
  MainWindow(MainWindowServices& services, std::string infPath,
             RegistryAccess registry = RegistryAccess());

  bool OnInitDialog() override;
  void OnPaint() override;
  void OnSysCommand(int command) override;
  void OnDestroy() override;

  // Read-only views for the dialogs opened from the window, and for tests.
  const LogoList& Logos() const { return list_; }
  const ColourState& Colour() const { return colour_; }
  int CurrentLogoNumber() const { return currentNumber_; }
  const std::string& PreviewPath() const { return previewPath_; }
  const PortSettings& Port() const { return port_; }
  int ModelType() const { return modelType_; }
  LogoloftContext Context() const;

 private:
  enum class AddResult { Added, LoadFailed, ListFull, MemoryFull };

  // Handlers.
  void OnPortSetting();
  void OnOpenFile();
  void OnRemove();
  void OnReset();
  void OnListSelect(int row);
  void OnDownload();
  void OnPrint();
  void OnSliderReleased();
  void OnRed();
  void OnGreen();
  void OnBlue();
  void OnNotUsed();
  void OnInvert();

  // Settings and display.
  void LoadSettings();
  void ShowConfiguration();
  void MovePrintersOffPort();
  void RestoreLogoList();
  // Loads a bitmap with these settings and admits it, showing what went wrong.
  AddResult AddLogo(const std::string& path, int hueAngle, int rValue, int lValue, ColourChoice choice);
  void FillList();
  void ShowFooter();
  void ShowMessage(const char* text, uint32_t type);

  // Colour controls.
  void InitColourControls();
  void ShowColourControls();
  void RecomputeFromSliders();
  void ShowSwatches();
  void ChooseColour(ColourChoice choice);
  void StoreIntoCurrentLogo();
  void EnableColourControls(bool enable);
  void SetColourControlsAtStart();
  void SetColourControlsAfterPortSetting();

  MainWindowServices& services_;
  std::string infPath_;
  RegistryAccess registry_;
  LogoList list_;
  int currentNumber_ = -1;
  std::string previewPath_;
  std::string modelName_;
  int modelType_ = 1;
  int lineWidth_ = 0;
  PortSettings port_;
  std::string usbDisplayName_;
  ColourState colour_;
};

}  // namespace logoloft
