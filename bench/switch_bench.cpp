// The switching cycle's timing on the real main window: when the pointer moves, against the ideal
// schedule of one move per period, beside a bare window timer of the same period.
#include "switch_bench.h"

#include <windows.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "app/frmMain.h"
#include "app/frmMain_ids.h"
#include "bench/macro_stand_ins.h"
#include "win/event_wait.h"
#include "win/pointer_port.h"
#include "win/pump.h"

namespace {

class NoSettings final : public wp::win::SettingsStore {
public:
    std::optional<std::wstring> find(const std::wstring&, const std::wstring&) override { return {}; }
    void write(const std::wstring&, const std::wstring&, const std::wstring&) override {}
};

// The system pointer, noting the moment of every move.
class TimedPointer final : public wp::PointerPort {
public:
    std::vector<double> moments;
    void setCursorPos(std::int32_t x, std::int32_t y) override {
        moments.push_back(wp::win::monotonicMilliseconds());
        system_.setCursorPos(x, y);
    }
    void reportUserInput() override { system_.reportUserInput(); }

private:
    wp::win::SystemPointer system_;
};

struct Timing {
    double meanError; // mean distance of a move from its place in the ideal schedule
    double drift;     // how far the last move is from its place, per period
};

// The schedule starts with the first move; move k belongs at first + k periods.
Timing timingOf(const std::vector<double>& moments, double period) {
    double total = 0;
    for (std::size_t k = 1; k < moments.size(); ++k)
        total += std::fabs(moments[k] - moments[0] - static_cast<double>(k) * period);
    const auto periods = static_cast<double>(moments.size() - 1);
    return {total / periods, (moments.back() - moments[0] - periods * period) / periods};
}

std::vector<double> bareTimerMoments(int periods, UINT period) {
    static std::vector<double>* moments;
    std::vector<double> seen;
    moments = &seen;
    const UINT_PTR timer = SetTimer(
        nullptr, 0, period, [](HWND, UINT, UINT_PTR, DWORD) { moments->push_back(wp::win::monotonicMilliseconds()); });
    wp::win::runMessageLoopWhile([&] { return seen.size() < static_cast<std::size_t>(periods) + 1; });
    KillTimer(nullptr, timer);
    return seen;
}

} // namespace

void benchSwitchTimer(int periods) {
    NoSettings settings;
    TimedPointer pointer;
    wp::app::FrmMain main({settings, pointer, [] {}, [] {}});
    main.open(SW_SHOWNOACTIVATE);
    main.Text1.setText(L"300");
    main.Text2.setText(L"300");
    main.Text3.setText(L"320");
    main.Text4.setText(L"300");
    main.TimInt.setText(L"0.1");
    wp::bench::click(main.hwnd(), wp::app::main_ids::Command3);
    const double period = main.Timer1.interval();
    wp::win::runMessageLoopWhile([&] { return pointer.moments.size() < static_cast<std::size_t>(periods) + 1; });
    wp::bench::click(main.hwnd(), wp::app::main_ids::Command3);

    const Timing cycle = timingOf(pointer.moments, period);
    const Timing bare = timingOf(bareTimerMoments(periods, static_cast<UINT>(period)), period);
    std::printf("switch timer over %d periods of %.0f ms: mean error %.3f ms, drift %+.3f ms a period "
                "(goal: mean error <= 2 ms, no drift)\n",
                periods, period, cycle.meanError, cycle.drift);
    std::printf("  a bare window timer of the same period: mean error %.3f ms, drift %+.3f ms a period: "
                "error ratio %.2f\n",
                bare.meanError, bare.drift, bare.meanError > 0 ? cycle.meanError / bare.meanError : 0.0);
}
