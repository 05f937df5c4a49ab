#include "macro_window_fixture.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <tuple>

#include "core/play_speed.h"
#include "markers/markers.h"
#include "win/event_wait.h"
#include "win/pump.h"

namespace {

TEST_F(MacroWindow, ComposesAddsRemovesAndClearsUnderTheRepeatLock) {
    click(ids::cmdAddCmd); // nothing chosen yet: nothing added
    type(ids::txtSleep, L"2");
    EXPECT_TRUE(IsDlgButtonChecked(window, ids::optCommands0 + int{optWait})) << "typing in a box selects its option";
    click(ids::cmdAddCmd), type(ids::txtX, L"12"), type(ids::txtY, L"34"), click(ids::cmdAddCmd);
    std::vector<std::wstring> expected = {composed(optWait, "", "", "2"), composed(optMove, "12", "34")};
    for (int option = optLeftClick; option <= optRepeat; ++option)
        add(option), expected.push_back(composed(option, "12", "34", "2"));
    add(optLeftClick); // locked by the repeat
    select(-1), click(ids::cmdRemoveCmd), select(0), click(ids::cmdRemoveCmd), add(optLeftClick);
    expected.erase(expected.begin());
    EXPECT_EQ(expected, macro.entries()) << "one entry removed, none without a selection; the lock stays";
    select(static_cast<int>(expected.size()) - 1), click(ids::cmdRemoveCmd), add(optLeftClick);
    expected.back() = composed(optLeftClick);
    EXPECT_EQ(expected, macro.entries()) << "removing the repeat opens the lock";
    add(optRepeat), menu(ids::mnuNew), click(ids::cmdAddCmd), add(optRightClick);
    EXPECT_EQ(std::vector{composed(optRightClick)}, macro.entries()) << "New clears list, command and lock";
    menu(ids::mnuNew), type(ids::txtTimes, L"3"), click(ids::cmdAddCmd), add(optLeftClick);
    EXPECT_EQ(std::vector{composed(optRepeat, "", "", "", "3")}, macro.entries()) << "a counted repeat locks too";
    EXPECT_FALSE(enabled(ids::txtTimes));
}

// The key box takes a key with its modifiers, Tab too once clicked; the text box composes what it holds.
TEST_F(MacroWindow, TheKeyAndTextBoxesComposeWhatTheyHold) {
    BYTE keys[256]{};
    SetFocus(control(ids::txtKey)), pressKey(VK_F5), click(ids::cmdAddCmd);
    SendMessageW(control(ids::txtKey), WM_LBUTTONDOWN, MK_LBUTTON, 0), pressKey(VK_TAB), click(ids::cmdAddCmd);
    keys[VK_CONTROL] = 0x80, SetKeyboardState(keys), SetFocus(control(ids::txtKey)), pressKey('S');
    keys[VK_CONTROL] = 0, SetKeyboardState(keys), click(ids::cmdAddCmd);
    type(ids::txtText, L"h\u00e9, \"x\""), click(ids::cmdAddCmd), type(ids::txtText, L""), click(ids::cmdAddCmd);
    add(optMiddleClick), add(optMiddleDoubleClick), type(ids::txtWheel, L"-3"), click(ids::cmdAddCmd);
    EXPECT_EQ((std::vector<std::wstring>{L"KEY F5", L"KEY Tab", L"KEY Ctrl+S", L"TXT h\u00e9, \"x\"", L"MCK", L"MDC",
                                         L"WHL -3"}),
              macro.entries()) << "an empty text composes nothing";
}

// Open and Save go through the dialogs with one name; a refusal changes nothing and says why in one message.
TEST_F(MacroWindow, FilesGoThroughTheDialogsAndARefusalChangesNothing) {
    const auto folder = std::filesystem::temp_directory_path() / ("wp-macro-" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directory(folder);
    const std::wstring name = folder / L"m.cmd", large = folder / L"large.cmd", unsaved = folder / L"new.cmd";
    const std::vector<std::wstring> list = {composed(optMove, "1", "2"), L"TXT \"\u00e9\U0001F600\", x", composed(optRepeat)};
    setList(list), answers = {name, std::nullopt, name}; // saved, then opened after a cancelled Open
    menu(ids::mnuSave), menu(ids::mnuNew), menu(ids::mnuOpen), menu(ids::mnuOpen);
    EXPECT_EQ(list, macro.entries());
    EXPECT_EQ(std::vector<std::wstring>({L"", name, name}), startedWith) << "one name for both dialogs";

    std::string big(largestMacroFile + 1, 'x'); // in lines a macro may have, more bytes than a macro file may have
    for (std::size_t at = 999; at < big.size(); at += 1000)
        big[at] = '\n';
    std::ofstream(std::filesystem::path(large), std::ios::binary) << big;
    SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_READONLY);
    auto sizeOf = [none = std::error_code()](const std::filesystem::path& f) mutable { return file_size(f, none); };
    const std::tuple<const char*, int, std::vector<std::wstring>, std::wstring, std::wstring> rows[] = {
        {"a file over the size limit", ids::mnuOpen, {L"x"}, large, large}, // the list kept, the file, what is named
        {"saved over a read-only file", ids::mnuSave, {L"x"}, name, name},
        {"a line break", ids::mnuSave, {L"x", L"a\nb"}, unsaved, L"a b"},
    };
    for (const auto& [why, command, kept, file, said] : rows) {
        const auto size = sizeOf(file);
        setList(kept), messages.clear(), startedWith.clear(), answers = {file};
        menu(command);
        EXPECT_EQ(kept, macro.entries()) << why;
        EXPECT_EQ(size, sizeOf(file)) << why << ": the file is as it was";
        EXPECT_EQ(file == unsaved, startedWith.empty()) << why << ": a name is asked for";
        ASSERT_EQ(1u, messages.size()) << why;
        EXPECT_NE(std::wstring::npos, messages[0].find(said)) << why << ": " << wp::win::toUtf8(messages[0]);
    }
    SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_NORMAL), std::filesystem::remove_all(folder);
}

