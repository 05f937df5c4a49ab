// The round shape of the marker windows.
#pragma once

#include "win/handle.h"

namespace wp::markers {

// The disc inscribed in the box from (0, 0) to (extent, extent) window pixels; 41 gives the marker's
// disc at 96 DPI, 41 pixels across with its centre 20.5 pixels from the corner.
win::Region MakeCircleRegion(int extent = 41);

} // namespace wp::markers
