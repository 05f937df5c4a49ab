#include "app/frmMain.h"

#include <algorithm>
#include <iterator>

#include "about/frmAbout.h"
#include "app/frmMain_ids.h"
#include "core/app_info.h"
#include "core/interval.h"
#include "core/marker_geometry.h"
#include "core/numbers.h"
#include "markers/markers.h"
#include "res/resource.h"
#include "win/message_box.h"
#include "win/pointer_port.h"
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

constexpr int boxMaxChars = 4;

// A label takes the width its text needs on one line.
FormRow label(int id, const wchar_t* text, DesignRect rect, int font) {
    return FormRow{id, L"STATIC", text, labelStyle, 0, rect, font}.fits(Fit::Wider);
}

FormRow box(int id, const wchar_t* text, DesignRect rect, std::function<void()> onChange = nullptr) {
    return FormRow{
        id, L"EDIT", text, WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, rect, regularFont, std::move(onChange)}
        .limitedTo(boxMaxChars);
}

// The test images stand in the frames, the signs in the side bar.
constexpr DesignRect image1Rect{32 + 136, 8 + 30, 32, 32};
constexpr DesignRect image2Rect{208 + 137, 8 + 30, 32, 32};
constexpr DesignRect image4Rect{0, 0, 17, 17};
constexpr DesignRect image3Rect{0, 19, 17, 17};

const wchar_t disclaimerText[] = L"Use this program wisely.\r\n"
                                 L"\r\n"
                                 L"Otherwise bad things could happen,\r\n"
                                 L"and if they do, I will not be held\r\n"
                                 L"resposnsible. If you don't agree then \r\n"
                                 L"don't use this program";

// Centres a marker on the position in two boxes, by half its own width (the markers differ in width
// only on monitors of different scaling). A box that is not a number leaves the marker where it is.
void placeMarker(markers::Marker& marker, const win::TextBox& xBox, const win::TextBox& yBox, char decimalSeparator) {
    const auto x = readNumber(win::toUtf8(xBox.text()), decimalSeparator);
    const auto y = readNumber(win::toUtf8(yBox.text()), decimalSeparator);
    if (!x || !y) return;
    const double width = marker.widthTwips();
    marker.move(markerEdgeTwips(x.value, width), markerEdgeTwips(y.value, width));
}

std::wstring statusLine(std::int32_t seconds, int position, const std::wstring& x, const std::wstring& y) {
    return L"In " + std::to_wstring(seconds) + L" secs, I'll switch to position " + std::to_wstring(position) + L" (" +
           x + L"," + y + L")";
}

// The interval box holds at most 65 seconds.
constexpr std::int32_t longestCountdown = 65;

std::wstring appTitle() { return win::toWide(appInfo.Title); }

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
            box(ids::TimInt, L"60", {264, 80, 25, 19}, on(&FrmMain::TimInt_Change)).drives(TimInt),
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

FrmMain::FrmMain(MainWindowDeps deps) : deps_(std::move(deps)), decimalSeparator_(win::userDecimalSeparator()) {}

FrmMain::~FrmMain() {
    // The markers of the two positions go with this window, as they go when the program ends.
    for (markers::Marker* marker : {&markers::frmCircle, &markers::frmCircle2}) {
        marker->close();
        marker->setTarget(nullptr);
    }
    // Destroy while the object is whole, so WM_DESTROY reaches this class's handler.
    destroy();
}

bool FrmMain::open(int showCommand) {
    const DWORD style = WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX;
    CreateArgs args;
    args.title = caption;
    args.style = style;
    ClassInfo windowClass{L"WanderpointMain"};
    windowClass.icon = LoadIconW(win::appInstance(), MAKEINTRESOURCEW(IDI_WANDERPOINT));
    if (!create(windowClass, args)) return false;

    form_.attach(hwnd(), win::dpiOf(hwnd()));
    form_.sizeWindow({form_.dpi().scale(clientWidth96), form_.dpi().scale(clientHeight96)});
    createControls();
    form_.centre(); // at the size its texts asked for
    Form_Load();
    ShowWindow(hwnd(), showCommand);
    Form_Resize(); // the first showing counts as a resize
    UpdateWindow(hwnd());
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
    markers::frmCircle.setTarget(&position1Boxes_);
    markers::frmCircle2.setTarget(&position2Boxes_);
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
    fitStatusLine();
    Form_Resize();
}

