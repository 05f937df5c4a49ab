// The soak: the real main and macro windows in this process, switched many times at a short
// interval, then a repeating macro played for many entries. GDI and USER objects, handles and
// private memory are read at checkpoints; after a warm-up they must stay flat.
//   soak [switches] [entries]     defaults 100000 and 1000000; exit code 1 when not flat
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <psapi.h>

#include "app/frmMain.h"
#include "app/frmMain_ids.h"
#include "core/macro_commands.h"
#include "macro/frmMacro.h"
#include "macro/frmMacro_ids.h"
#include "markers/markers.h"
#include "mouse/win32_mouse_platform.h"
#include "win/event_wait.h"
#include "win/handle.h"
#include "win/pointer_port.h"
#include "win/pump.h"
#include "win/text.h"

namespace {

using namespace wp;

class NoSettings final : public win::SettingsStore {
public:
    std::wstring read(const std::wstring&, const std::wstring&) override { return {}; }
    void write(const std::wstring&, const std::wstring&, const std::wstring&) override {}
};

class NoDialogs final : public macro::FileDialogs {
public:
    std::optional<std::wstring> showOpen(HWND, const std::wstring&, const std::wstring&) override { return {}; }
    std::optional<std::wstring> showSave(HWND, const std::wstring&, const std::wstring&) override { return {}; }
};

// The runner's moves and clicks, counted on their way to the real pointer and mouse component.
// The list is MVE, LCK, MVE, LCK, RPT: four counted steps and the repeat make a round.
class MacroTally {
public:
    std::function<void()> onStep;
    std::int64_t steps = 0;
    std::int64_t clicks = 0;

    std::int64_t entries() const { return steps == 0 ? 0 : (steps - 1) / 4 * 5 + (steps - 1) % 4 + 1; }
    void step() {
        ++steps;
        if (onStep) onStep();
    }
};

class CountingPointer final : public PointerPort {
public:
    CountingPointer(PointerPort& real, MacroTally& tally) : real_(real), tally_(tally) {}
    void setCursorPos(std::int32_t x, std::int32_t y) override {
        real_.setCursorPos(x, y);
        tally_.step();
    }
    void reportUserInput() override { real_.reportUserInput(); }

private:
    PointerPort& real_;
    MacroTally& tally_;
};

class CountingClicks final : public macro::ClickPort {
public:
    explicit CountingClicks(MacroTally& tally) : tally_(tally) {}
    mouse::MtyMouse* component = nullptr; // the macro window's own, once it exists
    void SingleClick(std::int32_t lButton) override {
        component->SingleClick(lButton);
        count(1);
    }
    void DoubleClick(std::int32_t lButton) override {
        component->DoubleClick(lButton);
        count(2);
    }

private:
    void count(int clicks) {
        tally_.clicks += clicks;
        tally_.step();
    }
    MacroTally& tally_;
};

// Lets what the last steps set off arrive (injected input comes back through the X server).
void settle() {
    win::waitLettingEventsRun(win::monotonicMilliseconds() + 100.0);
}


// The only place the macro clicks: a topmost window of our own, never activated, that counts the
// presses it receives, so no click can reach another program or a button of ours.
class ClickPad final : public win::Window {
public:
    std::int64_t presses = 0, releases = 0;
    ~ClickPad() override { destroy(); }
    bool open(int width, int height) {
        MONITORINFO monitor{sizeof monitor};
        GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
        CreateArgs args;
        args.exStyle = WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW; // above the markers
        args.style = WS_POPUP | WS_BORDER;
        args.x = monitor.rcWork.right - width - 40;
        args.y = monitor.rcWork.bottom - height - 40;
        args.width = width;
        args.height = height;
        if (!create(ClassInfo{L"WanderpointSoakPad"}, args)) return false;
        ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
        return true;
    }
    POINT pointAt(double across, double down) const {
        RECT r{};
        GetWindowRect(hwnd(), &r);
        return {r.left + static_cast<LONG>(across * (r.right - r.left)), r.top + static_cast<LONG>(down * (r.bottom - r.top))};
    }

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
        if (message == WM_LBUTTONDOWN) ++presses;
        if (message == WM_LBUTTONUP) ++releases;
        return message == WM_LBUTTONDOWN || message == WM_LBUTTONUP ? 0 : defaultProc(message, wParam, lParam);
    }
};

// GDI and USER objects, handles and private memory. Where the system keeps no count (Wine gives 0),
// another one that grows with a leak: the room left in the GDI handle table (shrinks), this
// process's windows, the valid values among the first handle values.
struct Figures {
    std::int64_t gdi, user, handles, privateBytes;
};
class Meter {
public:
    const bool gdiByRoom = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS) == 0;
    const bool userByWindows = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS) == 0;
    const bool handlesByProbe = systemHandles() == 0;

    Figures read() const {
        // The room probe first: the heap it grows then counts in every reading alike.
        const std::int64_t gdi = gdiByRoom ? -gdiRoom() : GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
        PROCESS_MEMORY_COUNTERS_EX memory{};
        memory.cb = sizeof memory;
        GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
        // Both are the commit charge; some systems fill in only the older field.
        const SIZE_T privateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
        return {gdi, userByWindows ? ownWindows() : GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS),
                handlesByProbe ? probedHandles() : systemHandles(), static_cast<std::int64_t>(privateBytes)};
    }

