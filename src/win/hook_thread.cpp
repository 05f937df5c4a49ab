#include "win/hook_thread.h"

#include <future>

#include "win/handle.h"

namespace wp::win {
namespace {

struct Started {
    DWORD threadId = 0;
    bool installed = false;
    DWORD error = ERROR_SUCCESS;
};

} // namespace

HookThread::HookThread(HOOKPROC mouse, HOOKPROC keyboard) {
    std::promise<Started> promise;
    std::future<Started> started = promise.get_future();
    thread_ = std::thread([mouse, keyboard, promise = std::move(promise)]() mutable {
        MSG msg{};
        PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE); // the queue that takes the quit
        const HINSTANCE module = GetModuleHandleW(nullptr);
        const Hook mouseHook(mouse ? SetWindowsHookExW(WH_MOUSE_LL, mouse, module, 0) : nullptr);
        const DWORD mouseError = GetLastError();
        const Hook keyboardHook(keyboard ? SetWindowsHookExW(WH_KEYBOARD_LL, keyboard, module, 0) : nullptr);
        const bool installed = (!mouse || mouseHook) && (!keyboard || keyboardHook);
        promise.set_value({GetCurrentThreadId(), installed, mouse && !mouseHook ? mouseError : GetLastError()});
        if (!installed) return;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0)
            DispatchMessageW(&msg);
    });
    const Started result = started.get();
    threadId_ = result.threadId;
    installed_ = result.installed;
    if (!installed_) SetLastError(result.error);
}

HookThread::~HookThread() {
    // The queue exists before the thread reports, so the quit cannot be lost.
    if (installed_) PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.join();
}

} // namespace wp::win
