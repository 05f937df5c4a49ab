// The main window driven as the user and the system drive it. The e2e script display_scaling_144.sh
// runs the DisplayScaling tests and the status line's again in a prefix of 144 DPI.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app/frmMain.h"
#include "app/frmMain_ids.h"
#include "support.h"
#include "win/pointer_port.h"
#include "win/handle.h"
#include "win/text.h"

namespace ids = wp::app::main_ids;
using wp::app::FrmMain;
using wp::test::clippedTexts;
using wp::test::descendants;
using wp::test::textOf;
using wp::win::toUtf8;
using Texts = std::vector<std::wstring>;

namespace {

const int positionBoxes[] = {ids::Text1, ids::Text2, ids::Text3, ids::Text4};
const std::pair<const wchar_t*, const wchar_t*> savedKeys[] = {
    {L"Position1", L"x"}, {L"Position1", L"y"},       {L"Position2", L"x"},
    {L"Position2", L"y"}, {L"Settings", L"interval"}, {L"Settings", L"ShowHelpers"}, {L"Settings", L"PauseWhileActive"},
    {L"Settings", L"HideWhenMinimized"}};

struct RecordingExecutionState final : wp::win::ExecutionStatePort {
    std::vector<EXECUTION_STATE> calls;
    void setThreadExecutionState(EXECUTION_STATE flags) override { calls.push_back(flags); }
};

class MainWindow : public ::testing::Test {
protected:
    wp::test::MemorySettings settings;
    wp::test::RecordingPointer pointer;
    RecordingExecutionState awake;
    int endCalls = 0, stopMacroCalls = 0;
    std::size_t awakeCallsAtEnd = 0;
    std::unique_ptr<FrmMain> main;
    std::vector<std::tuple<UINT, std::wstring, bool>> trayItems; // the icon's menu as last shown: id, text, checked

