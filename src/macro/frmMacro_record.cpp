// The macro window's recording: Options > Record, what the hooks see turned into entries as it
// settles, and the end by F9 or ESC from any application.
#include <windows.h>

#include <string>

#include "macro/frmMacro.h"
#include "macro/frmMacro_ids.h"
#include "macro/macro_file_io.h"
#include "macro/playback_settings.h"
#include "win/text.h"

namespace wp::macro {
namespace ids = macro_ids;

void FrmMacro::mnuRecord_Click() {
    if (!exists() || recording() || running()) return;
    if (list_.holdsRepeat()) {
        if (deps_.showMessage)
            deps_.showMessage(hwnd(), L"Nothing was recorded: a recording adds to the end of the list, and this list "
                                      L"holds RPT (Repeat), after which no command can be added.\n\nRemove the RPT "
                                      L"entry, then record again.");
        return;
    }
    recording_.emplace(win::systemDoubleClickBounds(), decimalSeparator_, readRecordKeyboard(deps_.settings),
                       chosenKeys(shortcutKeys_), win::windowText(hwnd()));
    if (!recording_->hooks.installed()) {
        const DWORD error = GetLastError();
        recording_.reset();
        if (deps_.showMessage)
            deps_.showMessage(hwnd(), L"Could not start recording: the system refused to let this program see the "
                                      L"mouse.\n\n" +
                                          systemErrorText(error));
        return;
    }
    list_.startRecording();
    DisableCommandInput();
    EnableWindow(control(ids::cmdRun), FALSE);
    EnableMenuItem(GetMenu(hwnd()), ids::mnuRecord, MF_BYCOMMAND | MF_GRAYED);
    if (deps_.marker.isLoaded()) deps_.marker.close();
    SetWindowTextW(hwnd(), recordingCaption);
}

// Called by the shortcut poll: the entries settled since the last poll go to the list's end, in view.
void FrmMacro::takeRecordedEntries() {
    for (const InputEvent& event : recording_->hooks.take())
        recording_->recorder.add(event);
    std::vector<std::string> settled = recording_->recorder.take(recording_->hooks.nowMs());
    if (!settled.empty()) {
        edited(list_.record(std::move(settled)));
        const HWND list = control(ids::lstCommand);
        SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(SendMessageW(list, LB_GETCOUNT, 0, 0) - 1), 0);
    }
    if (recording_->hooks.stopKeyPressed()) stopRecording();
}

// Ticked until unticked; the check mark follows the setting each time the window opens.
void FrmMacro::mnuRecordKeyboard_Click() {
    const bool on = !readRecordKeyboard(deps_.settings);
    if (deps_.settings) writeRecordKeyboard(*deps_.settings, on);
    CheckMenuItem(GetMenu(hwnd()), ids::mnuRecordKeyboard, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

// The last move goes where the pointer rests; a drag, which no command plays, is told of.
void FrmMacro::stopRecording() {
    if (!recording()) return;
    for (const InputEvent& event : recording_->hooks.take())
        recording_->recorder.add(event);
    POINT rest{};
    GetCursorPos(&rest);
    edited(list_.record(recording_->recorder.finish(rest.x, rest.y)));
    const std::size_t drags = recording_->recorder.drags();
    const std::wstring title = recording_->savedTitle;
    recording_.reset();
    SetWindowTextW(hwnd(), title.c_str());
    EnableMenuItem(GetMenu(hwnd()), ids::mnuRecord, MF_BYCOMMAND | MF_ENABLED);
    EnableWindow(control(ids::cmdRun), TRUE);
    EnableCommandInput();
    if (drags > 0 && deps_.showMessage) {
        const std::wstring count = std::to_wstring(drags);
        deps_.showMessage(hwnd(), drags == 1 ? L"1 drag was recorded as a click where its button went down: a macro "
                                               L"has no command for a drag."
                                             : count + L" drags were recorded as clicks where their buttons went "
                                                       L"down: a macro has no command for a drag.");
    }
}

} // namespace wp::macro
