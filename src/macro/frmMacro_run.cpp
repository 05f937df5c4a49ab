// The macro window's runner side: Run, the stop keys and the F9 poll.
#include <windows.h>

#include <algorithm>
#include <optional>

#include "core/macro_runner.h"
#include "core/play_speed.h"
#include "core/user_input_pace.h"
#include "macro/frmMacro.h"
#include "macro/frmMacro_ids.h"
#include "win/event_wait.h"
#include "win/key_input.h"
#include "win/pump.h"
#include "win/text.h"

namespace wp::macro {
namespace ids = macro_ids;

namespace {

// Shows the entry being played. Selecting a list entry costs about as much as a move, so during a
// quick stream of moves the selection is only noted: it is set on the list before anything can
// look at it (a click or a key handled between entries, a click or wait of the macro, the end of
// the run) and whenever the list is repainted. The list is repainted at a pace where painting
// takes about a sixtieth of the run (and never more often than a screen frame), and always
// before a wait and at the end.
class PlayedEntryView {
public:
    explicit PlayedEntryView(HWND list) : list_(list) {}

    void select(std::size_t index) {
        played_ = index;
        pending_ = true;
        const double start = win::monotonicMilliseconds();
        if (start >= nextPaint_) {
            apply();
            paint(start);
        }
    }

    // Puts the selection on the entry being played; the screen follows at the next paint.
    void apply() {
        if (!pending_) return;
        pending_ = false;
        if (!held_) {
            SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
            held_ = true;
        }
        const std::size_t index = played_;
        // A played entry below the visible rows brings them in a page at a time, with the entry on
        // top, rather than a row per entry: each scroll costs as much as a move.
        const auto top = static_cast<std::size_t>(std::max<LRESULT>(0, SendMessageW(list_, LB_GETTOPINDEX, 0, 0)));
        if (index < top || index >= top + visibleRows()) SendMessageW(list_, LB_SETTOPINDEX, index, 0);
        // The list takes several entries: the one selected before goes, the rest of the list untouched
        // (unselecting all of a long list costs as much as a long list of moves).
        SendMessageW(list_, LB_SETSEL, FALSE, selected_ ? static_cast<LPARAM>(*selected_) : -1);
        SendMessageW(list_, LB_SETSEL, TRUE, static_cast<LPARAM>(index));
        selected_ = index;
    }

    // Brings the selection and the screen up to date.
    void show() {
        apply();
        if (held_) paint(win::monotonicMilliseconds());
    }

private:
    static constexpr double frameMs = 15.0;
    // Timed here is only this process's part of a paint: the window server's drawing comes on top
    // and slows the moves that follow, about as much again.
    static constexpr double paintShare = 1.0 / 60.0;

    std::size_t visibleRows() const {
        RECT client{};
        GetClientRect(list_, &client);
        const LRESULT row = SendMessageW(list_, LB_GETITEMHEIGHT, 0, 0);
        return row > 0 ? std::max<std::size_t>(1, static_cast<std::size_t>(client.bottom / row)) : 1;
    }

    void paint(double start) {
        if (held_) {
            held_ = false;
            SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
            RedrawWindow(list_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        }
        const double end = win::monotonicMilliseconds();
        nextPaint_ = end + std::max(frameMs, (1.0 / paintShare - 1.0) * (end - start));
    }

    HWND list_;
    std::size_t played_ = 0;
    std::optional<std::size_t> selected_; // by this view; none yet: whatever the user selected
    bool pending_ = false; // played_ is not yet the list's selection
    bool held_ = false;
    double nextPaint_ = 0.0;
};

// Handlers that can act on the list's selection (Remove, the list's own keys and clicks) are
// started by keys and buttons; pointer moves, timers and paints are not.
bool mayLookAtTheSelection(const MSG& msg) {
    const UINT m = msg.message;
    return (m >= WM_KEYFIRST && m <= WM_KEYLAST) ||
           (m >= WM_MOUSEFIRST && m <= WM_MOUSELAST && m != WM_MOUSEMOVE) ||
           (m >= WM_NCMOUSEMOVE && m <= WM_NCXBUTTONDBLCLK && m != WM_NCMOUSEMOVE);
}

} // namespace

// Plays on this window while the opening that started the run lasts; once the window is
// closed (or closed and opened again), the run touches it no more.
class FrmMacro::RunHost final : public RunnerHost {
public:
    explicit RunHost(FrmMacro& window)
        : window_(window), opening_(window.opening_), view_(window.control(ids::lstCommand)) {}

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
        if (!closed()) view_.select(index);
    }
    void showProgress(const RunProgress& progress) override {
        if (!closed()) window_.showRunProgress(&progress);
    }

