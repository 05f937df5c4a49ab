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
#include "win/text.h"

namespace wp::app {
namespace ids = main_ids;
using win::DesignRect;

namespace {

enum class FontKind { Regular, Bold, Arial9 };

struct ControlDesign {
    int id;
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    DWORD exStyle;
    DesignRect rect; // client pixels at 96 DPI; children of a frame already carry its offset
    FontKind font;
};

constexpr int clientWidth96 = 382;
constexpr int clientHeight96 = 160;
constexpr int sideBarWidth96 = 17;
constexpr DWORD editStyle = WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD labelStyle = SS_LEFT | SS_NOPREFIX;

// In tab order. Frame1 is at (32, 8) and Frame2 at (208, 8); their controls are placed on the
// window itself, so that every control reports to the window.
// The status line cannot run to the right edge: the Macro button stands on its row. It takes the
// room up to that button, two lines high, so that the whole text stays readable.
const ControlDesign designTable[] = {
    {ids::Command3, L"BUTTON", L"Start moving", WS_TABSTOP | BS_DEFPUSHBUTTON, 0, {24, 128, 105, 25}, FontKind::Regular},
    {ids::info, L"STATIC", L"", labelStyle | WS_CLIPSIBLINGS, 0, {136, 104, 127, 26}, FontKind::Bold},
    {ids::Label6, L"STATIC", L"seconds", labelStyle, 0, {296, 80, 48, 15}, FontKind::Arial9},
    {ids::Frame1, L"BUTTON", L"Position1", BS_GROUPBOX, 0, {32, 8, 169, 65}, FontKind::Regular},
    {ids::Label1, L"STATIC", L"X:", labelStyle, 0, {32 + 8, 8 + 32, 10, 13}, FontKind::Regular},
    {ids::Label2, L"STATIC", L"Y:", labelStyle, 0, {32 + 72, 8 + 32, 10, 13}, FontKind::Regular},
    {ids::Frame2, L"BUTTON", L"Position2", BS_GROUPBOX, 0, {208, 8, 169, 65}, FontKind::Regular},
    {ids::Label3, L"STATIC", L"Y:", labelStyle, 0, {208 + 72, 8 + 32, 10, 13}, FontKind::Regular},
    {ids::Label4, L"STATIC", L"X:", labelStyle, 0, {208 + 8, 8 + 32, 10, 13}, FontKind::Regular},
    {ids::Label5, L"STATIC", L"Switch between Pos.1 and Pos.2 every", labelStyle, 0, {32, 80, 211, 15}, FontKind::Arial9},
    {ids::Text1, L"EDIT", L"0", editStyle, WS_EX_CLIENTEDGE, {32 + 24, 8 + 32, 41, 19}, FontKind::Regular},
    {ids::Text2, L"EDIT", L"0", editStyle, WS_EX_CLIENTEDGE, {32 + 88, 8 + 32, 41, 19}, FontKind::Regular},
    {ids::Text3, L"EDIT", L"400", editStyle, WS_EX_CLIENTEDGE, {208 + 24, 8 + 32, 41, 19}, FontKind::Regular},
    {ids::Text4, L"EDIT", L"400", editStyle, WS_EX_CLIENTEDGE, {208 + 88, 8 + 32, 41, 19}, FontKind::Regular},
    {ids::TimInt, L"EDIT", L"60", editStyle, WS_EX_CLIENTEDGE, {264, 80, 25, 19}, FontKind::Regular},
    {ids::Check1, L"BUTTON", L"Show helpers", WS_TABSTOP | BS_AUTOCHECKBOX, 0, {32, 104, 105, 17}, FontKind::Regular},
    {ids::cmdRestoreDefaults, L"BUTTON", L"Restore defaults", WS_TABSTOP, 0, {144, 128, 105, 25}, FontKind::Regular},
    {ids::cmdMacro, L"BUTTON", L"Macro", WS_TABSTOP, 0, {264, 104, 105, 25}, FontKind::Bold},
};

constexpr int boxMaxChars = 4;

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

