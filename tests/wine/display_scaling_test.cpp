// The windows at the system DPI: the e2e script display_scaling_144.sh runs these in a prefix
// set to 144 DPI; the ordinary run checks the same at 96.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "about/frmAbout.h"
#include "app/frmMain.h"
#include "app/frmMain_ids.h"
#include "macro/file_dialogs.h"
#include "macro/frmMacro.h"
#include "markers/markers.h"
#include "mouse/win32_mouse_platform.h"
#include "support.h"
#include "win/handle.h"
#include "win/text.h"

namespace ids = wp::app::main_ids;
using wp::test::textOf;

namespace {

class NoShell final : public wp::about::ShellPort {
public:
    void shellExecute(HWND, const char*, const char*, const char*, const char*, int) override {}
};

// Room a control leaves for its text: push buttons keep their edges, check boxes their box.
SIZE textRoom(HWND control, bool button) {
    RECT r{};
    GetClientRect(control, &r);
    SIZE room{r.right, r.bottom};
    if (!button) return room;
    const LONG_PTR type = GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
    const int dpi = static_cast<int>(GetDpiForWindow(control));
    if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) {
        room.cx -= MulDiv(13 + 3, dpi, 96);
    } else if (type != BS_GROUPBOX) {
        room.cx -= 2 * GetSystemMetricsForDpi(SM_CXEDGE, static_cast<UINT>(dpi));
        room.cy -= 2 * GetSystemMetricsForDpi(SM_CYEDGE, static_cast<UINT>(dpi));
    }
    return room;
}

// Every visible label and button whose text, drawn with its own font, overflows its rectangle.
std::vector<std::string> clippedTexts(HWND window) {
    std::vector<std::string> clipped;
    EnumChildWindows(
        window,
        [](HWND control, LPARAM lParam) -> BOOL {
            wchar_t className[32]{};
            GetClassNameW(control, className, 32);
            const bool label = lstrcmpiW(className, L"Static") == 0;
            const bool button = lstrcmpiW(className, L"Button") == 0;
            const std::wstring text = textOf(control);
            if (!IsWindowVisible(control) || (!label && !button) || text.empty()) return TRUE;
            const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
            const LONG_PTR type = style & SS_TYPEMASK;
            const bool wraps = label ? type <= SS_RIGHT : (style & BS_MULTILINE) != 0;
            if (label && !wraps && type != SS_SIMPLE && type != SS_LEFTNOWORDWRAP) return TRUE; // a picture
            const SIZE room = textRoom(control, button);
            wp::win::WindowDC dc(control);
            wp::win::SelectedObject font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
            RECT needed{0, 0, room.cx, 0};
            DrawTextW(dc.get(), text.c_str(), -1, &needed,
                      DT_CALCRECT | DT_NOPREFIX | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
            if (needed.right > room.cx || needed.bottom > room.cy)
                reinterpret_cast<std::vector<std::string>*>(lParam)->push_back(
                    wp::win::toUtf8(text) + " needs " + std::to_string(needed.right) + "x" +
                    std::to_string(needed.bottom) + " in " + std::to_string(room.cx) + "x" + std::to_string(room.cy));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&clipped));
    return clipped;
}

class DisplayScaling : public ::testing::Test {
protected:
    wp::test::MemorySettings settings;
    wp::test::RecordingPointer pointer;
    std::unique_ptr<wp::app::FrmMain> main;

    wp::mouse::Win32MousePlatform mousePlatform;
    wp::markers::Marker marker{wp::markers::macroPosition};
    wp::macro::SystemFileDialogs dialogs;

    void open() {
        main = std::make_unique<wp::app::FrmMain>(wp::app::MainWindowDeps{settings, pointer, [] {}});
        ASSERT_TRUE(main->open(SW_SHOWNOACTIVATE)) << "error " << GetLastError();
    }
    std::unique_ptr<wp::macro::FrmMacro> openMacro() {
        auto macro = std::make_unique<wp::macro::FrmMacro>(
            wp::macro::MacroWindowDeps{pointer, mousePlatform, marker, dialogs, [](HWND, const std::wstring&) {},
                                       [] { return LoadIconW(nullptr, IDI_APPLICATION); }});
        macro->show(SW_SHOWNOACTIVATE);
        return macro;
    }
};

// The children's union, in the window's client area, and the tallest font among them.
std::pair<RECT, LONG> childrenExtent(HWND window) {
    std::pair<RECT, LONG> extent{};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM lParam) -> BOOL {
            auto& [area, font] = *reinterpret_cast<std::pair<RECT, LONG>*>(lParam);
            RECT r{};
            GetWindowRect(child, &r);
            MapWindowPoints(nullptr, GetAncestor(child, GA_ROOT), reinterpret_cast<POINT*>(&r), 2);
            UnionRect(&area, &area, &r);
            LOGFONTW log{};
            if (const auto f = reinterpret_cast<HGDIOBJ>(SendMessageW(child, WM_GETFONT, 0, 0)))
                GetObjectW(f, sizeof log, &log);
            font = std::max(font, std::abs(log.lfHeight));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&extent));
    return extent;
}

TEST_F(DisplayScaling, EveryTextFitsItsControl) {
    open();
    EXPECT_EQ(std::vector<std::string>{}, clippedTexts(main->hwnd())) << "main window";

    NoShell shell;
    wp::app::AppInfo info = wp::app::appInfo;
    wp::about::FrmAbout about(wp::about::AboutDeps{shell, info});
    ASSERT_TRUE(about.load(main->hwnd()));
    ShowWindow(about.hwnd(), SW_SHOWNOACTIVATE);
    EXPECT_EQ(std::vector<std::string>{}, clippedTexts(about.hwnd())) << "about window";

    const auto macro = openMacro();
    ASSERT_TRUE(macro->exists());
    EXPECT_EQ(std::vector<std::string>{}, clippedTexts(macro->hwnd())) << "macro window";
}

// Moved to a monitor of another scale, a window takes the size the system suggests and lays its
// controls and fonts out again at that scale.
TEST_F(DisplayScaling, AWindowMovedToAnotherScaleLaysItselfOutAgain) {
    open();
    const auto macro = openMacro();
    for (const HWND window : {main->hwnd(), macro->hwnd()}) {
        const auto [before, fontBefore] = childrenExtent(window);
        const UINT to = GetDpiForWindow(window) * 3 / 2;
        RECT suggested{};
        GetWindowRect(window, &suggested);
        suggested.right = suggested.left + (suggested.right - suggested.left) * 3 / 2;
        suggested.bottom = suggested.top + (suggested.bottom - suggested.top) * 3 / 2;
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
        const auto [after, fontAfter] = childrenExtent(window);
        // Texts can take fewer lines at the larger scale, so the bottom need not follow exactly.
        EXPECT_GT(after.right, before.right * 4 / 3) << textOf(window);
        EXPECT_GT(after.bottom, before.bottom * 4 / 3) << textOf(window);
        EXPECT_NEAR(fontBefore * 3 / 2, fontAfter, 1) << textOf(window);
        EXPECT_EQ(std::vector<std::string>{}, clippedTexts(window)) << textOf(window);
    }
}

} // namespace
