#include "win/message_box.h"

#include <utility>

namespace wp::win {
namespace {
MessageBoxHandler& installedHandler() {
    static MessageBoxHandler handler;
    return handler;
}
} // namespace

int messageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) {
    if (const MessageBoxHandler& handler = installedHandler()) return handler({owner, text, caption, type});
    return MessageBoxW(owner, text.c_str(), caption.c_str(), type);
}

MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler) {
    return std::exchange(installedHandler(), std::move(handler));
}

} // namespace wp::win
