// The about window: title, version, scrolling comments, disclaimer, copyright, a logo that can be
// dragged with Ctrl + left button, and the web and mail links.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "about/shell_port.h"
#include "core/about_motion.h"
#include "core/app_info.h"
#include "win/dpi.h"
#include "win/form.h"
#include "win/handle.h"
#include "win/picture_box.h"
#include "win/window.h"
#include "win/window_timer.h"

namespace wp::about {

// Placeholders under a domain reserved for examples; each must fit its link label (141 and 165 pixels).
inline constexpr char WebSiteAddress[] = "https://wp.example.org";
inline constexpr char EMailAddress[] = "wanderpoint@example.org";

struct AboutDeps {
    ShellPort& shell;
    app::AppInfo info = app::appInfo;
};

class FrmAbout final : public win::Window {
public:
    static constexpr const wchar_t* caption = L"About";
    static constexpr UINT_PTR tmrScrollId = 1;
    static constexpr UINT_PTR timer1Id = 2;
    static constexpr std::uint32_t logoRestPeriod = 200;
    static constexpr std::uint32_t logoFollowPeriod = 50;

    explicit FrmAbout(AboutDeps deps);
    ~FrmAbout() override;

    // Creates the window, hidden, centred on `owner` (may be null), and runs its load handling.
    bool load(HWND owner);
    // Shows it; both timers start.
    void show();
    // Shows it and returns when it is closed. Meanwhile the program's other windows take no input,
    // but every message, timers included, keeps being handled.
    void showModal();

    HWND control(int id) const;
    // The logo's place in client pixels.
    RECT imgLogo() const { return logo_; }

private:
    // The handlers: only the window's messages reach them.
    void Form_Load();
    void tmrScroll_Timer();
    void Timer1_Timer();
    void imgLogo_MouseDown(std::int32_t button, std::int32_t shift, std::int32_t x, std::int32_t y);
    void imgLogo_MouseUp(std::int32_t button, std::int32_t shift, std::int32_t x, std::int32_t y);
    void lblWeb_Click() { OpenWebSite(); }
    void lblEmail_Click() { SendEMail(); }
    void OpenWebSite();
    void SendEMail();

    win::PictureBox picCont;
    win::WindowTimer tmrScroll{tmrScrollId};
    win::WindowTimer Timer1{timer1Id};
    bool bMoveLogo = false;

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool preTranslateMessage(MSG& msg) override;
    void makeLinksKeyboardReachable();
    win::FormDesign design();
    void createControls();
    void paint(HDC dc) const;
    void fitTexts();
    void moveLogo(POINT topLeft);
    void onLogoMouse(UINT message, WPARAM wParam, LPARAM lParam);
    void onMouseDown(std::int32_t button, WPARAM keys, LPARAM at);
    void onMouseUp(std::int32_t button, WPARAM keys, LPARAM at);
    void onCaptureChanged(HWND taker);
    void stopTimers();
    void disableOtherWindows();
    void enableOtherWindows();
    win::Dpi dpi() const { return form_.dpi(); }
    COLORREF textColourOf(HWND label) const;

    AboutDeps deps_;
    win::Form form_;
    win::Brush background_;
    win::Bitmap logoPicture_;
    HCURSOR hand_ = nullptr; // a shared resource: not destroyed
    COLORREF versionColour_ = RGB(0, 0, 255);
    COLORREF copyrightColour_ = RGB(0, 0, 0);
    RECT logo_{};
    SIZE grown_{};    // what the texts added to the design size
    int lineShift_ = 0; // how far the line between the links moved right
    bool logoPressed_ = false;
    CommentsScroll scroll_;
    std::vector<HWND> disabled_;
};

// Opens the about window over the main window and returns when it is closed.
void showAboutWindow(HWND mainWindow);
void showAboutWindow(HWND mainWindow, const AboutDeps& deps);

} // namespace wp::about
