// Cmdg, the macro window's file dialog component, and the system's dialogs behind it.
#pragma once

#include <optional>
#include <string>

#include "macro/ports.h"

namespace wp::macro {

// One file name shared by both dialogs: each starts with the name last chosen in either.
class FileDialogComponent {
public:
    explicit FileDialogComponent(FileDialogs& dialogs) : dialogs_(dialogs) {}

    std::wstring FileName;

    // The chosen name, or nothing when the dialog was cancelled (the name is then kept).
    std::optional<std::wstring> showOpen(HWND owner, const std::wstring& filter);
    std::optional<std::wstring> showSave(HWND owner, const std::wstring& filter);

private:
    FileDialogs& dialogs_;
};

// GetOpenFileNameW and GetSaveFileNameW.
class SystemFileDialogs final : public FileDialogs {
public:
    std::optional<std::wstring> showOpen(HWND owner, const std::wstring& filter, const std::wstring& fileName) override;
    std::optional<std::wstring> showSave(HWND owner, const std::wstring& filter, const std::wstring& fileName) override;
};

} // namespace wp::macro
