// The toolkit's timer and waits, the markers and the mouse control component, in real windows.
#include <gtest/gtest.h>

#include <windows.h>

#include <tlhelp32.h>

#include <filesystem>
#include <future>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/marker_geometry.h"
#include "macro/macro_file_io.h"
#include "markers/markers.h"
#include "mouse/mtyMouse.h"
#include "mouse/win32_mouse_platform.h"
#include "support.h"
#include "win/event_wait.h"
#include "win/pump.h"
#include "win/recording_hooks.h"
#include "win/user_input_watch.h"
#include "win/window_timer.h"

using wp::markers::Marker;
using wp::test::flushEvents;
using wp::win::letPendingEventsRun;
using wp::win::monotonicMilliseconds;

namespace {

// Runs the pump for a while and returns the messages it ran that `keep` picks.
template <class Keep> std::vector<UINT> pumpFor(DWORD milliseconds, Keep keep) {
    std::vector<UINT> seen;
    for (const ULONGLONG end = GetTickCount64() + milliseconds; GetTickCount64() < end;) {
        letPendingEventsRun([&](const MSG& msg) { keep(msg) ? seen.push_back(msg.message) : void(); });
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return seen;
}

TEST(WindowTimer, IntervalZeroNeverFiresAndSettingEitherPropertyStartsThePeriodAnew) {
    wp::win::OwnedWindow owner(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, 0));
    wp::win::WindowTimer timer(7);
    timer.attach(owner.get());
    const auto ticksWithin = [](DWORD ms) {
        return pumpFor(ms, [](const MSG& m) { return m.message == WM_TIMER; }).size();
    };
    timer.setEnabled(true);
    EXPECT_EQ(0u, ticksWithin(150)) << "interval 0";
    timer.setInterval(20);
    EXPECT_GE(ticksWithin(200), 3u);
    timer.setEnabled(false);
    EXPECT_EQ(0u, ticksWithin(100)) << "disabled";
    timer.setInterval(300);
    timer.setEnabled(true);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(0u, ticksWithin(180)) << i; // each write below keeps the 300 ms from ever ending
        i % 2 ? timer.setInterval(300) : timer.setEnabled(true);
    }
    EXPECT_GE(ticksWithin(500), 1u);
}

// The button arithmetic is the core's; here what the system makes of what the control sends.
class RecordingTarget final : public wp::markers::MarkerTarget {
public:
    std::vector<std::wstring> writes;
    void setX(const std::wstring& text) override { writes.push_back(L"x=" + text); }
    void setY(const std::wstring& text) override { writes.push_back(L"y=" + text); }
};

RECT rectOf(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

// A press and release on the disc's centre with no movement between them.
void pressWithoutMoving(const Marker& marker, UINT down = WM_LBUTTONDOWN) {
    PostMessageW(marker.hwnd(), down, 0, MAKELPARAM(21, 21));
    PostMessageW(marker.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(21, 21));
    flushEvents(30);
}

TEST(Markers, ARoundDiscAboveEveryWindowThatGrowsAroundItsCentreWithTheScale) {
    wp::test::PointerGuard pointerGuard;
    const wp::win::OwnedWindow window(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE | SS_NOTIFY, 300, 300,
                                                      200, 200, nullptr, nullptr, nullptr, nullptr));
    const HWND below = window.get();
    Marker marker{wp::markers::position2};
    RecordingTarget target;
    marker.setTarget(&target);
    EXPECT_FALSE(marker.exists()) << "nothing is loaded before its first use";
    marker.show();
    marker.moveTo({379, 379});
    for (UINT dpi : {96u, 144u, 96u}) {
        RECT suggested = rectOf(marker.hwnd());
        SendMessageW(marker.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        SetForegroundWindow(below); // an ordinary window activated after it stays under it
        flushEvents(20);
        const RECT r = rectOf(marker.hwnd());
        EXPECT_EQ(wp::markerSidePixels(dpi), r.right - r.left) << dpi;
        EXPECT_EQ(marker.hwnd(), WindowFromPoint({400, 400})) << "the centre, at " << dpi;
        EXPECT_EQ(marker.hwnd(), WindowFromPoint({r.left + 2, 400})) << "the left edge of the disc, at " << dpi;
        for (POINT corner : {POINT{r.left, r.top}, POINT{r.right - 1, r.bottom - 1}})
            EXPECT_EQ(below, WindowFromPoint(corner)) << "a corner clicks through, at " << dpi;
        target.writes.clear();
        pressWithoutMoving(marker);
        EXPECT_EQ((std::vector<std::wstring>{L"x=400", L"y=400"}), target.writes) << dpi;
    }
}

TEST(Markers, MovesInTwipsKeepsItsPlaceWhenHiddenAndWritesItsCentreForAnyButton) {
    Marker marker{wp::markers::position1};
    marker.show();
    EXPECT_TRUE(marker.move(7.5, -22.5)); // twips; half pixels go to the even neighbour
    EXPECT_EQ(0, rectOf(marker.hwnd()).left);
    EXPECT_EQ(-2, rectOf(marker.hwnd()).top);
    marker.moveTo({250, 260});
    EXPECT_FALSE(marker.move(1e30, 15)) << "no pixel lies there";
    EXPECT_FALSE(marker.move(15, -1e30));
    marker.hide();
    EXPECT_FALSE(marker.visible());
    marker.show();
    EXPECT_EQ(250, rectOf(marker.hwnd()).left) << "kept through a refused move and hiding";
    EXPECT_EQ(260, rectOf(marker.hwnd()).top);

    RecordingTarget target;
    marker.setTarget(&target);
    for (UINT button : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN}) {
        marker.moveTo({-100, 5000}); // off the screen: not clipped
        target.writes.clear();
        pressWithoutMoving(marker, button);
        EXPECT_EQ((std::vector<std::wstring>{L"x=-79", L"y=5021"}), target.writes) << button;
    }
    marker.close();
    EXPECT_FALSE(marker.exists());
}

