// "Start with Windows" under a registry root of the tests' own, never the user's Run key.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>

#include "app/frmMain.h"
#include "support.h"
#include "win/settings_store.h"

using wp::app::FrmMain;

namespace {

const wchar_t testBase[] = L"Software\\WanderpointTest\\StartWithWindows";

std::optional<std::wstring> runValue() {
    wchar_t value[1024]{};
    DWORD bytes = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, (std::wstring(testBase) + L"\\Run").c_str(), L"Wanderpoint", RRF_RT_REG_SZ,
                     nullptr, value, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

} // namespace

// Both menus show the same item, read again as they open: ticked while the value starts this exe
// (its path in any case), "another copy" while it names another. Choosing it from either menu
// writes the quoted path and --tray, or deletes the value; for another copy it points it here.
TEST(StartWithWindows, TheItemWritesAndDeletesTheRunValueAndTellsAnotherCopy) {
    RegDeleteTreeW(HKEY_CURRENT_USER, testBase);
    wchar_t self[MAX_PATH]{};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring started = L"\"" + std::wstring(self) + L"\" --tray";
    std::wstring lower = started;
    CharLowerW(lower.data());
    const std::wstring elsewhere = L"\"C:\\Elsewhere\\Wanderpoint.exe\" --tray";
    wp::test::MemorySettings settings;
    wp::test::RecordingPointer pointer;
    wp::win::RegistrySettings store(testBase);
    wp::app::MainWindowDeps deps{settings, pointer, [] {}};
    deps.startWithWindows = &store;
    std::pair<std::wstring, bool> iconItem; // text, ticked
    deps.showTrayMenu = [&iconItem](HMENU menu, POINT) {
        wchar_t text[80]{};
        GetMenuStringW(menu, FrmMain::idmStartWithWindows, text, 80, MF_BYCOMMAND);
        iconItem = {text, (GetMenuState(menu, FrmMain::idmStartWithWindows, MF_BYCOMMAND) & MF_CHECKED) != 0};
    };
    FrmMain main(deps);
    ASSERT_TRUE(main.open(SW_SHOWNOACTIVATE));
    const HWND window = main.hwnd();
    const HMENU systemMenu = GetSystemMenu(window, FALSE);
    const struct {
        std::optional<std::wstring> before;
        bool ticked, another, fromIcon;
        std::optional<std::wstring> after;
    } steps[] = {{std::nullopt, false, false, false, started},
                 {started, true, false, true, std::nullopt},
                 {elsewhere, false, true, false, started},
                 {elsewhere, false, true, true, started},
                 {lower, true, false, false, std::nullopt}};
    for (const auto& step : steps) {
        if (step.before) store.write(L"Run", L"Wanderpoint", *step.before);
        std::pair<std::wstring, bool> shown;
        if (step.fromIcon) {
            SendMessageW(window, FrmMain::trayMessage, MAKEWPARAM(5, 5), MAKELPARAM(WM_CONTEXTMENU, 1));
            shown = iconItem;
        } else {
            SendMessageW(window, WM_INITMENU, reinterpret_cast<WPARAM>(systemMenu), 0);
            wchar_t text[80]{};
            GetMenuStringW(systemMenu, FrmMain::idmStartWithWindows, text, 80, MF_BYCOMMAND);
            shown = {text, (GetMenuState(systemMenu, FrmMain::idmStartWithWindows, MF_BYCOMMAND) & MF_CHECKED) != 0};
        }
        EXPECT_EQ(std::pair(step.ticked, step.another),
                  std::pair(shown.second, shown.first.find(L"another copy") != std::wstring::npos));
        if (step.fromIcon)
            wp::test::chooseMenu(window, FrmMain::idmStartWithWindows);
        else
            SendMessageW(window, WM_SYSCOMMAND, FrmMain::idmStartWithWindows, 0);
        EXPECT_EQ(step.after, runValue());
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, testBase);
}
