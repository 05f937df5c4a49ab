// Cut, Copy and Paste of the list's entries as the lines of a macro file, in text on the clipboard,
// so that they go to a text editor and come back from one.
#include <windows.h>

#include <cstring>
#include <cwchar>
#include <optional>

#include "core/macro_file.h"
#include "macro/frmMacro.h"
#include "macro/frmMacro_ids.h"
#include "macro/macro_file_io.h"
#include "win/handle.h"
#include "win/text.h"

namespace wp::macro {
namespace ids = macro_ids;

namespace {

constexpr const char* utf8Mark = "\xEF\xBB\xBF";

// The clipboard is the system's, open for one caller at a time: closed on every path.
class OpenClipboardScope {
public:
    explicit OpenClipboardScope(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenClipboardScope() {
        if (open_) CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    explicit operator bool() const { return open_; }

private:
    bool open_;
};

bool putText(HWND owner, const std::wstring& text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    win::GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory) return false;
    void* const at = GlobalLock(memory.get());
    if (!at) return false;
    std::memcpy(at, text.c_str(), bytes);
    GlobalUnlock(memory.get());
    const OpenClipboardScope clipboard(owner);
    if (!clipboard || !EmptyClipboard() || !SetClipboardData(CF_UNICODETEXT, memory.get())) return false;
    (void)memory.release(); // the clipboard's now
    return true;
}

std::optional<std::wstring> takeText(HWND owner) {
    const OpenClipboardScope clipboard(owner);
    const HANDLE memory = clipboard ? GetClipboardData(CF_UNICODETEXT) : nullptr;
    const auto* const at = memory ? static_cast<const wchar_t*>(GlobalLock(memory)) : nullptr;
    if (!at) return std::nullopt;
    // Up to its NUL, within the block whatever it holds.
    const std::wstring text(at, wcsnlen(at, GlobalSize(memory) / sizeof(wchar_t)));
    GlobalUnlock(memory);
    return text;
}

} // namespace

// An entry that no line can hold (a line break) would come back as two: nothing is copied then.
bool FrmMacro::copySelected() {
    takeSelection();
    if (list_.selection().empty()) return false;
    std::vector<std::string> chosen;
    for (const std::size_t s : list_.selection()) chosen.push_back(list_.entries()[s]);
    if (const auto broken = entriesWithoutARecord(chosen); !broken.empty()) {
        if (deps_.showMessage)
            deps_.showMessage(hwnd(), L"Nothing was copied: entry " + std::to_wstring(list_.selection()[broken[0]] + 1) +
                                          L" holds a line break, which a line of a macro file cannot hold.");
        return false;
    }
    const std::string bytes = macroFileBytes(chosen, MacroTextKind::Utf8);
    if (!putText(hwnd(), win::toWide(std::string_view(bytes).substr(std::strlen(utf8Mark))))) {
        if (deps_.showMessage) deps_.showMessage(hwnd(), L"Nothing was copied: the clipboard could not be had.");
        return false;
    }
    return true;
}

void FrmMacro::cutSelected() {
    if (!copySelected()) return;
    edited(list_.removeSelected());
    openLockWithoutRepeat();
}

// Read as File > Open reads a file, with its limits and reasons; the entries go before the selection.
void FrmMacro::pasteEntries() {
    const auto text = takeText(hwnd());
    if (!text || text->empty()) return;
    const auto refuse = [this](const std::wstring& why) {
        if (deps_.showMessage) deps_.showMessage(hwnd(), L"Nothing was pasted.\n\n" + why);
    };
    std::string bytes = utf8Mark + win::toUtf8(*text);
    if (bytes.size() > largestMacroFile) return refuse(L"The text is larger than 16 MB, too large for a macro.");
    const MacroFileEntries read = macroFileEntries(std::move(bytes));
    if (!read) return refuse(read.failure);
    if (list_.entries().size() + read.entries.size() > MacroFileLimits().entries)
        return refuse(L"The list would hold more than " + std::to_wstring(MacroFileLimits().entries) +
                      L" entries, the most a macro may have.");
    std::vector<std::string> entries;
    entries.reserve(read.entries.size());
    for (const std::wstring& entry : read.entries) entries.push_back(win::toUtf8(entry));
    takeSelection();
    edited(list_.insert(std::move(entries)));
}

} // namespace wp::macro
