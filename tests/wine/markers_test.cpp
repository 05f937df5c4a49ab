#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/marker_geometry.h"
#include "markers/markers.h"
#include "support.h"

using wp::markers::Marker;
using wp::test::flushEvents;

namespace {

class RecordingTarget final : public wp::markers::MarkerTarget {
public:
    std::vector<std::wstring> writes;
    void setX(const std::wstring& text) override { writes.push_back(L"x=" + text); }
    void setY(const std::wstring& text) override { writes.push_back(L"y=" + text); }
};

RECT rectOf(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

// A press and release on the disc's centre with no movement between them.
void pressWithoutMoving(const Marker& marker, UINT down = WM_LBUTTONDOWN) {
    PostMessageW(marker.hwnd(), down, 0, MAKELPARAM(21, 21));
    PostMessageW(marker.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(21, 21));
    flushEvents(30);
}

TEST(Markers, ARoundDiscAboveEveryWindowThatGrowsAroundItsCentreWithTheScale) {
    wp::test::PointerGuard pointerGuard;
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = L"WanderpointTestUnderneath";
    RegisterClassW(&wc);
    const HWND below = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 300, 300, 200, 200, nullptr,
                                       nullptr, nullptr, nullptr);
    Marker marker{wp::markers::position2};
    RecordingTarget target;
    marker.setTarget(&target);
    EXPECT_FALSE(marker.exists()) << "nothing is loaded before its first use";
    marker.show();
    marker.moveTo({379, 379});
    for (UINT dpi : {96u, 144u, 96u}) {
        RECT suggested = rectOf(marker.hwnd());
        SendMessageW(marker.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        SetForegroundWindow(below); // an ordinary window activated after it stays under it
        flushEvents(20);
        const RECT r = rectOf(marker.hwnd());
        EXPECT_EQ(wp::markerSidePixels(dpi), r.right - r.left) << dpi;
        EXPECT_EQ(marker.hwnd(), WindowFromPoint({400, 400})) << "the centre, at " << dpi;
        EXPECT_EQ(marker.hwnd(), WindowFromPoint({r.left + 2, 400})) << "the left edge of the disc, at " << dpi;
        for (POINT corner : {POINT{r.left, r.top}, POINT{r.right - 1, r.bottom - 1}})
            EXPECT_EQ(below, WindowFromPoint(corner)) << "a corner clicks through, at " << dpi;
        target.writes.clear();
        pressWithoutMoving(marker);
        EXPECT_EQ((std::vector<std::wstring>{L"x=400", L"y=400"}), target.writes) << dpi;
    }
    DestroyWindow(below);
}

TEST(Markers, MovesInTwipsKeepsItsPlaceWhenHiddenAndWritesItsCentreForAnyButton) {
    Marker marker{wp::markers::position1};
    marker.show();
    const struct {
        double left, top;
        POINT corner;
    } moves[] = {{-315, -315, {-21, -21}}, {7.5, 22.5, {0, 2}}}; // half pixels go to the even neighbour
    for (const auto& m : moves) {
        EXPECT_TRUE(marker.move(m.left, m.top));
        EXPECT_EQ(m.corner.x, rectOf(marker.hwnd()).left) << m.left;
        EXPECT_EQ(m.corner.y, rectOf(marker.hwnd()).top) << m.top;
    }
    marker.moveTo({250, 260});
    EXPECT_FALSE(marker.move(1e30, 15)) << "no pixel lies there";
    EXPECT_FALSE(marker.move(15, -1e30));
    marker.hide();
    EXPECT_FALSE(marker.visible());
    marker.show();
    EXPECT_EQ(250, rectOf(marker.hwnd()).left) << "kept through a refused move and hiding";
    EXPECT_EQ(260, rectOf(marker.hwnd()).top);

    RecordingTarget target;
    marker.setTarget(&target);
    for (UINT button : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN}) {
        marker.moveTo({-100, 5000}); // off the screen: not clipped
        target.writes.clear();
        pressWithoutMoving(marker, button);
        EXPECT_EQ((std::vector<std::wstring>{L"x=-79", L"y=5021"}), target.writes) << button;
    }
    marker.close();
    EXPECT_FALSE(marker.exists());
}

} // namespace