TEST_F(MacroWindow, RunPlaysTheListLockedUnderTheRunningTitle) {
    click(ids::ChkShowHelper), log.clear();
    const auto now = [&] { return std::tuple(textOf(window), enabled(ids::cmdRun), enabled(ids::cmdAddCmd)); };
    setList({composed(optMove, "100", "200"), composed(optLeftClick), composed(optRightDoubleClick)});
    onClick = [&] { EXPECT_EQ(std::tuple(std::wstring(FrmMacro::runningCaption), false, false), now()); };
    click(ids::cmdRun);
    EXPECT_EQ(std::vector<std::string>({"close", "single 0", "double 1"}), log) << "the marker closes for the run";
    EXPECT_TRUE(pointer.moves().size() == 1 && pointer.moves()[0].x == 100 && pointer.moves()[0].y == 200);
    EXPECT_EQ(RecordingPointer::Call::UserInput, pointer.calls.back().kind) << "the move counts as the user's input";
    EXPECT_EQ(std::tuple(std::wstring(FrmMacro::caption), true, true), now());
    std::vector<std::wstring> list; // a quick run, long enough that the list's screen lags behind it
    for (int i = 0; i < 80; ++i)
        list.push_back(composed(optMove, std::to_string(i).c_str(), "1"));
    setList(list);
    pointer.onMove = [&] {
        if (pointer.position.x != 70) return; // Remove pressed and let go, handled after this entry
        PostMessageW(control(ids::cmdRemoveCmd), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        PostMessageW(control(ids::cmdRemoveCmd), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    };
    click(ids::cmdRun), list.erase(list.begin() + 70);
    EXPECT_EQ(list, macro.entries()) << "Remove takes the entry being played";
    // The pass and the speed stand in the window, the entry in the icon's tip; both go when the run ends.
    setList({composed(optLeftClick), composed(optRepeat, "", "", "", "2")}), tips.clear();
    std::vector<std::wstring> statuses;
    onClick = [&] { statuses.push_back(textOf(control(ids::lblRunStatus))); };
    click(ids::cmdRun);
    const RunProgress first{1, 2, 0, 2}, second{2, 2, 0, 2};
    EXPECT_EQ((std::vector{wp::win::toWide(runStatusText(first, 1)), wp::win::toWide(runStatusText(second, 1))}), statuses);
    EXPECT_EQ((std::vector<std::wstring>{wp::win::toWide(playingText(first)), wp::win::toWide(playingText(second)), L""}), tips);
    EXPECT_EQ(L"", textOf(control(ids::lblRunStatus)));
}

// A run types into the window that has the keyboard: characters as they stand, whatever the layout, and a
// chord with its modifiers held around the key and none left down.
std::vector<std::pair<WPARAM, bool>> keyDowns; // the key, and whether Ctrl was down with it
WNDPROC editProc = nullptr;
LRESULT CALLBACK keyProbe(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN) keyDowns.emplace_back(wParam, GetKeyState(VK_CONTROL) < 0);
    return CallWindowProcW(editProc, hwnd, message, wParam, lParam);
}

TEST_F(MacroWindow, ARunTypesTextAndPressesChordsWhereTheKeyboardIs) {
    const HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 400, 40, nullptr,
                                      nullptr, nullptr, nullptr);
    editProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(keyProbe)));
    SetForegroundWindow(edit), SetFocus(edit), keyDowns.clear();
    const std::wstring typed = L"h\u00e9\U0001F600 \"x\", \u4e2d";
    setList({L"TXT " + typed, L"KEY Ctrl+A"});
    press(shortcutRun), wp::win::letPendingEventsRun(); // as from another application: the focus stays
    EXPECT_EQ(typed, textOf(edit));
    EXPECT_EQ(1, std::count(keyDowns.begin(), keyDowns.end(), std::pair<WPARAM, bool>('A', true))) << "A with Ctrl";
    EXPECT_FALSE(GetKeyState(VK_CONTROL) < 0 || GetAsyncKeyState(VK_CONTROL) < 0) << "no modifier left down";
    DestroyWindow(edit);
}

