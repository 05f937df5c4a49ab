#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <tuple>

#include "core/macro_commands.h"
#include "core/macro_file.h"
#include "macro/circle3_port.h"
#include "macro/frmMacro.h"
#include "macro/frmMacro_ids.h"
#include "macro/macro_file_io.h"
#include "markers/markers.h"
#include "mouse/win32_mouse_platform.h"
#include "support.h"
#include "win/event_wait.h"
#include "win/text.h"

namespace ids = wp::macro::macro_ids;
using namespace wp::macro;
using namespace wp::test;

namespace {

// Records the runner's clicks ("single 0", "double 1"); onClick runs inside one, while the run goes on.
struct RecordingClicks final : ClickPort {
    std::vector<std::string> calls;
    std::function<void()> onClick;
    void SingleClick(std::int32_t button) override { record("single " + std::to_string(button)); }
    void DoubleClick(std::int32_t button) override { record("double " + std::to_string(button)); }
    void record(std::string call) {
        calls.push_back(std::move(call));
        if (onClick) onClick();
    }
};

struct FakeMarker final : MarkerPort {
    std::vector<std::string> calls;
    void show() override { calls.push_back("show"); }
    void hide() override { calls.push_back("hide"); }
    void close() override { calls.push_back("close"); }
    bool isLoaded() const override { return calls.empty() || calls.back() != "close"; }
    void moveTopLeft(int x, int y) override { calls.push_back("move " + std::to_string(x) + "," + std::to_string(y)); }
};

// Answers the dialogs from a queue (nothing: Cancel) and keeps the names they started with.
struct ScriptedDialogs final : FileDialogs {
    using Name = std::optional<std::wstring>;
    std::deque<Name> answers;
    std::vector<std::wstring> startedWith;
    Name showOpen(HWND, const std::wstring&, const std::wstring& name) override { return answer(name); }
    Name showSave(HWND, const std::wstring&, const std::wstring& name) override { return answer(name); }
    Name answer(const std::wstring& name) {
        startedWith.push_back(name);
        const Name next = answers.empty() ? Name() : answers.front();
        if (!answers.empty()) answers.pop_front();
        return next;
    }
};

std::string bytesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The entry the option composes from these box texts, as the rules make it.
std::wstring composed(int option, const char* x = "", const char* y = "", const char* seconds = "") {
    return wp::win::toWide(*composeCommand(option, {x, y, seconds}, wp::win::userDecimalSeparator()));
}

class MacroWindow : public ::testing::Test {
protected:
    RecordingPointer pointer;
    RecordingClicks clicks;
    wp::mouse::Win32MousePlatform mousePlatform;
    FakeMarker marker;
    ScriptedDialogs dialogs;
    std::vector<std::wstring> messages;
    HICON mainIcon = LoadIconW(nullptr, IDI_APPLICATION);
    SHORT f9 = 0; // what the F9 poll reads; the pressed-since bit goes once read, as the system's does
    std::unique_ptr<FrmMacro> macro = std::make_unique<FrmMacro>(MacroWindowDeps{
        pointer, mousePlatform, marker, dialogs, [this](HWND, const std::wstring& text) { messages.push_back(text); },
        [this] { return mainIcon; },
        [this](int key) { return key == VK_F9 ? std::exchange(f9, static_cast<SHORT>(f9 & 0x8000)) : SHORT{0}; },
        &clicks});
    HWND window = nullptr;

