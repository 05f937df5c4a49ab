#include "resource_meter.h"

#include <windows.h>

#include <psapi.h> // GetProcessMemoryInfo is K32GetProcessMemoryInfo from kernel32 here

#include <vector>

#include "win/handle.h"

namespace wp::soak {
namespace {

// Far above any per-process limit; only stops the probe on a system that sets none.
constexpr std::size_t maxRoomProbe = 1 << 18;
// Handle values are multiples of 4 handed out from the lowest free one, so a leak fills this
// range from below; past it the count stays at the top and still shows the growth.
constexpr ULONG_PTR probedHandleValues = 4096;

DWORD guiResources(DWORD kind) {
    return GetGuiResources(GetCurrentProcess(), kind);
}

DWORD systemHandleCount() {
    DWORD count = 0;
    return GetProcessHandleCount(GetCurrentProcess(), &count) ? count : 0;
}

// Creates pens until the system refuses one, then frees them all. Every object the process keeps
// takes one place in the table, so a leak shows as room lost, one for one.
std::int64_t gdiRoom() {
    std::vector<win::Pen> pens;
    pens.reserve(1 << 16);
    while (pens.size() < maxRoomProbe) {
        win::Pen pen(CreatePen(PS_SOLID, 0, RGB(0, 0, 0)));
        if (!pen) break;
        pens.push_back(std::move(pen));
    }
    return static_cast<std::int64_t>(pens.size());
}

struct WindowTally {
    DWORD process;
    std::int64_t count;
};

BOOL CALLBACK countChild(HWND, LPARAM tally) {
    ++reinterpret_cast<WindowTally*>(tally)->count;
    return TRUE;
}

BOOL CALLBACK countTopLevel(HWND hwnd, LPARAM tally) {
    auto* t = reinterpret_cast<WindowTally*>(tally);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process == t->process) {
        ++t->count;
        EnumChildWindows(hwnd, countChild, tally); // every descendant, not only the children
    }
    return TRUE;
}

// The top-level windows with all their descendants, and the message-only windows.
std::int64_t ownWindows() {
    WindowTally tally{GetCurrentProcessId(), 0};
    EnumWindows(countTopLevel, reinterpret_cast<LPARAM>(&tally));
    for (HWND hwnd = nullptr; (hwnd = FindWindowExW(HWND_MESSAGE, hwnd, nullptr, nullptr));) {
        DWORD process = 0;
        GetWindowThreadProcessId(hwnd, &process);
        if (process == tally.process) ++tally.count;
    }
    return tally.count;
}

std::int64_t probedHandles() {
    std::int64_t valid = 0;
    for (ULONG_PTR value = 4; value < 4 * probedHandleValues; value += 4) {
        DWORD flags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++valid;
    }
    return valid;
}

PROCESS_MEMORY_COUNTERS_EX memoryCounters() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof counters))
        counters = {};
    return counters;
}

} // namespace

// A process with windows and fonts has GDI and USER objects and open handles: a count of 0 means
// the system does not keep it.
ResourceMeter::ResourceMeter()
    : gdiByRoom_(guiResources(GR_GDIOBJECTS) == 0), userByWindows_(guiResources(GR_USEROBJECTS) == 0),
      handlesByProbe_(systemHandleCount() == 0), privateFromPagefile_(memoryCounters().PrivateUsage == 0) {}

Figures ResourceMeter::read() const {
    Figures figures;
    figures.gdi = gdiByRoom_ ? gdiRoom() : guiResources(GR_GDIOBJECTS);
    figures.user = userByWindows_ ? ownWindows() : guiResources(GR_USEROBJECTS);
    figures.handles = handlesByProbe_ ? probedHandles() : systemHandleCount();
    const PROCESS_MEMORY_COUNTERS_EX counters = memoryCounters();
    // Both are the process's commit charge; some systems fill in only the older field.
    figures.privateBytes = privateFromPagefile_ ? counters.PagefileUsage : counters.PrivateUsage;
    return figures;
}

std::int64_t ResourceMeter::gdiGrowth(const Figures& from, const Figures& to) const {
    return gdiByRoom_ ? from.gdi - to.gdi : to.gdi - from.gdi;
}

std::string ResourceMeter::description() const {
    std::string text;
    text += gdiByRoom_
                ? "  GDI objects:   GetGuiResources: not counted by this system (it returns 0). Shown instead is the\n"
                  "                 room left in the GDI handle table: every object kept takes one place, so a\n"
                  "                 leak shrinks it one for one.\n"
                : "  GDI objects:   GetGuiResources(GR_GDIOBJECTS).\n";
    text += userByWindows_
                ? "  USER objects:  GetGuiResources: not counted by this system (it returns 0). Shown instead are\n"
                  "                 this process's windows (top-level, child and message-only); menus, hooks\n"
                  "                 and accelerator tables are not in it, icons and cursors show in GDI.\n"
                : "  USER objects:  GetGuiResources(GR_USEROBJECTS).\n";
    text += handlesByProbe_
                ? "  handles:       GetProcessHandleCount: not counted by this system (it gives 0). Shown instead\n"
                  "                 are the valid handles among the first 4096 handle values.\n"
                : "  handles:       GetProcessHandleCount.\n";
    text += privateFromPagefile_
                ? "  private bytes: PrivateUsage is not filled in by this system; shown is PagefileUsage, the\n"
                  "                 same commit charge (under Wine: resident anonymous memory and swap).\n"
                : "  private bytes: GetProcessMemoryInfo, PrivateUsage.\n";
    return text;
}

} // namespace wp::soak
