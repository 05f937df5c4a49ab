// The macro window's File menu: New, Open and Save.
#include "core/macro_file.h"
#include "macro/frmMacro.h"
#include "macro/frmMacro_ids.h"
#include "macro/macro_file_io.h"

namespace wp::macro {
namespace ids = macro_ids;

void FrmMacro::mnuNew_Click() {
    SendMessageW(control(ids::lstCommand), LB_RESETCONTENT, 0, 0);
    PendingCommand.clear();
    EnableCommandInput();
}

// The list becomes the file's records only once the whole file has been read.
void FrmMacro::mnuOpen_Click() {
    const auto name = Cmdg.showOpen(hwnd(), openFilter);
    if (!name || name->empty()) return;
    std::string bytes;
    if (const FileOutcome read = readWholeFile(*name, bytes); !read) {
        if (deps_.showMessage)
            deps_.showMessage(hwnd(), L"Could not open the macro file\n" + *name + L"\n\n" + read.failure +
                                          L"\n\nThe command list is unchanged.");
        return;
    }
    if (!exists()) return; // closed while the dialog was up
    mnuNew_Click();
    const HWND list = control(ids::lstCommand);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    const std::vector<std::string> fields = readMacroFields(bytes);
    // Room for every entry at once: a list box grown an entry at a time copies itself over and
    // over, which made a large file take seconds.
    SendMessageW(list, LB_INITSTORAGE, fields.size(), static_cast<LPARAM>(bytes.size() * sizeof(wchar_t)));
    // The list box keeps an entry up to its first NUL character.
    for (const std::string& field : fields) addEntry(fromCodePage(field));
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void FrmMacro::mnuSave_Click() {
    const auto name = Cmdg.showSave(hwnd(), saveFilter);
    if (!name || name->empty() || !exists()) return;
    std::vector<std::string> records;
    for (const std::wstring& entry : entries()) records.push_back(toCodePage(entry));
    if (const FileOutcome saved = replaceFile(*name, macroFileBytes(records)); !saved) {
        if (deps_.showMessage)
            deps_.showMessage(hwnd(), L"Could not save the macro to\n" + *name + L"\n\n" + saved.failure +
                                          L"\n\nAny file of that name is unchanged.");
    }
}

} // namespace wp::macro
