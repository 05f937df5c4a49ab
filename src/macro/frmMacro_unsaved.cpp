// Nothing lost unsaved: a list changed since its last Open or Save is kept in a file of its own when
// its window goes, and File > "Recover unsaved list" brings it back at a later opening.
#include <windows.h>

#include "macro/frmMacro.h"
#include "macro/frmMacro_ids.h"
#include "macro/macro_file_io.h"
#include "macro/macro_file_text.h"
#include "win/text.h"

namespace wp::macro {
namespace ids = macro_ids;

std::wstring FrmMacro::unsavedFile() const {
    return deps_.unsavedFolder.empty() ? std::wstring() : deps_.unsavedFolder + L"\\unsaved.cmd";
}

// A list saved, never changed or emptied writes nothing, so that a list kept earlier and not yet
// recovered is not overwritten by less. An entry with a line break is kept too, as two lines: that
// is still more of it than nothing.
void FrmMacro::keepUnsaved() {
    if (unsavedFile().empty() || !list_.changedSinceSaved() || list_.entries().empty()) return;
    std::vector<std::wstring> texts;
    texts.reserve(list_.entries().size());
    for (const std::string& entry : list_.entries()) texts.push_back(win::toWide(entry));
    CreateDirectoryW(deps_.unsavedFolder.c_str(), nullptr);
    if (replaceFile(unsavedFile(), macroFileText(texts).bytes)) list_.markSaved();
}

void FrmMacro::mnuRecover_Click() {
    const MacroFileEntries file = openMacroFile(unsavedFile());
    if (!file) {
        if (deps_.showMessage)
            deps_.showMessage(hwnd(), L"Could not recover the unsaved list from\n" + unsavedFile() + L"\n\n" +
                                          file.failure + L"\n\nThe command list is unchanged.");
        return;
    }
    PendingCommand.clear();
    EnableCommandInput();
    setEntries(file.entries);
}

void FrmMacro::enableRecoverItem(HMENU menu) {
    const bool kept = !unsavedFile().empty() && GetFileAttributesW(unsavedFile().c_str()) != INVALID_FILE_ATTRIBUTES;
    EnableMenuItem(menu, ids::mnuRecover, MF_BYCOMMAND | (kept ? MF_ENABLED : MF_GRAYED));
}

} // namespace wp::macro
