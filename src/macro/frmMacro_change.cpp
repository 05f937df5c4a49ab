// Changing an entry where it stands: a double click or Enter in the list loads it into the composing
// controls, and "Add command" reads "Update" until it replaces the entry or Esc lets it be.
#include <windows.h>

#include <tuple>

#include "core/macro_commands.h"
#include "macro/frmMacro.h"
#include "macro/frmMacro_ids.h"
#include "win/text.h"

namespace wp::macro {
namespace ids = macro_ids;

namespace {
constexpr const wchar_t* addCaption = L"Add command";
constexpr const wchar_t* updateCaption = L"Update";
} // namespace

// While the composing controls are locked (a repeat added, a run, a recording) nothing is loaded.
void FrmMacro::changeEntry() {
    const LRESULT caret = SendMessageW(control(ids::lstCommand), LB_GETCARETINDEX, 0, 0);
    if (caret < 0 || static_cast<std::size_t>(caret) >= list_.entries().size() || !IsWindowEnabled(control(ids::cmdAddCmd)))
        return;
    const auto at = static_cast<std::size_t>(caret);
    const auto inputs = composingInputs(list_.entries()[at]);
    if (!inputs) {
        if (deps_.showMessage)
            deps_.showMessage(hwnd(), L"Entry " + std::to_wstring(at + 1) +
                                          L" is no command that this window composes: remove it, or add one in its "
                                          L"place.");
        return;
    }
    // Only the boxes of the entry's option: the others keep what the user left in them.
    const std::tuple<win::TextBox*, const std::string*, int> boxes[] = {
        {&txtX, &inputs->x, optMove},         {&txtY, &inputs->y, optMove},         {&txtSleep, &inputs->seconds, optWait},
        {&txtTimes, &inputs->times, optRepeat}, {&txtKey, &inputs->key, optKey}, {&txtText, &inputs->text, optText},
        {&txtWheel, &inputs->notches, optWheel},
    };
    const int option = inputs->option;
    for (const auto& [box, text, boxOption] : boxes)
        if (boxOption == option) box->setText(win::toWide(*text));
    optionClicked(option);
    changing_ = at;
    SetWindowTextW(control(ids::cmdAddCmd), updateCaption);
}

void FrmMacro::endChange() {
    if (!changing_) return;
    changing_.reset();
    if (exists()) SetWindowTextW(control(ids::cmdAddCmd), addCaption);
}

// A refused update keeps the change open, for another try or Esc.
void FrmMacro::updateEntry() {
    if (PendingCommand.empty()) return;
    const std::size_t at = *changing_;
    const ListChange change = list_.update(at, win::toUtf8(PendingCommand));
    if (change.refusal.empty()) endChange();
    edited(change);
}

} // namespace wp::macro