std::function<void()> stopInWait;
double stoppedAt = 0; // after the stop: without a window manager Wine is slow to take a window off the screen
void CALLBACK stopFromTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    stopInWait();
    stoppedAt = wp::win::monotonicMilliseconds();
}

// A run stopped during a wait: by ESC or F9 once the wait is over, by closing at once (ms after the stop at most).
TEST_F(MacroWindow, ARunStopsByEscF9OrClosing) {
    const std::tuple<const char*, std::function<void()>, const char*, double> ways[] = {
        {"ESC released in the window", [] { pressKey(VK_ESCAPE); }, "1", 3000}, // the wait's seconds
        {"the run key pressed anywhere", [&] { press(shortcutRun); }, "1", 3000},
        {"the stop key pressed anywhere", [&] { press(shortcutStop); }, "1", 3000},
        {"closing the window", [&] { SendMessageW(window, WM_CLOSE, 0, 0); }, "30", 500},
        {"closing and opening it again", [&] { SendMessageW(window, WM_CLOSE, 0, 0), macro.show(); }, "30", 500},
    };
    for (const auto& [name, stop, seconds, mostMs] : ways) {
        if (!macro.exists()) open();
        setList({composed(optLeftClick), composed(optWait, "", "", seconds), composed(optRepeat)}), log.clear();
        stopInWait = stop; // a stop that is not heard ends the run after a few rounds, and fails below
        onClick = [this] { SetTimer(nullptr, 0, 50, stopFromTimer), macro.StopMacro = macro.StopMacro || runs() > 3; };
        click(ids::cmdRun);
        EXPECT_LT(wp::win::monotonicMilliseconds() - stoppedAt, mostMs) << name;
        EXPECT_EQ(1u, runs()) << name;
        EXPECT_TRUE(!macro.exists() || (textOf(macro.hwnd()) == FrmMacro::caption && enabled(ids::cmdRun))) << name;
    }
}