    void singleClick(std::int32_t lButton) override {
        selectPlayedEntry();
        window_.clicks().SingleClick(lButton);
    }
    void doubleClick(std::int32_t lButton) override {
        selectPlayedEntry();
        window_.clicks().DoubleClick(lButton);
    }
    void sendKeys(const std::vector<KeyStroke>& strokes) override {
        selectPlayedEntry();
        win::sendKeyStrokes(strokes);
    }
    void turnWheel(int notches) override {
        selectPlayedEntry();
        win::turnWheel(notches);
    }
    void moveTo(std::int32_t x, std::int32_t y) override {
        PointerPort& pointer = window_.deps_.pointer;
        pointer.setCursorPos(x, y);
        if (inputPace_.due(win::monotonicMilliseconds())) pointer.reportUserInput();
    }

    void wait(double milliseconds) override {
        if (!closed()) view_.show();
        win::waitLettingEventsRun(win::monotonicMilliseconds() + milliseconds, [this] { return closed(); });
    }

    void letPendingEventsRun() override {
        win::letPendingEventsRun([this](const MSG& msg) {
            if (mayLookAtTheSelection(msg) && !closed()) view_.apply();
        });
    }

    void endRun() override {
        if (closed()) return;
        view_.show();
        window_.showRunProgress(nullptr);
        EnableWindow(window_.control(ids::cmdRun), TRUE);
        SetWindowTextW(window_.hwnd(), savedTitle_.c_str());
        window_.EnableCommandInput();
    }

private:
    void selectPlayedEntry() {
        if (!closed()) view_.apply();
    }

    FrmMacro& window_;
    const unsigned opening_;
    PlayedEntryView view_;
    UserInputPace inputPace_;
    std::wstring savedTitle_;
};

// The pass and speed stand in the window; the icon's tip follows the entry too, at a pace the
// shell takes without slowing a quick stream of moves.
void FrmMacro::showRunProgress(const RunProgress* progress) {
    const std::wstring status = progress ? win::toWide(runStatusText(*progress, playSpeed_)) : std::wstring();
    if (status != runStatus_) SetWindowTextW(control(ids::lblRunStatus), status.c_str()), runStatus_ = status;
    if (!deps_.showPlaying) return;
    const double now = win::monotonicMilliseconds();
    if (progress && now < nextTipMs_ && progress->pass == tipPass_) return;
    constexpr double tipPaceMs = 250;
    nextTipMs_ = now + tipPaceMs;
    tipPass_ = progress ? progress->pass : 0;
    deps_.showPlaying(progress ? win::toWide(playingText(*progress)) : std::wstring());
}

bool FrmMacro::running() const { return exists() && runningOpening_ == opening_; }

void FrmMacro::cmdRun_Click() {
    if (!exists() || running() || recording()) return;
    RunHost host(*this);
    const unsigned opening = opening_;
    runningOpening_ = opening;
    runMacro(host, StopMacro, decimalSeparator_, {playSpeed_, std::nullopt});
    if (runningOpening_ == opening) runningOpening_ = 0;
}

void FrmMacro::Form_KeyUp(int keyCode, int /*shift*/) {
    if (keyCode == VK_ESCAPE) StopMacro = true;
}

// The shortcut keys come as WM_HOTKEY (see frmMacro_keys.cpp); the poll lets a held one count
// again once it is up, and takes what a recording has settled.
void FrmMacro::tmrCheckShortcuKey_Timer() {
    pollHeldKeys();
    if (recording()) takeRecordedEntries();
}

} // namespace wp::macro
