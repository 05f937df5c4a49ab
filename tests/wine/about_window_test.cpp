// The about window, the side bar painter, and the side bar sign that opens the about window.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <memory>

#include "about/frmAbout.h"
#include "about/frmAbout_ids.h"
#include "app/frmMain.h"
#include "app/frmMain_ids.h"
#include "core/version_text.h"
#include "sidebar/side_bar.h"
#include "support.h"
#include "win/message_box.h"
#include "win/text.h"

namespace ids = wp::about::about_ids;
using wp::test::flushEvents;
using wp::test::pressKey;

namespace {

struct RecordingShell final : wp::about::ShellPort {
    std::vector<std::string> opened; // "has-owner verb file parameters directory show"
    void shellExecute(HWND owner, const char* verb, const char* file, const char* parameters, const char* directory,
                      int show) override {
        opened.push_back(std::to_string(owner != nullptr) + " " + verb + " " + file + " " + parameters + " " +
                         directory + " " + std::to_string(show));
    }
};

RECT rectIn(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class AboutWindow : public ::testing::Test {
protected:
    RecordingShell shell;
    wp::app::AppInfo info = wp::app::appInfo;
    std::unique_ptr<wp::about::FrmAbout> about;
    wp::test::PointerGuard pointerGuard;

    void open() {
        about = std::make_unique<wp::about::FrmAbout>(wp::about::AboutDeps{shell, info});
        ASSERT_TRUE(about->load(nullptr));
        about->show();
        SetFocus(about->hwnd());
        flushEvents(50);
    }
    HWND control(int id) const { return about->control(id); }
};

// Also how it closes: Esc, Enter away from the links, the close box.
TEST_F(AboutWindow, ShowsTheAppInformationSpansAWideTitleAndClosesByEscEnterOrCloseBox) {
    for (const UINT closeKey : {UINT{VK_ESCAPE}, UINT{VK_RETURN}, 0u}) {
        const bool wide = closeKey == VK_RETURN;
        info.Title = wide ? "Wanderpoint Wanderpoint" : "W";
        open();
        const std::pair<int, std::string> texts[] = {
            {ids::lblTit, std::string(info.Title)},
            {ids::lblVersion, wp::versionText(info.Major, info.Minor, info.Revision)},
            {ids::lblComments, std::string(info.Comments)},
            {ids::lblCopyright, std::string(info.LegalCopyright)},
            {ids::lblWeb, wp::about::WebSiteAddress},
            {ids::lblEmail, wp::about::EMailAddress}};
        for (const auto& [id, text] : texts) EXPECT_EQ(wp::win::toWide(text), wp::test::textOf(control(id))) << id;
        RECT outer{};
        GetWindowRect(about->hwnd(), &outer);
        const RECT title = rectIn(control(ids::lblTit));
        EXPECT_EQ(wide, title.left == 0 && title.right - title.left == outer.right - outer.left) << info.Title;
        // What the user sees of the frame: no task bar button, a close box, no sizing or minimising.
        const LONG_PTR ex = GetWindowLongPtrW(about->hwnd(), GWL_EXSTYLE);
        const LONG_PTR style = GetWindowLongPtrW(about->hwnd(), GWL_STYLE);
        EXPECT_TRUE((ex & WS_EX_TOOLWINDOW) && !(ex & WS_EX_APPWINDOW)) << "the task bar skips only such windows";
        EXPECT_TRUE((style & WS_SYSMENU) && !(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)));
        closeKey ? pressKey(closeKey) : void(SendMessageW(about->hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0));
        EXPECT_FALSE(about->exists()) << closeKey;
    }
}

TEST_F(AboutWindow, LinksOpenThroughTheShellByClickAndByKeyboardOncePerPress) {
    const std::vector<std::string> both = {std::string("0 Open ") + wp::about::WebSiteAddress + "   1",
                                           std::string("0 Open mailto:") + wp::about::EMailAddress + "   1"};
    open();
    for (int id : {ids::lblWeb, ids::lblEmail, ids::lblCopyright, ids::lblDisc}) wp::test::postClick(control(id));
    EXPECT_EQ(both, shell.opened) << "clicks";
    shell.opened.clear();
    pressKey(VK_TAB);
    EXPECT_EQ(control(ids::lblWeb), GetFocus());
    pressKey(VK_RETURN);
    pressKey(VK_TAB);
    EXPECT_EQ(control(ids::lblEmail), GetFocus());
    pressKey(VK_SPACE);
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_SPACE, 1 | KF_REPEAT << 16); // a held key's repeat
    flushEvents(20);
    EXPECT_EQ(both, shell.opened) << "keys";
    pressKey(VK_TAB);
    EXPECT_EQ(control(ids::lblWeb), GetFocus()) << "only the links take the focus";
    EXPECT_TRUE(about->exists()) << "Enter and Space on a link do not close";
}

// How far and how fast they move is the core's; here only that the timers move them.
TEST_F(AboutWindow, TallCommentsScrollAndTheLogoFollowsThePointerWhileHeldWithCtrl) {
    for (const bool tall : {false, true}) {
        std::string text = "Short.";
        for (int i = 0; tall && i < 80; ++i) text += " wrapping";
        info.Comments = text;
        open();
        const LONG top = rectIn(control(ids::lblComments)).top;
        flushEvents(400);
        EXPECT_EQ(tall, rectIn(control(ids::lblComments)).top < top) << tall;
    }
    const RECT home = about->imgLogo();
    POINT away{home.right + 80, home.bottom + 40};
    ClientToScreen(about->hwnd(), &away);
    for (const WPARAM keys : {WPARAM{MK_LBUTTON}, WPARAM{MK_LBUTTON | MK_CONTROL}}) {
        PostMessageW(about->hwnd(), WM_LBUTTONDOWN, keys, MAKELPARAM(home.left + 4, home.top + 4));
        flushEvents(20);
        SetCursorPos(away.x, away.y);
        wp::test::tick(about->hwnd(), wp::about::FrmAbout::timer1Id);
        EXPECT_EQ(keys != MK_LBUTTON, about->imgLogo().left > home.left + 40) << keys;
        PostMessageW(about->hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(home.left + 4, home.top + 4));
        flushEvents(20);
    }
    wp::test::tick(about->hwnd(), wp::about::FrmAbout::timer1Id);
    EXPECT_EQ(home.left, about->imgLogo().left) << "released: home";
    EXPECT_EQ(nullptr, GetCapture());
}

