// The main window: two positions, the interval and the switching cycle.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/pointer.h"
#include "core/switch_gate.h"
#include "markers/markers.h"
#include "markers/text_box_target.h"
#include "sidebar/side_bar.h"
#include "win/controls.h"
#include "win/execution_state.h"
#include "win/form.h"
#include "win/handle.h"
#include "win/image_control.h"
#include "win/notify_icon.h"
#include "win/picture_box.h"
#include "win/settings_store.h"
#include "win/user_input_watch.h"
#include "win/window.h"
#include "win/window_timer.h"

namespace wp::app {

struct MainWindowDeps {
    win::SettingsStore& settings;
    PointerPort& pointer;
    // Ends the program at once; the real one exits the process, tests record the call.
    std::function<void()> endProgram;
    // Shows the macro window (modeless; the open one when it is open).
    std::function<void()> showMacro;
    // Where the switching cycle keeps the system awake; null: the system itself.
    win::ExecutionStatePort* executionState = nullptr;
    // Shows the notification icon's menu at a screen point and returns once it is closed; the
    // chosen item comes as WM_COMMAND. Null: the system's popup menu.
    std::function<void(HMENU menu, POINT at)> showTrayMenu;
    // Stops the macro that plays, before its next entry.
    std::function<void()> stopMacro;
    // Where "Start with Windows" keeps its Run value (start_with_windows.h); null: no such item.
    win::RegistrySettings* startWithWindows = nullptr;
};

class FrmMain final : public win::Window {
public:
    static constexpr const wchar_t* caption = L"Switch Mouse positions";
    static constexpr UINT_PTR timer1Id = 1;
    static constexpr UINT_PTR timer2Id = 2;
    static constexpr UINT_PTR releasePollId = 3;
    // The system menu's check item; system menu commands below 0xF000 come in steps of 16.
    static constexpr UINT idmPauseWhileActive = 0x0110;
    static constexpr UINT idmHideWhenMinimized = 0x0120;
    static constexpr UINT idmStartWithWindows = 0x0130;
    // The notification icon's callback message and the commands of its menu; the check items
    // of its menu are the system menu's, by the same numbers.
    static constexpr UINT trayMessage = WM_APP + 1;
    enum TrayCommand : UINT { idmTrayStartStop = 0x0300, idmTrayShow, idmTrayExit, idmTrayStopMacro };
    // The countdown ticker's period: one count per 900 ms keeps it in step with the switch.
    static constexpr std::uint32_t countdownPeriod = 900;

    explicit FrmMain(MainWindowDeps deps);
    ~FrmMain() override;

    // What a macro plays, for the icon's tip; "" once it is over.
    void showMacroPlaying(const std::wstring& what);

    // Creates the window and its controls, runs the load handling, then shows it.
    bool open(int showCommand = SW_SHOWNORMAL);
    HWND control(int id) const { return GetDlgItem(hwnd(), id); }

    win::TextBox Text1, Text2, Text3, Text4, TimInt;
    win::CheckBox Check1;
    win::WindowTimer Timer1{timer1Id};
    win::WindowTimer Timer2{timer2Id};
    // While a due switch waits for the mouse buttons to be let go.
    win::WindowTimer releasePoll{releasePollId};
    win::PictureBox picLeftBar;
    std::unique_ptr<sidebar::SideBar> sideBar; // paints picLeftBar
    win::ImageControl Image1, Image2, Image4, Image3;
    // The markers of the two positions: this window's own, closed with it.
    markers::Marker frmCircle{markers::position1};
    markers::Marker frmCircle2{markers::position2};
    // In the notification area while the window exists; its tip tells the cycle's state.
    win::NotifyIcon trayIcon;

private:
    // What the window does for the user's commands and the system's messages; they come as messages.
    void Form_Load();
    void Form_Unload();
    void Form_Resize();
    void Command3_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void releasePoll_Timer();
    void mnuPauseWhileActive_Click();
    void mnuHideWhenMinimized_Click();
    void mnuStartWithWindows_Click();
    void trayIcon_Callback(WPARAM anchor, LPARAM event);
    void mnuTrayStartStop_Click();
    void mnuTrayShow_Click();
    void mnuTrayExit_Click();
    void TimInt_Change();
    void Check1_Click();
    void cmdRestoreDefaults_Click();
    void cmdMacro_Click();
    void Image1_Click();
    void Image2_Click();
    void Image3_Click();
    void Image4_Click();
    void Form_Paint();
    void LoadSettings();
    void SaveSettings();

    void timerTicked(WPARAM id);
    LRESULT statusLineColours(HDC dc);
    bool keepFocusAcrossActivation(bool active);
    void letGoOfTheSystem();
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    static std::wstring statusLine(std::int32_t seconds, int position, const std::wstring& x, const std::wstring& y);
    win::FormDesign design();
    void createControls();
    void createImages();
    void placeImages();
    void laidOut();
    int fitPositionBoxes();
    void fitStatusLine(int wider);
    void switchNow();
    void writeStatus(std::int32_t seconds, int position);
    void writeStatusText(const std::string& text);
    void setPauseWhileActive(bool pause);
    void watchUserInput();
    void setHideWhenMinimized(bool hide);
    bool systemMenuCommand(UINT id);
    void addStartWithWindows();
    void showStartWithWindows();
    void addTrayIcon();
    void updateTrayTip();
    win::Menu trayMenu() const;
    std::int16_t intervalWholeSeconds() const;
    void holdAwake(bool awake);

    MainWindowDeps deps_;
    char decimalSeparator_;
    win::Form form_;
    // Where the markers of the two positions write their centre after a drag.
    markers::TextBoxTarget position1Boxes_{Text1, Text2};
    markers::TextBoxTarget position2Boxes_{Text3, Text4};
    // The control that had the keyboard when another window (a marker, a message box) took it.
    HWND focusedControl_ = nullptr;
    bool heldAwake_ = false;
    SwitchGate gate_;
    // Only while the cycle runs with the pause on: the hooks see every input of the desktop.
    std::unique_ptr<win::UserInputWatch> inputWatch_;
    bool hideWhenMinimized_ = false;
    std::wstring macroPlaying_;
    bool bAtPosition1 = false;
    std::int16_t iSecsLeft = 0;
};

} // namespace wp::app
