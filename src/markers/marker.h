// A marker: a small coloured disc that floats above every window and marks a screen position.
// Dragged and dropped, it writes the position under its centre into the boxes of the window it serves.
#pragma once

#include <cstdint>
#include <optional>

#include "markers/marker_port.h"
#include "win/handle.h"
#include "win/window.h"

namespace wp::markers {

// A marker's colour and where it appears when it is loaded (none: the platform's default place).
struct MarkerDesign {
    COLORREF colour;
    std::optional<POINT> place;
};

class Marker final : public win::Window, public MarkerPort {
public:
    static constexpr const wchar_t* title = L"circle";

    explicit Marker(MarkerDesign design);
    ~Marker() override;

    // Shows the marker without taking the activation; the first show loads it.
    void show() override;
    // The window disappears and keeps its place.
    void hide() override;
    // Destroys the window; the next use loads it anew.
    void close() override;
    bool isLoaded() const override { return exists(); }
    bool visible() const;

    // Moves the left and top edges to the given twips (15 to the pixel). A place that is no pixel
    // (beyond the 32-bit range) leaves the marker where it is and gives false.
    bool move(double leftTwips, double topTwips);
    // Moves the top-left corner to a screen pixel.
    void moveTo(POINT topLeft);
    void moveTopLeft(int x, int y) override { moveTo({x, y}); }
    // The width in twips: 630 at 96 DPI. Loads the marker, as any use does.
    std::int32_t widthTwips();

    // Where the centre goes after a drag; null writes nowhere.
    void setTarget(MarkerTarget* target) override { target_ = target; }
    MarkerTarget* target() const { return target_; }

private:
    // The handlers: the first show and a press on the disc.
    void Form_Load();
    void Form_MouseDown();
    bool load();
    void applyShape();
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    MarkerDesign design_;
    MarkerTarget* target_ = nullptr;
    win::Brush background_;
    int side_ = 0; // physical pixels, for the monitor the marker is on
};

} // namespace wp::markers