    dpi_ = win::dpiOf(hwnd());
    placeWindow(dpi_.scale(clientWidth96), dpi_.scale(clientHeight96), true);
    createControls();
    RECT client{};
    GetClientRect(hwnd(), &client);
    placeWindow(client.right, client.bottom, true); // centred at the size its texts asked for
    Form_Load();
    ShowWindow(hwnd(), showCommand);
    Form_Resize(); // the first showing counts as a resize
    UpdateWindow(hwnd());
    return true;
}

void FrmMain::placeWindow(int clientWidth, int clientHeight, bool centre) {
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE));
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectExForDpi(&frame, style, FALSE, 0, dpi_.value);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    if (!centre) {
        SetWindowPos(hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    MONITORINFO monitor{sizeof monitor};
    GetMonitorInfoW(MonitorFromWindow(hwnd(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    SetWindowPos(hwnd(), nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FrmMain::createControls() {
    picLeftBar.create(hwnd(), ids::picLeftBar, RGB(0, 0, 0));
    picLeftBar.setFont({L"Arial", 9.75, true});
    picLeftBar.setForeColor(RGB(255, 255, 255));
    for (const ControlDesign& design : designTable) {
        win::createControl(hwnd(), {design.className, design.text, design.style, design.exStyle, design.rect, design.id},
                           dpi_);
    }
    // The status line lies under the buttons it touches, so they stay whole.
    SetWindowPos(control(ids::info), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (int id : {ids::Text1, ids::Text2, ids::Text3, ids::Text4, ids::TimInt})
        SendMessageW(control(id), EM_LIMITTEXT, boxMaxChars, 0);

    Text1.attach(control(ids::Text1), nullptr);
    Text2.attach(control(ids::Text2), nullptr);
    Text3.attach(control(ids::Text3), nullptr);
    Text4.attach(control(ids::Text4), nullptr);
    TimInt.attach(control(ids::TimInt), [this] { TimInt_Change(); });
    Check1.attach(control(ids::Check1), [this] { Check1_Click(); });
    Timer1.attach(hwnd());
    Timer2.attach(hwnd());
    Timer2.setInterval(countdownPeriod);
    markers::frmCircle.setTarget(&position1Boxes_);
    markers::frmCircle2.setTarget(&position2Boxes_);
    createImages();
    layout();
}

void FrmMain::createImages() {
    const HCURSOR hand = LoadCursorW(win::appInstance(), MAKEINTRESOURCEW(IDC_HAND_POINTER));
    const wchar_t* testTip = L"Test position";
    Image1.create({hwnd(), ids::Image1, image1Rect, IDI_TEST_POSITION, testTip, hand, [this] { Image1_Click(); }}, dpi_);
    Image2.create({hwnd(), ids::Image2, image2Rect, IDI_TEST_POSITION, testTip, hand, [this] { Image2_Click(); }}, dpi_);
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
    Image4.create({bar, ids::Image4, image4Rect, IDI_HELP_SIGN, L"Help", hand, [this] { Image4_Click(); }}, dpi_);
    Image3.create({bar, ids::Image3, image3Rect, IDI_ABOUT_SIGN, L"About", hand, [this] { Image3_Click(); }}, dpi_);
}

void FrmMain::placeImages() {
    Image1.place(image1Rect, dpi_);
    Image2.place(image2Rect, dpi_);
    Image4.place(image4Rect, dpi_);
    Image3.place(image3Rect, dpi_);
}

void FrmMain::layout() {
    regularFont_ = win::createFont({L"MS Sans Serif", 825}, dpi_);
    boldFont_ = win::createFont({L"MS Sans Serif", 825, true}, dpi_);
    arialFont_ = win::createFont({L"Arial", 900}, dpi_);
    for (const ControlDesign& design : designTable) {
        const HWND child = control(design.id);
        win::placeControl(child, design.rect, dpi_);
        const HFONT font = design.font == FontKind::Bold     ? boldFont_.get()
                           : design.font == FontKind::Arial9 ? arialFont_.get()
                                                             : regularFont_.get();
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        if (design.style == labelStyle) win::growToText(child, win::Grow::Wider);
    }
    win::growToText(control(ids::Check1), win::Grow::Wider);
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_.get()), FALSE);
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
    placeWindow(dpi_.scale(clientWidth96), dpi_.scale(clientHeight96) + growth.cy, false);
}

void FrmMain::Form_Resize() {
    RECT client{};
    GetClientRect(hwnd(), &client);
    SetWindowPos(picLeftBar.hwnd(), nullptr, 0, 0, dpi_.scale(sideBarWidth96), client.bottom,
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
        movePointerTo(Text1, Text2);
    } else {
        writeStatus(0, 1);
        movePointerTo(Text3, Text4);
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

void FrmMain::Image1_Click() { movePointerTo(Text1, Text2); }

void FrmMain::Image2_Click() { movePointerTo(Text3, Text4); }

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

void FrmMain::movePointerTo(const win::TextBox& xBox, const win::TextBox& yBox) {
    const auto x = wholeNumber(win::toUtf8(xBox.text()), decimalSeparator_);
    const auto y = wholeNumber(win::toUtf8(yBox.text()), decimalSeparator_);
    if (x && y) jumpPointer(deps_.pointer, x.value, y.value); // a box that is not a number: no move
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

void FrmMain::onCommand(int id, int notification) {
    switch (id) {
    case ids::Command3:
        if (notification == BN_CLICKED) Command3_Click();
        break;
    case ids::Check1:
        if (notification == BN_CLICKED) Check1.clicked();
        break;
    case ids::cmdRestoreDefaults:
        if (notification == BN_CLICKED) cmdRestoreDefaults_Click();
        break;
    case ids::cmdMacro:
        if (notification == BN_CLICKED) cmdMacro_Click();
        break;
    case ids::Text1:
    case ids::Text2:
    case ids::Text3:
    case ids::Text4:
    case ids::TimInt:
        if (notification == EN_CHANGE) {
            win::TextBox* boxes[] = {&Text1, &Text2, &Text3, &Text4, &TimInt};
            boxes[id - ids::Text1]->edited();
        }
        break;
    default:
        break;
    }
}

LRESULT FrmMain::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
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
    case WM_DPICHANGED: {
        dpi_ = win::Dpi{HIWORD(wParam)};
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd(), nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        layout();
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
