// The only place the soak's macro clicks: a topmost window of our own that counts the presses it
// receives, so no click can reach another program, or one of our windows with a button under it.
#pragma once

#include <windows.h>

#include <cstdint>

#include "win/window.h"

namespace wp::soak {

class ClickPad final : public win::Window {
public:
    ~ClickPad() override { destroy(); }

    // A pad of the given size in the bottom right of the primary monitor's work area.
    bool open(int width, int height);
    // Screen pixels inside the pad, fractions of its width and height from its top-left corner.
    POINT pointAt(double across, double down) const;

    std::int64_t presses = 0;
    std::int64_t releases = 0;

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

} // namespace wp::soak