// White pixels (the caption) in rows [top, bottom) of a picture.
int captionIn(wp::win::PictureBox& picture, int top, int bottom) {
    int white = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < picture.scaleSize().cx; ++x) white += GetPixel(picture.hDC(), x, y) == RGB(255, 255, 255);
    return white;
}

TEST(SideBar, PaintsACaptionRisingFromTheBottomAndEndsQuietlyOnABadFont) {
    wp::win::OwnedWindow host(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, nullptr, 0));
    wp::win::PictureBox picture;
    picture.create(host.get(), 1, RGB(255, 255, 255));
    SetWindowPos(picture.hwnd(), nullptr, 0, 0, 17, 509, SWP_NOZORDER | SWP_NOACTIVATE);
    picture.setForeColor(RGB(255, 255, 255));
    const HGDIOBJ fontBefore = GetCurrentObject(picture.hDC(), OBJ_FONT);
    wp::sidebar::SideBar bar;
    bar.Caption(L"Wanderpoint");
    bar.DrawingObject(&picture);
    const std::pair<wp::win::PictureFont, bool> fonts[] = {
        {{L"Arial", 9.75}, true},
        {{L"A font name of 32 characters....", 9.75}, false},
        {{L"Arial\u4e00", 9.75}, false}, // no single-byte code
        {{L"Arial", std::numeric_limits<double>::quiet_NaN()}, false}};
    for (const auto& [font, shown] : fonts) {
        picture.setFont(font);
        // 509 rows, a brush each, 140 times: past the system's handle table if any were left behind.
        for (int i = 0; i < (shown ? 0 : 139); ++i) bar.Draw();
        PatBlt(picture.hDC(), 0, 0, 17, 509, WHITENESS);
        bar.Draw();
        EXPECT_NE(RGB(255, 255, 255), GetPixel(picture.hDC(), 8, 508)) << font.Name << ": the gradient comes first";
        EXPECT_EQ(shown, captionIn(picture, 300, 503) > 40) << font.Name;
        EXPECT_EQ(0, captionIn(picture, 503, 509) + captionIn(picture, 0, 150)) << font.Name << ": 6 pixels up, upward";
        EXPECT_EQ(fontBefore, GetCurrentObject(picture.hDC(), OBJ_FONT)) << font.Name;
    }
}

std::function<void()> probeStep; // run by a thread timer, inside whatever loop runs

// The signs on the main window's side bar, which is redrawn at every resize.
TEST(MainWindowSideBar, TheHelpSignShowsTheDisclaimerAndTheAboutSignOpensTheAboutWindowModal) {
    wp::test::MemorySettings settings;
    wp::test::RecordingPointer pointer;
    wp::app::FrmMain main({settings, pointer, [] {}});
    ASSERT_TRUE(main.open(SW_SHOWNORMAL));
    std::vector<wp::win::MessageBoxRequest> boxes;
    wp::win::setMessageBoxHandler([&](const wp::win::MessageBoxRequest& box) { return boxes.push_back(box), IDOK; });
    wp::test::postClick(GetDlgItem(main.picLeftBar.hwnd(), wp::app::main_ids::Image4), {8, 8});
    wp::win::setMessageBoxHandler(nullptr);
    ASSERT_EQ(1u, boxes.size()) << "the help sign shows the disclaimer";
    EXPECT_EQ(main.hwnd(), boxes[0].owner);
    wp::test::typeInto(main.hwnd(), wp::app::main_ids::TimInt, L"0.05");
    wp::test::clickControl(main.hwnd(), wp::app::main_ids::Command3); // a switching cycle to go on under it
    std::vector<size_t> moves;
    bool mainTookInput = false;
    probeStep = [&] { // twice from inside the about window's loop, then Esc
        const HWND about = FindWindowW(L"WanderpointAbout", nullptr);
        if (!about || moves.size() == 2) return;
        mainTookInput = mainTookInput || IsWindowEnabled(main.hwnd());
        moves.push_back(pointer.moves().size());
        if (moves.size() == 2) PostMessageW(about, WM_KEYDOWN, VK_ESCAPE, 1);
    };
    const UINT_PTR probe = SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR, DWORD) { probeStep(); });
    wp::test::postClick(GetDlgItem(main.picLeftBar.hwnd(), wp::app::main_ids::Image3), {8, 8}); // back when closed
    KillTimer(nullptr, probe);
    ASSERT_EQ(2u, moves.size()) << "the about window opened";
    EXPECT_FALSE(mainTookInput);
    EXPECT_GT(moves[1], moves[0]) << "the main window's timer stopped under it";
    EXPECT_TRUE(IsWindowEnabled(main.hwnd())) << "input returns when it closes";
    SetWindowPos(main.hwnd(), nullptr, 0, 0, 500, 700, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const int height = main.picLeftBar.scaleSize().cy;
    EXPECT_GT(captionIn(main.picLeftBar, height - 100, height), 40) << "redrawn at the new bottom";
}

} // namespace