    void SetUp() override { open(); }
    void open() {
        macro->show(SW_SHOW);
        window = macro->hwnd();
        ASSERT_TRUE(macro->exists());
    }
    HWND control(int id) const { return macro->control(id); }
    bool enabled(int id) const { return IsWindowEnabled(control(id)) != FALSE; }
    // As the user clicks: a disabled control takes no click (BM_CLICK alone acts on it under Wine).
    void click(int id) {
        if (enabled(id)) clickControl(window, id);
    }
    void add(int option) { click(ids::optCommands0 + option), click(ids::cmdAddCmd); }
    void menu(int id) { chooseMenu(window, id); }
    void pollF9(int state) { f9 = static_cast<SHORT>(state), tick(window, FrmMacro::shortcutTimerId); }
    void setList(const std::vector<std::wstring>& entries) {
        SendMessageW(control(ids::lstCommand), LB_RESETCONTENT, 0, 0);
        for (const auto& e : entries)
            SendMessageW(control(ids::lstCommand), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.c_str()));
    }
    int checkedOption() const {
        for (int i = optLeftClick; i <= optRepeat; ++i)
            if (SendMessageW(control(ids::optCommands0 + i), BM_GETCHECK, 0, 0) == BST_CHECKED) return i;
        return -1;
    }
};

TEST_F(MacroWindow, ComposesAddsRemovesAndClearsUnderTheRepeatLock) {
    const auto removeAt = [&](int entry) {
        SendMessageW(control(ids::lstCommand), LB_SETCURSEL, static_cast<WPARAM>(entry), 0);
        click(ids::cmdRemoveCmd);
    };
    click(ids::cmdAddCmd); // nothing chosen yet: nothing added
    typeInto(window, ids::txtSleep, L"2");
    EXPECT_EQ(optWait, checkedOption()) << "typing in a box selects its option";
    click(ids::cmdAddCmd);
    typeInto(window, ids::txtX, L"12");
    typeInto(window, ids::txtY, L"34");
    click(ids::cmdAddCmd);
    std::vector<std::wstring> expected = {composed(optWait, "", "", "2"), composed(optMove, "12", "34")};
    for (int option = optLeftClick; option <= optRepeat; ++option)
        add(option), expected.push_back(composed(option, "12", "34", "2"));
    add(optLeftClick); // locked by the repeat
    removeAt(-1), removeAt(0);
    EXPECT_EQ(LB_ERR, SendMessageW(control(ids::lstCommand), LB_GETCURSEL, 0, 0));
    add(optLeftClick);
    expected.erase(expected.begin());
    EXPECT_EQ(expected, macro->entries()) << "one entry removed, none without a selection; the lock stays";
    removeAt(static_cast<int>(expected.size()) - 1);
    add(optLeftClick);
    expected.back() = composed(optLeftClick);
    EXPECT_EQ(expected, macro->entries()) << "removing the repeat opens the lock";
    add(optRepeat);
    menu(ids::mnuNew);
    click(ids::cmdAddCmd);
    add(optRightClick);
    EXPECT_EQ(std::vector{composed(optRightClick)}, macro->entries()) << "New clears list, command and lock";
}

