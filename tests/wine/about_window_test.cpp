#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "about/frmAbout.h"
#include "about/frmAbout_ids.h"
#include "app/frmMain.h"
#include "app/frmMain_ids.h"
#include "res/resource.h"
#include "support.h"
#include "win/text.h"

namespace ids = wp::about::about_ids;
using wp::about::FrmAbout;
using wp::test::flushEvents;
using wp::test::textOf;

namespace {

class RecordingShell final : public wp::about::ShellPort {
public:
    struct Call {
        HWND owner;
        std::string verb, file, parameters, directory;
        int showCommand;
    };
    std::vector<Call> calls;

    void shellExecute(HWND owner, const char* verb, const char* file, const char* parameters, const char* directory,
                      int showCommand) override {
        calls.push_back({owner, verb, file, parameters, directory, showCommand});
    }
};

RECT clientRectOf(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

POINT centreOnScreen(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void sendKey(WORD key, bool down) {
    INPUT input{INPUT_KEYBOARD};
    input.ki.wVk = key;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
}

void sendButton(DWORD flags) {
    INPUT input{INPUT_MOUSE};
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

void clickAt(POINT at) {
    SetCursorPos(at.x, at.y);
    flushEvents(30);
    sendButton(MOUSEEVENTF_LEFTDOWN);
    sendButton(MOUSEEVENTF_LEFTUP);
    flushEvents(100);
}

class AboutWindow : public ::testing::Test {
protected:
    RecordingShell shell;
    wp::app::AppInfo info = wp::app::appInfo;
    std::unique_ptr<FrmAbout> about;
    wp::test::PointerGuard pointerGuard;

    void load(HWND owner = nullptr) {
        about = std::make_unique<FrmAbout>(wp::about::AboutDeps{shell, info});
        ASSERT_TRUE(about->load(owner));
    }
    HWND control(int id) const { return about->control(id); }
    RECT rect(int id) const { return clientRectOf(control(id)); }
    std::wstring text(int id) const { return textOf(control(id)); }
    COLORREF pixel(int x, int y) const {
        wp::win::WindowDC dc(about->hwnd());
        return GetPixel(dc.get(), x, y);
    }
};

TEST_F(AboutWindow, IsFilledFromTheApplicationInformation) {
    info = {"Title", 2, 10, 12345, "Comments", "Copyright"};
    load();
    const std::pair<int, const wchar_t*> filled[] = {{ids::lblTit, L"Title"},
                                                     {ids::lblVersion, L"2.10.12345"},
                                                     {ids::lblComments, L"Comments"},
                                                     {ids::lblCopyright, L"Copyright"}};
    for (const auto& [id, expected] : filled) EXPECT_EQ(expected, text(id)) << id;
}

TEST_F(AboutWindow, PaintsTheBackgroundUnderTransparentLabels) {
    load();
    about->show();
    flushEvents(100);
    const COLORREF background = pixel(300, 10);
    EXPECT_EQ(background, pixel(200, 160)) << "picCont's background is the window's";
    EXPECT_EQ(background, pixel(101, 60)) << "left of picCont";
    // The band and the links on it move with what the texts need in the fonts at hand.
    const RECT web = rect(ids::lblWeb), mail = rect(ids::lblEmail);
    const COLORREF band = pixel(5, web.top - 2);
    EXPECT_NE(background, band) << "Shape1";
    EXPECT_EQ(band, pixel(web.right - 2, web.bottom - 2)) << "through lblWeb";
    EXPECT_EQ(band, pixel(mail.right - 2, mail.top + 2)) << "through lblEmail";
}

TEST_F(AboutWindow, OpensCentredOnTheMainWindow) {
    wp::test::MemorySettings settings;
    wp::test::RecordingPointer pointer;
    wp::app::FrmMain main({settings, pointer, [] {}});
    ASSERT_TRUE(main.open(SW_SHOWNOACTIVATE));
    SetWindowPos(main.hwnd(), nullptr, 300, 250, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    load(main.hwnd());
    RECT outer{}, owner{};
    GetWindowRect(about->hwnd(), &outer);
    GetWindowRect(main.hwnd(), &owner);
    EXPECT_NEAR((owner.left + owner.right) / 2, (outer.left + outer.right) / 2, 1);
    EXPECT_NEAR((owner.top + owner.bottom) / 2, (outer.top + outer.bottom) / 2, 1);
}

TEST_F(AboutWindow, TitleWiderThanTheCommentsSpansTheWindow) {
    const struct {
        const char* title;
        bool spans;
    } cases[] = {{"W", false}, {"Wanderpoint", false}, {"Wanderpoint Wanderpoint", true}};
    for (const auto& c : cases) {
        info.Title = c.title;
        load();
        const RECT title = rect(ids::lblTit);
        RECT outer{};
        GetWindowRect(about->hwnd(), &outer);
        EXPECT_EQ(wp::win::toWide(c.title), text(ids::lblTit));
        if (c.spans) {
            EXPECT_EQ(0, title.left) << c.title;
            EXPECT_EQ(outer.right - outer.left, title.right - title.left) << c.title;
        } else {
            EXPECT_EQ(96, title.left) << c.title;
            EXPECT_LE(title.right - title.left, 198) << c.title;
        }
        EXPECT_EQ(0, title.top);
        EXPECT_GT(title.bottom, 10) << "sized to the text's height";
    }
}

// The scroll's steps are the core's; here only its timer's wiring to the label.
TEST_F(AboutWindow, CommentsScrollOnlyWhenLongerThanTheirRoom) {
    for (const bool tall : {false, true}) {
        std::string comments = "Short.";
        if (tall)
            for (int i = 0; i < 12; ++i) comments += "A line of comments that is long enough to wrap. ";
        info.Comments = comments;
        load();
        about->show();
        flushEvents(400);
        EXPECT_EQ(tall, about->tmrScroll.enabled());
        EXPECT_EQ(tall, rect(ids::lblComments).top < 0) << "risen";
    }
}

TEST_F(AboutWindow, RealCtrlLeftPressOnTheLogoDragsItAndTheReleaseSendsItHome) {
    load();
    about->show();
    SetForegroundWindow(about->hwnd());
    flushEvents(100);
    POINT onLogo{20, 20};
    ClientToScreen(about->hwnd(), &onLogo);
    SetCursorPos(onLogo.x, onLogo.y);
    flushEvents(50);

    sendButton(MOUSEEVENTF_LEFTDOWN);
    flushEvents(50);
    EXPECT_FALSE(about->bMoveLogo) << "no Ctrl";
    sendButton(MOUSEEVENTF_LEFTUP);
    flushEvents(50);

    sendKey(VK_CONTROL, true);
    sendButton(MOUSEEVENTF_LEFTDOWN);
    flushEvents(50);
    EXPECT_TRUE(about->bMoveLogo);
    SetCursorPos(onLogo.x + 60, onLogo.y + 40);
    flushEvents(400);
    RECT outer{};
    GetWindowRect(about->hwnd(), &outer);
    const RECT logo = about->imgLogo();
    EXPECT_NEAR(onLogo.x + 60 - outer.left, (logo.left + logo.right) / 2, 1) << "centre at the pointer's offset";
    EXPECT_NEAR(onLogo.y + 40 - outer.top, (logo.top + logo.bottom) / 2, 1);
    EXPECT_EQ(50u, about->Timer1.interval());

    sendButton(MOUSEEVENTF_LEFTUP);
    sendKey(VK_CONTROL, false);
    flushEvents(30);
    EXPECT_FALSE(about->bMoveLogo) << "released away from the logo: it still hears the release";
    EXPECT_EQ(200u, about->Timer1.interval());
    flushEvents(300);
    EXPECT_EQ(16, about->imgLogo().left);
    EXPECT_EQ(8, about->imgLogo().top);
    EXPECT_EQ(nullptr, GetCapture());
}

TEST_F(AboutWindow, LinksAskTheShellToOpenTheAddresses) {
    load();
    about->show();
    SetForegroundWindow(about->hwnd());
    flushEvents(100);
    clickAt(centreOnScreen(control(ids::lblWeb)));
    clickAt(centreOnScreen(control(ids::lblEmail)));
    clickAt(centreOnScreen(control(ids::lblCopyright)));
    ASSERT_EQ(2u, shell.calls.size());
    EXPECT_EQ(shell.calls[0].file.rfind("https://", 0), 0u) << shell.calls[0].file;
    EXPECT_EQ(shell.calls[1].file.rfind("mailto:", 0), 0u) << shell.calls[1].file;
    EXPECT_EQ(1, shell.calls[1].showCommand);
}

TEST_F(AboutWindow, TabReachesTheLinksEnterOrSpaceOpensThemEscOrEnterCloses) {
    load();
    about->show();
    SetForegroundWindow(about->hwnd());
    flushEvents(100);
    ASSERT_EQ(about->hwnd(), GetFocus());
    auto press = [&](WORD key, LPARAM flags = 1) {
        PostMessageW(GetFocus(), WM_KEYDOWN, key, flags);
        PostMessageW(GetFocus(), WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
        flushEvents(30);
    };
    // The top row of a link is clear of its text: a dotted frame there shows the focus.
    auto framed = [&](int id) {
        const RECT r = rect(id);
        int white = 0;
        for (int x = r.left + 2; x < r.right - 2; ++x) white += pixel(x, r.top) == RGB(255, 255, 255);
        return white > (r.right - r.left) / 4;
    };
    EXPECT_FALSE(framed(ids::lblWeb));

    press(VK_TAB);
    EXPECT_EQ(control(ids::lblWeb), GetFocus());
    EXPECT_TRUE(framed(ids::lblWeb));
    press(VK_RETURN);
    press(VK_TAB);
    EXPECT_EQ(control(ids::lblEmail), GetFocus());
    EXPECT_TRUE(framed(ids::lblEmail));
    EXPECT_FALSE(framed(ids::lblWeb)) << "the frame goes with the focus";
    press(VK_SPACE);
    press(VK_SPACE, static_cast<LPARAM>(0x40000001)); // a held key's repeat
    ASSERT_EQ(2u, shell.calls.size());
    EXPECT_NE(shell.calls[0].file, shell.calls[1].file) << "one call for each link";
    press(VK_TAB);
    EXPECT_EQ(control(ids::lblWeb), GetFocus()) << "only the links take the focus";

    press(VK_ESCAPE);
    EXPECT_FALSE(about->exists());
    load();
    about->show();
    SetForegroundWindow(about->hwnd());
    flushEvents(100);
    press(VK_RETURN);
    EXPECT_FALSE(about->exists()) << "Enter away from the links closes";
    EXPECT_EQ(2u, shell.calls.size());
}

TEST_F(AboutWindow, LinksShowThePointingHand) {
    load();
    about->show();
    const HCURSOR hand = static_cast<HCURSOR>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_POINTING_HAND),
                                                         IMAGE_CURSOR, 0, 0, LR_SHARED));
    ASSERT_NE(nullptr, hand);
    for (int id : {ids::lblWeb, ids::lblEmail}) {
        SetCursor(nullptr);
        EXPECT_TRUE(SendMessageW(control(id), WM_SETCURSOR, reinterpret_cast<WPARAM>(control(id)),
                                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
        EXPECT_EQ(hand, GetCursor()) << id;
    }
    SetCursor(nullptr);
    SendMessageW(control(ids::lblDisc), WM_SETCURSOR, reinterpret_cast<WPARAM>(control(ids::lblDisc)),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_NE(hand, GetCursor());
}

// What the modal test sees from inside the about window's loop.
struct ModalProbe {
    wp::app::FrmMain* main;
    wp::test::RecordingPointer* pointer;
    int step = 0;
    bool mainEnabled = true;
    bool aboutEnabled = false;
    size_t movesAtOpen = 0, movesAtClose = 0;
    std::wstring buttonAtClose;
};
ModalProbe* probe = nullptr;

void CALLBACK probeModal(HWND, UINT, UINT_PTR, DWORD) {
    const HWND about = FindWindowW(L"WanderpointAbout", L"About");
    if (!about) return;
    switch (probe->step++) {
    case 0: {
        probe->mainEnabled = IsWindowEnabled(probe->main->hwnd());
        probe->aboutEnabled = IsWindowEnabled(about);
        probe->movesAtOpen = probe->pointer->moves().size();
        // Out of the way, so that the click lands on the main window's button.
        SetWindowPos(about, nullptr, 900, 700, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT r{};
        GetWindowRect(probe->main->control(wp::app::main_ids::Command3), &r);
        SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        sendButton(MOUSEEVENTF_LEFTDOWN);
        sendButton(MOUSEEVENTF_LEFTUP);
        break;
    }
    case 3:
        probe->movesAtClose = probe->pointer->moves().size();
        probe->buttonAtClose = textOf(probe->main->control(wp::app::main_ids::Command3));
        PostMessageW(about, WM_CLOSE, 0, 0);
        break;
    default:
        break;
    }
}

TEST(AboutWindowModal, BlocksInputToTheMainWindowWhileItsTimersRun) {
    wp::test::PointerGuard guard;
    wp::test::MemorySettings settings;
    wp::test::RecordingPointer pointer;
    wp::app::FrmMain main({settings, pointer, [] {}});
    ASSERT_TRUE(main.open(SW_SHOWNORMAL));
    main.TimInt.setText(L"0.05"); // 45 ms
    SendMessageW(main.control(wp::app::main_ids::Command3), BM_CLICK, 0, 0);

    ModalProbe seen{&main, &pointer};
    probe = &seen;
    const UINT_PTR timer = SetTimer(nullptr, 0, 150, &probeModal);
    // Space on the about sign; returns when the about window closes.
    SendMessageW(GetDlgItem(main.picLeftBar.hwnd(), wp::app::main_ids::Image3), WM_KEYUP, VK_SPACE, 0);
    KillTimer(nullptr, timer);
    probe = nullptr;

    EXPECT_GE(seen.step, 4) << "the probe ran inside the modal loop";
    EXPECT_FALSE(seen.mainEnabled);
    EXPECT_TRUE(seen.aboutEnabled);
    EXPECT_EQ(L"Stop moving", seen.buttonAtClose) << "the click on the main window's button did not arrive";
    EXPECT_GE(seen.movesAtClose, seen.movesAtOpen + 3) << "the switch timer kept firing";
    EXPECT_TRUE(IsWindowEnabled(main.hwnd())) << "input returns when it closes";
    EXPECT_EQ(nullptr, FindWindowW(L"WanderpointAbout", nullptr));
    EXPECT_TRUE(main.Timer1.enabled());
}

} // namespace
