// The macro window's runner side: Run, the stop keys and the F9 poll.
#include <windows.h>

#include "core/macro_runner.h"
#include "macro/frmMacro.h"
#include "macro/frmMacro_ids.h"
#include "win/event_wait.h"
#include "win/pump.h"
#include "win/text.h"

namespace wp::macro {
namespace ids = macro_ids;

// Plays on this window while the opening that started the run lasts; once the window is
// closed (or closed and opened again), the run touches it no more.
class FrmMacro::RunHost final : public RunnerHost {
public:
    explicit RunHost(FrmMacro& window) : window_(window), opening_(window.opening_) {}

    bool closed() override { return !window_.exists() || window_.opening_ != opening_ || win::quitRequested(); }

    void beginRun() override {
        window_.DisableCommandInput();
        EnableWindow(window_.control(ids::cmdRun), FALSE);
        savedTitle_ = win::windowText(window_.hwnd());
        if (window_.deps_.marker.isLoaded()) window_.deps_.marker.close();
        SetWindowTextW(window_.hwnd(), runningCaption);
        // ESC must reach the window: the focus may have been on a control that is now disabled.
        const HWND focus = GetFocus();
        if (GetActiveWindow() == window_.hwnd() && (!focus || !IsWindowEnabled(focus)))
            SetFocus(window_.control(ids::lstCommand));
    }

    std::vector<std::string> entryTexts() override {
        std::vector<std::string> texts;
        for (const std::wstring& entry : window_.entries()) texts.push_back(win::toUtf8(entry));
        return texts;
    }

    std::size_t entryCount() override {
        if (closed()) return 0;
        const LRESULT count = SendMessageW(window_.control(ids::lstCommand), LB_GETCOUNT, 0, 0);
        return count > 0 ? static_cast<std::size_t>(count) : 0;
    }

    void selectEntry(std::size_t index) override {
        if (!closed()) SendMessageW(window_.control(ids::lstCommand), LB_SETCURSEL, index, 0);
    }

    void singleClick(std::int32_t lButton) override { window_.clicks().SingleClick(lButton); }
    void doubleClick(std::int32_t lButton) override { window_.clicks().DoubleClick(lButton); }
    void moveTo(std::int32_t x, std::int32_t y) override { jumpPointer(window_.deps_.pointer, x, y); }

    void wait(double milliseconds) override {
        win::waitLettingEventsRun(win::monotonicMilliseconds() + milliseconds, [this] { return closed(); });
    }

    void letPendingEventsRun() override { win::letPendingEventsRun(); }

    void endRun() override {
        if (closed()) return;
        EnableWindow(window_.control(ids::cmdRun), TRUE);
        SetWindowTextW(window_.hwnd(), savedTitle_.c_str());
        window_.EnableCommandInput();
    }

private:
    FrmMacro& window_;
    const unsigned opening_;
    std::wstring savedTitle_;
};

bool FrmMacro::running() const { return exists() && runningOpening_ == opening_; }

void FrmMacro::cmdRun_Click() {
    if (!exists() || running()) return;
    RunHost host(*this);
    const unsigned opening = opening_;
    runningOpening_ = opening;
    runMacro(host, StopMacro, decimalSeparator_);
    if (runningOpening_ == opening) runningOpening_ = 0;
}

void FrmMacro::Form_KeyUp(int keyCode, int /*shift*/) {
    if (keyCode == VK_ESCAPE) StopMacro = true;
}

// Acts once per press: on the poll that first sees the key down, or sees that it went down and
// up again since the last poll. A press during a run stops it, as ESC does, from any application.
void FrmMacro::tmrCheckShortcuKey_Timer() {
    const SHORT state = deps_.asyncKeyState ? deps_.asyncKeyState(VK_F9) : GetAsyncKeyState(VK_F9);
    const bool down = (state & 0x8000) != 0;
    const bool pressed = !f9WasDown_ && (down || (state & 1) != 0);
    f9WasDown_ = down;
    if (!F9Enabled || !pressed) return;
    if (running()) StopMacro = true;
    else cmdRun_Click();
}

} // namespace wp::macro
