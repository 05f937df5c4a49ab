#include <gtest/gtest.h>

#include <vector>

#include "app/frmMain.h"
#include "support.h"
#include "win/execution_state.h"

namespace {

class RecordingExecutionState final : public wp::win::ExecutionStatePort {
public:
    std::vector<EXECUTION_STATE> calls;
    void setThreadExecutionState(EXECUTION_STATE flags) override { calls.push_back(flags); }
};

TEST(MainWindowKeepsAwake, WhileTheCycleRunsAndReleasesOnStopAndOnClosing) {
    wp::test::MemorySettings settings;
    wp::test::RecordingPointer pointer;
    RecordingExecutionState state;
    std::size_t callsWhenTheProgramEnds = 0;
    wp::app::MainWindowDeps deps{settings, pointer, [&] { callsWhenTheProgramEnds = state.calls.size(); }};
    deps.executionState = &state;
    wp::app::FrmMain main(deps);
    ASSERT_TRUE(main.open(SW_SHOWNOACTIVATE));
    EXPECT_TRUE(state.calls.empty()) << "not before the cycle starts";

    constexpr EXECUTION_STATE awake = ES_CONTINUOUS | ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED;
    constexpr EXECUTION_STATE released = ES_CONTINUOUS;
    main.Command3_Click();
    main.Command3_Click();
    EXPECT_EQ((std::vector<EXECUTION_STATE>{awake, released}), state.calls) << "start, then stop";

    main.Command3_Click();
    SendMessageW(main.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ((std::vector<EXECUTION_STATE>{awake, released, awake, released}), state.calls);
    EXPECT_EQ(4u, callsWhenTheProgramEnds) << "released before the program ends, closed while running";
}

} // namespace
