// The program's message boxes, with a seam that lets tests answer them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace wp::win {

struct MessageBoxRequest {
    HWND owner;
    std::wstring text;
    std::wstring caption;
    UINT type;
};
using MessageBoxHandler = std::function<int(const MessageBoxRequest&)>;

// Shows a modal message box (or hands it to the installed handler) and returns the button pressed.
int messageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type);

// Installs a handler in place of the real box; an empty one restores it. Returns the previous one.
MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler);

} // namespace wp::win
