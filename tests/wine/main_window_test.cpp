#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/frmMain.h"
#include "app/frmMain_ids.h"
#include "support.h"
#include "win/event_wait.h"
#include "win/settings_store.h"
#include "win/text.h"

namespace ids = wp::app::main_ids;

using wp::app::FrmMain;
using wp::test::flushEvents;
using wp::test::textOf;

namespace {

class MainWindow : public ::testing::Test {
protected:
    wp::test::MemorySettings settings;
    wp::test::RecordingPointer pointer;
    int endCalls = 0;
    std::unique_ptr<FrmMain> main;

    void open() {
        main = std::make_unique<FrmMain>(wp::app::MainWindowDeps{settings, pointer, [this] { ++endCalls; }});
        ASSERT_TRUE(main->open(SW_SHOWNOACTIVATE)) << "error " << GetLastError();
    }
    void storeSix(const wchar_t* x1, const wchar_t* y1, const wchar_t* x2, const wchar_t* y2, const wchar_t* interval,
                  const wchar_t* helpers) {
        settings.values = {{{L"Position1", L"x"}, x1},         {{L"Position1", L"y"}, y1},
                           {{L"Position2", L"x"}, x2},         {{L"Position2", L"y"}, y2},
                           {{L"Settings", L"interval"}, interval}, {{L"Settings", L"ShowHelpers"}, helpers}};
    }
    std::wstring text(int id) const { return textOf(main->control(id)); }
    std::wstring status() const { return text(ids::info); }
    void type(int id, const wchar_t* characters) {
        for (const wchar_t* c = characters; *c; ++c) SendMessageW(main->control(id), WM_CHAR, *c, 1);
    }
    void selectAll(int id) { SendMessageW(main->control(id), EM_SETSEL, 0, -1); }
};

TEST_F(MainWindow, StatusLineFitsItsRoomWhole) {
    open();
    const HWND label = main->control(ids::info);
    RECT room{};
    GetClientRect(label, &room);
    HDC dc = GetDC(label);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
    for (const wchar_t* line : {L"In 65 secs, I'll switch to position 2 (9999,9999)",
                                L"In 65 secs, I'll switch to position 1 (-999,-999)"}) {
        RECT needed = room;
        DrawTextW(dc, line, -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        EXPECT_LE(needed.right, room.right) << wp::win::toUtf8(line);
        EXPECT_LE(needed.bottom, room.bottom) << wp::win::toUtf8(line);
    }
    SelectObject(dc, old);
    ReleaseDC(label, dc);
}

TEST_F(MainWindow, SwitchWritesTheStatusLineBeforeMovingAndCountsAsInput) {
    open();
    EXPECT_TRUE(pointer.calls.empty()) << "start-up does not move the pointer";
    std::wstring statusAtMove;
    pointer.onMove = [&] { statusAtMove = status(); };
    main->Command3_Click();
    EXPECT_EQ(L"", status()) << "starting writes no status";

    main->Timer1_Timer();
    EXPECT_EQ(L"In 0 secs, I'll switch to position 2 (400,400)", statusAtMove);
    ASSERT_EQ(2u, pointer.calls.size());
    EXPECT_EQ(wp::test::RecordingPointer::Call::SetCursorPos, pointer.calls[0].kind);
    EXPECT_EQ(0, pointer.calls[0].x);
    EXPECT_EQ(0, pointer.calls[0].y);
    EXPECT_EQ(wp::test::RecordingPointer::Call::UserInput, pointer.calls[1].kind);

    main->Timer1_Timer();
    EXPECT_EQ(L"In 0 secs, I'll switch to position 1 (0,0)", statusAtMove);
    EXPECT_EQ(400, pointer.position.x);
    EXPECT_EQ(400, pointer.position.y);

    // Stopping keeps the line; starting again goes on with the other position.
    main->Timer1_Timer();
    main->Command3_Click();
    EXPECT_FALSE(main->Timer1.enabled());
    EXPECT_FALSE(main->Timer2.enabled());
    EXPECT_EQ(L"In 0 secs, I'll switch to position 2 (400,400)", status());
    main->Command3_Click();
    main->Timer1_Timer();
    EXPECT_EQ(400, pointer.position.x);
}

TEST_F(MainWindow, CountdownCountsDownAndRefillsFromTheInterval) {
    open();
    main->TimInt.setText(L"2");
    main->Command3_Click();
    // The real ticker counts within its period, well before the first switch.
    const double started = wp::win::monotonicMilliseconds();
    while (status().empty() && wp::win::monotonicMilliseconds() - started < 1800.0) flushEvents(20);
    EXPECT_EQ(L"In 1 secs, I'll switch to position 1 (0,0)", status()) << "the countdown ticks by itself";
    EXPECT_TRUE(pointer.calls.empty());
    main->Command3_Click();
    SetWindowTextW(main->control(ids::info), L"");
    main->Command3_Click();
    EXPECT_EQ(2, main->iSecsLeft);
    main->Timer2_Timer();
    EXPECT_EQ(L"In 1 secs, I'll switch to position 1 (0,0)", status());
    main->Timer2_Timer();
    main->Timer2_Timer();
    EXPECT_EQ(L"In 2 secs, I'll switch to position 1 (0,0)", status()) << "0 refills from the box";
    main->Timer1_Timer();
    main->Timer2_Timer();
    EXPECT_EQ(L"In 1 secs, I'll switch to position 2 (400,400)", status());
    EXPECT_EQ(2u, pointer.calls.size()) << "the countdown never moves the pointer";
}

TEST_F(MainWindow, IntervalTextsTypedCharacterByCharacter) {
    open();
    selectAll(ids::TimInt);
    type(ids::TimInt, L"-");
    EXPECT_EQ(L"0", main->TimInt.text()) << "a leading minus is replaced at once";

    selectAll(ids::TimInt);
    type(ids::TimInt, L"1.");
    EXPECT_EQ(L"1", main->TimInt.text()) << "the point is taken away at once";
    type(ids::TimInt, L"5");
    EXPECT_EQ(L"15", main->TimInt.text()) << "the caret stays at the end after a rewrite";
    EXPECT_EQ(13500u, main->Timer1.interval());
}

TEST_F(MainWindow, AValidEditWhileRunningRestartsThePeriodAndKeepsTheCount) {
    open();
    main->Command3_Click();
    main->Timer2_Timer();
    EXPECT_EQ(59, main->iSecsLeft);
    main->TimInt.setText(L"30");
    EXPECT_TRUE(main->Timer1.enabled());
    EXPECT_EQ(27000u, main->Timer1.interval());
    EXPECT_EQ(59, main->iSecsLeft);
}

TEST_F(MainWindow, PositionEditsWhileRunningAreUsedAsTheyStand) {
    open();
    main->Command3_Click();
    main->Text3.setText(L"0400");
    main->Text4.setText(L"12");
    main->Timer1_Timer();
    EXPECT_EQ(L"In 0 secs, I'll switch to position 2 (0400,12)", status());
    main->Timer1_Timer();
    EXPECT_EQ(400, pointer.position.x);
    EXPECT_EQ(12, pointer.position.y);

}

TEST_F(MainWindow, ASwitchToABoxThatIsNotANumberSkipsTheMoveAndKeepsTheCycle) {
    open();
    main->Command3_Click();
    main->Text2.setText(L"y?");
    main->Timer1_Timer();
    EXPECT_TRUE(pointer.calls.empty());
    EXPECT_EQ(L"In 0 secs, I'll switch to position 2 (400,400)", status());
    EXPECT_TRUE(main->bAtPosition1);
    main->Timer1_Timer();
    EXPECT_EQ(400, pointer.position.x);
}

TEST_F(MainWindow, RealTimersSwitchAtTheSetPeriod) {
    open();
    main->TimInt.setText(L"0.05"); // 45 ms
    main->Command3_Click();
    flushEvents(400);
    const auto moves = pointer.moves();
    ASSERT_GE(moves.size(), 3u);
    EXPECT_LE(moves.size(), 10u);
    EXPECT_EQ(0, moves[0].x);
    EXPECT_EQ(400, moves[1].x);
    EXPECT_EQ(0, moves[2].x);
    main->Command3_Click();
    const size_t stopped = pointer.moves().size();
    flushEvents(150);
    EXPECT_EQ(stopped, pointer.moves().size()) << "a stopped cycle does not switch";
}

TEST_F(MainWindow, LoadsTheStoredValuesOnlyWithAPositionOneX) {
    const struct {
        std::vector<const wchar_t*> stored, shown; // x1 y1 x2 y2 interval helpers
    } cases[] = {
        {{L"10", L"abc", L"", L"40", L"66", L"1"}, {L"10", L"abc", L"", L"40", L"10", L"1"}},
        {{L"1", L"2", L"3", L"4", L"5", L" 1"}, {L"1", L"2", L"3", L"4", L"5", L"0"}},
        {{L"", L"20", L"30", L"40", L"5", L"1"}, {L"0", L"0", L"400", L"400", L"60", L"0"}},
    };
    for (const auto& c : cases) {
        const auto* v = c.stored.data();
        storeSix(v[0], v[1], v[2], v[3], v[4], v[5]);
        open();
        const std::vector<std::wstring> shown = {main->Text1.text(), main->Text2.text(),  main->Text3.text(),
                                                 main->Text4.text(), main->TimInt.text(), main->Check1.checked() ? L"1" : L"0"};
        EXPECT_EQ(std::vector<std::wstring>(c.shown.begin(), c.shown.end()), shown) << wp::win::toUtf8(v[0]);
        EXPECT_TRUE(settings.writes.empty()) << "nothing is written until the window closes";
    }
}

// Values a user or another program could leave in the real registry: every key bad at once. The window
// opens, runs and closes, and saves what it showed as readable text.
TEST(MainWindowSettings, EveryKeyBadInTheRegistryStillOpensRunsAndSaves) {
    struct TestBase {
        std::wstring path = L"Software\\WanderpointTest\\" + std::to_wstring(GetCurrentProcessId());
        ~TestBase() { RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str()); }
    } base;
    const std::pair<const wchar_t*, const wchar_t*> keys[] = {{L"Position1", L"x"}, {L"Position1", L"y"},
                                                              {L"Position2", L"x"}, {L"Position2", L"y"},
                                                              {L"Settings", L"interval"}, {L"Settings", L"ShowHelpers"}};
    const std::wstring overLimit(100000, L'9');
    const std::wstring nearLimit(wp::win::RegistrySettings::maxValueChars - 1, L'9');
    const std::wstring nonDigits(3000, L'x');
    const struct {
        const char* what;
        std::vector<std::wstring> values; // (values of a wrong type read as empty: the store's own test)
    } rounds[] = {
        {"strings far over the limit behind a good first key",
         {L"10", overLimit, overLimit, overLimit, overLimit, overLimit}},
        {"non-numbers in every key", {L"abc", nonDigits, L"-", L",", nonDigits, L"yes"}},
        {"numbers out of every range, helpers shown",
         {L"-99999999999999999999", L"1e308", L"2147483648", L"-2147483649", L"1e400", L"1"}},
        {"huge positions and interval, helpers shown",
         {nearLimit, nearLimit, nearLimit, nearLimit, nearLimit, L"1"}},
    };
    for (const auto& round : rounds) {
        RegDeleteTreeW(HKEY_CURRENT_USER, base.path.c_str());
        for (std::size_t i = 0; i < std::size(keys); ++i) {
            const std::wstring& value = round.values[i];
            HKEY k{};
            ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, (base.path + L"\\" + keys[i].first).c_str(), 0,
                                                     nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr));
            RegSetValueExW(k, keys[i].second, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.data()),
                           static_cast<DWORD>(value.size() * sizeof(wchar_t)));
            RegCloseKey(k);
        }
        wp::win::RegistrySettings store(base.path);
        wp::test::RecordingPointer pointer;
        int endCalls = 0;
        std::vector<std::wstring> shown;
        {
            FrmMain main(wp::app::MainWindowDeps{store, pointer, [&] { ++endCalls; }});
            ASSERT_TRUE(main.open(SW_SHOWNOACTIVATE)) << round.what;
            main.Command3_Click();
            flushEvents(60);
            main.Command3_Click();
            main.Image1_Click();
            main.Image2_Click();
            for (auto* box : {&main.Text1, &main.Text2, &main.Text3, &main.Text4, &main.TimInt})
                shown.push_back(box->text());
            shown.push_back(main.Check1.checked() ? L"1" : L"0");
            SendMessageW(main.hwnd(), WM_CLOSE, 0, 0);
            EXPECT_EQ(1, endCalls) << round.what;
        }
        std::vector<std::wstring> saved;
        for (const auto& [section, key] : keys) saved.push_back(store.read(section, key));
        EXPECT_EQ(shown, saved) << round.what;
    }
}

