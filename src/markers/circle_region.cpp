#include "markers/circle_region.h"

namespace wp::markers {

win::Region MakeCircleRegion(int extent) {
    win::Region circle(CreateRectRgn(0, 0, 0, 0));
    const win::Region ellipse(CreateEllipticRgn(0, 0, extent, extent));
    CombineRgn(circle.get(), ellipse.get(), nullptr, RGN_COPY);
    return circle;
}

} // namespace wp::markers
