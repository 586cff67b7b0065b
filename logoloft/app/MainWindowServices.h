// What the main window hands to the parts of Logoloft built apart from it: the communication
// configuration dialog, the key-code dialogs of the two-colour models, port discovery and the
// moving of Windows printers off the port. Each hook of this base class does nothing yet: none of
// them is built.
#pragma once

#include <string>
#include <vector>

#include "link/PortSettings.h"
#include "logoloft/download/DownloadItems.h"
#include "logoloft/conversion/ConversionColours.h"
#include "logoloft/conversion/LogoImage.h"
#include "ui/DialogHost.h"

namespace logoloft {

// The main window's state as the other dialogs receive it.
struct LogoloftContext {
  PortSettings port;
  std::string modelName;
  int modelType = 0;
  int lineWidth = 0;
  const std::vector<LogoImage>* logos = nullptr;
  ConversionColours colours;
};

class MainWindowServices {
 public:
  virtual ~MainWindowServices() = default;
  // "Port Setting": the communication configuration dialog. Its answer is not looked at.
  virtual void OpenCommunicationDialog(ui::DialogHost& /*owner*/) {}
  // "Download.." for model types 2 and 4: the key-code download dialogs, with the items built.
  virtual void OpenKeyCodeDownload(ui::DialogHost& /*owner*/, const LogoloftContext& /*context*/,
                                   const std::vector<DownloadItem>& /*items*/) {}
  // "Print" for model types 2 and 4: the key-code list dialogs.
  virtual void OpenKeyCodeList(ui::DialogHost& /*owner*/, const LogoloftContext& /*context*/) {}
  // Port discovery from the driver's settings, before the settings are loaded (USEPSP on).
  virtual void DiscoverPort(const std::string& /*infPath*/) {}
  // Moves the Windows printers on a COM or LPT port to "FILE:", and gives them their ports back.
  virtual void MovePrintersAside(const std::string& /*portName*/) {}
  virtual void GivePrintersBack() {}
};

}  // namespace logoloft
