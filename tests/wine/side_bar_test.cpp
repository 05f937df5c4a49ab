#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "app/frmMain.h"
#include "sidebar/side_bar.h"
#include "support.h"
#include "win/picture_box.h"
#include "win/text.h"
#include "win/window.h"

using wp::sidebar::SideBar;
using wp::test::flushEvents;

namespace {

// A window holding one picture box of the given size, drawn on as the main window's side bar is.
class Surface final : public wp::win::Window {
public:
    wp::win::PictureBox picture;

    Surface(int width, int height) {
        CreateArgs args;
        args.style = WS_POPUP | WS_VISIBLE;
        args.x = 0;
        args.y = 0;
        args.width = width + 40;
        args.height = height;
        create(ClassInfo{L"WanderpointSideBarTest"}, args);
        picture.create(hwnd(), 1, RGB(0, 255, 0));
        SetWindowPos(picture.hwnd(), nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        picture.setFont({L"Arial", 9.75, true});
        picture.setForeColor(RGB(255, 255, 255));
    }
    ~Surface() override { destroy(); }

    COLORREF at(int x, int y) { return GetPixel(picture.hDC(), x, y); }
    // White pixels in rows [top, bottom) of the picture.
    int whiteIn(int top, int bottom) {
        const int width = picture.scaleSize().cx;
        int white = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < width; ++x) white += at(x, y) == RGB(255, 255, 255);
        return white;
    }
};

TEST(SideBar, TheCaptionRisesFromSixPixelsAboveTheBottom) {
    Surface surface(17, 300);
    SideBar bar;
    bar.DrawingObject(&surface.picture);
    bar.Caption(L"Wanderpoint");
    EXPECT_EQ(L"Wanderpoint", bar.Caption());
    bar.Draw();
    EXPECT_GT(surface.whiteIn(200, 294), 40) << "white letters near the bottom";
    EXPECT_EQ(0, surface.whiteIn(294, 300)) << "the text starts 6 pixels above the bottom edge";
    EXPECT_EQ(0, surface.whiteIn(0, 150)) << "and runs upward from there";

    flushEvents(50);
    wp::win::WindowDC screen(surface.picture.hwnd());
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(screen.get(), 8, 299)) << "the window shows what was drawn";
    EXPECT_EQ(GetPixel(surface.picture.hDC(), 3, 250), GetPixel(screen.get(), 3, 250));
}

TEST(SideBar, ColourWritesRedrawOnlyOnAChangeWithASurface) {
    Surface surface(17, 40);
    SideBar bar;
    bar.StartColor(RGB(200, 0, 0));
    EXPECT_EQ(RGB(0, 255, 0), surface.at(8, 39)) << "no surface yet: stored, not drawn";

    bar.DrawingObject(&surface.picture);
    bar.Caption(L"x");
    EXPECT_EQ(RGB(0, 255, 0), surface.at(8, 39)) << "setting the surface or caption does not draw";
    bar.StartColor(RGB(200, 0, 0));
    EXPECT_EQ(RGB(0, 255, 0), surface.at(8, 39)) << "the same colour again does not draw";
    bar.EndColor(RGB(0, 0, 255));
    EXPECT_EQ(RGB(0, 255, 0), surface.at(8, 39));
    bar.StartColor(RGB(0, 100, 0));
    EXPECT_EQ(RGB(0, 100, 0), surface.at(8, 39)) << "a new colour draws";
    bar.EndColor(RGB(0, 100, 0));
    EXPECT_EQ(RGB(0, 100, 0), surface.at(8, 0));

    const COLORREF windowColour = 0x80000000 | COLOR_WINDOW;
    bar.StartColor(windowColour);
    EXPECT_EQ(windowColour, bar.StartColor()) << "kept as written";
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), surface.at(8, 39)) << "drawn as its RGB value";
}