private:
    static std::int64_t systemHandles() {
        DWORD count = 0;
        return GetProcessHandleCount(GetCurrentProcess(), &count) ? count : 0;
    }
    // Pens until the system refuses one: every object kept takes one place in the table.
    static std::int64_t gdiRoom() {
        std::vector<win::Pen> pens;
        pens.reserve(1 << 16);
        while (pens.size() < (1u << 18)) {
            win::Pen pen(CreatePen(PS_SOLID, 0, RGB(0, 0, 0)));
            if (!pen) break;
            pens.push_back(std::move(pen));
        }
        return static_cast<std::int64_t>(pens.size());
    }
    static BOOL CALLBACK countChild(HWND, LPARAM count) {
        ++*reinterpret_cast<std::int64_t*>(count);
        return TRUE;
    }
    static BOOL CALLBACK countTopLevel(HWND hwnd, LPARAM count) {
        DWORD process = 0;
        GetWindowThreadProcessId(hwnd, &process);
        if (process == GetCurrentProcessId()) {
            ++*reinterpret_cast<std::int64_t*>(count);
            EnumChildWindows(hwnd, countChild, count); // every descendant
        }
        return TRUE;
    }
    static std::int64_t ownWindows() {
        std::int64_t count = 0;
        EnumWindows(countTopLevel, reinterpret_cast<LPARAM>(&count));
        for (HWND hwnd = nullptr; (hwnd = FindWindowExW(HWND_MESSAGE, hwnd, nullptr, nullptr));)
            countTopLevel(hwnd, reinterpret_cast<LPARAM>(&count));
        return count;
    }
    // Handle values are multiples of 4 handed out from the lowest free one.
    static std::int64_t probedHandles() {
        std::int64_t valid = 0;
        DWORD flags = 0;
        for (ULONG_PTR value = 4; value < 4 * 4096; value += 4)
            valid += GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags) ? 1 : 0;
        return valid;
    }
};

Figures checkpoint(const Meter& meter, const std::string& label) {
    const Figures f = meter.read();
    std::printf("%-24s %10lld %9lld %9lld %15lld\n", label.c_str(), static_cast<long long>(f.gdi),
                static_cast<long long>(f.user), static_cast<long long>(f.handles), static_cast<long long>(f.privateBytes));
    std::fflush(stdout);
    return f;
}

long argument(int argc, char** argv, int index, long fallback) {
    return argc > index ? std::max(1L, std::atol(argv[index])) : fallback;
}

} // namespace

