// What the macro window needs from outside: its pointer path, the clicks of its mouse control
// component, its marker window, the file dialogs and the message box.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/mouse_platform.h"
#include "core/pointer.h"
#include "markers/marker_port.h"
#include "win/settings_store.h"

namespace wp::macro {

// The clicks the runner makes through the window's mouse control component: pressing and
// releasing the button (0 left, 1 right) at the pointer's place before returning.
class ClickPort {
public:
    virtual ~ClickPort() = default;
    virtual void SingleClick(std::int32_t lButton) = 0;
    virtual void DoubleClick(std::int32_t lButton) = 0;
};

// The macro's own marker window (the green one). Once dragged, it writes its centre through
// FrmMacro::setX and then FrmMacro::setY.
using MarkerPort = markers::MarkerPort;

// The system's open and save dialogs. The filter is given as display text and pattern pairs
// separated by "|". Nothing comes back when the user cancels.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<std::wstring> showOpen(HWND owner, const std::wstring& filter, const std::wstring& fileName) = 0;
    virtual std::optional<std::wstring> showSave(HWND owner, const std::wstring& filter, const std::wstring& fileName) = 0;
};

struct MacroWindowDeps {
    PointerPort& pointer;
    // The platform of the window's mouse control component, which makes the runner's clicks.
    mouse::MousePlatform& mouse;
    MarkerPort& marker;
    FileDialogs& dialogs;
    // A modal message telling the user that a file operation failed.
    std::function<void(HWND owner, const std::wstring& text)> showMessage;
    // The main window's icon, which the macro window takes over when it loads.
    std::function<HICON()> mainIcon;
    // The key state the F9 poll reads; GetAsyncKeyState when not given.
    std::function<SHORT(int virtualKey)> asyncKeyState;
    // Where the runner's clicks go; null: the window's mouse control component.
    ClickPort* clicks = nullptr;
    // Where the speed and the shortcut keys are kept; null: the defaults, kept nowhere.
    win::SettingsStore* settings = nullptr;
    // Tells the notification icon what plays ("" once the run is over).
    std::function<void(const std::wstring& what)> showPlaying;
    // Where a list changed since its last Open or Save is kept when its window goes; empty: nowhere.
    std::wstring unsavedFolder;
};

} // namespace wp::macro
