// How a window reaches the marker that shows its position: the window binds itself as the
// marker's target while it lives, so a drag never writes into a window that is gone.
#pragma once

#include "markers/marker_target.h"

namespace wp::markers {

class MarkerPort {
public:
    virtual ~MarkerPort() = default;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual void close() = 0;
    virtual bool isLoaded() const = 0;
    // Places the marker window's top-left corner on a screen position, in pixels.
    virtual void moveTopLeft(int x, int y) = 0;
    // Where the centre goes after a drag; null writes nowhere.
    virtual void setTarget(MarkerTarget* target) = 0;
};

} // namespace wp::markers
