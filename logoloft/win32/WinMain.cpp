// The Logoloft program: the control classes, the socket layer, then the main window, run modally
// until it closes.
#include <windows.h>
#include <commctrl.h>

#include "logoloft/app/MainWindow.h"
#include "logoloft/app/MainWindowServices.h"
#include "logoloft/app/ProgramStart.h"
#include "logoloft/catalogue/CataloguePath.h"
#include "ui/win32/Win32Dialog.h"

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int /*show*/) {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_WIN95_CLASSES | ICC_INTERNET_CLASSES | ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&controls);
  logoloft::StartSockets();

  logoloft::MainWindowServices services;
  logoloft::MainWindow window(services, CataloguePath());
  ui::Win32Dialog host(window);
  host.Run();
  return 0;
}