// Each shortcut key does what it names, once per press however long it is held.
TEST_F(MacroWindow, ShortcutKeysRunRecordAndStopOncePerPress) {
    const std::tuple<const char*, std::vector<std::pair<Shortcut, bool>>, bool, std::size_t> rows[] = {
        {"pressed and let go", {{shortcutRun, false}}, false, 1}, // presses (held after?), unchecked, runs
        {"held until it repeats", {{shortcutRun, true}, {shortcutRun, true}, {shortcutRun, false}}, false, 1},
        {"twice", {{shortcutRun, false}, {shortcutRun, false}}, false, 2},
        {"with the shortcut unchecked", {{shortcutRun, false}}, true, 0},
        {"the stop key while idle", {{shortcutStop, false}}, false, 0},
    };
    for (const auto& [name, presses, unchecked, started] : rows) {
        setList({composed(optLeftClick)}), log.clear();
        if (unchecked) menu(ids::mnuEnableF9);
        for (const auto& [key, stillHeld] : presses) press(key, stillHeld);
        if (unchecked) menu(ids::mnuEnableF9);
        EXPECT_EQ(started, runs()) << name;
    }
    press(shortcutRecord);
    EXPECT_TRUE(macro.recording()) << "the record key starts a recording";
    press(shortcutRecord);
    EXPECT_FALSE(macro.recording()) << "and stops it";
}

// A key that another program holds is refused by name and the old one kept; the rest are kept in the
// settings and come back with the next opening, as does the speed.
TEST_F(MacroWindow, ShortcutKeysAndTheSpeedAreKeptAndAHeldKeyIsRefused) {
    const HWND other = CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(RegisterHotKey(other, 1, MOD_CONTROL, VK_F5));
    ShortcutKeys chosen = macro.shortcutKeys();
    const auto f9 = chosen.keys[shortcutRun];
    chosen.keys[shortcutRun] = parseKeyChord("Ctrl+F5");
    chosen.keys[shortcutStop] = parseKeyChord("ctrl+shift+f6");
    macro.setShortcutKeys(chosen);
    DestroyWindow(other);
    ASSERT_EQ(1u, messages.size());
    EXPECT_NE(std::wstring::npos, messages[0].find(L"Ctrl+F5")) << messages[0];
    EXPECT_EQ(f9, macro.shortcutKeys().keys[shortcutRun]);
    chosen.keys[shortcutRun] = chosen.keys[shortcutStop]; // one key for two
    macro.setShortcutKeys(chosen);
    EXPECT_EQ(2u, messages.size());
    chosen.keys[shortcutRun].reset();
    macro.setShortcutKeys(chosen);
    menu(ids::mnuSpeed0 + 3), SendMessageW(window, WM_CLOSE, 0, 0), open();
    EXPECT_EQ(std::nullopt, macro.shortcutKeys().keys[shortcutRun]);
    EXPECT_EQ(parseKeyChord("Ctrl+Shift+F6"), macro.shortcutKeys().keys[shortcutStop]);
    EXPECT_EQ(L"", settings.read(L"Settings", L"RunKey")) << "none is kept as no key, not as the default";
    EXPECT_TRUE(GetMenuState(GetMenu(window), ids::mnuSpeed0 + 3, MF_BYCOMMAND) & MF_CHECKED);
}

// A recording refuses a list that repeats; it locks the list under its title, takes no run, and ends
// at a stop key pressed anywhere, adding a move to where the pointer rests.
TEST_F(MacroWindow, RecordsUnderItsTitleUntilAStopKeyAndRefusesAListThatRepeats) {
    const auto now = [&] { return std::tuple(textOf(window), enabled(ids::cmdRun), enabled(ids::cmdAddCmd)); };
    setList({composed(optLeftClick), L"rpt"}), menu(ids::mnuRecord);
    EXPECT_TRUE(messages.size() == 1 && !macro.recording() && textOf(window) == FrmMacro::caption);
    setList({composed(optLeftClick)}), menu(ids::mnuRecord), press(shortcutRun), clickControl(window, ids::cmdRun);
    EXPECT_EQ(std::tuple(std::wstring(FrmMacro::recordingCaption), false, false), now());
    EXPECT_EQ(0u, runs()) << "neither F9 nor Run starts a run while recording";
    PointerGuard guard;
    SetCursorPos(123, 45);
    INPUT keys[2]{{INPUT_KEYBOARD, {.ki = {VK_ESCAPE}}}, {INPUT_KEYBOARD, {.ki = {VK_ESCAPE, 0, KEYEVENTF_KEYUP}}}};
    SendInput(2, keys, sizeof keys[0]), flushEvents(), tick(window, FrmMacro::shortcutTimerId);
    EXPECT_EQ(std::vector<std::wstring>({composed(optLeftClick), composed(optMove, "123", "45")}), macro.entries());
    EXPECT_EQ(std::tuple(std::wstring(FrmMacro::caption), true, true), now());
}

