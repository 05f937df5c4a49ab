// The soak: each main operation of the real windows repeated many times. GDI and USER objects, handles and
// private memory, read after a warm-up and after each, must not grow. soak [switches] [entries]; exit code 1
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "app/frmMain.h"
#include "app/frmMain_ids.h"
#include "core/macro_commands.h"
#include "macro/file_dialogs.h"
#include "macro/frmMacro.h"
#include "macro/frmMacro_ids.h"
#include "markers/markers.h"
#include "mouse/win32_mouse_platform.h"
#include "win/event_wait.h"
#include "win/handle.h"
#include "win/pointer_port.h"
#include "win/pump.h"
#include "win/settings_store.h"

namespace {

using namespace wp;

// The macro clicks only here (topmost, never active); the set press ends the run: a lost click hangs it.
long presses = 0, stopAt = 0;
bool* stopMacro = nullptr;
LRESULT CALLBACK padProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    if (message == WM_LBUTTONDOWN && ++presses >= stopAt) *stopMacro = true;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// GDI and USER objects, handles, private bytes; where the system keeps no count (Wine gives 0), one that
// grows with a leak: the GDI table's room lost, our windows, the valid values among the lowest handles.
BOOL CALLBACK countOurs(HWND hwnd, LPARAM count) {
    DWORD process = 0;
    *reinterpret_cast<long long*>(count) +=
        GetWindowThreadProcessId(hwnd, &process) && process == GetCurrentProcessId();
    return TRUE;
}
std::vector<long long> baseline;
bool flat = true;
void checkpoint(const std::string& after) {
    const HANDLE self = GetCurrentProcess();
    DWORD handles = 0, flags = 0;
    std::vector<long long> f{GetGuiResources(self, GR_GDIOBJECTS), GetGuiResources(self, GR_USEROBJECTS),
                             GetProcessHandleCount(self, &handles) ? handles : 0, 0};
    std::vector<win::Pen> pens; // first, so that the heap it takes counts in every reading alike
    while (f[0] == 0 && pens.size() < (1u << 18) && pens.emplace_back(CreatePen(PS_SOLID, 0, 0)))
        ;
    f[0] = f[0] ? f[0] : 1 - static_cast<long long>(pens.size());
    if (f[1] == 0) EnumChildWindows(GetDesktopWindow(), countOurs, reinterpret_cast<LPARAM>(&f[1])); // any depth
    for (ULONG_PTR value = 4; handles == 0 && value < 4 * 4096; value += 4) // handed out from the lowest free
        f[2] += GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags) ? 1 : 0;
    PROCESS_MEMORY_COUNTERS_EX memory{sizeof memory, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    GetProcessMemoryInfo(self, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    f[3] = static_cast<long long>(memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage);
    std::printf("%-46s %10lld %9lld %9lld %15lld\n", after.c_str(), f[0], f[1], f[2], f[3]);
    if (baseline.empty()) baseline = f;
    // Private memory may grow by a mebibyte: the allocator's caches, far below one small leak a step.
    const char* figures[] = {"GDI objects", "USER objects", "handles", "private bytes"};
    for (int i = 0; i < 4; ++i)
        if (f[i] - baseline[i] > (i == 3 ? 1 << 20 : 0))
            flat = false, std::printf("NOT FLAT: %s grew by %lld\n", figures[i], f[i] - baseline[i]);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    const long switches = argc > 1 ? std::atol(argv[1]) : 100'000;
    const long entries = argc > 2 ? std::atol(argv[2]) : 1'000'000;
    win::RegistrySettings settings(L"Software\\WanderpointTest\\soak"); // read only, never there
    win::SystemPointer pointer;
    mouse::Win32MousePlatform mousePlatform;
    markers::Marker macroMarker{markers::macroPosition};
    macro::SystemFileDialogs dialogs; // never opened
    macro::FrmMacro macroWindow(
        {pointer, mousePlatform, macroMarker, dialogs, nullptr, [] { return LoadIconW(nullptr, IDI_APPLICATION); }});
    stopMacro = &macroWindow.StopMacro;
    app::FrmMain form({settings, pointer, nullptr, [&macroWindow] { macroWindow.show(); }});
    const WNDCLASSW padClass{0, padProc, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, L"WanderpointSoakPad"};
    const int right = GetSystemMetrics(SM_CXSCREEN) - 40, bottom = GetSystemMetrics(SM_CYSCREEN) - 80;
    const win::OwnedWindow pad(CreateWindowExW(
        WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, MAKEINTATOM(RegisterClassW(&padClass)), L"",
        WS_POPUP | WS_VISIBLE, right - 160, bottom - 120, 160, 120, nullptr, nullptr, nullptr, nullptr));
    // The user's clicks and the system's timer ticks and menu commands, as messages.
    const auto click = [](const win::Window& on, int id) { SendMessageW(GetDlgItem(on.hwnd(), id), BM_CLICK, 0, 0); };
    const auto send = [](const win::Window& to, UINT message, WPARAM id) { SendMessageW(to.hwnd(), message, id, 0); };
    using namespace macro::macro_ids;
    auto openMacro = [&] { // as a user does: the helpers shown, the macro window: two moves with clicks, a repeat
        form.Check1.setChecked(false), form.Check1.setChecked(true), click(form, app::main_ids::cmdMacro);
        for (const int x : {right - 120, right - 40}) {
            macroWindow.txtX.setText(std::to_wstring(x)), macroWindow.txtY.setText(std::to_wstring(bottom - 60));
            click(macroWindow, cmdAddCmd);
            click(macroWindow, optCommands0 + int{macro::optLeftClick}), click(macroWindow, cmdAddCmd);
        }
        click(macroWindow, optCommands0 + int{macro::optRepeat}), click(macroWindow, cmdAddCmd);
    };
    if (!form.open() || !pad) return std::puts("soak: could not open the windows"), 2;
    openMacro();
    const std::tuple<const char*, long, std::function<void()>> operations[] = {
        {"switches (each started, stopped)", switches,
         [&] {
             click(form, app::main_ids::Command3), send(form, WM_TIMER, form.timer1Id);
             send(form, WM_TIMER, form.timer2Id), click(form, app::main_ids::Command3);
         }},
        {"runs of 500 entries", entries / 500 + 1, [&] { stopAt = presses + 200, click(macroWindow, cmdRun); }},
        {"reopenings", entries / 10'000 + 1, [&] { send(macroWindow, WM_COMMAND, mnuExit), openMacro(); }}};
    std::puts("Soak. Where the system keeps no count (Wine), the GDI table's room lost (negative), our windows\n"
              "and the valid handle values stand in.                 GDI      USER   handles   private bytes");
    for (const bool warmUp : {true, false}) {
        for (const auto& [name, count, once] : operations) {
            const long times = warmUp ? count / 50 + 2 : count;
            for (long i = 0; i < times; ++i) // events run after each, as the program's loop would run them
                once(), win::letPendingEventsRun();
            win::waitLettingEventsRun(win::monotonicMilliseconds() + 100.0); // injected input comes back
            if (!warmUp) checkpoint("after " + std::to_string(times) + " " + name);
        }
        if (warmUp) checkpoint("after the warm-up (the baseline)");
    }
    if (flat) std::puts("FLAT: no object, handle or memory growth after the warm-up");
    return flat ? 0 : 1;
}
