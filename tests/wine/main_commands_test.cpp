#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "app/frmMain.h"
#include "app/frmMain_ids.h"
#include "markers/markers.h"
#include "res/resource.h"
#include "support.h"
#include "win/message_box.h"
#include "win/text.h"

namespace ids = wp::app::main_ids;
using wp::app::FrmMain;
using wp::test::flushEvents;
using wp::test::textOf;

namespace {

RECT rectOf(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

class MainCommands : public ::testing::Test {
protected:
    wp::test::MemorySettings settings;
    wp::test::RecordingPointer pointer;
    wp::test::PointerGuard pointerGuard;
    std::vector<wp::win::MessageBoxRequest> boxes;
    std::unique_ptr<FrmMain> main;

    void SetUp() override {
        wp::win::setMessageBoxHandler([this](const wp::win::MessageBoxRequest& request) {
            boxes.push_back(request);
            return IDOK;
        });
    }
    void TearDown() override {
        main.reset();
        wp::win::setMessageBoxHandler(nullptr);
    }
    void open() {
        main = std::make_unique<FrmMain>(wp::app::MainWindowDeps{settings, pointer, [] {}});
        ASSERT_TRUE(main->open(SW_SHOWNOACTIVATE));
        SetForegroundWindow(main->hwnd()); // where the user's clicks on the check box leave it
    }
    // The user's click on the check box.
    void clickCheck1() { SendMessageW(main->control(ids::Check1), BM_CLICK, 0, 0); }
    static void pressWithoutMoving(wp::markers::Marker& marker) {
        PostMessageW(marker.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(21, 21));
        PostMessageW(marker.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(21, 21));
        flushEvents(30);
    }
    void setPosition2(const wchar_t* x, const wchar_t* y) {
        main->Text3.setText(x);
        main->Text4.setText(y);
    }
};

TEST_F(MainCommands, TickingWithTheDefaultsCentresTheMarkersOnThePositionsAndUntickingHidesThem) {
    open();
    SetFocus(main->control(ids::Check1));
    clickCheck1();
    ASSERT_TRUE(main->frmCircle.visible());
    ASSERT_TRUE(main->frmCircle2.visible());
    EXPECT_EQ(main->frmCircle2.hwnd(), WindowFromPoint({400, 400})) << "centred on position 2";
    EXPECT_EQ(main->hwnd(), GetForegroundWindow()) << "showing the markers leaves the main window active";
    EXPECT_EQ(main->control(ids::Check1), GetFocus()) << "and the keyboard on the check box";

    clickCheck1();
    EXPECT_FALSE(main->frmCircle.visible());
    EXPECT_FALSE(main->frmCircle2.visible());
    EXPECT_TRUE(main->frmCircle.exists()) << "hidden, not closed";
    EXPECT_TRUE(main->frmCircle2.exists());

    main->Check1.setChecked(true); // as loading a stored 1 does
    EXPECT_TRUE(main->frmCircle2.visible());
    SendMessageW(main->control(ids::cmdRestoreDefaults), BM_CLICK, 0, 0);
    EXPECT_FALSE(main->frmCircle.visible());
    EXPECT_FALSE(main->frmCircle2.visible());
}

TEST_F(MainCommands, AStoredTickShowsTheMarkersAtTheStoredPositions) {
    settings.values = {{{L"Position1", L"x"}, L"100"}, {{L"Position1", L"y"}, L"200"},
                       {{L"Position2", L"x"}, L"300"}, {{L"Position2", L"y"}, L"-50"},
                       {{L"Settings", L"interval"}, L"5"}, {{L"Settings", L"ShowHelpers"}, L"1"}};
    open();
    EXPECT_TRUE(main->frmCircle.visible());
    EXPECT_EQ(main->frmCircle.hwnd(), WindowFromPoint({100, 200}));
}

TEST_F(MainCommands, AMarkerDroppedWhereItWasPlacedWritesItsPositionBack) {
    open();
    const struct {
        const wchar_t* x;
        const wchar_t* y;
        const wchar_t* writtenX;
        const wchar_t* writtenY;
    } cases[] = {
        {L"-30", L"7", L"-30", L"7"}, {L"400.4", L"&H10", L"400", L"16"},
    };
    for (const auto& c : cases) {
        main->Check1.setChecked(false);
        setPosition2(c.x, c.y);
        main->Check1.setChecked(true);
        pressWithoutMoving(main->frmCircle2);
        EXPECT_EQ(c.writtenX, main->Text3.text()) << wp::win::toUtf8(c.x);
        EXPECT_EQ(c.writtenY, main->Text4.text()) << wp::win::toUtf8(c.y);
    }
    main->Text1.setText(L"55");
    main->Text2.setText(L"66");
    main->Check1.setChecked(false);
    main->Check1.setChecked(true);
    pressWithoutMoving(main->frmCircle);
    EXPECT_EQ(L"55", main->Text1.text()) << "the yellow marker writes position 1";
    EXPECT_EQ(L"66", main->Text2.text());
}

TEST_F(MainCommands, OnAScaledMonitorAPlacedMarkerStillWritesItsPositionBack) {
    open();
    clickCheck1();
    for (UINT dpi : {144u, 168u}) {
        RECT suggested = rectOf(main->frmCircle2.hwnd());
        SendMessageW(main->frmCircle2.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        SendMessageW(main->frmCircle.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        for (const wchar_t* position : {L"401", L"-7"}) {
            clickCheck1();
            setPosition2(position, L"300");
            clickCheck1();
            const int x = _wtoi(position);
            if (x >= 0) {
                EXPECT_EQ(main->frmCircle2.hwnd(), WindowFromPoint({x, 300})) << dpi << " " << x;
            }
            pressWithoutMoving(main->frmCircle2);
            EXPECT_EQ(position, main->Text3.text()) << dpi;
            EXPECT_EQ(L"300", main->Text4.text()) << dpi;
        }
    }
}

TEST_F(MainCommands, ADraggedMarkerComesBackWhereItWasDropped) {
    open();
    clickCheck1();
    SetFocus(main->control(ids::Text1));
    SetCursorPos(400, 400);
    wp::test::queueDrag({400, 400}, {410, 400});
    flushEvents(200);
    EXPECT_EQ(L"410", main->Text3.text());
    EXPECT_EQ(L"400", main->Text4.text());
    EXPECT_EQ(main->hwnd(), GetForegroundWindow()) << "the drag gives the activation back";
    EXPECT_EQ(main->control(ids::Text1), GetFocus()) << "and the keyboard to the box it was in";

    main->Text3.setText(L"100");
    EXPECT_EQ(main->frmCircle2.hwnd(), WindowFromPoint({410, 400})) << "edits while shown do not move the markers";
    main->Text3.setText(L"410");
    clickCheck1();
    EXPECT_FALSE(main->frmCircle2.visible());
    clickCheck1();
    EXPECT_EQ(main->frmCircle2.hwnd(), WindowFromPoint({410, 400})) << "shown again where it was dropped";
}

TEST_F(MainCommands, APositionThatIsNotANumberLeavesItsMarkerWhereItWas) {
    open();
    setPosition2(L"?", L"?");
    clickCheck1();
    clickCheck1();
    setPosition2(L"400", L"400");
    clickCheck1();
    clickCheck1();
    const struct {
        const wchar_t* x;
        const wchar_t* y;
    } cases[] = {{L"abc", L"400"}, {L"400", L""}};
    for (const auto& c : cases) {
        setPosition2(c.x, c.y);
        main->Text1.setText(L"50");
        clickCheck1();
        EXPECT_TRUE(main->frmCircle2.visible()) << wp::win::toUtf8(c.x);
        EXPECT_EQ(main->frmCircle2.hwnd(), WindowFromPoint({400, 400})) << wp::win::toUtf8(c.x);
        EXPECT_EQ(main->frmCircle.hwnd(), WindowFromPoint({50, 0})) << "the other marker is placed";
        clickCheck1();
        main->Text1.setText(L"0");
    }
}

TEST_F(MainCommands, TestImagesMoveThePointerAtOnceAndLeaveTheCycleAlone) {
    open();
    wp::test::clickControl(main->hwnd(), ids::Command3);
    wp::test::tick(main->hwnd(), FrmMain::timer1Id);
    pointer.calls.clear();
    const std::wstring status = textOf(main->control(ids::info));
    const bool atPosition1 = main->bAtPosition1;
    const auto secondsLeft = main->iSecsLeft;

    const struct {
        int image;
        const wchar_t* x;
        const wchar_t* y;
        bool moves;
        POINT to;
    } cases[] = {
        {ids::Image1, L" 12 ", L"-7", true, {12, -7}},
        {ids::Image1, L"5", L"", false, {}},
        {ids::Image2, L"0400", L"1e1", true, {400, 10}},
    };
    for (const auto& c : cases) {
        wp::win::TextBox& x = c.image == ids::Image1 ? main->Text1 : main->Text3;
        wp::win::TextBox& y = c.image == ids::Image1 ? main->Text2 : main->Text4;
        x.setText(c.x);
        y.setText(c.y);
        pointer.calls.clear();
        wp::test::postClick(main->control(c.image), {16, 16});
        const auto moves = pointer.moves();
        ASSERT_EQ(c.moves ? 1u : 0u, moves.size()) << wp::win::toUtf8(c.x) << "," << wp::win::toUtf8(c.y);
        if (c.moves) {
            EXPECT_EQ(c.to.x, moves[0].x);
            EXPECT_EQ(c.to.y, moves[0].y);
            EXPECT_EQ(wp::test::RecordingPointer::Call::UserInput, pointer.calls.back().kind) << "the switch's road";
        }
    }
    EXPECT_EQ(status, textOf(main->control(ids::info)));
    EXPECT_EQ(atPosition1, main->bAtPosition1);
    EXPECT_EQ(secondsLeft, main->iSecsLeft);
    EXPECT_TRUE(main->Timer1.enabled());
    EXPECT_EQ(L"Stop moving", textOf(main->control(ids::Command3)));
}

TEST_F(MainCommands, ATestImageIsReachedWithTabAndClickedWithSpace) {
    open();
    main->Text3.setText(L"7");
    main->Text4.setText(L"8");
    SetFocus(main->control(ids::Text4));
    PostMessageW(main->control(ids::Text4), WM_KEYDOWN, VK_TAB, 1);
    flushEvents(30);
    ASSERT_EQ(main->control(ids::Image2), GetFocus());
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_SPACE, 1);
    PostMessageW(GetFocus(), WM_KEYUP, VK_SPACE, 0xC0000001);
    flushEvents(30);
    ASSERT_EQ(1u, pointer.moves().size());
    EXPECT_EQ(7, pointer.moves()[0].x);
    EXPECT_EQ(8, pointer.moves()[0].y);
}

TEST_F(MainCommands, APressDraggedOffATestImageIsNoClick) {
    open();
    const HWND image = main->control(ids::Image1);
    PostMessageW(image, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(16, 16));
    PostMessageW(image, WM_LBUTTONUP, 0, MAKELPARAM(60, 16));
    flushEvents(30);
    EXPECT_TRUE(pointer.calls.empty());
}

TEST_F(MainCommands, TheHelpSignShowsTheDisclaimerOverTheWindow) {
    open();
    const HWND help = GetDlgItem(main->picLeftBar.hwnd(), ids::Image4);
    ASSERT_NE(nullptr, help);
    wp::test::postClick(help, {8, 8});
    ASSERT_EQ(1u, boxes.size());
    EXPECT_FALSE(boxes[0].text.empty());
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION | MB_OK), boxes[0].type);
    EXPECT_EQ(main->hwnd(), boxes[0].owner);
    EXPECT_TRUE(pointer.calls.empty());
}

TEST_F(MainCommands, ImagesAreNamedAndShowTheHand) {
    open();
    const HCURSOR hand = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_HAND_POINTER));
    for (int id : {ids::Image1, ids::Image2, ids::Image3, ids::Image4}) {
        const HWND image = GetDlgItem(id == ids::Image3 || id == ids::Image4 ? main->picLeftBar.hwnd() : main->hwnd(), id);
        ASSERT_NE(nullptr, image) << id;
        EXPECT_FALSE(textOf(image).empty()) << "assistive tools read the tip as the name";
        SetCursor(nullptr);
        SendMessageW(image, WM_SETCURSOR, reinterpret_cast<WPARAM>(image), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(hand, GetCursor()) << id;
    }
}

TEST_F(MainCommands, PaintingTheWindowRepaintsBothFramesAtOnce) {
    open();
    flushEvents(50);
    static std::vector<int> painted;
    static WNDPROC original = nullptr;
    painted.clear();
    auto spy = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_PAINT) painted.push_back(GetDlgCtrlID(hwnd));
        return CallWindowProcW(original, hwnd, message, wParam, lParam);
    };
    const HWND frame1 = main->control(ids::Frame1);
    const HWND frame2 = main->control(ids::Frame2);
    original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(frame1, GWLP_WNDPROC));
    SetWindowLongPtrW(frame1, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+spy));
    SetWindowLongPtrW(frame2, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+spy));

    RECT corner{300, 140, 310, 150}; // away from both frames
    RedrawWindow(main->hwnd(), &corner, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const std::vector<int> expected{ids::Frame1, ids::Frame2};
    EXPECT_EQ(expected, painted);

    SetWindowLongPtrW(frame1, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    SetWindowLongPtrW(frame2, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
}

} // namespace
