#include "app/frmMain.h"

#include <algorithm>

#include "about/frmAbout.h"
#include "app/frmMain_ids.h"
#include "core/app_info.h"
#include "core/interval.h"
#include "core/marker_geometry.h"
#include "core/numbers.h"
#include "markers/markers.h"
#include "win/event_wait.h"
#include "win/message_box.h"
#include "win/pointer_port.h"
#include "win/text.h"

namespace wp::app {
namespace ids = main_ids;

namespace {

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

std::wstring appTitle() {
    return win::toWide(appInfo.Title);
}

} // namespace

std::wstring FrmMain::statusLine(std::int32_t seconds, int position, const std::wstring& x, const std::wstring& y) {
    return L"In " + std::to_wstring(seconds) + L" secs, I'll switch to position " + std::to_wstring(position) + L" (" +
           x + L"," + y + L")";
}

FrmMain::FrmMain(MainWindowDeps deps) : deps_(std::move(deps)), decimalSeparator_(win::userDecimalSeparator()) {}

FrmMain::~FrmMain() {
    // The markers go first: once their windows are gone nothing can write into the boxes.
    frmCircle.close();
    frmCircle2.close();
    // Destroy while the object is whole, so WM_DESTROY reaches this class's handler.
    destroy();
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
    trayIcon.remove();
    if (deps_.endProgram) deps_.endProgram();
}

void FrmMain::Command3_Click() {
    const auto period = switchPeriodMilliseconds(win::toUtf8(TimInt.text()), decimalSeparator_);
    Timer1.setInterval(period.value_or(0));
    Timer1.setEnabled(!Timer1.enabled());
    Timer2.setEnabled(!Timer2.enabled());
    if (!Timer1.enabled()) {
        SetWindowTextW(control(ids::Command3), L"Start moving");
        gate_.reset();
        releasePoll.setEnabled(false);
    } else {
        SetWindowTextW(control(ids::Command3), L"Stop moving");
        iSecsLeft = intervalWholeSeconds();
    }
    holdAwake(Timer1.enabled());
    watchUserInput();
    updateTrayTip();
}

void FrmMain::Timer1_Timer() {
    const SwitchGate::Activity activity{win::monotonicMilliseconds(), win::anyMouseButtonHeld(),
                                        inputWatch_ ? inputWatch_->lastInputMs() : std::nullopt};
    switch (gate_.due(activity, Timer1.interval())) {
    case SwitchGate::Action::Switch:
        switchNow();
        break;
    case SwitchGate::Action::Wait:
        writeStatusText(waitingForReleaseStatus());
        releasePoll.setEnabled(true);
        break;
    case SwitchGate::Action::Skip:
        iSecsLeft = intervalWholeSeconds();
        writeStatusText(pausedStatus(iSecsLeft));
        break;
    case SwitchGate::Action::None:
        break;
    }
}

// The buttons are up at last: the switch happens now, and the next one a whole period later.
void FrmMain::releasePoll_Timer() {
    if (gate_.poll(win::anyMouseButtonHeld()) != SwitchGate::Action::Switch) return;
    releasePoll.setEnabled(false);
    switchNow();
    Timer1.setInterval(Timer1.interval());
}

void FrmMain::switchNow() {
    bAtPosition1 = !bAtPosition1;
    if (bAtPosition1) {
        writeStatus(0, 2);
        win::jumpPointerTo(deps_.pointer, Text1, Text2, decimalSeparator_);
    } else {
        writeStatus(0, 1);
        win::jumpPointerTo(deps_.pointer, Text3, Text4, decimalSeparator_);
    }
    iSecsLeft = intervalWholeSeconds();
    updateTrayTip();
}

void FrmMain::Timer2_Timer() {
    if (gate_.waiting()) return; // the line says what the switch waits for
    if (iSecsLeft > 0)
        --iSecsLeft;
    else
        iSecsLeft = intervalWholeSeconds();
    if (gate_.paused())
        writeStatusText(pausedStatus(iSecsLeft));
    else
        writeStatus(iSecsLeft, bAtPosition1 ? 2 : 1);
}

void FrmMain::mnuPauseWhileActive_Click() {
    setPauseWhileActive(!gate_.pauseWhileActive());
}

void FrmMain::setPauseWhileActive(bool pause) {
    gate_.setPauseWhileActive(pause);
    CheckMenuItem(GetSystemMenu(hwnd(), FALSE), idmPauseWhileActive,
                  MF_BYCOMMAND | (pause ? MF_CHECKED : MF_UNCHECKED));
    watchUserInput();
}

void FrmMain::watchUserInput() {
    if (!Timer1.enabled() || !gate_.pauseWhileActive())
        inputWatch_.reset();
    else if (!inputWatch_)
        inputWatch_ = std::make_unique<win::UserInputWatch>();
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
    updateTrayTip();
}

void FrmMain::Check1_Click() {
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

void FrmMain::Image3_Click() {
    about::showAboutWindow(hwnd());
}

void FrmMain::Image4_Click() {
    win::messageBox(hwnd(), disclaimerText, L"Disclaimer", MB_ICONEXCLAMATION | MB_OK);
}

void FrmMain::Form_Paint() {
    for (int frame : {ids::Frame1, ids::Frame2})
        RedrawWindow(control(frame), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void FrmMain::LoadSettings() {
    const std::wstring title = appTitle();
    auto read = [&](const wchar_t* section, const wchar_t* key) { return deps_.settings.read(section, key); };
    setPauseWhileActive(read(L"Settings", L"PauseWhileActive") == L"1");
    setHideWhenMinimized(read(L"Settings", L"HideWhenMinimized") == L"1");
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
    store.write(L"Settings", L"PauseWhileActive", gate_.pauseWhileActive() ? L"1" : L"0");
    store.write(L"Settings", L"HideWhenMinimized", hideWhenMinimized_ ? L"1" : L"0");
}

void FrmMain::writeStatus(std::int32_t seconds, int position) {
    const win::TextBox& x = position == 1 ? Text1 : Text3;
    const win::TextBox& y = position == 1 ? Text2 : Text4;
    SetWindowTextW(control(ids::info), statusLine(seconds, position, x.text(), y.text()).c_str());
}

void FrmMain::writeStatusText(const std::string& text) {
    SetWindowTextW(control(ids::info), win::toWide(text).c_str());
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

void FrmMain::timerTicked(WPARAM id) {
    if (id == timer1Id) Timer1_Timer();
    else if (id == timer2Id) Timer2_Timer();
    else if (id == releasePollId) releasePoll_Timer();
}

// The grey status line.
LRESULT FrmMain::statusLineColours(HDC dc) {
    SetTextColor(dc, RGB(128, 128, 128));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

// The control that had the focus gets it back when the window is active again; true when it did.
bool FrmMain::keepFocusAcrossActivation(bool active) {
    if (!active) {
        const HWND focus = GetFocus();
        focusedControl_ = IsChild(hwnd(), focus) ? focus : nullptr;
        return false;
    }
    if (!focusedControl_ || !IsChild(hwnd(), focusedControl_)) return false;
    SetFocus(focusedControl_);
    return true;
}

// The timers, the input watch, the display kept awake and the icon go with the window.
void FrmMain::letGoOfTheSystem() {
    Timer1.setEnabled(false);
    Timer2.setEnabled(false);
    releasePoll.setEnabled(false);
    inputWatch_.reset();
    holdAwake(false);
    trayIcon.remove();
}

LRESULT FrmMain::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto handled = form_.handle(message, wParam, lParam)) return *handled;
    if (message == win::NotifyIcon::taskbarCreatedMessage()) {
        // The shell started again, without the icons it had; a window hidden into an icon that is not
        // coming back goes on the taskbar instead.
        if (!trayIcon.addAgain() && !IsWindowVisible(hwnd())) ShowWindow(hwnd(), SW_SHOWMINNOACTIVE);
        return 0;
    }
    switch (message) {
    case trayMessage:
        trayIcon_Callback(wParam, lParam);
        return 0;
    case WM_TIMER:
        timerTicked(wParam);
        return 0;
    case WM_SYSCOMMAND:
        if (systemMenuCommand(static_cast<UINT>(wParam & 0xFFF0))) return 0;
        break;
    case WM_INITMENU:
        if (reinterpret_cast<HMENU>(wParam) == GetSystemMenu(hwnd(), FALSE)) showStartWithWindows();
        break;
    case DM_GETDEFID:
        return MAKELRESULT(ids::Command3, DC_HASDEFID);
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) == control(ids::info)) return statusLineColours(reinterpret_cast<HDC>(wParam));
        break;
    case WM_SIZE:
        // Hidden only while the icon can bring it back.
        if (wParam == SIZE_MINIMIZED && hideWhenMinimized_ && trayIcon.shown()) ShowWindow(hwnd(), SW_HIDE);
        Form_Resize();
        return 0;
    case WM_ACTIVATE:
        if (keepFocusAcrossActivation(LOWORD(wParam) != WA_INACTIVE)) return 0;
        break;
    case WM_PAINT: {
        {
            win::PaintScope paint(hwnd());
        }
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
        letGoOfTheSystem();
        return 0;
    default:
        break;
    }
    return defaultProc(message, wParam, lParam);
}

} // namespace wp::app