int main(int argc, char** argv) {
    const long switches = argument(argc, argv, 1, 100'000);
    const long entries = argument(argc, argv, 2, 1'000'000);
    const long warmSwitches = std::max(100L, switches / 50);
    const long warmEntries = std::max(1'000L, entries / 50);

    INITCOMMONCONTROLSEX common{sizeof common, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&common);

    NoSettings settings;
    win::SystemPointer pointer;
    mouse::Win32MousePlatform mousePlatform;
    markers::Marker macroMarker{markers::macroPosition};
    NoDialogs dialogs;
    MacroTally tally;
    CountingPointer macroPointer(pointer, tally);
    CountingClicks clicks(tally);
    HWND mainWindow = nullptr;
    macro::FrmMacro macroWindow(
        {macroPointer, mousePlatform, macroMarker, dialogs, nullptr,
         [&mainWindow] { return reinterpret_cast<HICON>(GetClassLongPtrW(mainWindow, GCLP_HICON)); }, nullptr,
         &clicks});
    clicks.component = &macroWindow.mtyMouse1;
    app::FrmMain mainForm({settings, pointer, nullptr, [&macroWindow] { macroWindow.show(); }});
    ClickPad pad;
    if (!mainForm.open() || !pad.open(160, 120)) {
        std::printf("soak: could not open the windows\n");
        return 2;
    }
    mainWindow = mainForm.hwnd();
    SendMessageW(mainForm.control(app::main_ids::cmdMacro), BM_CLICK, 0, 0);

    // The user's steps: show the helpers, the shortest interval the box gives, a macro of two
    // moves and clicks on the pad and a repeat.
    mainForm.Check1.setChecked(true);
    mainForm.TimInt.setText(std::wstring(L"0") + static_cast<wchar_t>(win::userDecimalSeparator()) + L"1");
    const auto clickOn = [&macroWindow](int id) { SendMessageW(macroWindow.control(id), BM_CLICK, 0, 0); };
    for (const POINT at : {pad.pointAt(0.25, 0.5), pad.pointAt(0.75, 0.5)}) {
        macroWindow.txtX.setText(std::to_wstring(at.x)); // typing in a box selects Move to
        macroWindow.txtY.setText(std::to_wstring(at.y));
        clickOn(macro::macro_ids::cmdAddCmd);
        clickOn(macro::macro_ids::optCommands0 + int{macro::optLeftClick});
        clickOn(macro::macro_ids::cmdAddCmd);
    }
    clickOn(macro::macro_ids::optCommands0 + int{macro::optRepeat});
    clickOn(macro::macro_ids::cmdAddCmd);
    if (macroWindow.entries().size() != 5) {
        std::printf("soak: the macro list was not composed\n");
        return 2;
    }
    settle();

    const Meter meter;
    std::printf("Soak: %ld switches, then a repeating macro of %ld entries, after a warm-up of %ld and %ld\n"
                "counted by %s, %s, %s and private bytes\n%-24s %10s %9s %9s %15s\n",
                switches, entries, warmSwitches, warmEntries,
                meter.gdiByRoom ? "the GDI table's room lost (GetGuiResources gives 0)" : "GetGuiResources",
                meter.userByWindows ? "our windows" : "USER objects",
                meter.handlesByProbe ? "valid handle values (GetProcessHandleCount gives 0)" : "handles",
                "checkpoint", "GDI", "USER", "handles", "private bytes");
    checkpoint(meter, "start");

    // Switches through the cycle's own timer messages, the countdown's tick with each, while the
    // cycle's timers run too; events run after each as the program's loop would run them.
    auto switchFor = [&](long count, bool withCheckpoints) {
        const long every = std::max(1L, count / 5);
        SendMessageW(mainForm.control(app::main_ids::Command3), BM_CLICK, 0, 0); // Start moving
        for (long i = 1; i <= count; ++i) {
            SendMessageW(mainForm.hwnd(), WM_TIMER, app::FrmMain::timer1Id, 0);
            SendMessageW(mainForm.hwnd(), WM_TIMER, app::FrmMain::timer2Id, 0);
            win::letPendingEventsRun();
            if (withCheckpoints && i < count && i % every == 0) checkpoint(meter, "switches " + std::to_string(i));
        }
        SendMessageW(mainForm.control(app::main_ids::Command3), BM_CLICK, 0, 0); // Stop moving
        settle();
    };
    // Runs the macro until the tally has counted the entries; the pointer stays on the pad.
    auto playFor = [&](long count, bool withCheckpoints) {
        const std::int64_t every = std::max(1L, count / 5);
        std::int64_t next = every;
        tally.steps = 0;
        tally.onStep = [&] {
            const std::int64_t played = tally.entries();
            if (withCheckpoints && played >= next && played < count) {
                checkpoint(meter, "entries " + std::to_string(played));
                next += every;
            }
            if (played >= count) macroWindow.StopMacro = true;
        };
        clickOn(macro::macro_ids::cmdRun);
        tally.onStep = nullptr;
        settle();
        return tally.entries();
    };

    switchFor(warmSwitches, false);
    const std::int64_t warmPlayed = playFor(warmEntries, false);
    const Figures from = checkpoint(meter, "warm-up (baseline)");
    switchFor(switches, true);
    checkpoint(meter, "switches " + std::to_string(switches));
    const std::int64_t played = playFor(entries, true);
    const Figures to = checkpoint(meter, "entries " + std::to_string(played));

    // Private memory may grow by a mebibyte: the allocator's caches, far below one small leak a step.
    std::vector<std::string> faults;
    if (to.gdi > from.gdi) faults.push_back("GDI objects grew by " + std::to_string(to.gdi - from.gdi));
    if (to.user > from.user) faults.push_back("USER objects grew by " + std::to_string(to.user - from.user));
    if (to.handles > from.handles) faults.push_back("handles grew by " + std::to_string(to.handles - from.handles));
    if (to.privateBytes - from.privateBytes > (1 << 20))
        faults.push_back("private bytes grew by " + std::to_string(to.privateBytes - from.privateBytes));
    if (warmPlayed + played < warmEntries + entries) faults.push_back("the macro stopped before its last entry");
    // A click that missed the pad went somewhere it should not have.
    if (pad.presses != tally.clicks || pad.releases != tally.clicks)
        faults.push_back("not every click reached the pad: " + std::to_string(tally.clicks) + " made, " +
                         std::to_string(pad.presses) + " pressed, " + std::to_string(pad.releases) + " released");
    for (const std::string& fault : faults) std::printf("NOT FLAT: %s\n", fault.c_str());
    if (faults.empty()) std::printf("FLAT: no object, handle or memory growth after the warm-up\n");
    return faults.empty() ? 0 : 1;
}
