// Stand-ins for the mouse control component's clicks and for the macro marker, until those
// pieces are wired in: clicks through SendInput, and a marker that is never shown.
#pragma once

#include "macro/ports.h"

namespace wp::macro {

class SendInputClicks final : public ClickPort {
public:
    void SingleClick(std::int32_t lButton) override;
    void DoubleClick(std::int32_t lButton) override;
};

class NoMarker final : public MarkerPort {
public:
    void show() override {}
    void hide() override {}
    void close() override {}
    bool isLoaded() const override { return false; }
    void moveTopLeft(int, int) override {}
};

} // namespace wp::macro
