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

#include "app/frmMain.h"
#include "click_pad.h"
#include "core/macro_commands.h"
#include "macro/circle3_port.h"
#include "macro/frmMacro.h"
#include "mouse/win32_mouse_platform.h"
#include "soak_report.h"
#include "win/event_wait.h"
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
    macro::Circle3Port macroMarker;
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
    soak::ClickPad pad;
    if (!mainForm.open() || !pad.open(160, 120)) {
        std::printf("soak: could not open the windows\n");
        return 2;
    }
    mainWindow = mainForm.hwnd();
    mainForm.cmdMacro_Click();

    // The user's steps: show the helpers, the shortest interval the box gives, a macro of two
    // moves and clicks on the pad and a repeat.
    mainForm.Check1.setChecked(true);
    mainForm.TimInt.setText(std::wstring(L"0") + static_cast<wchar_t>(win::userDecimalSeparator()) + L"1");
    for (const POINT at : {pad.pointAt(0.25, 0.5), pad.pointAt(0.75, 0.5)}) {
        macroWindow.txtX.setText(std::to_wstring(at.x));
        macroWindow.txtY.setText(std::to_wstring(at.y));
        macroWindow.optCommands_Click(macro::optMove);
        macroWindow.cmdAddCmd_Click();
        macroWindow.optCommands_Click(macro::optLeftClick);
        macroWindow.cmdAddCmd_Click();
    }
    macroWindow.optCommands_Click(macro::optRepeat);
    macroWindow.cmdAddCmd_Click();
    if (macroWindow.entries().size() != 5) {
        std::printf("soak: the macro list was not composed\n");
        return 2;
    }
    settle();

    soak::ResourceMeter meter;
    soak::Report report(meter, switches, entries, warmSwitches, warmEntries);
    report.checkpoint("start");

    // Switches through the cycle's own handlers, the countdown's tick with each, while the
    // cycle's timers run too; events run after each as the program's loop would run them.
    auto switchFor = [&](long count, bool withCheckpoints) {
        const long every = std::max(1L, count / 5);
        mainForm.Command3_Click(); // Start moving
        for (long i = 1; i <= count; ++i) {
            mainForm.Timer1_Timer();
            mainForm.Timer2_Timer();
            win::letPendingEventsRun();
            if (withCheckpoints && i < count && i % every == 0) report.checkpoint("switches " + soak::grouped(i));
        }
        mainForm.Command3_Click(); // Stop moving
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
                report.checkpoint("entries " + soak::grouped(played));
                next += every;
            }
            if (played >= count) macroWindow.StopMacro = true;
        };
        macroWindow.cmdRun_Click();
        tally.onStep = nullptr;
        settle();
        return tally.entries();
    };

    switchFor(warmSwitches, false);
    const std::int64_t warmPlayed = playFor(warmEntries, false);
    report.baseline("warm-up");
    report.startPhase();
    switchFor(switches, true);
    report.checkpoint("switches " + soak::grouped(switches));
    report.endPhase(switches, "switches");
    report.startPhase();
    const std::int64_t played = playFor(entries, true);
    report.checkpoint("entries " + soak::grouped(played));
    report.endPhase(played, "entries");

    const bool flat =
        report.verdict({warmPlayed + played, warmEntries + entries, tally.clicks, pad.presses, pad.releases});
    return flat ? 0 : 1;
}
