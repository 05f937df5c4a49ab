#include "markers/markers.h"

namespace wp::markers {

Marker frmCircle{RGB(255, 255, 128), POINT{557, 412}};
Marker frmCircle2{RGB(0, 0, 255), POINT{557, 412}};
Marker frmCircle3{RGB(0, 255, 0), std::nullopt};

} // namespace wp::markers
