// The macro window's shortcut keys, taken from the system while the window is open so that they
// work in any application, and the speed a run plays at.
#include <windows.h>

#include <string>

#include "core/play_speed.h"
#include "macro/frmMacro.h"
#include "macro/frmMacro_ids.h"
#include "macro/frmShortcutKeys.h"
#include "macro/playback_settings.h"
#include "win/text.h"

namespace wp::macro {
namespace ids = macro_ids;

namespace {

constexpr const wchar_t* purposes[shortcutCount] = {L"run or stop the macro", L"start or stop recording",
                                                    L"stop the macro anywhere"};

std::wstring keyText(const std::optional<KeyChord>& key) {
    return key ? win::toWide(keyChordText(*key)) : std::wstring(L"None");
}

} // namespace

void FrmMacro::loadPlayback() {
    shortcutKeys_ = readShortcutKeys(deps_.settings);
    playSpeed_ = readPlaySpeedSetting(deps_.settings);
    checkSpeedItem();
    CheckMenuItem(GetMenu(hwnd()), ids::mnuRecordKeyboard,
                  MF_BYCOMMAND | (readRecordKeyboard(deps_.settings) ? MF_CHECKED : MF_UNCHECKED));
}

// The run key counts only while "Enable F9 Shortcut" is checked; the stop key only does something
// during a run or a recording, but is taken all the time, so that it is the same key throughout.
bool FrmMacro::takeShortcutKey(Shortcut which, const std::optional<KeyChord>& key) {
    win::HotKey& hotKey = hotKeys_[static_cast<std::size_t>(which)];
    hotKey.release();
    if (!key || (which == shortcutRun && !F9Enabled)) return true;
    return hotKey.take(hwnd(), hotKeyIdBase + which, *key);
}

void FrmMacro::takeShortcutKeys() {
    std::wstring refused;
    for (int i = 0; i < shortcutCount; ++i) {
        const auto which = static_cast<Shortcut>(i);
        if (!takeShortcutKey(which, shortcutKeys_.keys[static_cast<std::size_t>(i)]))
            refused += L"\n" + keyText(shortcutKeys_.keys[static_cast<std::size_t>(i)]) + L", to " + purposes[i];
    }
    if (!refused.empty() && deps_.showMessage)
        deps_.showMessage(hwnd(), L"These shortcut keys are held by another program and do nothing here until it "
                                  L"lets them go:" +
                                      refused + L"\n\nOptions > Shortcut keys... picks others.");
}

// Each choice is taken on its own: one that another program holds, or that another choice has,
// is refused with the reason, and that shortcut keeps its key.
void FrmMacro::setShortcutKeys(const ShortcutKeys& chosen) {
    for (int i = 0; i < shortcutCount; ++i) {
        const auto which = static_cast<Shortcut>(i);
        const auto& key = chosen.keys[static_cast<std::size_t>(i)];
        auto& kept = shortcutKeys_.keys[static_cast<std::size_t>(i)];
        if (key == kept) continue;
        std::wstring refusal;
        if (key && chosenFor(shortcutKeys_, *key, which))
            refusal = L" is already the key to " + std::wstring(purposes[*chosenFor(shortcutKeys_, *key, which)]) + L".";
        else if (!takeShortcutKey(which, key))
            refusal = L" is held by another program, so it cannot " + std::wstring(purposes[i]) + L".";
        if (!refusal.empty()) {
            takeShortcutKey(which, kept);
            if (deps_.showMessage)
                deps_.showMessage(hwnd(), keyText(key) + refusal + L"\n\nThe key to " + purposes[i] + L" stays " +
                                              keyText(kept) + L".");
            continue;
        }
        kept = key;
        if (deps_.settings) writeShortcutKey(*deps_.settings, which, key);
    }
}

// WM_HOTKEY: a key held down comes again and again, but counts once. During a recording the run key
// is used up: the recording's own hooks see F9 and ESC, which stop it.
void FrmMacro::hotKeyPressed(int id) {
    const int which = id - hotKeyIdBase;
    if (which < 0 || which >= shortcutCount || !heldKeys_[static_cast<std::size_t>(which)].press()) return;
    if (recording()) {
        if (which != shortcutRun) stopRecording();
        return;
    }
    if (which == shortcutRecord) return mnuRecord_Click();
    if (running()) StopMacro = true;
    else if (which == shortcutRun && F9Enabled) cmdRun_Click();
}

// The poll that lets a held key count again once it has been let go.
void FrmMacro::pollHeldKeys() {
    for (int i = 0; i < shortcutCount; ++i) {
        const auto& key = shortcutKeys_.keys[static_cast<std::size_t>(i)];
        const SHORT state = !key ? 0 : deps_.asyncKeyState ? deps_.asyncKeyState(key->vk) : GetAsyncKeyState(key->vk);
        heldKeys_[static_cast<std::size_t>(i)].poll((state & 0x8000) != 0);
    }
}

void FrmMacro::mnuShortcutKeys_Click() {
    if (const auto chosen = chooseShortcutKeys(hwnd(), shortcutKeys_)) setShortcutKeys(*chosen);
}

void FrmMacro::mnuSpeed_Click(int index) {
    const auto choices = speedChoices();
    if (index < 0 || static_cast<std::size_t>(index) >= choices.size()) return;
    playSpeed_ = choices[static_cast<std::size_t>(index)].factor;
    checkSpeedItem();
    if (deps_.settings) writePlaySpeedSetting(*deps_.settings, playSpeed_);
}

void FrmMacro::checkSpeedItem() {
    const auto choices = speedChoices();
    int checked = -1;
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (choices[i].factor == playSpeed_) checked = static_cast<int>(i);
    const HMENU menu = GetMenu(hwnd());
    const UINT last = ids::mnuSpeed0 + static_cast<UINT>(choices.size()) - 1;
    if (checked >= 0) CheckMenuRadioItem(menu, ids::mnuSpeed0, last, ids::mnuSpeed0 + checked, MF_BYCOMMAND);
}

} // namespace wp::macro
