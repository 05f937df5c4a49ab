#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "about/frmAbout.h"
#include "about/frmAbout_ids.h"
#include "core/version_text.h"
#include "support.h"
#include "win/text.h"

namespace ids = wp::about::about_ids;
using wp::about::FrmAbout;
using wp::test::flushEvents;
using wp::test::pressKey;
using wp::win::toWide;

namespace {

struct RecordingShell final : wp::about::ShellPort {
    std::vector<std::string> opened; // "verb file parameters directory show"
    void shellExecute(HWND owner, const char* verb, const char* file, const char* parameters, const char* directory,
                      int show) override {
        EXPECT_EQ(nullptr, owner);
        opened.push_back(std::string(verb) + " " + file + " " + parameters + " " + directory + " " + std::to_string(show));
    }
};

RECT rectIn(HWND control, HWND parent) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class AboutWindow : public ::testing::Test {
protected:
    RecordingShell shell;
    wp::app::AppInfo info = wp::app::appInfo;
    std::unique_ptr<FrmAbout> about;
    wp::test::PointerGuard pointerGuard;

    void open() {
        about = std::make_unique<FrmAbout>(wp::about::AboutDeps{shell, info});
        ASSERT_TRUE(about->load(nullptr));
        about->show();
        SetForegroundWindow(about->hwnd());
        SetFocus(about->hwnd());
        flushEvents(50);
    }
    HWND control(int id) const { return about->control(id); }
    std::string openCall(const std::string& file) const { return "Open " + file + "   " + std::to_string(SW_SHOWNORMAL); }
};

TEST_F(AboutWindow, ShowsTheApplicationInformationAndALongTitleSpansTheWindow) {
    const struct {
        const char* title;
        bool spans; // when wider than the comments
    } titles[] = {{"W", false}, {"Wanderpoint Wanderpoint", true}};
    info.Revision = 12345;
    for (const auto& [title, spans] : titles) {
        info.Title = title;
        open();
        const std::pair<int, std::string> texts[] = {{ids::lblTit, std::string(info.Title)},
                                                     {ids::lblVersion, wp::versionText(info.Major, info.Minor, 12345)},
                                                     {ids::lblComments, std::string(info.Comments)},
                                                     {ids::lblCopyright, std::string(info.LegalCopyright)},
                                                     {ids::lblWeb, wp::about::WebSiteAddress},
                                                     {ids::lblEmail, wp::about::EMailAddress}};
        for (const auto& [id, text] : texts) EXPECT_EQ(toWide(text), wp::test::textOf(control(id))) << title << " " << id;
        RECT outer{};
        GetWindowRect(about->hwnd(), &outer);
        const RECT bar = rectIn(control(ids::lblTit), about->hwnd());
        EXPECT_EQ(spans, bar.left == 0 && bar.right - bar.left == outer.right - outer.left) << title;
    }
}

// The user sees a tool window: no task bar button, a close box, no sizing or minimising.
TEST_F(AboutWindow, IsAFixedToolWindowOutOfTheTaskBar) {
    open();
    const LONG_PTR ex = GetWindowLongPtrW(about->hwnd(), GWL_EXSTYLE), style = GetWindowLongPtrW(about->hwnd(), GWL_STYLE);
    EXPECT_TRUE((ex & WS_EX_TOOLWINDOW) && !(ex & WS_EX_APPWINDOW)) << "the task bar skips only such windows";
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
}

TEST_F(AboutWindow, LinksOpenThroughTheShellByClickAndByKeyboardOncePerPress) {
    const std::vector<std::string> both = {openCall(wp::about::WebSiteAddress),
                                           openCall(std::string("mailto:") + wp::about::EMailAddress)};
    open();
    wp::test::postClick(control(ids::lblWeb));
    wp::test::postClick(control(ids::lblEmail));
    wp::test::postClick(control(ids::lblCopyright));
    wp::test::postClick(control(ids::lblDisc));
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

TEST_F(AboutWindow, EscEnterOrTheCloseBoxCloses) {
    for (const UINT how : {UINT{VK_ESCAPE}, UINT{VK_RETURN}, 0u}) {
        open();
        if (how) pressKey(how);
        else SendMessageW(about->hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_FALSE(about->exists()) << how;
    }
    EXPECT_TRUE(shell.opened.empty());
}

// How far and how fast the comments scroll is the core's; here only that their timer moves them.
TEST_F(AboutWindow, TallCommentsScrollOnTheirTimer) {
    for (const bool tall : {false, true}) {
        std::string text = "Short.";
        for (int i = 0; tall && i < 12; ++i) text += " A line of comments that is long enough to wrap.";
        info.Comments = text;
        open();
        const HWND comments = control(ids::lblComments);
        const LONG top = rectIn(comments, GetParent(comments)).top;
        flushEvents(400);
        EXPECT_EQ(tall, rectIn(comments, GetParent(comments)).top < top) << tall;
    }
}

// Ctrl + left press on the logo makes it follow the pointer on Timer1; the release sends it home.
TEST_F(AboutWindow, TheLogoFollowsThePointerOnlyWhilePressedWithCtrl) {
    open();
    const RECT home = about->imgLogo();
    const POINT on{home.left + 4, home.top + 4};
    POINT away{home.right + 80, home.bottom + 40};
    ClientToScreen(about->hwnd(), &away);
    auto pressAndFollow = [&](WPARAM keys) {
        PostMessageW(about->hwnd(), WM_LBUTTONDOWN, keys, MAKELPARAM(on.x, on.y));
        flushEvents(20);
        SetCursorPos(away.x, away.y);
        wp::test::tick(about->hwnd(), FrmAbout::timer1Id);
        const RECT now = about->imgLogo();
        PostMessageW(about->hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(on.x, on.y));
        flushEvents(20);
        return now;
    };
    const RECT stayed = pressAndFollow(MK_LBUTTON);
    EXPECT_TRUE(EqualRect(&home, &stayed)) << "no Ctrl: stays";
    const RECT followed = pressAndFollow(MK_LBUTTON | MK_CONTROL);
    EXPECT_GT(followed.left, home.left + 40);
    EXPECT_GT(followed.top, home.top + 20);
    wp::test::tick(about->hwnd(), FrmAbout::timer1Id);
    const RECT back = about->imgLogo();
    EXPECT_TRUE(EqualRect(&home, &back)) << "released: home";
    EXPECT_EQ(nullptr, GetCapture());
}

} // namespace
