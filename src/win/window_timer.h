// A timer owned by a window: an enabled flag and an interval; interval 0 never fires, and
// setting either property starts the period anew. Ticks arrive as WM_TIMER with the timer's id.
#pragma once

#include <windows.h>

#include <cstdint>

#include "core/timer_settings.h"

namespace wp::win {

class WindowTimer {
public:
    explicit WindowTimer(UINT_PTR id) : id_(id) {}
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;
    ~WindowTimer() { stop(); }

    void attach(HWND owner) { owner_ = owner; }
    UINT_PTR id() const { return id_; }

    void setInterval(std::int64_t milliseconds);
    void setEnabled(bool enabled);
    std::uint32_t interval() const { return settings_.interval(); }
    bool enabled() const { return settings_.enabled(); }

private:
    void rearm();
    void stop();

    HWND owner_ = nullptr;
    UINT_PTR id_;
    TimerSettings settings_;
    bool armed_ = false;
};

} // namespace wp::win
