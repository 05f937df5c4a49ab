#include <gtest/gtest.h>

#include <limits>

#include "app/frmMain.h"
#include "app/frmMain_ids.h"
#include "sidebar/side_bar.h"
#include "support.h"
#include "win/handle.h"
#include "win/message_box.h"
#include "win/text.h"

using wp::test::flushEvents;
namespace ids = wp::app::main_ids;

namespace {

struct FrmMainView {
    HWND hwnd;
    wp::test::RecordingPointer* pointer;
};

// White pixels (the caption) in rows [top, bottom) of a picture.
int captionIn(wp::win::PictureBox& picture, int top, int bottom) {
    int white = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < picture.scaleSize().cx; ++x) white += GetPixel(picture.hDC(), x, y) == RGB(255, 255, 255);
    return white;
}

TEST(SideBar, PaintsACaptionRisingFromTheBottomAndEndsQuietlyOnABadFont) {
    wp::win::OwnedWindow host(
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 60, 509, nullptr, nullptr, nullptr, nullptr));
    wp::win::PictureBox picture;
    picture.create(host.get(), 1, RGB(255, 255, 255));
    SetWindowPos(picture.hwnd(), nullptr, 0, 0, 17, 509, SWP_NOZORDER | SWP_NOACTIVATE);
    picture.setForeColor(RGB(255, 255, 255));
    const HGDIOBJ fontBefore = GetCurrentObject(picture.hDC(), OBJ_FONT);
    wp::sidebar::SideBar bar;
    bar.Caption(L"Wanderpoint");
    bar.Draw(); // no surface yet: nothing
    bar.DrawingObject(&picture);
    const struct {
        const wchar_t* name;
        double size;
        bool caption;
    } fonts[] = {{L"Arial", 9.75, true},
                 {L"A font name of 31 characters..", 9.75, true}, // an unknown face falls back to another
                 {L"A font name of 32 characters....", 9.75, false},
                 {L"Arial\u4e00", 9.75, false}, // no single-byte code
                 {L"Arial", std::numeric_limits<double>::quiet_NaN(), false},
                 {L"Arial", 1e12, false}};
    for (const auto& font : fonts) {
        picture.setFont({font.name, font.size, true});
        // 509 rows, a brush each, 140 times: past the system's handle table if any were left behind.
        for (int i = 0; i < (font.caption ? 1 : 140); ++i) bar.Draw();
        const std::string name = wp::win::toUtf8(font.name);
        EXPECT_NE(RGB(255, 255, 255), GetPixel(picture.hDC(), 8, 508)) << name << ": the gradient comes first";
        EXPECT_EQ(font.caption, captionIn(picture, 300, 503) > 40) << name;
        EXPECT_EQ(0, captionIn(picture, 503, 509) + captionIn(picture, 0, 150)) << name << ": 6 pixels up, upward";
        EXPECT_EQ(fontBefore, GetCurrentObject(picture.hDC(), OBJ_FONT)) << name;
    }
    RECT all{0, 0, 17, 509};
    FillRect(picture.hDC(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    bar.StartColor(bar.StartColor());
    EXPECT_EQ(RGB(255, 255, 255), GetPixel(picture.hDC(), 8, 508)) << "the same colour: no redraw";
    bar.StartColor(RGB(0, 100, 0));
    EXPECT_EQ(RGB(0, 100, 0), GetPixel(picture.hDC(), 8, 508)) << "a new colour redraws";
}

// The help and about signs sit on the main window's side bar, which is redrawn at every resize.
TEST(MainWindowSideBar, SignsOpenTheDisclaimerAndTheModalAboutWindow) {
    wp::test::MemorySettings settings;
    wp::test::RecordingPointer pointer;
    wp::app::FrmMain main({settings, pointer, [] {}});
    ASSERT_TRUE(main.open(SW_SHOWNORMAL));
    int boxes = 0;
    wp::win::setMessageBoxHandler([&](const wp::win::MessageBoxRequest&) { return ++boxes, IDOK; });
    wp::test::postClick(GetDlgItem(main.picLeftBar.hwnd(), ids::Image4), {8, 8});
    wp::win::setMessageBoxHandler(nullptr);
    EXPECT_EQ(1, boxes);

    wp::test::typeInto(main.hwnd(), ids::TimInt, L"0.05");
    wp::test::clickControl(main.hwnd(), ids::Command3); // the switching cycle goes on under the modal window
    static struct {
        FrmMainView main;
        int probes = 0;
        bool mainEnabled = true;
        size_t moves[2]{};
    } seen;
    seen = {{main.hwnd(), &pointer}};
    // Looks from inside the about window's loop at its opening, then closes it by Esc.
    const UINT_PTR probe = SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR, DWORD) {
        const HWND about = FindWindowW(L"WanderpointAbout", nullptr);
        if (!about || seen.probes == 2) return;
        if (seen.probes == 0) seen.mainEnabled = IsWindowEnabled(seen.main.hwnd);
        seen.moves[seen.probes++] = seen.main.pointer->moves().size();
        if (seen.probes == 2) PostMessageW(about, WM_KEYDOWN, VK_ESCAPE, 1);
    });
    wp::test::postClick(GetDlgItem(main.picLeftBar.hwnd(), ids::Image3), {8, 8}); // returns when it closes
    KillTimer(nullptr, probe);
    ASSERT_EQ(2, seen.probes) << "the about window opened";
    EXPECT_FALSE(seen.mainEnabled) << "the main window took input under it";
    EXPECT_GT(seen.moves[1], seen.moves[0]) << "the main window's timer stopped under it";
    EXPECT_TRUE(IsWindowEnabled(main.hwnd()));
    EXPECT_EQ(nullptr, FindWindowW(L"WanderpointAbout", nullptr));

    RECT frame{};
    GetWindowRect(main.hwnd(), &frame);
    SetWindowPos(main.hwnd(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + 140,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const int height = main.picLeftBar.scaleSize().cy;
    EXPECT_GT(captionIn(main.picLeftBar, height - 100, height), 40) << "the caption follows the bottom";
}

} // namespace
