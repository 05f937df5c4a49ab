// The macro window: composes, files and plays the command list.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/command_list.h"
#include "core/macro_recording.h"
#include "core/macro_runner.h"
#include "core/shortcut_keys.h"
#include "macro/file_dialogs.h"
#include "macro/ports.h"
#include "markers/marker_target.h"
#include "mouse/mtyMouse.h"
#include "win/controls.h"
#include "win/dpi.h"
#include "win/form.h"
#include "win/handle.h"
#include "win/hot_key.h"
#include "win/key_box.h"
#include "win/recording_hooks.h"
#include "win/window.h"
#include "win/window_timer.h"

namespace wp::macro {

class FrmMacro final : public win::Window, public markers::MarkerTarget {
public:
    static constexpr const wchar_t* caption = L"Macro";
    static constexpr const wchar_t* runningCaption = L"Running Macro - Press ESC to Stop";
    static constexpr const wchar_t* recordingCaption = L"Recording Macro - Press F9 or ESC to Stop";
    static constexpr const wchar_t* openFilter = L"All Mcaro files (*.Cmd)|*.cmd|All files (*.*)|*.*";
    static constexpr const wchar_t* saveFilter = L"All Mcaro files (*.Cmd)|*.cmd";
    static constexpr UINT_PTR shortcutTimerId = 1;
    static constexpr std::int64_t shortcutPollMilliseconds = 20;
    // WM_HOTKEY's id for a shortcut is this plus the shortcut.
    static constexpr int hotKeyIdBase = 1;

    explicit FrmMacro(MacroWindowDeps deps);
    ~FrmMacro() override;

    // Shows the window modeless: loads it afresh when it is not open, else shows the open one.
    void show(int showCommand = SW_SHOWNORMAL);
    HWND control(int id) const;
    bool running() const;
    bool recording() const { return recording_.has_value(); }
    // Stops a run before its next entry, as ESC does.
    void stopRun() {
        if (running()) StopMacro = true;
    }

    // The shortcut keys in force; a choice that cannot be taken is refused with a message.
    const ShortcutKeys& shortcutKeys() const { return shortcutKeys_; }
    void setShortcutKeys(const ShortcutKeys& chosen);

    // The macro marker's target: after a drag it writes its centre here, x first.
    void setX(const std::wstring& text) override;
    void setY(const std::wstring& text) override;

    std::vector<std::wstring> entries() const;
    // Writes a list changed since its last Open or Save to the unsaved file: when its window is closed,
    // and by the main window before the process ends.
    void keepUnsaved();
    // The Edit menu's items, between File and Options.
    static void appendEditMenu(HMENU bar);
    // Replaces the list as one step, as Open does with a file's.
    void setEntries(const std::vector<std::wstring>& entries);

    win::TextBox txtX, txtY, txtSleep, txtTimes, txtKey, txtText, txtWheel;
    win::CheckBox ChkShowHelper;
    win::WindowTimer tmrCheckShortcuKey{shortcutTimerId};
    FileDialogComponent Cmdg;
    mouse::MtyMouse mtyMouse1;

    std::wstring PendingCommand;
    bool StopMacro = false;
    bool F9Enabled = true;

private:
    class RunHost;

    // The handlers, reached through the window's messages: clicks, typing, menu commands, the timer, keys.
    void Form_Load();
    void Form_Unload();
    void Form_KeyUp(int keyCode, int shift);
    void optCommands_Click(int index);
    void txtX_Change();
    void txtY_Change();
    void txtSleep_Change();
    void txtTimes_Change();
    void txtKey_Change();
    void txtText_Change();
    void txtWheel_Change();
    void cmdAddCmd_Click();
    void cmdRemoveCmd_Click();
    void cmdRun_Click();
    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuExit_Click();
    void mnuEnableF9_Click();
    void mnuRecord_Click();
    void mnuRecordKeyboard_Click();
    void mnuSpeed_Click(int index);
    void mnuShortcutKeys_Click();
    void ChkShowHelper_Click();
    void Image1_Click();
    void tmrCheckShortcuKey_Timer();
    void DisableCommandInput();
    void EnableCommandInput();
    // Editing the list in place: frmMacro_edit, _change, _clipboard and _unsaved.cpp.
    void cmdInsert_Click();
    void moveSelected(bool down);
    void undo(bool redo);
    void changeEntry();
    void updateEntry();
    void endChange();
    bool copySelected();
    void cutSelected();
    void pasteEntries();
    std::wstring unsavedFile() const;
    void mnuRecover_Click();
    void enableRecoverItem(HMENU menu);

    class ComponentClicks final : public ClickPort {
    public:
        explicit ComponentClicks(mouse::MtyMouse& component) : component_(component) {}
        void SingleClick(std::int32_t lButton) override { component_.SingleClick(lButton); }
        void DoubleClick(std::int32_t lButton) override { component_.DoubleClick(lButton); }

    private:
        mouse::MtyMouse& component_;
    };
    ClickPort& clicks() { return deps_.clicks ? *deps_.clicks : componentClicks_; }

    bool preTranslateMessage(MSG& msg) override;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    win::FormDesign design();
    std::vector<win::FormRow> listRows();
    std::vector<win::FormRow> keyboardRows();
    void createControls();
    void laidOut();
    void optionClicked(int index);
    void selectOption(int index);
    void boxChanged(int option);
    int selectedOption() const;
    void routeEditCommands();
    bool editKey(const MSG& msg);
    void enableEditItems(HMENU menu);
    // The list box shows list_: takeSelection reads the user's selection into it before a change,
    // edited shows the change (or says why it was refused).
    void takeSelection();
    void edited(const ListChange& change);
    void showList();
    void openLockWithoutRepeat();
    bool moveFocusInTabOrder(bool backwards);
    void closeWindow();
    void takeRecordedEntries();
    void stopRecording();
    void loadPlayback();
    void checkSpeedItem();
    bool takeShortcutKey(Shortcut which, const std::optional<KeyChord>& key);
    void takeShortcutKeys();
    void hotKeyPressed(int id);
    void pollHeldKeys();
    void showRunProgress(const RunProgress* progress);

    MacroWindowDeps deps_;
    CommandList list_;
    std::vector<std::string> shown_; // what the list box holds
    std::optional<std::size_t> changing_; // the entry that Update replaces
    ComponentClicks componentClicks_{mtyMouse1};
    char decimalSeparator_;
    win::Form form_;
    // Counts the openings, so that a run can tell that its window was closed under it.
    unsigned opening_ = 0;
    unsigned runningOpening_ = 0;
    win::KeyBox keyBox_;
    ShortcutKeys shortcutKeys_;
    std::array<win::HotKey, shortcutCount> hotKeys_;
    std::array<HeldKeyGate, shortcutCount> heldKeys_;
    double playSpeed_ = 1;
    std::wstring runStatus_; // the label's text, not asked of it at every entry
    double nextTipMs_ = 0;
    std::uint32_t tipPass_ = 0;

    // A recording in progress: what it listens to, and what it has made of it so far.
    struct Recording {
        Recording(DoubleClickBounds bounds, char separator, bool keys, std::vector<KeyChord> leftOut, std::wstring title)
            : recorder(bounds, separator, keys, std::move(leftOut)), savedTitle(std::move(title)) {}
        win::RecordingHooks hooks;
        MacroRecorder recorder;
        std::wstring savedTitle;
    };
    std::optional<Recording> recording_;
};

} // namespace wp::macro
