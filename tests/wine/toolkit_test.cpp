#include <gtest/gtest.h>

#include <vector>

#include "win/dpi.h"
#include "win/handle.h"
#include "win/pump.h"
#include "win/settings_store.h"
#include "win/text.h"
#include "win/window_timer.h"

using wp::win::letPendingEventsRun;

namespace {

// Runs the pump for a while, counting the ticks of timer 7.
int ticksWithin(DWORD milliseconds) {
    int ticks = 0;
    for (const ULONGLONG end = GetTickCount64() + milliseconds; GetTickCount64() < end;) {
        letPendingEventsRun([&](const MSG& msg) { ticks += msg.message == WM_TIMER && msg.wParam == 7; });
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return ticks;
}

TEST(WindowTimer, IntervalZeroNeverFiresAndSettingEitherPropertyStartsThePeriodAnew) {
    wp::win::OwnedWindow owner(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
    wp::win::WindowTimer timer(7);
    timer.attach(owner.get());
    timer.setEnabled(true);
    EXPECT_EQ(0, ticksWithin(150)) << "interval 0";
    timer.setInterval(20);
    EXPECT_GE(ticksWithin(200), 3);
    timer.setEnabled(false);
    EXPECT_EQ(0, ticksWithin(100)) << "disabled";
    timer.setInterval(300);
    timer.setEnabled(true);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(0, ticksWithin(100)) << i; // each write below keeps the 300 ms from ever ending
        i % 2 ? timer.setInterval(300) : timer.setEnabled(true);
    }
    EXPECT_GE(ticksWithin(500), 1);
}

// Every waiting message runs, each seen first; a quit ends the run and stays queued for the outer loop.
TEST(Pump, LetPendingEventsRunRunsWhatWaitsAndKeepsTheQuit) {
    std::vector<UINT> seen;
    const auto record = [&](const MSG& msg) { seen.push_back(msg.message); };
    for (UINT m : {WM_APP, WM_APP + 1}) PostThreadMessageW(GetCurrentThreadId(), m, 0, 0);
    letPendingEventsRun(record);
    EXPECT_EQ((std::vector<UINT>{WM_APP, WM_APP + 1}), seen);
    PostQuitMessage(3);
    letPendingEventsRun(record);
    EXPECT_TRUE(wp::win::quitRequested());
    MSG quit{};
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) && quit.wParam == 3);
}

TEST(Dpi, ScalesDesignPixelsAndPointsRounding) {
    const struct {
        UINT dpi;
        int design, pixels, points100, fontHeight;
    } cases[] = {{96, 17, 17, 975, -13}, {120, 17, 21, 825, -14}, {144, 17, 26, 975, -20}, {192, 213, 426, 825, -22}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.pixels, wp::win::Dpi{c.dpi}.scale(c.design)) << c.dpi;
        EXPECT_EQ(c.fontHeight, wp::win::Dpi{c.dpi}.fontHeight(c.points100)) << c.dpi;
    }
}

struct RecordClose {
    static inline std::vector<int> closed;
    void operator()(int handle) const { closed.push_back(handle); }
};

TEST(HandleOwner, ClosesEachHandleOnceWhereItsOwnershipEnds) {
    using Owner = wp::win::Unique<int, RecordClose, 0>;
    {
        Owner a(1), b(2);
        Owner moved(std::move(a));
        b = std::move(moved); // 2 goes
        EXPECT_FALSE(a);
        Owner c(3);
        c.reset(4); // 3 goes
        EXPECT_EQ(5, Owner(5).release());
    } // 4 and 1 go
    EXPECT_EQ((std::vector<int>{2, 3, 4, 1}), RecordClose::closed);
}

// What another program left in the registry reads as no value.
TEST(RegistryStore, RoundTripsAndReadsBadValuesAsEmpty) {
    const std::wstring base = L"Software\\WanderpointTest\\" + std::to_wstring(GetCurrentProcessId());
    wp::win::RegistrySettings store(base);
    store.write(L"Position1", L"x", L"0400");
    EXPECT_EQ(L"0400", store.read(L"Position1", L"x"));
    const DWORD number = 5;
    const std::wstring huge(100000, L'7');
    const wchar_t unterminated[] = {L'4', L'2'};
    const struct {
        const wchar_t* key;
        DWORD type;
        const void* data;
        DWORD bytes;
        const wchar_t* read;
    } values[] = {{L"number", REG_DWORD, &number, sizeof number, L""},
                  {L"huge", REG_SZ, huge.c_str(), static_cast<DWORD>(huge.size() * 2 + 2), L""},
                  {L"unterminated", REG_SZ, unterminated, sizeof unterminated, L"42"},
                  {L"odd", REG_SZ, L"A", 1, L""},
                  {L"missing", REG_NONE, nullptr, 0, L""}};
    for (const auto& v : values) {
        if (v.data) RegSetKeyValueW(HKEY_CURRENT_USER, (base + L"\\S").c_str(), v.key, v.type, v.data, v.bytes);
        EXPECT_EQ(v.read, store.read(L"S", v.key)) << wp::win::toUtf8(v.key);
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, base.c_str());
}

} // namespace
