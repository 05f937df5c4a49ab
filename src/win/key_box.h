// A box that takes a key with its modifiers and shows it by the names of the KEY command: any key,
// Enter, Tab, Esc, F10 and Alt combinations included, and a modifier pressed and let go alone.
// Tab and Shift+Tab move on, so that the keyboard goes round the window as ever; after a click on
// the box the next key is taken whatever it is, Tab included.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

namespace wp::win {

class KeyBox {
public:
    KeyBox() = default;
    KeyBox(const KeyBox&) = delete;
    KeyBox& operator=(const KeyBox&) = delete;
    ~KeyBox() { detach(); }

    // Takes over an edit control; its text is then the key, and EN_CHANGE tells of a new one.
    void attach(HWND edit);
    void detach();
    // The key message goes to the box rather than to the window's keyboard navigation.
    bool wants(const MSG& msg) const;

private:
    static LRESULT CALLBACK proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void take(std::uint8_t vk, unsigned modifiers);

    HWND edit_ = nullptr;
    bool armed_ = false;
    std::optional<std::uint8_t> tapped_; // a modifier down with no other key since
};

} // namespace wp::win