// Logging off or shutting down with the window open ends the process without a WM_CLOSE: the
// session's end saves as closing does, and leaves ending the program to the system.
TEST_F(MainWindow, ClosingOrTheSessionEndingSavesTheSixValues) {
    for (const bool sessionEnds : {false, true}) {
        settings.writes.clear();
        endCalls = 0;
        open();
        main->Text1.setText(L"");
        main->Text4.setText(L"77");
        main->TimInt.setText(L"3");
        main->Check1.setChecked(true);
        if (sessionEnds) {
            EXPECT_EQ(TRUE, SendMessageW(main->hwnd(), WM_QUERYENDSESSION, 0, 0)) << "the session may end";
            SendMessageW(main->hwnd(), WM_ENDSESSION, FALSE, 0);
            EXPECT_TRUE(settings.writes.empty()) << "an end called off saves nothing";
            SendMessageW(main->hwnd(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
        } else {
            SendMessageW(main->hwnd(), WM_CLOSE, 0, 0);
        }
        EXPECT_EQ(sessionEnds ? 0 : 1, endCalls);
        const std::vector<std::wstring> expected = {L"Position1/x=",   L"Position1/y=0",       L"Position2/x=400",
                                                    L"Position2/y=77", L"Settings/interval=3", L"Settings/ShowHelpers=1"};
        EXPECT_EQ(expected, settings.writes) << (sessionEnds ? "session end" : "close");
    }
}

TEST_F(MainWindow, RestoreDefaultsWhileRunningKeepsRunning) {
    storeSix(L"1", L"2", L"3", L"4", L"5", L"1");
    open();
    main->Command3_Click();
    SendMessageW(main->control(ids::cmdRestoreDefaults), BM_CLICK, 0, 0);
    EXPECT_EQ(L"400", main->Text3.text());
    EXPECT_FALSE(main->Check1.checked());
    EXPECT_TRUE(main->Timer1.enabled());
    EXPECT_EQ(L"Stop moving", text(ids::Command3));
    EXPECT_TRUE(settings.writes.empty());
}

TEST_F(MainWindow, EnterPressesTheStartButton) {
    open();
    SetForegroundWindow(main->hwnd());
    SetFocus(main->control(ids::Text1));
    PostMessageW(main->control(ids::Text1), WM_KEYDOWN, VK_RETURN, 1);
    flushEvents(50);
    EXPECT_EQ(L"Stop moving", text(ids::Command3));
}

} // namespace
