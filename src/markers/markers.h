// The three markers' colours and where each first appears. The window that shows a marker owns it.
#pragma once

#include "markers/marker.h"

namespace wp::markers {

inline const MarkerDesign position1{RGB(255, 255, 128), POINT{557, 412}}; // light yellow, frmCircle
inline const MarkerDesign position2{RGB(0, 0, 255), POINT{557, 412}};     // blue, frmCircle2
inline const MarkerDesign macroPosition{RGB(0, 255, 0), std::nullopt};    // green, frmCircle3

} // namespace wp::markers