// Open and Save go through the dialogs with one name; a refusal changes nothing and says why in one message.
TEST_F(MacroWindow, FilesGoThroughTheDialogsAndARefusalChangesNothing) {
    const auto folder = std::filesystem::temp_directory_path() / ("wp-macro-" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directory(folder);
    const auto names = [&] {
        std::set<std::filesystem::path> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) found.insert(entry.path());
        return found;
    };
    const std::wstring name = folder / L"m.cmd", large = folder / L"large.cmd", quote = L"a\"b", smiley = L"\U0001F600";
    const std::vector<std::wstring> list = {composed(optMove, "1", "2"), composed(optRepeat)};
    setList(list);
    dialogs.answers = {name, std::nullopt, name};
    menu(ids::mnuSave);
    EXPECT_EQ(macroFileBytes({wp::win::toUtf8(list[0]), wp::win::toUtf8(list[1])}), bytesOf(name));
    menu(ids::mnuNew);
    menu(ids::mnuOpen);
    EXPECT_TRUE(macro->entries().empty()) << "cancelled";
    menu(ids::mnuOpen);
    EXPECT_EQ(list, macro->entries());
    EXPECT_EQ(std::vector<std::wstring>({L"", name, name}), dialogs.startedWith) << "one name for both dialogs";
    EXPECT_TRUE(messages.empty());

    std::ofstream(std::filesystem::path(large), std::ios::binary) << std::string(largestMacroFile + 1, '\n');
    SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_READONLY);
    const struct {
        const char* name;
        int command;
        std::wstring file, said;
        std::vector<std::wstring> list = {L"x"};
    } rows[] = {
        {"a file over the size limit", ids::mnuOpen, large, large},
        {"saved over a read-only file", ids::mnuSave, name, name},
        {"a double quote", ids::mnuSave, L"", quote, {L"x", quote}},
        {"outside the code page", ids::mnuSave, L"", smiley, {smiley}},
    };
    for (const auto& row : rows) {
        const auto before = names();
        const std::string bytes = bytesOf(row.file);
        setList(row.list);
        messages.clear(), dialogs.startedWith.clear();
        dialogs.answers = {row.file.empty() ? (folder / L"new.cmd").wstring() : row.file};
        menu(row.command);
        EXPECT_EQ(row.list, macro->entries()) << row.name;
        EXPECT_TRUE(before == names() && bytes == bytesOf(row.file)) << row.name << ": no file changed";
        EXPECT_EQ(row.file.empty(), dialogs.startedWith.empty()) << row.name << ": no name asked for a save refused";
        ASSERT_EQ(1u, messages.size()) << row.name;
        EXPECT_NE(std::wstring::npos, messages[0].find(row.said)) << row.name << ": " << wp::win::toUtf8(messages[0]);
    }
    SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(folder);
}

