#include <windows.h>

#include <commctrl.h>

#include "app/app_info.h"
#include "app/frmMain.h"
#include "win/pointer_port.h"
#include "win/pump.h"
#include "win/settings_store.h"
#include "win/text.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    wp::win::RegistrySettings settings(L"Software\\" + wp::win::toWide(wp::app::appInfo.Title));
    wp::win::SystemPointer pointer;
    // Closing the main window ends the process at once: other windows, timers and a playing
    // macro go with it, without their own closing handling.
    wp::app::FrmMain main({settings, pointer, [] { ExitProcess(0); }});
    if (!main.open(showCommand)) return 1;
    return wp::win::runMessageLoop();
}
