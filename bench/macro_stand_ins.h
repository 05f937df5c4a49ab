// The macro window as a benchmark drives it: the real pointer and mouse, no marker, and dialogs
// that answer with one file name.
#pragma once

#include <optional>
#include <string>

#include <windows.h>

#include "macro/frmMacro.h"
#include "mouse/win32_mouse_platform.h"
#include "win/pointer_port.h"
#include "win/event_wait.h"

namespace wp::bench {

class NoMarker final : public macro::MarkerPort {
public:
    void show() override {}
    void hide() override {}
    void close() override {}
    bool isLoaded() const override { return false; }
    void moveTopLeft(int, int) override {}
    void setTarget(markers::MarkerTarget*) override {}
};

class FixedDialogs final : public macro::FileDialogs {
public:
    std::wstring name;
    std::optional<std::wstring> showOpen(HWND, const std::wstring&, const std::wstring&) override { return name; }
    std::optional<std::wstring> showSave(HWND, const std::wstring&, const std::wstring&) override { return name; }
};

struct ShownMacroWindow {
    win::SystemPointer pointer;
    mouse::Win32MousePlatform mouse;
    NoMarker marker;
    FixedDialogs dialogs;
    macro::FrmMacro window{{pointer, mouse, marker, dialogs, nullptr, nullptr, [](int) -> SHORT { return 0; }}};
    ShownMacroWindow() { window.show(SW_SHOWNOACTIVATE); }
};

// A button's click or a menu command, as the user's would arrive.
inline void click(HWND window, int id) {
    SendMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0);
}
inline void command(HWND window, int id) {
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

template <class Work> double elapsedMs(Work work) {
    const double start = win::monotonicMilliseconds();
    work();
    return win::monotonicMilliseconds() - start;
}

} // namespace wp::bench
