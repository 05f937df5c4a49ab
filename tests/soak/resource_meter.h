// What the soak watches: this process's GDI and USER objects, kernel handles and private memory.
// Each comes from the system's own count where the system keeps one; where it does not (Wine
// returns 0 from GetGuiResources and GetProcessHandleCount), from another count it does answer.
#pragma once

#include <cstdint>
#include <string>

namespace wp::soak {

struct Figures {
    // GDI objects in use, or the room left in the GDI handle table (see gdiByRoom).
    std::int64_t gdi = 0;
    // USER objects in use, or this process's windows (see userByWindows).
    std::int64_t user = 0;
    // Kernel handles open, or the valid values among the first handle values (see handlesByProbe).
    std::int64_t handles = 0;
    std::uint64_t privateBytes = 0;
};

class ResourceMeter {
public:
    // Decides how each figure is counted; call once our windows are open.
    ResourceMeter();

    Figures read() const;

    // How much each figure grew from one reading to a later one (a shrinking room is growth).
    std::int64_t gdiGrowth(const Figures& from, const Figures& to) const;
    std::int64_t userGrowth(const Figures& from, const Figures& to) const { return to.user - from.user; }
    std::int64_t handleGrowth(const Figures& from, const Figures& to) const { return to.handles - from.handles; }

    // Column headings and one line per figure on how it is counted on this system.
    std::string gdiHeading() const { return gdiByRoom_ ? "GDI room" : "GDI"; }
    std::string userHeading() const { return userByWindows_ ? "windows" : "USER"; }
    std::string description() const;

private:
    bool gdiByRoom_ = false;
    bool userByWindows_ = false;
    bool handlesByProbe_ = false;
    bool privateFromPagefile_ = false;
};

} // namespace wp::soak
