#include "app/command_line_run.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <optional>
#include <utility>

#include "app/start_with_windows.h"
#include "app/stop_keys.h"
#include "app/switch_tray.h"
#include "core/app_info.h"
#include "core/macro_file.h"
#include "core/macro_recording.h"
#include "core/macro_runner.h"
#include "core/mouse_members.h"
#include "core/switch_gate.h"
#include "core/switch_schedule.h"
#include "macro/macro_file_io.h"
#include "macro/macro_file_text.h"
#include "macro/playback_settings.h"
#include "mouse/win32_mouse_platform.h"
#include "win/event_wait.h"
#include "win/execution_state.h"
#include "win/handle.h"
#include "win/key_input.h"
#include "win/pointer_port.h"
#include "win/pump.h"
#include "win/recording_hooks.h"
#include "win/text.h"
#include "win/user_input_watch.h"

namespace wp::app {
namespace {

constexpr int exitDone = 0;
constexpr int exitWrong = 2;

bool usable(HANDLE handle) {
    return handle && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// A program of the window subsystem has no console of its own: the text goes where its output
// already leads (a file, a pipe), else to the console of the program that started it, else (a
// shortcut, a scheduled task) into a message box.
void tell(const std::string& text, bool failure) {
    const DWORD which = failure ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
    HANDLE out = GetStdHandle(which);
    win::KernelHandle console;
    if (!usable(out) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        out = GetStdHandle(which);
        if (!usable(out)) {
            const HANDLE opened = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                              OPEN_EXISTING, 0, nullptr);
            console.reset(opened == INVALID_HANDLE_VALUE ? nullptr : opened);
            out = console.get();
        }
    }
    std::string lines;
    for (char c : text) {
        if (c == '\n') lines += '\r';
        lines += c;
    }
    if (usable(out)) {
        DWORD mode = 0, written = 0;
        if (GetConsoleMode(out, &mode)) {
            const std::wstring wide = win::toWide(lines);
            WriteConsoleW(out, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        } else {
            WriteFile(out, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr);
        }
        return;
    }
    MessageBoxW(nullptr, win::toWide(text).c_str(), win::toWide(appInfo.Title).c_str(),
                MB_OK | (failure ? MB_ICONEXCLAMATION : MB_ICONINFORMATION));
}

// The user's "Stop anywhere" key, when one is chosen.
std::optional<macro::KeyChord> chosenStopKey(win::SettingsStore& settings) {
    return macro::readShortcutKeys(&settings).keys[macro::shortcutStop];
}

// The macro window's run without the window: the same runner, pointer path, clicks and waits.
class CommandLineRunHost final : public macro::RunnerHost {
public:
    explicit CommandLineRunHost(std::vector<std::string> entries) : entries_(std::move(entries)) {}

    void beginRun() override {}
    std::vector<std::string> entryTexts() override { return entries_; }
    std::size_t entryCount() override { return entries_.size(); }
    void selectEntry(std::size_t) override {}
    void singleClick(std::int32_t lButton) override { clicks_.SingleClick(lButton); }
    void doubleClick(std::int32_t lButton) override { clicks_.DoubleClick(lButton); }
    void moveTo(std::int32_t x, std::int32_t y) override { jumpPointer(pointer_, x, y); }
    void sendKeys(const std::vector<macro::KeyStroke>& strokes) override { win::sendKeyStrokes(strokes); }
    void turnWheel(int notches) override { win::turnWheel(notches); }
    void wait(double milliseconds) override {
        win::waitLettingEventsRun(win::monotonicMilliseconds() + milliseconds, [this] { return closed(); });
    }
    void letPendingEventsRun() override { win::letPendingEventsRun(); }
    bool closed() override { return win::quitRequested(); }
    void endRun() override {}

private:
    std::vector<std::string> entries_;
    win::SystemPointer pointer_;
    mouse::Win32MousePlatform platform_;
    mouse::MouseMembers clicks_{platform_};
};

int playMacro(const cli::PlayMacro& play, win::SettingsStore& settings) {
    const macro::MacroFileEntries file = macro::openMacroFile(win::toWide(play.file));
    if (!file) {
        tell(std::string(appInfo.Title) + ": could not read the macro file " + play.file + "\n" +
                 win::toUtf8(file.failure) + "\n",
             true);
        return exitWrong;
    }
    std::vector<std::string> entries;
    for (const std::wstring& entry : file.entries)
        entries.push_back(win::toUtf8(entry));

    bool stopMacro = false;
    CommandLineRunHost host(std::move(entries));
    StopKeys keys({VK_ESCAPE, VK_F9}, chosenStopKey(settings), stopMacro);
    const double speed = play.speed.value_or(macro::readPlaySpeedSetting(&settings));
    macro::runMacro(host, stopMacro, win::userDecimalSeparator(), {speed, play.times});
    return exitDone;
}

// Records until a stop key or the end of the time given; the file is written only then, whole, so
// that a recording that cannot be written leaves an old file as it was.
int recordMacro(const cli::RecordMacro& record, win::SettingsStore& settings) {
    win::RecordingHooks hooks;
    if (!hooks.installed()) {
        tell(std::string(appInfo.Title) + ": could not start recording\n" +
                 win::toUtf8(macro::systemErrorText(GetLastError())),
             true);
        return exitWrong;
    }
    macro::MacroRecorder recorder(win::systemDoubleClickBounds(), win::userDecimalSeparator(), record.keys,
                                  macro::chosenKeys(macro::readShortcutKeys(&settings)));
    bool stop = false;
    const StopKeys keys({}, chosenStopKey(settings), stop);
    const auto stopped = [&hooks, &stop] { return stop || hooks.stopKeyPressed(); };
    const double end =
        win::monotonicMilliseconds() + record.forMilliseconds.value_or(std::numeric_limits<double>::infinity());
    constexpr double pollMs = 20;
    while (!stopped() && !win::quitRequested() && win::monotonicMilliseconds() < end) {
        win::waitLettingEventsRun(std::min(end, win::monotonicMilliseconds() + pollMs), stopped);
        for (const macro::InputEvent& event : hooks.take())
            recorder.add(event);
    }
    for (const macro::InputEvent& event : hooks.take())
        recorder.add(event);
    POINT rest{};
    GetCursorPos(&rest);
    std::vector<std::wstring> entries;
    for (const std::string& entry : recorder.finish(rest.x, rest.y)) entries.push_back(win::toWide(entry));
    if (const macro::FileOutcome saved = macro::replaceFile(win::toWide(record.file), macro::macroFileText(entries).bytes);
        !saved) {
        tell(std::string(appInfo.Title) + ": could not write the macro file " + record.file + "\n" +
                 win::toUtf8(saved.failure) + "\n",
             true);
        return exitWrong;
    }
    return exitDone;
}

int runSwitching(const cli::RunSwitching& run) {
    bool stop = false;
    StopKeys keys({VK_F9}, std::nullopt, stop);
    win::SystemPointer pointer;
    win::SystemExecutionState executionState;
    win::keepAwake(executionState, true);
    std::optional<win::UserInputWatch> inputWatch;
    if (run.whenIdle) inputWatch.emplace();
    constexpr double releasePollMs = 20;
    SwitchSchedule schedule(win::monotonicMilliseconds(), run.periodMilliseconds, run.forMilliseconds, run.whenIdle);
    SwitchTray tray(stop);
    int next = 1;
    for (;;) {
        tray.setTip(win::toWide(switchingTip(true, run.interval, next)));
        const double until = schedule.waiting() ? win::monotonicMilliseconds() + releasePollMs : schedule.nextDue();
        win::waitLettingEventsRun(until, [&stop] { return stop; });
        if (stop || win::quitRequested()) break;
        const SwitchSchedule::Step step = schedule.at({win::monotonicMilliseconds(), win::anyMouseButtonHeld(),
                                                       inputWatch ? inputWatch->lastInputMs() : std::nullopt});
        if (step == SwitchSchedule::Step::Over) break;
        if (step == SwitchSchedule::Step::ToPosition1) jumpPointer(pointer, run.position1.x, run.position1.y), next = 2;
        if (step == SwitchSchedule::Step::ToPosition2) jumpPointer(pointer, run.position2.x, run.position2.y), next = 1;
    }
    win::keepAwake(executionState, false);
    return exitDone;
}

} // namespace

std::vector<std::string> commandLineArguments() {
    std::vector<std::string> arguments;
    for (int i = 1; i < __argc; ++i)
        arguments.push_back(win::toUtf8(__wargv[i]));
    return arguments;
}

int runCommandLine(const cli::CommandLine& commandLine, win::SettingsStore& settings) {
    if (const auto* play = std::get_if<cli::PlayMacro>(&commandLine)) return playMacro(*play, settings);
    if (const auto* record = std::get_if<cli::RecordMacro>(&commandLine)) return recordMacro(*record, settings);
    if (const auto* run = std::get_if<cli::RunSwitching>(&commandLine)) return runSwitching(*run);
    if (std::holds_alternative<cli::RemoveStartWithWindows>(commandLine))
        return userStartStore().erase(runSection, startValueName()) ? exitDone : exitWrong;
    if (std::holds_alternative<cli::ShowHelp>(commandLine)) {
        tell(std::string(cli::usageText()), false);
        return exitDone;
    }
    if (const auto* wrong = std::get_if<cli::BadCommandLine>(&commandLine)) {
        tell(std::string(appInfo.Title) + ": " + wrong->message + "\n\n" + std::string(cli::usageText()), true);
        return exitWrong;
    }
    return exitDone;
}

} // namespace wp::app
