#include <gtest/gtest.h>

#include "support.h"
#include "win/controls.h"
#include "win/settings_store.h"
#include "win/system_library.h"
#include "win/text.h"
#include "win/window.h"
#include "win/window_timer.h"

using wp::test::flushEvents;

namespace {

class Host final : public wp::win::Window {
public:
    int ticks = 0;
    wp::win::WindowTimer timer{7};
    wp::win::TextBox box;
    wp::win::CheckBox check;
    HWND edit = nullptr;
    HWND checkBox = nullptr;

    Host() {
        CreateArgs args;
        args.style = WS_OVERLAPPEDWINDOW;
        create(ClassInfo{L"WanderpointTestHost"}, args);
        edit = CreateWindowExW(0, L"EDIT", L"a", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, hwnd(), HMENU(1), nullptr, nullptr);
        checkBox = CreateWindowExW(0, L"BUTTON", L"c", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 0, 30, 50, 20, hwnd(),
                                   HMENU(2), nullptr, nullptr);
        timer.attach(hwnd());
    }

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TIMER && wParam == 7) ++ticks;
        if (message == WM_COMMAND && LOWORD(wParam) == 1 && HIWORD(wParam) == EN_CHANGE) box.edited();
        if (message == WM_COMMAND && LOWORD(wParam) == 2 && HIWORD(wParam) == BN_CLICKED) check.clicked();
        return defaultProc(message, wParam, lParam);
    }
};

TEST(TextBox, RaisesAChangeOnlyWhenTheTextDiffers) {
    Host host;
    int changes = 0;
    host.box.attach(host.edit, [&] { ++changes; });
    host.box.setText(L"a");
    EXPECT_EQ(0, changes);
    host.box.setText(L"b");
    EXPECT_EQ(1, changes);
    SendMessageW(host.edit, EM_SETSEL, 1, 1);
    SendMessageW(host.edit, WM_CHAR, L'c', 1);
    EXPECT_EQ(2, changes) << "typing raises it too";
    EXPECT_EQ(L"bc", host.box.text());
}

TEST(TextBox, ANestedRewriteRunsTheHandlerOneLevelDeep) {
    Host host;
    std::vector<std::wstring> seen;
    host.box.attach(host.edit, [&] {
        seen.push_back(host.box.text());
        if (host.box.text() == L"x") host.box.setText(L"y");
    });
    host.box.setText(L"x");
    const std::vector<std::wstring> expected = {L"x", L"y"};
    EXPECT_EQ(expected, seen);
}

TEST(CheckBox, SettingTheStateRaisesItsClickOnlyOnAChange) {
    Host host;
    int clicks = 0;
    host.check.attach(host.checkBox, [&] { ++clicks; });
    host.check.setChecked(false);
    EXPECT_EQ(0, clicks);
    host.check.setChecked(true);
    EXPECT_EQ(1, clicks);
    EXPECT_TRUE(host.check.checked());
    SendMessageW(host.checkBox, BM_CLICK, 0, 0);
    EXPECT_EQ(2, clicks);
    EXPECT_FALSE(host.check.checked());
}

TEST(WindowTimer, IntervalZeroNeverFiresAndDisablingStopsIt) {
    Host host;
    host.timer.setEnabled(true);
    flushEvents(120);
    EXPECT_EQ(0, host.ticks) << "interval 0";
    host.timer.setInterval(20);
    flushEvents(200);
    EXPECT_GE(host.ticks, 3);
    host.timer.setEnabled(false);
    const int stopped = host.ticks;
    flushEvents(100);
    EXPECT_EQ(stopped, host.ticks);
}

TEST(WindowTimer, SettingThePropertyStartsThePeriodAnew) {
    Host host;
    host.timer.setInterval(150);
    host.timer.setEnabled(true);
    // Re-setting every 50 ms keeps a 150 ms period from ever ending.
    for (int i = 0; i < 6; ++i) {
        flushEvents(50);
        host.timer.setInterval(150);
    }
    EXPECT_EQ(0, host.ticks);
    flushEvents(250);
    EXPECT_GE(host.ticks, 1);
}

class RegistryStore : public ::testing::Test {
protected:
    std::wstring base = L"Software\\WanderpointTest\\" + std::to_wstring(GetCurrentProcessId());
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, base.c_str()); }
    void putRaw(const wchar_t* section, const wchar_t* key, DWORD type, const void* data, DWORD bytes) {
        HKEY k{};
        RegCreateKeyExW(HKEY_CURRENT_USER, (base + L"\\" + section).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &k, nullptr);
        RegSetValueExW(k, key, 0, type, static_cast<const BYTE*>(data), bytes);
        RegCloseKey(k);
    }
};

TEST_F(RegistryStore, RoundTripsStringsUnderItsOwnBase) {
    wp::win::RegistrySettings store(base);
    EXPECT_EQ(L"", store.read(L"Position1", L"x")) << "missing key";
    store.write(L"Position1", L"x", L"0400");
    store.write(L"Settings", L"interval", L"");
    EXPECT_EQ(L"0400", store.read(L"Position1", L"x"));
    EXPECT_EQ(L"", store.read(L"Settings", L"interval"));
    HKEY k{};
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_CURRENT_USER, (base + L"\\Position1").c_str(), 0, KEY_READ, &k));
    DWORD type = 0;
    RegQueryValueExW(k, L"x", nullptr, &type, nullptr, nullptr);
    RegCloseKey(k);
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
}

TEST_F(RegistryStore, ValuesOfTheWrongTypeOrSizeReadAsEmpty) {
    const DWORD number = 5;
    putRaw(L"Settings", L"interval", REG_DWORD, &number, sizeof number);
    const std::wstring huge(100000, L'7');
    putRaw(L"Position1", L"x", REG_SZ, huge.c_str(), static_cast<DWORD>((huge.size() + 1) * 2));
    const wchar_t unterminated[] = {L'4', L'2'};
    putRaw(L"Position1", L"y", REG_SZ, unterminated, sizeof unterminated);
    const BYTE odd[] = {0x41};
    putRaw(L"Position2", L"x", REG_SZ, odd, 1);

    wp::win::RegistrySettings store(base);
    EXPECT_EQ(L"", store.read(L"Settings", L"interval"));
    EXPECT_EQ(L"", store.read(L"Position1", L"x"));
    EXPECT_EQ(L"42", store.read(L"Position1", L"y"));
    EXPECT_EQ(L"", store.read(L"Position2", L"x"));
}

} // namespace

// The DLLs loaded on first use: a system DLL's export is found; a missing DLL or export gives null
// instead of failing.
TEST(SystemLibrary, FindsSystemExportsAndNothingElse) {
    wp::win::SystemLibrary comdlg32(L"comdlg32.dll");
    EXPECT_NE(nullptr, comdlg32.function<DWORD WINAPI()>("CommDlgExtendedError"));
    EXPECT_EQ(nullptr, comdlg32.function<void WINAPI()>("NoSuchExport"));

    wp::win::SystemLibrary missing(L"no-such-library.dll");
    EXPECT_EQ(nullptr, missing.function<void WINAPI()>("Anything"));
}
