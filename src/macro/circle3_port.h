// The macro window's marker: the green disc of the marker windows.
#pragma once

#include "macro/ports.h"
#include "markers/markers.h"

namespace wp::macro {

class Circle3Port final : public MarkerPort {
public:
    void show() override { markers::frmCircle3.show(); }
    void hide() override { markers::frmCircle3.hide(); }
    void close() override { markers::frmCircle3.close(); }
    bool isLoaded() const override { return markers::frmCircle3.exists(); }
    void moveTopLeft(int x, int y) override { markers::frmCircle3.moveTo(POINT{x, y}); }
};

} // namespace wp::macro
