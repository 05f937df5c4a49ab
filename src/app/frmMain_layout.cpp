// The main window's controls, their places and its size.
#include "app/frmMain.h"

#include "app/frmMain_ids.h"
#include "markers/markers.h"
#include "res/resource.h"
#include "win/common_controls.h"
#include "win/text.h"

namespace wp::app {
namespace ids = main_ids;
using win::DesignRect;
using win::Fit;
using win::FormRow;

namespace {

constexpr int clientWidth96 = 382;
constexpr int clientHeight96 = 160;
constexpr int sideBarWidth96 = 17;
constexpr DWORD labelStyle = SS_LEFT | SS_NOPREFIX;
enum Fonts { regularFont, boldFont, arialFont };

constexpr int intervalMaxChars = 4;

// A label takes the width its text needs on one line.
FormRow label(int id, const wchar_t* text, DesignRect rect, int font) {
    return FormRow{id, L"STATIC", text, labelStyle, 0, rect, font}.fits(Fit::Wider);
}

FormRow box(int id, const wchar_t* text, DesignRect rect, std::function<void()> onChange = nullptr,
            int maxChars = win::positionMaxChars) {
    FormRow row{id, L"EDIT", text, WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, rect, regularFont, std::move(onChange)};
    row.maxChars = maxChars;
    return row;
}

// The test images stand in the frames, the signs in the side bar.
constexpr DesignRect image1Rect{32 + 136, 8 + 30, 32, 32};
constexpr DesignRect image2Rect{208 + 137, 8 + 30, 32, 32};
constexpr DesignRect image4Rect{0, 0, 17, 17};
constexpr DesignRect image3Rect{0, 19, 17, 17};

// The interval box holds at most 65 seconds.
constexpr std::int32_t longestCountdown = 65;
// How soon a switch that waits for the buttons follows their release.
constexpr std::uint32_t releasePollPeriod = 20;

} // namespace

// In tab order. Frame1 is at (32, 8) and Frame2 at (208, 8); their controls are placed on the
// window itself, so that every control reports to the window.
// The status line cannot run to the right edge: the Macro button stands on its row. It takes the
// room up to that button, two lines high, so that the whole text stays readable.
win::FormDesign FrmMain::design() {
    const auto on = [this](void (FrmMain::*handler)()) { return win::call(this, handler); };
    constexpr DWORD button = WS_TABSTOP;
    // clang-format off
    return {
        {{L"MS Sans Serif", 825}, {L"MS Sans Serif", 825, true}, {L"Arial", 900}},
        {
            {ids::Command3, L"BUTTON", L"Start moving", button | BS_DEFPUSHBUTTON, 0, {24, 128, 105, 25}, regularFont,
             on(&FrmMain::Command3_Click)},
            {ids::info, L"STATIC", L"", labelStyle | WS_CLIPSIBLINGS, 0, {136, 104, 127, 26}, boldFont},
            label(ids::Label6, L"seconds", {296, 80, 48, 15}, arialFont),
            {ids::Frame1, L"BUTTON", L"Position1", BS_GROUPBOX, 0, {32, 8, 169, 65}, regularFont},
            label(ids::Label1, L"X:", {32 + 8, 8 + 32, 10, 13}, regularFont),
            label(ids::Label2, L"Y:", {32 + 72, 8 + 32, 10, 13}, regularFont),
            {ids::Frame2, L"BUTTON", L"Position2", BS_GROUPBOX, 0, {208, 8, 169, 65}, regularFont},
            label(ids::Label3, L"Y:", {208 + 72, 8 + 32, 10, 13}, regularFont),
            label(ids::Label4, L"X:", {208 + 8, 8 + 32, 10, 13}, regularFont),
            label(ids::Label5, L"Switch between Pos.1 and Pos.2 every", {32, 80, 211, 15}, arialFont),
            box(ids::Text1, L"0", {32 + 24, 8 + 32, 41, 19}).drives(Text1),
            box(ids::Text2, L"0", {32 + 88, 8 + 32, 41, 19}).drives(Text2),
            box(ids::Text3, L"400", {208 + 24, 8 + 32, 41, 19}).drives(Text3),
            box(ids::Text4, L"400", {208 + 88, 8 + 32, 41, 19}).drives(Text4),
            box(ids::TimInt, L"60", {264, 80, 25, 19}, on(&FrmMain::TimInt_Change), intervalMaxChars).drives(TimInt),
            FormRow{ids::Check1, L"BUTTON", L"Show helpers", button | BS_AUTOCHECKBOX, 0, {32, 104, 105, 17},
                    regularFont, on(&FrmMain::Check1_Click)}.drives(Check1).fits(Fit::Wider),
            {ids::cmdRestoreDefaults, L"BUTTON", L"Restore defaults", button, 0, {144, 128, 105, 25}, regularFont,
             on(&FrmMain::cmdRestoreDefaults_Click)},
            {ids::cmdMacro, L"BUTTON", L"Macro", button, 0, {264, 104, 105, 25}, boldFont,
             on(&FrmMain::cmdMacro_Click)},
        },
        on(&FrmMain::laidOut),
    };
    // clang-format on
}

bool FrmMain::open(int showCommand) {
    const DWORD style = WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX;
    CreateArgs args;
    args.title = caption;
    args.style = style;
    ClassInfo windowClass{L"WanderpointMain"};
    windowClass.icon = LoadIconW(win::appInstance(), MAKEINTRESOURCEW(IDI_WANDERPOINT));
    if (!create(windowClass, args)) return false;
    win::initCommonControls(ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES); // see common_controls.h

    form_.attach(hwnd(), win::dpiOf(hwnd()));
    form_.sizeWindow({form_.dpi().scale(clientWidth96), form_.dpi().scale(clientHeight96)});
    createControls();
    form_.centre(); // at the size its texts asked for
    Form_Load();
    ShowWindow(hwnd(), showCommand);
    Form_Resize(); // the first showing counts as a resize
    UpdateWindow(hwnd());
    addTrayIcon(); // once the window shows: the shell's DLL is loaded for it
    return true;
}

void FrmMain::createControls() {
    picLeftBar.create(hwnd(), ids::picLeftBar, RGB(0, 0, 0));
    picLeftBar.setFont({L"Arial", 9.75, true});
    picLeftBar.setForeColor(RGB(255, 255, 255));
    form_.create(design());
    // The status line lies under the buttons it touches, so they stay whole.
    SetWindowPos(control(ids::info), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Timer1.attach(hwnd());
    Timer2.attach(hwnd());
    Timer2.setInterval(countdownPeriod);
    releasePoll.attach(hwnd());
    releasePoll.setInterval(releasePollPeriod);
    const HMENU systemMenu = GetSystemMenu(hwnd(), FALSE);
    AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(systemMenu, MF_STRING, idmPauseWhileActive, L"Pause while I'm working");
    AppendMenuW(systemMenu, MF_STRING, idmHideWhenMinimized, L"Hide in the notification area when minimized");
    addStartWithWindows();
    form_.onCommand(idmTrayStartStop, [this] { mnuTrayStartStop_Click(); });
    form_.onCommand(idmTrayShow, [this] { mnuTrayShow_Click(); });
    form_.onCommand(idmTrayExit, [this] { mnuTrayExit_Click(); });
    form_.onCommand(idmTrayStopMacro, [this] {
        if (deps_.stopMacro) deps_.stopMacro();
    });
    form_.onCommand(idmPauseWhileActive, [this] { mnuPauseWhileActive_Click(); });
    form_.onCommand(idmHideWhenMinimized, [this] { mnuHideWhenMinimized_Click(); });
    frmCircle.setTarget(&position1Boxes_);
    frmCircle2.setTarget(&position2Boxes_);
    createImages();
    form_.layout();
}

void FrmMain::createImages() {
    const HCURSOR hand = LoadCursorW(win::appInstance(), MAKEINTRESOURCEW(IDC_HAND_POINTER));
    const wchar_t* testTip = L"Test position";
    Image1.create({hwnd(), ids::Image1, image1Rect, IDI_TEST_POSITION, testTip, hand, [this] { Image1_Click(); }},
                  form_.dpi());
    Image2.create({hwnd(), ids::Image2, image2Rect, IDI_TEST_POSITION, testTip, hand, [this] { Image2_Click(); }},
                  form_.dpi());
    // Each test image follows its position's boxes in the tab order.
    constexpr UINT orderOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    SetWindowPos(Image1.hwnd(), control(ids::Text2), 0, 0, 0, 0, orderOnly);
    SetWindowPos(Image2.hwnd(), control(ids::Text4), 0, 0, 0, 0, orderOnly);

    // Tab reaches the side bar's signs after the window's own controls. The bar leaves their
    // squares alone when it paints; they draw its picture under their own.
    const HWND bar = picLeftBar.hwnd();
    SetWindowLongPtrW(bar, GWL_EXSTYLE, GetWindowLongPtrW(bar, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    SetWindowLongPtrW(bar, GWL_STYLE, GetWindowLongPtrW(bar, GWL_STYLE) | WS_CLIPCHILDREN);
    SetWindowPos(bar, HWND_BOTTOM, 0, 0, 0, 0, orderOnly);
    Image4.create({bar, ids::Image4, image4Rect, IDI_HELP_SIGN, L"Help", hand, [this] { Image4_Click(); }},
                  form_.dpi());
    Image3.create({bar, ids::Image3, image3Rect, IDI_ABOUT_SIGN, L"About", hand, [this] { Image3_Click(); }},
                  form_.dpi());
}

void FrmMain::placeImages() {
    Image1.place(image1Rect, form_.dpi());
    Image2.place(image2Rect, form_.dpi());
    Image4.place(image4Rect, form_.dpi());
    Image3.place(image3Rect, form_.dpi());
}

void FrmMain::laidOut() {
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(form_.font(boldFont)), FALSE);
    placeImages();
    fitStatusLine(fitPositionBoxes());
    Form_Resize();
}

// The position boxes show the widest position whole; what stands right of a box moves over, the
// frames and the window grow with them. Returns how much wider the window must be.
int FrmMain::fitPositionBoxes() {
    const int first = win::growBoxesInRow({control(ids::Text1), control(ids::Label2), control(ids::Text2), Image1.hwnd()},
                                          win::widestPosition, control(ids::Frame1));
    for (const HWND c : {control(ids::Frame2), control(ids::Label4), control(ids::Text3), control(ids::Label3),
                         control(ids::Text4), Image2.hwnd()})
        win::shiftControl(c, first, 0);
    return first + win::growBoxesInRow({control(ids::Text3), control(ids::Label3), control(ids::Text4), Image2.hwnd()},
                                       win::widestPosition, control(ids::Frame2));
}

// The status line is sized for the longest line it can show. The buttons below it move down by what
// it grows, and the window grows with them.
void FrmMain::fitStatusLine(int wider) {
    LONG grown = 0;
    for (const std::wstring& longest : {statusLine(longestCountdown, 2, win::widestPosition, win::widestPosition),
                                        win::toWide(waitingForReleaseStatus()), win::toWide(pausedStatus(longestCountdown))})
        grown += win::growToText(control(ids::info), win::Grow::Taller, longest).cy;
    for (int id : {ids::Command3, ids::cmdRestoreDefaults})
        win::shiftControl(control(id), 0, grown);
    form_.sizeWindow({form_.dpi().scale(clientWidth96) + wider, form_.dpi().scale(clientHeight96) + grown});
}

void FrmMain::Form_Resize() {
    RECT client{};
    GetClientRect(hwnd(), &client);
    SetWindowPos(picLeftBar.hwnd(), nullptr, 0, 0, form_.dpi().scale(sideBarWidth96), client.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (sideBar) sideBar->Draw();
}

} // namespace wp::app