TEST(SideBar, FailuresEndDrawQuietlyAndPutTheFontBack) {
    Surface surface(17, 200);
    SideBar bar;
    const HDC dc = surface.picture.hDC();
    const HGDIOBJ fontBefore = GetCurrentObject(dc, OBJ_FONT);

    bar.Draw(); // no surface
    EXPECT_EQ(RGB(0, 255, 0), surface.at(8, 199)) << "with no surface nothing is drawn";

    bar.DrawingObject(&surface.picture);
    bar.Caption(L"Wanderpoint");
    const struct {
        const wchar_t* name;
        double size;
        bool caption;
    } fonts[] = {
        {L"Arial", 9.75, true},
        {L"A font name of 31 characters..", 9.75, true}, // unknown faces fall back to another
        {L"A font name of 32 characters....", 9.75, false},
        {L"Arial\u4e00", 9.75, false}, // no single-byte code
        {L"Arial", std::numeric_limits<double>::quiet_NaN(), false},
        {L"Arial", 1e12, false},
    };
    for (const auto& font : fonts) {
        RECT all{0, 0, 17, 200};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        surface.picture.setFont({font.name, font.size, true});
        bar.Draw();
        const std::string name = wp::win::toUtf8(font.name);
        EXPECT_EQ(RGB(0, 0, 0), surface.at(8, 199)) << name << ": the gradient comes first";
        EXPECT_EQ(0, surface.whiteIn(0, 100)) << name;
        EXPECT_EQ(font.caption, surface.whiteIn(100, 194) > 0) << name;
        EXPECT_EQ(fontBefore, GetCurrentObject(dc, OBJ_FONT)) << name;
    }

    // Under one pixel high: nothing to paint, and no step that divides by the height.
    SetWindowPos(surface.picture.hwnd(), nullptr, 0, 0, 17, 0, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    bar.Draw();
    EXPECT_EQ(0, surface.picture.scaleSize().cy);
}

TEST(SideBar, DrawLeavesNoObjectsBehind) {
    Surface surface(17, 509); // 510 bands: one brush each
    SideBar bar;
    bar.Caption(L"Wanderpoint");
    bar.Draw(); // no surface
    bar.DrawingObject(&surface.picture);
    bar.Draw();
    // Past the size of the system's handle table, so that a leak would make the last draws fail.
    for (int i = 0; i < 140; ++i) bar.Draw();
    RECT all{0, 0, 17, 509};
    FillRect(surface.picture.hDC(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    bar.Draw();
    EXPECT_EQ(RGB(0, 0, 0), surface.at(8, 508));
    EXPECT_EQ(RGB(0, 0, 254), surface.at(8, 0));
    EXPECT_GT(surface.whiteIn(400, 503), 0) << "the caption font could still be made";
    wp::win::Brush probe(CreateSolidBrush(RGB(1, 2, 3)));
    EXPECT_TRUE(probe) << "handles are left to make more";
}

TEST(MainWindowSideBar, IsSetUpAtLoadAndDrawnAtEveryResize) {
    wp::test::MemorySettings settings;
    wp::test::RecordingPointer pointer;
    wp::app::FrmMain main({settings, pointer, [] {}});
    ASSERT_TRUE(main.open(SW_SHOWNOACTIVATE));
    ASSERT_TRUE(main.sideBar);

    auto check = [&](const char* when) {
        const SIZE size = main.picLeftBar.scaleSize();
        const HDC dc = main.picLeftBar.hDC();
        EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, 16, size.cy - 1)) << when;
        EXPECT_GT(GetBValue(GetPixel(dc, 16, 0)), 200) << when;
        int white = 0;
        for (int y = size.cy - 6 - 80; y < size.cy - 6; ++y)
            for (int x = 0; x < size.cx; ++x) white += GetPixel(dc, x, y) == RGB(255, 255, 255);
        EXPECT_GT(white, 40) << when << ": the caption near the bottom";
    };
    check("first shown");
    RECT client{};
    GetClientRect(main.hwnd(), &client);
    EXPECT_EQ(client.bottom, main.picLeftBar.scaleSize().cy) << "the bar spans the window's height";

    RECT frame{};
    GetWindowRect(main.hwnd(), &frame);
    SetWindowPos(main.hwnd(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + 140,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(client.bottom + 140, main.picLeftBar.scaleSize().cy);
    check("taller");
}

} // namespace