    void open() {
        main.reset();
        wp::app::MainWindowDeps deps{settings, pointer, [this] { awakeCallsAtEnd = awake.calls.size(), ++endCalls; }};
        deps.executionState = &awake;
        deps.stopMacro = [this] { ++stopMacroCalls; };
        deps.showTrayMenu = [this](HMENU menu, POINT) {
            trayItems.clear();
            for (int i = 0; i < GetMenuItemCount(menu); ++i) {
                wchar_t item[80]{};
                GetMenuStringW(menu, static_cast<UINT>(i), item, 80, MF_BYPOSITION);
                trayItems.emplace_back(GetMenuItemID(menu, i), item, GetMenuState(menu, i, MF_BYPOSITION) & MF_CHECKED);
            }
        };
        main = std::make_unique<FrmMain>(deps);
        ASSERT_TRUE(main->open(SW_SHOWNOACTIVATE)) << "error " << GetLastError();
    }
    HWND at(int id) const { return main->control(id) ? main->control(id) : GetDlgItem(main->picLeftBar.hwnd(), id); }
    std::wstring text(int id) const { return textOf(at(id)); }
    void click(int id) { wp::test::clickControl(main->hwnd(), id); }
    void type(int id, const std::wstring& text) { wp::test::typeInto(main->hwnd(), id, text); }
    void tick(UINT_PTR timer) { wp::test::tick(main->hwnd(), timer); }
    void typePositions(const Texts& values) {
        for (std::size_t i = 0; i < values.size(); ++i) type(positionBoxes[i], values[i]);
    }
    // The six values the window saves, as it shows them.
    Texts shown() const {
        Texts values;
        for (int id : {ids::Text1, ids::Text2, ids::Text3, ids::Text4, ids::TimInt}) values.push_back(text(id));
        values.push_back(SendMessageW(at(ids::Check1), BM_GETCHECK, 0, 0) == BST_CHECKED ? L"1" : L"0");
        return values;
    }
    // The system menu's "pause while I'm working", as it shows it.
    std::wstring checkShown(UINT item) const { // a check item of the system menu
        const UINT state = GetMenuState(GetSystemMenu(main->hwnd(), FALSE), item, MF_BYCOMMAND);
        return state != UINT(-1) && (state & MF_CHECKED) ? L"1" : L"0";
    }
    // The seconds the status line counts down to the next switch; -1 while it shows none.
    long secondsShown() const {
        const std::wstring status = text(ids::info) + L"-1";
        return std::wcstol(status.c_str() + status.find_first_of(L"0123456789-"), nullptr, 10);
    }
};

// A switch puts the pointer on a position's boxes as they stand, once the status line names the other;
// a test image puts it on its own boxes, leaving the cycle alone. The countdown refills from the box.
TEST_F(MainWindow, StartAndStopTheCycleWhoseSwitchesAlternateAndCountDown) {
    open();
    const std::wstring startText = text(ids::Command3);
    type(ids::TimInt, L"2");
    click(ids::Command3);
    EXPECT_NE(startText, text(ids::Command3));
    tick(FrmMain::timer2Id); // a switch refills what this takes
    std::wstring statusAtMove;
    pointer.onMove = [&] { statusAtMove = text(ids::info); };
    const struct {
        Texts typed;
        int image; // 0: a switch
        POINT to;
        const wchar_t* next; // the other position's x and y
    } steps[] = {{{L"11", L"22", L"33", L"44"}, 0, {11, 22}, L"33,44"}, {{}, 0, {33, 44}, L"11,22"},
                 {{L"5", L"6", L"0400", L"-7"}, 0, {5, 6}, L"0400,-7"}, {{}, ids::Image2, {400, -7}, L"0400,-7"},
                 {{}, ids::Image1, {5, 6}, L"0400,-7"},                 {{}, 0, {400, -7}, L"5,6"},
                 {{L"-1920", L"11000", L"10500", L"-800"}, 0, {-1920, 11000}, L"10500,-800"}}; // the whole desktop
    for (const auto& s : steps) {
        typePositions(s.typed);
        s.image ? wp::test::postClick(at(s.image), {8, 8}) : tick(FrmMain::timer1Id);
        EXPECT_EQ(s.to.x * 1000 + s.to.y, pointer.position.x * 1000 + pointer.position.y) << toUtf8(s.next);
        EXPECT_NE(std::wstring::npos, statusAtMove.find(s.next)) << toUtf8(statusAtMove);
        EXPECT_EQ(statusAtMove, text(ids::info));
    }
    for (long expected : {1, 0, 2, 1}) {
        tick(FrmMain::timer2Id);
        EXPECT_EQ(expected, secondsShown()) << "counts down from the interval, then refills";
    }
    EXPECT_EQ(std::size(steps), pointer.moves().size()) << "one move a step, none by the countdown";
    click(ids::Command3);
    EXPECT_EQ(startText, text(ids::Command3));
}

// The real timers: the countdown, the switch at the period the box gives even when typed while running.
// The system is kept awake while they run, let go on the stop and on closing before the program ends.
TEST_F(MainWindow, RealTimersRunWhileMovingAndKeepTheSystemAwake) {
    open();
    type(ids::TimInt, L"2");
    click(ids::Command3);
    for (const ULONGLONG start = GetTickCount64(); text(ids::info).empty() && GetTickCount64() - start < 1700;)
        wp::test::flushEvents(20);
    EXPECT_EQ(1, secondsShown()) << "the countdown ticks by itself";
    type(ids::TimInt, L"0.05"); // 45 ms
    wp::test::flushEvents(400);
    const auto moves = pointer.moves();
    ASSERT_GE(moves.size(), 3u);
    EXPECT_LE(moves.size(), 10u);
    for (std::size_t i = 1; i < moves.size(); ++i) EXPECT_NE(moves[i - 1].x, moves[i].x) << i;
    click(ids::Command3);
    wp::test::flushEvents(150);
    EXPECT_EQ(moves.size(), pointer.moves().size()) << "no switch after the stop";
    constexpr EXECUTION_STATE on = ES_CONTINUOUS | ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED, off = ES_CONTINUOUS;
    EXPECT_EQ((std::vector<EXECUTION_STATE>{on, off}), awake.calls);
    click(ids::Command3);
    SendMessageW(main->hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ((std::vector<EXECUTION_STATE>{on, off, on, off}), awake.calls);
    EXPECT_EQ(4u, awakeCallsAtEnd) << "let go before the program ends";
}

// Opening shows the six stored values if position 1 has an x, else what it shows with none stored; a tick
// shows the markers on the positions. Restore defaults brings those back, hides them, saves nothing.
TEST_F(MainWindow, OpensWithTheStoredValuesAndRestoresTheDefaults) {
    open();
    const Texts defaults = shown(), stored = {L"100", L"200", L"300", L"250", L"5", L"1"};
    for (const bool withX : {false, true}) {
        for (std::size_t i = 0; i < stored.size(); ++i)
            settings.values[{savedKeys[i].first, savedKeys[i].second}] = i == 0 && !withX ? L"" : stored[i];
        open();
        EXPECT_EQ(withX ? stored : defaults, shown()) << withX;
        EXPECT_TRUE(awake.calls.empty()) << "nothing starts by itself";
    }
    EXPECT_EQ(main->frmCircle.hwnd(), WindowFromPoint({100, 200}));
    EXPECT_EQ(main->frmCircle2.hwnd(), WindowFromPoint({300, 250}));
    click(ids::Command3);
    const std::wstring running = text(ids::Command3);
    click(ids::cmdRestoreDefaults);
    EXPECT_EQ(defaults, shown());
    EXPECT_FALSE(main->frmCircle.visible() || main->frmCircle2.visible());
    EXPECT_EQ(running, text(ids::Command3));
    EXPECT_TRUE(settings.writes.empty());
}

// Logging off or shutting down ends the process without a WM_CLOSE: the session's end saves as
// closing does and leaves ending the program to the system; an end called off saves nothing. The
// system menu's pause choice is saved beside the six values and shown again at the next opening.
TEST_F(MainWindow, ClosingOrTheSessionsEndSavesTheValuesAndThePauseChoice) {
    for (const bool sessionEnds : {false, true}) {
        settings = {}, endCalls = 0;
        open();
        typePositions({L"", L"0", L"7", L"77"});
        type(ids::TimInt, L"3");
        click(ids::Check1);
        const UINT ticked = sessionEnds ? FrmMain::idmPauseWhileActive : FrmMain::idmHideWhenMinimized;
        SendMessageW(main->hwnd(), WM_SYSCOMMAND, ticked, 0);
        Texts values = shown(), checks = {checkShown(FrmMain::idmPauseWhileActive), checkShown(FrmMain::idmHideWhenMinimized)};
        values.insert(values.end(), checks.begin(), checks.end());
        if (sessionEnds) {
            EXPECT_EQ(TRUE, SendMessageW(main->hwnd(), WM_QUERYENDSESSION, 0, 0));
            SendMessageW(main->hwnd(), WM_ENDSESSION, FALSE, 0);
            EXPECT_TRUE(settings.writes.empty()) << "an end called off";
        }
        SendMessageW(main->hwnd(), sessionEnds ? WM_ENDSESSION : WM_CLOSE, TRUE, ENDSESSION_LOGOFF);
        EXPECT_EQ(sessionEnds ? 0 : 1, endCalls);
        EXPECT_EQ(std::size(savedKeys), settings.writes.size()) << sessionEnds;
        Texts saved;
        for (const auto& [section, key] : savedKeys) saved.push_back(settings.read(section, key));
        EXPECT_EQ(values, saved) << sessionEnds;
        open();
        EXPECT_EQ(checks, (Texts{checkShown(FrmMain::idmPauseWhileActive), checkShown(FrmMain::idmHideWhenMinimized)}));
    }
}

// The notification icon, driven as the shell does: its menu's first item starts and stops the cycle
// as the button does, its check items are the system menu's, its tip follows the cycle; a select shows
// the window that minimizing hid; Exit closes as the frame does. The icon comes back with the shell.
TEST_F(MainWindow, TheNotificationIconDrivesTheCycleAndBringsTheHiddenWindowBack) {
    open();
    const HWND window = main->hwnd();
    const auto callback = [&](UINT event) { SendMessageW(window, FrmMain::trayMessage, MAKEWPARAM(5, 5), MAKELPARAM(event, 1)); };
    const auto command = [&](UINT id) { SendMessageW(window, WM_COMMAND, id, 0); };
    type(ids::TimInt, L"3"), SendMessageW(window, WM_SYSCOMMAND, FrmMain::idmPauseWhileActive, 0);
    const std::wstring idle = main->trayIcon.tip(), start = text(ids::Command3);
    callback(WM_CONTEXTMENU);
    ASSERT_EQ(7u, trayItems.size()); // two separators
    EXPECT_EQ(std::tuple(FrmMain::idmTrayStartStop, start, false), trayItems.front());
    EXPECT_EQ(std::tuple(FrmMain::idmPauseWhileActive, true), std::tuple(std::get<0>(trayItems[3]), std::get<2>(trayItems[3])));
    EXPECT_EQ(FrmMain::idmTrayExit, std::get<0>(trayItems.back()));
    command(FrmMain::idmPauseWhileActive), command(FrmMain::idmTrayStartStop), callback(WM_CONTEXTMENU);
    EXPECT_EQ(L"0", checkShown(FrmMain::idmPauseWhileActive)) << "the menu's check item is the system menu's";
    EXPECT_TRUE(main->Timer1.enabled() && text(ids::Command3) == std::get<1>(trayItems.front()) && start != text(ids::Command3));
    const std::wstring first = main->trayIcon.tip();
    tick(FrmMain::timer1Id);
    EXPECT_TRUE(first != idle && first.find(L"3") != std::wstring::npos && first.find(L"1") != std::wstring::npos) << toUtf8(first);
    EXPECT_NE(std::wstring::npos, main->trayIcon.tip().find(L"2")) << "the next position";
    command(FrmMain::idmTrayStartStop);
    EXPECT_TRUE(!main->Timer1.enabled() && main->trayIcon.tip() == idle);
    main->showMacroPlaying(L"playing"), callback(WM_CONTEXTMENU), command(std::get<0>(trayItems.front()));
    EXPECT_EQ(std::pair(1, std::wstring(L"playing")), std::pair(stopMacroCalls, main->trayIcon.tip())) << "Stop first";
    main->showMacroPlaying(L"");
    EXPECT_EQ(idle, main->trayIcon.tip());
    command(FrmMain::idmHideWhenMinimized), ShowWindow(window, SW_MINIMIZE);
    EXPECT_FALSE(IsWindowVisible(window)) << "only the icon is left";
    callback(NIN_SELECT);
    EXPECT_TRUE(IsWindowVisible(window) && !IsIconic(window));
    main->trayIcon.remove(), SendMessageW(window, wp::win::NotifyIcon::taskbarCreatedMessage(), 0, 0);
    EXPECT_TRUE(main->trayIcon.shown()) << "back after the shell restarted";
    command(FrmMain::idmTrayExit);
    EXPECT_EQ(std::pair(1, std::wstring(L"1")), std::pair(endCalls, settings.read(L"Settings", L"HideWhenMinimized")));
}

// A shell that refuses the icon (not up yet, or UIPI) leaves a minimized window on the taskbar. Its
// restart adds the icon again, or updates the one it still holds; one that stays refused shows the window.
std::vector<DWORD> shellCalls;
BOOL shellModifies = FALSE; // the shell refuses every NIM_ADD
BOOL WINAPI standInShell(DWORD message, PNOTIFYICONDATAW) {
    return shellCalls.push_back(message), message == NIM_ADD ? FALSE : message != NIM_MODIFY || shellModifies;
}

TEST_F(MainWindow, MinimizingHidesOnlyWhileTheShellHoldsTheIcon) {
    wp::win::NotifyIcon::setShellCall(standInShell);
    open();
    const HWND window = main->hwnd();
    const auto minimize = [&] { ShowWindow(window, SW_RESTORE), ShowWindow(window, SW_MINIMIZE); };
    const auto restart = [&] { shellCalls.clear(), SendMessageW(window, wp::win::NotifyIcon::taskbarCreatedMessage(), 0, 0); };
    SendMessageW(window, WM_COMMAND, FrmMain::idmHideWhenMinimized, 0), minimize();
    EXPECT_TRUE(IsWindowVisible(window) && IsIconic(window)) << "no icon to come back by";
    shellModifies = TRUE, restart(), minimize();
    EXPECT_EQ((std::vector<DWORD>{NIM_ADD, NIM_MODIFY, NIM_SETVERSION}), shellCalls);
    EXPECT_FALSE(IsWindowVisible(window)) << "the icon the shell still held";
    shellModifies = FALSE, restart();
    EXPECT_TRUE(IsWindowVisible(window) && IsIconic(window)) << "the icon is gone for good";
    wp::win::NotifyIcon::setShellCall(nullptr);
}

// Tab visits every enabled, visible tab stop once, the side bar's signs too, and comes round; Enter
// in a box presses the start button. Each picture shows its name as its tip.
TEST_F(MainWindow, TabVisitsEveryTabStopOnceEnterStartsAndPicturesHaveTips) {
    open();
    SetForegroundWindow(main->hwnd());
    std::set<HWND> stops;
    for (const HWND c : descendants(main->hwnd()))
        if ((GetWindowLongPtrW(c, GWL_STYLE) & WS_TABSTOP) && IsWindowVisible(c) && IsWindowEnabled(c)) stops.insert(c);
    const HWND first = GetNextDlgTabItem(main->hwnd(), nullptr, FALSE);
    SetFocus(first);
    std::set<HWND> visited{GetFocus()};
    for (std::size_t i = 1; i < stops.size(); ++i) visited.insert((wp::test::pressKey(VK_TAB), GetFocus()));
    EXPECT_EQ(stops, visited);
    wp::test::pressKey(VK_TAB);
    EXPECT_EQ(first, GetFocus()) << "round again";
    SetFocus(at(ids::Text1));
    wp::test::pressKey(VK_RETURN);
    EXPECT_EQ(1u, awake.calls.size()) << "Enter started the cycle";

    for (wp::win::ImageControl* image : {&main->Image1, &main->Image2, &main->Image3, &main->Image4}) {
        SendMessageW(image->hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
        wchar_t tip[80]{};
        TTTOOLINFOW tool{TTTOOLINFOW_V2_SIZE, 0, GetParent(image->hwnd()), reinterpret_cast<UINT_PTR>(image->hwnd())};
        tool.lpszText = tip;
        EXPECT_EQ(1, SendMessageW(image->toolTip(), TTM_GETTOOLCOUNT, 0, 0));
        SendMessageW(image->toolTip(), TTM_GETTEXTW, std::size(tip), reinterpret_cast<LPARAM>(&tool));
        EXPECT_EQ(textOf(image->hwnd()), tip);
        EXPECT_NE(L"", textOf(image->hwnd()));
    }
}

// Run by tests/e2e/two_monitors.sh on a desktop with a monitor left of the primary and on one 11000
// pixels wide: typed positions are reached to the pixel, a marker stands on its position, and one
// dragged from the far right to the far left writes its centre.
TEST_F(MainWindow, PositionsAndMarkersReachTheWholeDesktop) {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), right = left + GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1;
    if (left >= 0 && right < 10000) GTEST_SKIP() << "no monitor left of the primary, no five-digit positions";
    const auto text = [](POINT p) { return std::to_wstring(p.x) + L"," + std::to_wstring(p.y); };
    wp::test::PointerGuard guard;
    wp::win::SystemPointer system;
    FrmMain real({settings, system, [] {}});
    ASSERT_TRUE(real.open(SW_SHOWNOACTIVATE));
    const HWND window = real.hwnd();
    const POINT first{left + 1180, 50}, second{right, 799}, dropped{left + 680, 400};
    for (const auto& [id, value] : {std::pair{ids::Text1, first.x}, {ids::Text2, first.y}, {ids::Text3, second.x}, {ids::Text4, second.y}})
        wp::test::typeInto(window, id, std::to_wstring(value));
    wp::test::clickControl(window, ids::Command3);
    for (const POINT expected : {first, second}) {
        POINT at{};
        wp::test::tick(window, FrmMain::timer1Id), GetCursorPos(&at);
        EXPECT_EQ(text(expected), text(at));
    }
    wp::test::clickControl(window, ids::Command3), wp::test::clickControl(window, ids::Check1);
    const auto centre = [](HWND disc) { RECT r{}; return GetWindowRect(disc, &r), POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; };
    EXPECT_EQ(text(first), text(centre(real.frmCircle.hwnd()))) << "the marker on its position";
    wp::test::queueDrag(centre(real.frmCircle2.hwnd()), dropped), wp::test::flushEvents(200);
    EXPECT_EQ(text(dropped), textOf(GetDlgItem(window, ids::Text3)) + L"," + textOf(GetDlgItem(window, ids::Text4)))
        << "the second marker dragged across the desktop writes its centre";
}

// The position boxes share one limit, with room for the screen's coordinates, small enough to show
// whole; typing stops at it.
TEST_F(MainWindow, PositionBoxesTakeAsManyCharactersAsTheyShow) {
    open();
    const auto limit = static_cast<std::size_t>(SendMessageW(at(ids::Text1), EM_GETLIMITTEXT, 0, 0));
    EXPECT_LE(std::to_wstring(GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1).size(), limit);
    for (const int id : positionBoxes) {
        const HWND box = at(id);
        EXPECT_EQ(limit, static_cast<std::size_t>(SendMessageW(box, EM_GETLIMITTEXT, 0, 0))) << id;
        RECT room{}, widest{};
        SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
        const wp::win::WindowDC dc(box);
        const wp::win::SelectedObject font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(box, WM_GETFONT, 0, 0)));
        DrawTextW(dc.get(), (L"-" + std::wstring(limit - 1, L'8')).c_str(), -1, &widest, DT_CALCRECT | DT_SINGLELINE);
        ASSERT_LE(widest.right, room.right - room.left) << id;
        SendMessageW(box, EM_SETSEL, 0, -1);
        for (std::size_t i = 0; i < limit + 2; ++i) SendMessageW(box, WM_CHAR, L'1', 1);
        EXPECT_EQ(limit, textOf(box).size()) << id;
    }
}

