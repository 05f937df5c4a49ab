// The three markers, one shared instance each, loaded on first use.
#pragma once

#include "markers/marker.h"

namespace wp::markers {

extern Marker frmCircle;  // light yellow: the main window's position 1
extern Marker frmCircle2; // blue: the main window's position 2
extern Marker frmCircle3; // green: the macro window's position

} // namespace wp::markers
