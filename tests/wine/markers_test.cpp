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

// An ordinary window to lie under the markers.
class Underneath {
public:
    explicit Underneath(RECT area) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"WanderpointTestUnderneath";
        RegisterClassW(&wc);
        hwnd_ = CreateWindowExW(0, wc.lpszClassName, L"underneath", WS_POPUP | WS_VISIBLE, area.left, area.top,
                                area.right - area.left, area.bottom - area.top, nullptr, nullptr, nullptr, nullptr);
        flushEvents(20);
    }
    ~Underneath() { DestroyWindow(hwnd_); }
    HWND hwnd() const { return hwnd_; }

private:
    HWND hwnd_;
};

class Markers : public ::testing::Test {
protected:
    RecordingTarget target;
    wp::test::PointerGuard pointerGuard;

    Marker frmCircle{wp::markers::position1};
    Marker frmCircle2{wp::markers::position2};
    Marker frmCircle3{wp::markers::macroPosition};
    // A press and release of a button on the marker with no movement between them.
    static void pressWithoutMoving(Marker& marker, UINT down = WM_LBUTTONDOWN) {
        PostMessageW(marker.hwnd(), down, 0, MAKELPARAM(21, 21));
        PostMessageW(marker.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(21, 21));
        flushEvents(30);
    }
};

TEST_F(Markers, AClickOutsideTheDiscButInsideItsSquareReachesTheWindowBelow) {
    const Underneath below({300, 300, 500, 500});
    EXPECT_FALSE(frmCircle2.exists()) << "nothing is loaded before its first use";
    frmCircle2.show();
    frmCircle2.moveTo({379, 379});
    flushEvents(20);
    EXPECT_EQ(frmCircle2.hwnd(), WindowFromPoint({400, 400})) << "the centre";
    EXPECT_EQ(frmCircle2.hwnd(), WindowFromPoint({381, 400})) << "the left edge of the disc";
    for (POINT corner : {POINT{379, 379}, POINT{380, 381}, POINT{420, 420}, POINT{419, 380}})
        EXPECT_EQ(below.hwnd(), WindowFromPoint(corner)) << corner.x << "," << corner.y;

    // It stays above an ordinary window that is activated after it.
    SetForegroundWindow(below.hwnd());
    BringWindowToTop(below.hwnd());
    flushEvents(20);
    EXPECT_EQ(frmCircle2.hwnd(), WindowFromPoint({400, 400}));
}

TEST_F(Markers, MoveTakesTwipsAndHidingKeepsThePlaceUntilClosed) {
    frmCircle.show();
    const struct {
        double left, top;
        POINT corner;
    } moves[] = {
        {-315, -315, {-21, -21}},
        {7.5, 22.5, {0, 2}}, // half pixels go to the even neighbour
    };
    for (const auto& m : moves) {
        EXPECT_TRUE(frmCircle.move(m.left, m.top));
        const RECT r = rectOf(frmCircle.hwnd());
        EXPECT_EQ(m.corner.x, r.left) << m.left;
        EXPECT_EQ(m.corner.y, r.top) << m.top;
    }
    frmCircle.moveTo({250, 260});
    EXPECT_FALSE(frmCircle.move(1e30, 15)) << "no pixel lies there";
    EXPECT_FALSE(frmCircle.move(15, -1e30));
    EXPECT_EQ(250, rectOf(frmCircle.hwnd()).left);

    const RECT before = rectOf(frmCircle.hwnd());
    frmCircle.hide();
    EXPECT_TRUE(frmCircle.exists());
    EXPECT_FALSE(frmCircle.visible());
    frmCircle.show();
    EXPECT_TRUE(frmCircle.visible());
    const RECT after = rectOf(frmCircle.hwnd());
    EXPECT_EQ(before.left, after.left);
    EXPECT_EQ(before.top, after.top);
    EXPECT_EQ(before.right, after.right);

    frmCircle.close();
    EXPECT_FALSE(frmCircle.exists());
}

TEST_F(Markers, APressWithoutMovementWritesThePresentCentreXThenY) {
    const struct {
        POINT corner;
        UINT button;
        const wchar_t* x;
        const wchar_t* y;
    } cases[] = {
        {{-100, 5000}, WM_LBUTTONDOWN, L"x=-79", L"y=5021"}, // off the screen: not clipped
        {{10, 20}, WM_RBUTTONDOWN, L"x=31", L"y=41"},
        {{10, 20}, WM_MBUTTONDOWN, L"x=31", L"y=41"},
    };
    frmCircle2.setTarget(&target);
    frmCircle2.show();
    for (const auto& c : cases) {
        frmCircle2.moveTo(c.corner);
        target.writes.clear();
        pressWithoutMoving(frmCircle2, c.button);
        const std::vector<std::wstring> expected{c.x, c.y};
        EXPECT_EQ(expected, target.writes) << c.corner.x << "," << c.corner.y;
        EXPECT_EQ(c.corner.x, rectOf(frmCircle2.hwnd()).left);
    }
}

TEST_F(Markers, OnAScaledMonitorTheDiscGrowsAroundTheSameCentre) {
    frmCircle2.setTarget(&target);
    frmCircle2.show();
    frmCircle2.moveTo({379, 379});
    for (UINT dpi : {144u, 96u}) {
        RECT suggested = rectOf(frmCircle2.hwnd());
        SendMessageW(frmCircle2.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        const RECT r = rectOf(frmCircle2.hwnd());
        const int side = wp::markerSidePixels(dpi);
        EXPECT_EQ(side, r.right - r.left) << dpi;
        EXPECT_EQ(side, r.bottom - r.top) << dpi;
        EXPECT_EQ(frmCircle2.hwnd(), WindowFromPoint({400, 400})) << "the centre is on the disc at " << dpi;
        EXPECT_NE(frmCircle2.hwnd(), WindowFromPoint({r.left + 1, r.top + 1})) << "a corner is not, at " << dpi;

        target.writes.clear();
        pressWithoutMoving(frmCircle2);
        const std::vector<std::wstring> expected{L"x=400", L"y=400"};
        EXPECT_EQ(expected, target.writes) << dpi;
    }
}

} // namespace
