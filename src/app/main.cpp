#include <windows.h>

#include "app/command_line_run.h"
#include "app/frmMain.h"
#include "app/start_with_windows.h"
#include "core/app_info.h"
#include "macro/file_dialogs.h"
#include "macro/frmMacro.h"
#include "markers/markers.h"
#include "mouse/win32_mouse_platform.h"
#include "win/pointer_port.h"
#include "win/pump.h"
#include "win/settings_store.h"
#include "win/text.h"

namespace {

// %LOCALAPPDATA%\Wanderpoint; empty where the system names no such folder.
std::wstring unsavedFolder() {
    wchar_t folder[MAX_PATH]{};
    const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return std::wstring(folder, length) + L"\\" + wp::win::toWide(wp::app::appInfo.Title);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    wp::win::RegistrySettings settings(L"Software\\" + wp::win::toWide(wp::app::appInfo.Title));
    const wp::cli::CommandLine commandLine = wp::cli::readCommandLine(wp::app::commandLineArguments());
    if (!std::holds_alternative<wp::cli::OpenWindows>(commandLine))
        return wp::app::runCommandLine(commandLine, settings);

    wp::win::SystemPointer pointer;

    wp::mouse::Win32MousePlatform mousePlatform;
    wp::markers::Marker macroMarker{wp::markers::macroPosition};
    wp::macro::SystemFileDialogs dialogs;
    HWND mainWindow = nullptr;
    wp::app::FrmMain* shownMain = nullptr;
    wp::macro::FrmMacro macro({pointer, mousePlatform, macroMarker, dialogs,
                               [](HWND owner, const std::wstring& text) {
                                   const std::wstring title = wp::win::toWide(wp::app::appInfo.Title);
                                   MessageBoxW(owner, text.c_str(), title.c_str(), MB_OK | MB_ICONEXCLAMATION);
                               },
                               [&mainWindow] {
                                   return reinterpret_cast<HICON>(GetClassLongPtrW(mainWindow, GCLP_HICON));
                               },
                               {},
                               nullptr,
                               &settings,
                               [&shownMain](const std::wstring& what) {
                                   if (shownMain) shownMain->showMacroPlaying(what);
                               },
                               unsavedFolder()});

    // Closing the main window ends the process at once: other windows, timers and a playing
    // macro go with it, without their own closing handling; only an unsaved list is kept first.
    wp::win::RegistrySettings startStore = wp::app::userStartStore();
    const auto endProgram = [&macro] { macro.keepUnsaved(), ExitProcess(0); };
    wp::app::FrmMain main({settings, pointer, endProgram, [&macro] { macro.show(); }, nullptr, {},
                           [&macro] { macro.stopRun(); }, &startStore});
    const bool inTray = std::get<wp::cli::OpenWindows>(commandLine).inTray;
    if (!main.open(inTray ? SW_HIDE : showCommand)) return 1;
    // With no notification area (yet) the window waits on the taskbar instead, never out of reach.
    if (inTray && !main.trayIcon.shown()) ShowWindow(main.hwnd(), SW_SHOWMINNOACTIVE);
    mainWindow = main.hwnd();
    shownMain = &main;
    return wp::win::runMessageLoop();
}
