// Low-level hooks on a thread of their own that does nothing but pump its messages. The system calls
// a low-level hook on the thread that set it and holds the user's input until it returns; one that
// keeps input waiting longer than LowLevelHooksTimeout (at most a second since Windows 10 1709) is
// removed without a word. So the thread that uses what the hooks see may block (a file, a dialog,
// a shell call) while the hooks go on. The hook routines run on the hook thread: what they share
// with the owner must be atomic, and they must never wait for it.
#pragma once

#include <windows.h>

#include <thread>

namespace wp::win {

class HookThread {
public:
    // Either routine may be null. Returns once the hooks are set, or refused.
    HookThread(HOOKPROC mouse, HOOKPROC keyboard);
    // Removes the hooks and ends the thread: no routine runs once this returns.
    ~HookThread();
    HookThread(const HookThread&) = delete;
    HookThread& operator=(const HookThread&) = delete;

    // False when the system refused a hook; the constructor left the reason as the thread's last error.
    bool installed() const { return installed_; }

private:
    std::thread thread_;
    DWORD threadId_ = 0;
    bool installed_ = false;
};

} // namespace wp::win