TEST(MouseControl, ClicksArriveAsPressReleasePairsAndDoubleClicks) {
    wp::test::PointerGuard guard;
    wp::win::OwnedWindow target(CreateWindowExW(WS_EX_TOPMOST, L"BUTTON", L"", WS_POPUP | WS_VISIBLE, 200, 200, 200,
                                                150, nullptr, nullptr, nullptr, nullptr)); // takes double clicks
    wp::mouse::Win32MousePlatform platform;
    wp::mouse::MtyMouse mouse(platform);
    SetCursorPos(250, 250);
    wp::test::flushEvents(50);
    for (const int b : {0, 1}) mouse.SingleClick(b);
    for (const int b : {0, 1}) mouse.DoubleClick(b);
    const std::vector<UINT> expected = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN,   WM_RBUTTONUP,
                                        WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP,
                                        WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_RBUTTONUP};
    const auto button = [](const MSG& m) { return m.message > WM_MOUSEMOVE && m.message <= WM_MBUTTONDBLCLK; };
    EXPECT_EQ(expected, pumpFor(200, button));
    // Swapped for a left hand, a press names the physical button in injected input and in hooks, and a window
    // of Wine 8 gets it so too; playing and recording name the button's role.
    struct Unswap {
        ~Unswap() { SwapMouseButton(FALSE); }
    } unswap;
    SwapMouseButton(TRUE), mouse.SingleClick(0);
    EXPECT_EQ((std::vector<UINT>{WM_RBUTTONDOWN, WM_RBUTTONUP}), pumpFor(100, button));
    wp::win::RecordingHooks hooks;
    MSLLHOOKSTRUCT press{{250, 250}};
    wp::win::RecordingHooks::mouseHook(HC_ACTION, WM_LBUTTONDOWN, reinterpret_cast<LPARAM>(&press));
    const auto taken = hooks.take();
    const auto* taken0 = taken.size() == 1 ? std::get_if<wp::macro::ButtonEvent>(&taken[0]) : nullptr;
    EXPECT_TRUE(taken0 && taken0->button == wp::macro::RecordedButton::Right) << "the secondary button";
}

// Saving over a file keeps its hidden attribute, and a reader that holds it for a moment without
// sharing its deletion (an indexer, a scanner) only delays the replace; nothing is left beside it.
TEST(MacroFile, AReplaceKeepsTheAttributesAndWaitsForAReaderToLetGo) {
    const auto folder = std::filesystem::temp_directory_path() / ("wp-replace-" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directory(folder);
    const std::wstring name = folder / L"m.cmd";
    std::ofstream(folder / L"m.cmd") << "old";
    SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(L"", wp::macro::replaceFile(name, "new").failure);
    EXPECT_TRUE(GetFileAttributesW(name.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    const HANDLE held = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    std::thread letGo([held] { Sleep(300), CloseHandle(held); });
    EXPECT_EQ(L"", wp::macro::replaceFile(name, "newer").failure);
    letGo.join();
    std::string bytes;
    wp::macro::readWholeFile(name, bytes);
    EXPECT_EQ("newer", bytes);
    EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(folder), {}));
    SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_NORMAL), std::filesystem::remove_all(folder);
}

