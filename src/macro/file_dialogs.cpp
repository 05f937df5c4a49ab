#include "macro/file_dialogs.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "win/system_library.h"

namespace wp::macro {
namespace {

enum class Kind { Open, Save };

std::optional<std::wstring> showSystemDialog(Kind kind, HWND owner, const std::wstring& filter,
                                             const std::wstring& fileName) {
    static win::SystemLibrary comdlg32(L"comdlg32.dll");
    const auto getOpenFileName = comdlg32.function<decltype(GetOpenFileNameW)>("GetOpenFileNameW");
    const auto getSaveFileName = comdlg32.function<decltype(GetSaveFileNameW)>("GetSaveFileNameW");
    const auto extendedError = comdlg32.function<decltype(CommDlgExtendedError)>("CommDlgExtendedError");
    if (!getOpenFileName || !getSaveFileName || !extendedError) return std::nullopt;

    std::wstring filterPairs = filter;
    std::replace(filterPairs.begin(), filterPairs.end(), L'|', L'\0');
    filterPairs.push_back(L'\0');

    std::vector<wchar_t> name(32768, L'\0');
    auto ask = [&](const std::wstring& initial) {
        std::fill(name.begin(), name.end(), L'\0');
        std::copy_n(initial.begin(), std::min(initial.size(), name.size() - 1), name.begin());
        OPENFILENAMEW ofn{};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = owner;
        ofn.lpstrFilter = filterPairs.c_str();
        ofn.nFilterIndex = 1;
        ofn.lpstrFile = name.data();
        ofn.nMaxFile = static_cast<DWORD>(name.size());
        ofn.lpstrDefExt = L"cmd";
        ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                    (kind == Kind::Open ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT);
        return kind == Kind::Open ? getOpenFileName(&ofn) : getSaveFileName(&ofn);
    };
    if (!ask(fileName)) {
        // A kept name that the dialog refuses to start with must not lock the user out.
        if (fileName.empty() || extendedError() == 0 || !ask(std::wstring())) return std::nullopt;
    }
    return std::wstring(name.data());
}

} // namespace

std::optional<std::wstring> FileDialogComponent::showOpen(HWND owner, const std::wstring& filter) {
    auto chosen = dialogs_.showOpen(owner, filter, FileName);
    if (chosen) FileName = *chosen;
    return chosen;
}

std::optional<std::wstring> FileDialogComponent::showSave(HWND owner, const std::wstring& filter) {
    auto chosen = dialogs_.showSave(owner, filter, FileName);
    if (chosen) FileName = *chosen;
    return chosen;
}

std::optional<std::wstring> SystemFileDialogs::showOpen(HWND owner, const std::wstring& filter,
                                                        const std::wstring& fileName) {
    return showSystemDialog(Kind::Open, owner, filter, fileName);
}

std::optional<std::wstring> SystemFileDialogs::showSave(HWND owner, const std::wstring& filter,
                                                        const std::wstring& fileName) {
    return showSystemDialog(Kind::Save, owner, filter, fileName);
}

} // namespace wp::macro
