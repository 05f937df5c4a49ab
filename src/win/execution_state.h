// The thread's execution state (SetThreadExecutionState) behind a seam, so that tests can record
// what the program asks of the system.
#pragma once

#include <windows.h>

namespace wp::win {

class ExecutionStatePort {
public:
    virtual ~ExecutionStatePort() = default;
    virtual void setThreadExecutionState(EXECUTION_STATE flags) = 0;
};

class SystemExecutionState final : public ExecutionStatePort {
public:
    void setThreadExecutionState(EXECUTION_STATE flags) override { SetThreadExecutionState(flags); }
};

// While the pointer is moved on a schedule, the system does not sleep and the display stays on:
// the moves alone need not count as the user's activity to the system's power policy.
inline void keepAwake(ExecutionStatePort& port, bool awake) {
    port.setThreadExecutionState(awake ? ES_CONTINUOUS | ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED : ES_CONTINUOUS);
}

} // namespace wp::win