TEST_F(MacroWindow, TheMarkerFollowsItsBoxAndTheWindowAndEachOpeningStartsAfresh) {
    EXPECT_NE(0, SendMessageW(window, WM_GETICON, ICON_BIG, 0)) << "the main window's icon";
    RECT frame{};
    GetWindowRect(window, &frame);
    click(ids::ChkShowHelper), click(ids::ChkShowHelper);
    const std::string place = "move " + std::to_string(frame.left) + "," + std::to_string(frame.top);
    EXPECT_EQ(std::vector<std::string>({"show", place, "hide"}), log);
    type(ids::txtX, L"100"), type(ids::txtY, L"200"), postClick(control(ids::Image1));
    EXPECT_TRUE(pointer.moves().size() == 1 && pointer.moves()[0].x == 100 && pointer.moves()[0].y == 200) << "Image1";
    menu(ids::mnuEnableF9), macro.show();
    EXPECT_EQ(window, macro.hwnd()) << "shown again, not opened anew";
    menu(ids::mnuExit);
    EXPECT_EQ("close", log.back());
    open(), setList({composed(optLeftClick)}), press(shortcutRun);
    EXPECT_EQ(1u, runs()) << "F9 is checked and active again";
}

// Tab from the list goes round every enabled, visible tab stop once and back to it; Shift+Tab the same way back.
TEST_F(MacroWindow, TabGoesRoundEveryTabStopOnce) {
    BYTE keys[256]{};
    const auto round = [&](BYTE shift) {
        std::set<HWND> stops;
        for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if (GetWindowLongW(c, GWL_STYLE) & WS_TABSTOP && IsWindowEnabled(c) && IsWindowVisible(c)) stops.insert(c);
        keys[VK_SHIFT] = shift;
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
        EXPECT_EQ(stops, std::set<HWND>(seen.begin(), seen.end()));
        EXPECT_EQ(stops.size() + 1, seen.size()) << "each once, then back to the list";
        return seen;
    };
    const std::vector<HWND> forward = round(0), back = round(0x80);
    const auto wait = std::find(forward.begin(), forward.end(), control(ids::optCommands0 + int{optWait}));
    EXPECT_TRUE(wait != forward.end() && wait[1] == control(ids::txtSleep)) << "the wait box follows its option";
    EXPECT_TRUE(std::equal(forward.begin(), forward.end(), back.rbegin())) << "Shift+Tab goes the same way back";
    add(optRepeat), round(0);
}

// The real green marker and the real mouse: the disc dragged and let go writes its centre into X and Y.
TEST_F(MacroWindow, DraggingTheGreenDiscWritesItsCentreIntoTheMoveBoxes) {
    PointerGuard guard;
    wp::markers::Marker circle{wp::markers::macroPosition};
    auto owner = std::make_unique<FrmMacro>(MacroWindowDeps{pointer, mousePlatform, circle, *this});
    FrmMacro& real = *owner;
    real.show(SW_SHOW), clickControl(real.hwnd(), ids::ChkShowHelper);
    RECT disc{};
    GetWindowRect(circle.hwnd(), &disc);
    const POINT from{(disc.left + disc.right) / 2, (disc.top + disc.bottom) / 2}, to{from.x + 40, from.y + 30};
    queueDrag(from, to), flushEvents(200);
    EXPECT_EQ(std::to_wstring(to.x) + L"," + std::to_wstring(to.y),
              textOf(real.control(ids::txtX)) + L"," + textOf(real.control(ids::txtY)));
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(real.hwnd(), ids::optCommands0 + int{optMove}));
    SendMessageW(real.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(circle.exists()) << "closing the macro window closes its marker";
    owner.reset();
    EXPECT_EQ(nullptr, circle.target()) << "no drag writes into a window that is gone";
}

} // namespace
