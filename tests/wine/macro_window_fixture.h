// The macro window opened with the test standing in for its clicks, marker and dialogs.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/macro_commands.h"
#include "macro/frmMacro.h"
#include "macro/frmMacro_ids.h"
#include "macro/macro_file_io.h"
#include "mouse/win32_mouse_platform.h"
#include "support.h"
#include "win/text.h"

namespace ids = wp::macro::macro_ids;
using namespace wp::macro;
using namespace wp::test;

// The entry the option composes from these box texts, as the rules make it.
inline std::wstring composed(int option, const char* x = "", const char* y = "", const char* seconds = "",
                      const char* times = "") {
    return wp::win::toWide(*composeCommand(option, {x, y, seconds, {}, {}, times}, wp::win::userDecimalSeparator()));
}

class MacroWindow : public ::testing::Test, public ClickPort, public MarkerPort, public FileDialogs {
protected:
    using Name = std::optional<std::wstring>;
    std::vector<std::string> log;                    // the runner's clicks ("single 0") and the marker's calls ("show")
    std::function<void()> onClick = [] {};           // runs inside a click, while the run goes on
    std::vector<Name> answers;                       // the n-th dialog's answer (nothing: Cancel)
    std::vector<std::wstring> startedWith, messages; // the name each dialog started with; the messages shown
    bool markerLoaded = false;
    SHORT held = 0; // what the poll of a held shortcut key reads
    std::vector<std::wstring> tips; // what the window told the notification icon
    MemorySettings settings;
    // Where the window keeps an unsaved list: a folder of the test's, never the user's.
    const std::filesystem::path keptIn =
        std::filesystem::temp_directory_path() / ("wp-kept-" + std::to_string(GetCurrentProcessId()));
    RecordingPointer pointer;
    wp::mouse::Win32MousePlatform mousePlatform;
    FrmMacro macro{MacroWindowDeps{
        pointer, mousePlatform, *this, *this, [this](HWND, const std::wstring& text) { messages.push_back(text); },
        [] { return LoadIconW(nullptr, IDI_APPLICATION); },
        [this](int) { return held; }, this, &settings, [this](const std::wstring& tip) { tips.push_back(tip); },
        keptIn.wstring()}};
    HWND window = nullptr;

    void SingleClick(std::int32_t button) override { log.push_back("single " + std::to_string(button)), onClick(); }
    void DoubleClick(std::int32_t button) override { log.push_back("double " + std::to_string(button)), onClick(); }
    void show() override { log.push_back("show"), markerLoaded = true; }
    void hide() override { log.push_back("hide"); }
    void close() override { log.push_back("close"), markerLoaded = false; }
    bool isLoaded() const override { return markerLoaded; }
    void moveTopLeft(int x, int y) override { log.push_back("move " + std::to_string(x) + "," + std::to_string(y)); }
    void setTarget(wp::markers::MarkerTarget*) override {}
    Name showOpen(HWND, const std::wstring&, const std::wstring& name) override { return answer(name); }
    Name showSave(HWND, const std::wstring&, const std::wstring& name) override { return answer(name); }
    Name answer(const std::wstring& name) {
        startedWith.push_back(name);
        return startedWith.size() <= answers.size() ? answers[startedWith.size() - 1] : Name();
    }

    void SetUp() override { open(); }
    void TearDown() override {
        std::error_code none;
        std::filesystem::remove_all(keptIn, none);
    }
    void open() { macro.show(SW_SHOW), window = macro.hwnd(); }
    HWND control(int id) const { return macro.control(id); }
    bool enabled(int id) const { return IsWindowEnabled(control(id)) != FALSE; }
    // As the user clicks: a disabled control takes no click (BM_CLICK alone acts on it under Wine).
    void click(int id) {
        if (enabled(id)) clickControl(window, id);
    }
    void add(int option) { click(ids::optionId(option)), click(ids::cmdAddCmd); }
    void menu(int id) { chooseMenu(window, id); }
    void type(int id, const wchar_t* text) { typeInto(window, id, text); }
    // A shortcut key's press as the system reports it, then a poll that sees it held or up.
    void press(Shortcut key, bool stillHeld = false) {
        held = SHORT(0x8000), SendMessageW(window, WM_HOTKEY, FrmMacro::hotKeyIdBase + key, 0);
        held = stillHeld ? SHORT(0x8000) : SHORT(0), tick(window, FrmMacro::shortcutTimerId);
    }
    void select(int entry) {
        SendMessageW(control(ids::lstCommand), LB_SETSEL, FALSE, -1);
        if (entry >= 0) SendMessageW(control(ids::lstCommand), LB_SETSEL, TRUE, entry);
    }
    std::size_t runs() const { return static_cast<std::size_t>(std::count(log.begin(), log.end(), "single 0")); }
    void setList(const std::vector<std::wstring>& entries) { macro.setEntries(entries); }
};