// The status line is sized for the longest line it can show. The buttons below it move down by what
// it grows, and the window grows with them.
void FrmMain::fitStatusLine() {
    const std::wstring longest = statusLine(longestCountdown, 2, L"9999", L"9999");
    const SIZE growth = win::growToText(control(ids::info), win::Grow::Taller, longest);
    for (int id : {ids::Command3, ids::cmdRestoreDefaults})
        win::shiftControl(control(id), 0, growth.cy);
    form_.sizeWindow({form_.dpi().scale(clientWidth96), form_.dpi().scale(clientHeight96) + growth.cy});
}

void FrmMain::Form_Resize() {
    RECT client{};
    GetClientRect(hwnd(), &client);
    SetWindowPos(picLeftBar.hwnd(), nullptr, 0, 0, form_.dpi().scale(sideBarWidth96), client.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (sideBar) sideBar->Draw();
}

void FrmMain::Form_Load() {
    if (!sideBar) sideBar = std::make_unique<sidebar::SideBar>();
    sideBar->DrawingObject(&picLeftBar);
    sideBar->Caption(L"Wanderpoint");
    LoadSettings();
}

void FrmMain::Form_Unload() {
    SaveSettings();
    holdAwake(false); // the program may end here at once, without WM_DESTROY
    if (deps_.endProgram) deps_.endProgram();
}

void FrmMain::Command3_Click() {
    const auto period = switchPeriodMilliseconds(win::toUtf8(TimInt.text()), decimalSeparator_);
    Timer1.setInterval(period.value_or(0));
    Timer1.setEnabled(!Timer1.enabled());
    Timer2.setEnabled(!Timer2.enabled());
    if (!Timer1.enabled()) {
        SetWindowTextW(control(ids::Command3), L"Start moving");
    } else {
        SetWindowTextW(control(ids::Command3), L"Stop moving");
        iSecsLeft = intervalWholeSeconds();
    }
    holdAwake(Timer1.enabled());
}

void FrmMain::Timer1_Timer() {
    bAtPosition1 = !bAtPosition1;
    if (bAtPosition1) {
        writeStatus(0, 2);
        win::jumpPointerTo(deps_.pointer, Text1, Text2, decimalSeparator_);
    } else {
        writeStatus(0, 1);
        win::jumpPointerTo(deps_.pointer, Text3, Text4, decimalSeparator_);
    }
    iSecsLeft = intervalWholeSeconds();
}

void FrmMain::Timer2_Timer() {
    if (iSecsLeft > 0) --iSecsLeft;
    else iSecsLeft = intervalWholeSeconds();
    writeStatus(iSecsLeft, bAtPosition1 ? 2 : 1);
}

void FrmMain::TimInt_Change() {
    const std::wstring normal = win::toWide(normalisedIntervalText(win::toUtf8(TimInt.text()), decimalSeparator_));
    if (normal != TimInt.text()) {
        TimInt.setText(normal); // runs this handler again, one level deep
        SendMessageW(TimInt.hwnd(), EM_SETSEL, normal.size(), normal.size());
    }
    const auto period = switchPeriodMilliseconds(win::toUtf8(TimInt.text()), decimalSeparator_);
    if (!period) {
        TimInt.setText(win::toWide(fallbackIntervalText));
        SendMessageW(TimInt.hwnd(), EM_SETSEL, fallbackIntervalText.size(), fallbackIntervalText.size());
        return;
    }
    Timer1.setInterval(*period);
}

void FrmMain::Check1_Click() {
    using markers::frmCircle;
    using markers::frmCircle2;
    if (Check1.checked()) {
        frmCircle.show();
        frmCircle2.show();
        placeMarker(frmCircle, Text1, Text2, decimalSeparator_);
        placeMarker(frmCircle2, Text3, Text4, decimalSeparator_);
    } else {
        frmCircle.hide();
        frmCircle2.hide();
    }
}

void FrmMain::cmdRestoreDefaults_Click() {
    Text1.setText(L"0");
    Text2.setText(L"0");
    Text3.setText(L"400");
    Text4.setText(L"400");
    TimInt.setText(L"60");
    Check1.setChecked(false);
}

void FrmMain::cmdMacro_Click() {
    if (deps_.showMacro) deps_.showMacro();
}

void FrmMain::Image1_Click() {
    win::jumpPointerTo(deps_.pointer, Text1, Text2, decimalSeparator_);
}

void FrmMain::Image2_Click() {
    win::jumpPointerTo(deps_.pointer, Text3, Text4, decimalSeparator_);
}

void FrmMain::Image3_Click() { about::showAboutWindow(hwnd()); }

void FrmMain::Image4_Click() { win::messageBox(hwnd(), disclaimerText, L"Disclaimer", MB_ICONEXCLAMATION | MB_OK); }

void FrmMain::Form_Paint() {
    for (int frame : {ids::Frame1, ids::Frame2})
        RedrawWindow(control(frame), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void FrmMain::LoadSettings() {
    const std::wstring title = appTitle();
    auto read = [&](const wchar_t* section, const wchar_t* key) { return deps_.settings.read(section, key); };
    const std::wstring x1 = read(L"Position1", L"x");
    if (x1.empty()) return;
    Text1.setText(x1);
    Text2.setText(read(L"Position1", L"y"));
    Text3.setText(read(L"Position2", L"x"));
    Text4.setText(read(L"Position2", L"y"));
    TimInt.setText(read(L"Settings", L"interval"));
    Check1.setChecked(read(L"Settings", L"ShowHelpers") == L"1");
}

void FrmMain::SaveSettings() {
    auto& store = deps_.settings;
    store.write(L"Position1", L"x", Text1.text());
    store.write(L"Position1", L"y", Text2.text());
    store.write(L"Position2", L"x", Text3.text());
    store.write(L"Position2", L"y", Text4.text());
    store.write(L"Settings", L"interval", TimInt.text());
    store.write(L"Settings", L"ShowHelpers", Check1.checked() ? L"1" : L"0");
}

void FrmMain::writeStatus(std::int32_t seconds, int position) {
    const win::TextBox& x = position == 1 ? Text1 : Text3;
    const win::TextBox& y = position == 1 ? Text2 : Text4;
    SetWindowTextW(control(ids::info), statusLine(seconds, position, x.text(), y.text()).c_str());
}

std::int16_t FrmMain::intervalWholeSeconds() const {
    const auto seconds = wholeNumber(win::toUtf8(TimInt.text()), decimalSeparator_);
    return seconds ? static_cast<std::int16_t>(std::clamp(seconds.value, -32768, 32767)) : std::int16_t{0};
}

void FrmMain::holdAwake(bool awake) {
    if (awake == heldAwake_) return;
    heldAwake_ = awake;
    static win::SystemExecutionState systemState;
    win::keepAwake(deps_.executionState ? *deps_.executionState : systemState, awake);
}

LRESULT FrmMain::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto handled = form_.handle(message, wParam, lParam)) return *handled;
    switch (message) {
    case WM_TIMER:
        if (wParam == timer1Id) Timer1_Timer();
        else if (wParam == timer2Id) Timer2_Timer();
        return 0;
    case DM_GETDEFID:
        return MAKELRESULT(ids::Command3, DC_HASDEFID);
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) == control(ids::info)) {
            const HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, RGB(128, 128, 128));
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        break;
    case WM_SIZE:
        Form_Resize();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            focusedControl_ = IsChild(hwnd(), focus) ? focus : nullptr;
        } else if (focusedControl_ && IsChild(hwnd(), focusedControl_)) {
            SetFocus(focusedControl_);
            return 0;
        }
        break;
    case WM_PAINT: {
        { win::PaintScope paint(hwnd()); }
        Form_Paint();
        return 0;
    }
    case WM_CLOSE:
        Form_Unload();
        destroy();
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        // Log off or shut down: the process ends without a WM_CLOSE, so this is the last chance.
        if (wParam) SaveSettings();
        return 0;
    case WM_DESTROY:
        Timer1.setEnabled(false);
        Timer2.setEnabled(false);
        holdAwake(false);
        return 0;
    default:
        break;
    }
    return defaultProc(message, wParam, lParam);
}

} // namespace wp::app