// The status line has room for its longest text: the longest countdown, the widest numbers.
TEST_F(MainWindow, StatusLineFitsItsRoomWhole) {
    open();
    typePositions({L"0", L"0", L"9999", L"9999"});
    type(ids::TimInt, L"65");
    click(ids::Command3);
    tick(FrmMain::timer1Id);
    for (long left = 1; left != 0; left = secondsShown()) tick(FrmMain::timer2Id);
    tick(FrmMain::timer2Id); // refilled from the box
    EXPECT_EQ(65, secondsShown());
    EXPECT_EQ(std::vector<std::string>{}, clippedTexts({at(ids::info)}));
}

class DisplayScaling : public MainWindow {};

TEST_F(DisplayScaling, EveryTextFitsItsControl) {
    open();
    EXPECT_EQ(std::vector<std::string>{}, clippedTexts(descendants(main->hwnd())));
}

// Moved to a monitor of another scale, the window lays its controls and fonts out again at that scale.
TEST_F(DisplayScaling, AWindowMovedToAnotherScaleLaysItselfOutAgain) {
    open();
    auto measure = [&] {
        RECT r{};
        GetWindowRect(at(ids::cmdMacro), &r);
        MapWindowPoints(nullptr, main->hwnd(), reinterpret_cast<POINT*>(&r), 2);
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(at(ids::cmdMacro), WM_GETFONT, 0, 0)), sizeof font, &font);
        return std::vector<long>{r.left, r.top, r.right, r.bottom, std::abs(font.lfHeight)};
    };
    const auto before = measure();
    const UINT to = GetDpiForWindow(main->hwnd()) * 3 / 2;
    RECT suggested{}; // the window sizes itself to its laid-out controls
    GetWindowRect(main->hwnd(), &suggested);
    SendMessageW(main->hwnd(), WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
    const auto after = measure();
    for (std::size_t i = 0; i < before.size(); ++i) EXPECT_NEAR(before[i] * 3 / 2, after[i], 2) << i;
    EXPECT_EQ(std::vector<std::string>{}, clippedTexts(descendants(main->hwnd())));
}

} // namespace