TEST_F(MacroWindow, RunPlaysTheListLockedUnderTheRunningTitle) {
    click(ids::ChkShowHelper);
    const auto now = [&] { return std::tuple(textOf(window), enabled(ids::cmdRun), enabled(ids::cmdAddCmd)); };
    const auto before = now();
    setList({composed(optMove, "100", "200"), composed(optLeftClick), composed(optWait, "", "", "0"),
             composed(optRightDoubleClick)});
    std::vector<std::tuple<std::wstring, bool, bool>> seen;
    clicks.onClick = [&] { seen.push_back(now()); };
    click(ids::cmdRun);
    EXPECT_EQ(std::vector<std::string>({"single 0", "double 1"}), clicks.calls);
    ASSERT_EQ(1u, pointer.moves().size());
    EXPECT_TRUE(pointer.moves()[0].x == 100 && pointer.moves()[0].y == 200);
    for (const auto& moment : seen) EXPECT_EQ(std::tuple(std::wstring(FrmMacro::runningCaption), false, false), moment);
    EXPECT_EQ(before, now());
    EXPECT_EQ("close", marker.calls.back()) << "the marker is closed for the run";

    std::vector<std::wstring> list; // a quick run, long enough that the list's screen lags behind it
    for (int i = 0; i < 80; ++i) list.push_back(composed(optMove, std::to_string(i).c_str(), "1"));
    setList(list);
    pointer.onMove = [&] {
        if (pointer.position.x != 70) return; // Remove pressed and let go, handled after this entry
        PostMessageW(control(ids::cmdRemoveCmd), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        PostMessageW(control(ids::cmdRemoveCmd), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    };
    click(ids::cmdRun);
    list.erase(list.begin() + 70);
    EXPECT_EQ(list, macro->entries()) << "Remove takes the entry being played";
}

std::function<void()> stopInWait;
double stoppedAt = 0; // after the stop: without a window manager Wine is slow to take a window off the screen
void CALLBACK stopFromTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    stopInWait();
    stoppedAt = wp::win::monotonicMilliseconds();
}

// A run stopped in the middle of a wait: by ESC or F9 once the wait is over, by closing at once.
TEST_F(MacroWindow, ARunStopsByEscF9OrClosing) {
    const struct {
        const char* name;
        std::function<void()> stop;
        double mostMs;
    } ways[] = {
        {"ESC released in the window", [] { pressKey(VK_ESCAPE); }, 3000},
        {"F9 pressed anywhere", [&] { pollF9(1); }, 3000},
        {"closing the window", [&] { SendMessageW(window, WM_CLOSE, 0, 0); }, 500},
        {"closing and opening it again", [&] { SendMessageW(window, WM_CLOSE, 0, 0), macro->show(); }, 500},
    };
    for (const auto& way : ways) {
        if (!macro->exists()) open();
        setList({composed(optLeftClick), composed(optWait, "", "", "1"), composed(optRepeat)});
        clicks.calls.clear();
        stopInWait = way.stop;
        clicks.onClick = [] { SetTimer(nullptr, 0, 50, stopFromTimer); };
        click(ids::cmdRun);
        EXPECT_LT(wp::win::monotonicMilliseconds() - stoppedAt, way.mostMs) << way.name;
        EXPECT_EQ(1u, clicks.calls.size()) << way.name;
        EXPECT_FALSE(macro->running()) << way.name;
        EXPECT_TRUE(!macro->exists() || (textOf(macro->hwnd()) == FrmMacro::caption && enabled(ids::cmdRun))) << way.name;
    }
}

TEST_F(MacroWindow, F9StartsARunOncePerPressWhileChecked) {
    const struct {
        const char* name;
        std::vector<int> polls; // the key's state at each poll (and at the opening, for a window opened anew)
        bool reopen, unchecked;
        std::size_t runs;
    } rows[] = {
        {"pressed and let go between two polls", {1, 0}, false, false, 1},
        {"held over several polls", {0x8001, 0x8000, 0x8000, 0}, false, false, 1},
        {"with the shortcut unchecked", {0x8001, 0, 1}, false, true, 0},
        {"held while the window opens, then let go", {0x8001, 0x8000, 0}, true, false, 0},
    };
    for (const auto& row : rows) {
        if (row.reopen) SendMessageW(window, WM_CLOSE, 0, 0), f9 = static_cast<SHORT>(row.polls[0]), open();
        setList({composed(optLeftClick)});
        clicks.calls.clear();
        if (row.unchecked) menu(ids::mnuEnableF9);
        for (int state : row.polls) pollF9(state);
        if (row.unchecked) menu(ids::mnuEnableF9);
        EXPECT_EQ(row.runs, clicks.calls.size()) << row.name;
    }
    pollF9(1);
    EXPECT_EQ(1u, clicks.calls.size()) << "then the next press starts the macro";
}

TEST_F(MacroWindow, TheMarkerFollowsItsBoxAndTheWindowAndEachOpeningStartsAfresh) {
    const auto state = [&] {
        return std::tuple(macro->entries(), checkedOption(), textOf(control(ids::txtX)), textOf(control(ids::txtSleep)),
                          IsDlgButtonChecked(window, ids::ChkShowHelper),
                          GetMenuState(GetMenu(window), ids::mnuEnableF9, MF_BYCOMMAND));
    };
    const auto designed = state();
    EXPECT_EQ(reinterpret_cast<LRESULT>(mainIcon), SendMessageW(window, WM_GETICON, ICON_BIG, 0));
    RECT frame{};
    GetWindowRect(window, &frame);
    click(ids::ChkShowHelper);
    click(ids::ChkShowHelper);
    const std::string place = "move " + std::to_string(frame.left) + "," + std::to_string(frame.top);
    EXPECT_EQ(std::vector<std::string>({"show", place, "hide"}), marker.calls);
    typeInto(window, ids::txtX, L"100");
    typeInto(window, ids::txtY, L"200");
    postClick(control(ids::Image1));
    ASSERT_EQ(1u, pointer.moves().size());
    EXPECT_TRUE(pointer.moves()[0].x == 100 && pointer.moves()[0].y == 200) << "the test image moves the pointer";

    for (const bool byMenu : {true, false}) {
        add(optRepeat), click(ids::ChkShowHelper), menu(ids::mnuEnableF9);
        macro->show();
        EXPECT_EQ(window, macro->hwnd()) << "shown again, not opened anew";
        byMenu ? menu(ids::mnuExit) : (void)SendMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_EQ("close", marker.calls.back());
        open();
        EXPECT_EQ(designed, state()) << (byMenu ? "File > Exit" : "the frame's close");
    }
    setList({composed(optLeftClick)});
    click(ids::cmdRun);
    EXPECT_EQ(1u, clicks.calls.size()) << "the stop request of the closing is gone";
}

// Tab from the list goes round every enabled, visible tab stop once and back to it; Shift+Tab the same way back.
TEST_F(MacroWindow, TabGoesRoundEveryTabStopOnce) {
    const auto round = [&](bool backwards) {
        std::set<HWND> stops;
        for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if ((GetWindowLongW(c, GWL_STYLE) & WS_TABSTOP) && IsWindowEnabled(c) && IsWindowVisible(c)) stops.insert(c);
        BYTE keys[256]{};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = backwards ? 0x80 : 0;
        SetKeyboardState(keys);
        SetFocus(control(ids::lstCommand));
        std::vector<HWND> seen{GetFocus()};
        while (seen.size() <= stops.size() && (seen.size() == 1 || seen.back() != seen.front())) {
            pressKey(VK_TAB);
            seen.push_back(GetFocus());
            const bool box = SendMessageW(seen.back(), WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL;
            const LRESULT all = MAKELRESULT(0, GetWindowTextLengthW(seen.back())); // a box's text selected whole
            EXPECT_TRUE(!box || all == SendMessageW(seen.back(), EM_GETSEL, 0, 0));
        }
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
        EXPECT_EQ(stops, std::set<HWND>(seen.begin(), seen.end()));
        EXPECT_EQ(stops.size() + 1, seen.size()) << "each once, then back to the list";
        return seen;
    };
    const std::vector<HWND> forward = round(false), back = round(true);
    EXPECT_TRUE(std::equal(forward.begin(), forward.end(), back.rbegin())) << "Shift+Tab goes the same way back";
    add(optRepeat);
    round(false);
}

// The real green marker and the real mouse: the disc dragged and let go writes its centre into X and Y.
TEST(MacroWindowParts, DraggingTheGreenDiscWritesItsCentreIntoTheMoveBoxes) {
    PointerGuard guard;
    RecordingPointer pointer;
    wp::mouse::Win32MousePlatform mousePlatform;
    Circle3Port marker;
    ScriptedDialogs dialogs;
    FrmMacro macro({pointer, mousePlatform, marker, dialogs, nullptr, nullptr, [](int) -> SHORT { return 0; }});
    wp::markers::frmCircle3.setTarget(&macro);
    macro.show(SW_SHOWNOACTIVATE);
    clickControl(macro.hwnd(), ids::ChkShowHelper);
    RECT disc{};
    GetWindowRect(wp::markers::frmCircle3.hwnd(), &disc);
    const POINT from{(disc.left + disc.right) / 2, (disc.top + disc.bottom) / 2}, to{from.x + 40, from.y + 30};
    SetCursorPos(from.x, from.y);
    queueDrag(from, to);
    flushEvents(200);
    EXPECT_EQ(std::to_wstring(to.x) + L"," + std::to_wstring(to.y),
              textOf(macro.control(ids::txtX)) + L"," + textOf(macro.control(ids::txtY)));
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(macro.hwnd(), ids::optCommands0 + int{optMove}));
    SendMessageW(macro.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(wp::markers::frmCircle3.exists()) << "closing the macro window closes its marker";
    wp::markers::frmCircle3.setTarget(nullptr);
}

} // namespace
