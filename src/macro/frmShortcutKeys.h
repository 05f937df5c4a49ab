// Options > "Shortcut keys...": a small modal window that picks the three shortcut keys.
#pragma once

#include <windows.h>

#include <optional>

#include "core/shortcut_keys.h"
#include "win/form.h"
#include "win/window.h"

namespace wp::macro {

class FrmShortcutKeys final : public win::Window {
public:
    static constexpr const wchar_t* caption = L"Shortcut keys";

    explicit FrmShortcutKeys(const ShortcutKeys& current) : chosen_(current) {}
    ~FrmShortcutKeys() override { destroy(); }

    // Creates the window over its owner, hidden; false when the system refused.
    bool load(HWND owner);
    HWND control(int id) const { return form_.control(id); }
    // What the user chose with OK; none after Cancel or closing.
    const std::optional<ShortcutKeys>& result() const { return result_; }

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    win::FormDesign design();
    void noneClicked(int which);
    void cmdOK_Click();
    void close();

    ShortcutKeys chosen_;
    std::optional<ShortcutKeys> result_;
    win::Form form_;
    HWND owner_ = nullptr;
};

// Shows the window modal over the owner; the keys chosen with OK, or none.
std::optional<ShortcutKeys> chooseShortcutKeys(HWND owner, const ShortcutKeys& current);

} // namespace wp::macro