std::size_t threadsOfThisProcess() {
    const wp::win::KernelHandle all(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    std::size_t count = 0;
    THREADENTRY32 thread{sizeof thread};
    for (BOOL more = Thread32First(all.get(), &thread); more; more = Thread32Next(all.get(), &thread))
        count += thread.th32OwnerProcessID == GetCurrentProcessId();
    return count;
}

// A recording's hooks go on while their owner's thread is blocked: every click of the user (xdotool) is
// there, once, when it resumes. The hooks' thread ends with them. The window clicked on pumps on a thread
// of its own, since Wine turns X events into input on the thread of the X window.
TEST(RecordingHooks, SeeEveryClickWhileTheirOwnerIsBlockedAndEndWithIt) {
    wp::test::PointerGuard guard;
    std::promise<DWORD> windowThread;
    std::thread target([&windowThread] {
        wp::win::OwnedWindow window(CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 200, 200, 200,
                                                    150, nullptr, nullptr, nullptr, nullptr));
        windowThread.set_value(GetCurrentThreadId());
        for (MSG msg; GetMessageW(&msg, nullptr, 0, 0) > 0;) DispatchMessageW(&msg);
    });
    const DWORD targetThread = windowThread.get_future().get();
    const std::size_t threads = threadsOfThisProcess();
    std::optional<wp::win::RecordingHooks> hooks(std::in_place);
    EXPECT_TRUE(hooks->installed());
    EXPECT_EQ(threads + 1, threadsOfThisProcess());
    wchar_t clicks[] = L"Z:\\usr\\bin\\xdotool mousemove 250 250 sleep 0.2 click 1 sleep 0.2 click 3 sleep 0.2 click 1";
    STARTUPINFOW start{sizeof start};
    PROCESS_INFORMATION xdotool{};
    EXPECT_TRUE(CreateProcessW(nullptr, clicks, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &xdotool));
    CloseHandle(xdotool.hThread), CloseHandle(xdotool.hProcess), Sleep(2000);
    std::vector<std::pair<wp::macro::RecordedButton, bool>> seen; // the button, pressed
    for (const auto& event : hooks->take())
        if (const auto* click = std::get_if<wp::macro::ButtonEvent>(&event)) seen.emplace_back(click->button, click->down);
    using enum wp::macro::RecordedButton;
    EXPECT_EQ(decltype(seen)({{Left, true}, {Left, false}, {Right, true}, {Right, false}, {Left, true}, {Left, false}}), seen);
    hooks.reset();
    EXPECT_EQ(threads, threadsOfThisProcess());
    PostThreadMessageW(targetThread, WM_QUIT, 0, 0), target.join();
}

int ticks = 0;
void CALLBACK countTick(HWND, UINT, UINT_PTR, DWORD) { ++ticks; }

// Only bounds that a slow machine cannot break: never early, events run, an abandon or a quit ends it.
TEST(EventWait, RunsTheEventsAndEndsNotBeforeItsTimeOrWhenAbandonedOrQuit) {
    const UINT_PTR ticker = SetTimer(nullptr, 0, 10, countTick);
    Sleep(30);
    wp::win::waitLettingEventsRun(monotonicMilliseconds() - 5);
    EXPECT_EQ(1, ticks) << "a wait already over still runs what is pending, once";
    const double start = monotonicMilliseconds();
    wp::win::waitLettingEventsRun(start + 200);
    EXPECT_GE(monotonicMilliseconds() - start, 200.0);
    EXPECT_GE(ticks, 3) << "the timer ran during the wait";
    ticks = 0;
    wp::win::waitLettingEventsRun(monotonicMilliseconds() + 60'000, [] { return ticks >= 2; });
    EXPECT_EQ(2, ticks) << "abandoned at the event that asked";
    KillTimer(nullptr, ticker);
    PostQuitMessage(3); // last here: the quit stays seen for the rest of the process
    wp::win::waitLettingEventsRun(monotonicMilliseconds() + 60'000);
    MSG quit{};
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) && quit.wParam == 3) << "ended, kept queued";
}

} // namespace

// Input a program sends (this one's clicks, other tools') is not the user's: the watch sees none.
TEST(UserInputWatch, LeavesInjectedKeysButtonsAndMovesOut) {
    wp::win::UserInputWatch watch;
    INPUT sent[4]{{INPUT_MOUSE}, {INPUT_MOUSE}, {INPUT_KEYBOARD}, {INPUT_KEYBOARD}};
    sent[0].mi = {3, 0, 0, MOUSEEVENTF_MOVE};
    sent[1].mi.dwFlags = MOUSEEVENTF_WHEEL;
    sent[2].ki.wVk = sent[3].ki.wVk = VK_F24;
    sent[3].ki.dwFlags = KEYEVENTF_KEYUP;
    ASSERT_EQ(4u, SendInput(4, sent, sizeof(INPUT)));
    flushEvents(200);
    EXPECT_FALSE(watch.lastInputMs()) << "injected input counted as the user's";
}
