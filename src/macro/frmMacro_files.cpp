// The macro window's File menu: New, Open and Save.
#include <algorithm>

#include "core/macro_file.h"
#include "macro/frmMacro.h"
#include "macro/frmMacro_ids.h"
#include "macro/macro_file_io.h"
#include "macro/macro_file_text.h"
#include "win/text.h"

namespace wp::macro {
namespace ids = macro_ids;
namespace {

// The first few entries that a save would change, by position as the user counts, for a message.
std::wstring unsavedEntriesText(const std::vector<std::wstring>& texts, const std::vector<std::size_t>& positions) {
    constexpr std::size_t named = 5, shownLength = 40;
    std::wstring text;
    for (std::size_t i = 0; i < std::min(named, positions.size()); ++i) {
        std::wstring entry = texts[positions[i]];
        if (entry.size() > shownLength) entry = entry.substr(0, shownLength) + L"...";
        std::replace_if(entry.begin(), entry.end(), [](wchar_t c) { return c < L' '; }, L' ');
        text += L"    Entry " + std::to_wstring(positions[i] + 1) + L": " + entry + L"\n";
    }
    if (positions.size() > named) text += L"    and " + std::to_wstring(positions.size() - named) + L" more\n";
    return text;
}

} // namespace

// A step that Undo takes back, as Open is.
void FrmMacro::mnuNew_Click() {
    takeSelection();
    edited(list_.replaceAll({}));
    PendingCommand.clear();
    EnableCommandInput();
}

// The list becomes the file's records only once the whole file has been read.
void FrmMacro::mnuOpen_Click() {
    const auto name = Cmdg.showOpen(hwnd(), openFilter);
    if (!name || name->empty()) return;
    auto refuse = [&](const std::wstring& why) {
        if (deps_.showMessage)
            deps_.showMessage(hwnd(), L"Could not open the macro file\n" + *name + L"\n\n" + why +
                                          L"\n\nThe command list is unchanged.");
    };
    const MacroFileEntries file = openMacroFile(*name);
    if (!file) return refuse(file.failure);
    if (!exists()) return; // closed while the dialog was up
    PendingCommand.clear();
    EnableCommandInput();
    setEntries(file.entries);
    list_.markSaved();
}

// Nothing is saved, and no name asked for, while an entry would not read back as it stands.
void FrmMacro::mnuSave_Click() {
    const std::vector<std::wstring> texts = entries();
    const MacroFileText file = macroFileText(texts);
    if (!file.unwritable.empty()) {
        const std::wstring why = L"The macro was not saved: a macro file cannot hold these entries as they are.\n\n" +
                                 unsavedEntriesText(texts, file.unwritable) +
                                 L"\nAn entry cannot hold a line break. Change or remove these entries, then save "
                                 L"again.";
        if (deps_.showMessage) deps_.showMessage(hwnd(), why);
        return;
    }
    const auto name = Cmdg.showSave(hwnd(), saveFilter);
    if (!name || name->empty() || !exists()) return;
    if (const FileOutcome saved = replaceFile(*name, file.bytes); !saved) {
        if (deps_.showMessage)
            deps_.showMessage(hwnd(), L"Could not save the macro to\n" + *name + L"\n\n" + saved.failure +
                                          L"\n\nAny file of that name is unchanged.");
    } else if (entries() == texts) {
        list_.markSaved();
    }
}

} // namespace wp::macro
