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

TEST_F(MainWindow, OpensIdleWithNothingMovedOrWritten) {
    open();
    EXPECT_EQ(L"Switch Mouse positions", textOf(main->hwnd()));
    RECT client{}, bar{};
    GetClientRect(main->hwnd(), &client);
    GetWindowRect(main->control(ids::picLeftBar), &bar);
    MapWindowPoints(nullptr, main->hwnd(), reinterpret_cast<POINT*>(&bar), 2);
    EXPECT_EQ(0, bar.left) << "the side bar is docked left";
    EXPECT_EQ(0, bar.top);
    EXPECT_EQ(client.bottom, bar.bottom) << "full height";
    EXPECT_TRUE(IsWindowVisible(main->control(ids::picLeftBar)));
    EXPECT_EQ(BST_UNCHECKED, SendMessageW(main->control(ids::Check1), BM_GETCHECK, 0, 0));
    EXPECT_EQ(4, SendMessageW(main->control(ids::Text1), EM_GETLIMITTEXT, 0, 0));
    EXPECT_FALSE(main->Timer1.enabled());
    EXPECT_TRUE(pointer.calls.empty()) << "start-up does not move the pointer";
    EXPECT_TRUE(settings.writes.empty()) << "nothing is written until the window closes";
}

TEST_F(MainWindow, TabWalksTheControlsInDesignOrderThenTheSideBar) {
    open();
    // Each test image follows its position's boxes.
    const int order[] = {ids::Command3, ids::Text1,  ids::Text2,  ids::Image1,
                         ids::Text3,    ids::Text4,  ids::Image2, ids::TimInt,
                         ids::Check1,   ids::cmdRestoreDefaults,  ids::cmdMacro,
                         ids::Image4,   ids::Image3, ids::Command3};
    HWND at = main->control(ids::Command3);
    for (size_t i = 1; i < std::size(order); ++i) {
        at = GetNextDlgTabItem(main->hwnd(), at, FALSE);
        EXPECT_EQ(order[i], GetDlgCtrlID(at)) << "tab stop " << i;
    }
}

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
    std::wstring statusAtMove;
    pointer.onMove = [&] { statusAtMove = status(); };
    main->Command3_Click();
    EXPECT_EQ(L"Stop moving", text(ids::Command3));
    EXPECT_TRUE(main->Timer1.enabled());
    EXPECT_TRUE(main->Timer2.enabled());
    EXPECT_EQ(54000u, main->Timer1.interval());
    EXPECT_EQ(60, main->iSecsLeft);
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

TEST_F(MainWindow, StopAndStartContinuesWithTheOtherPosition) {
    open();
    main->Command3_Click();
    main->Timer1_Timer();
    main->Command3_Click();
    EXPECT_EQ(L"Start moving", text(ids::Command3));
    EXPECT_FALSE(main->Timer1.enabled());
    EXPECT_FALSE(main->Timer2.enabled());
    EXPECT_EQ(L"In 0 secs, I'll switch to position 2 (400,400)", status()) << "stopping keeps the line";
    main->Command3_Click();
    main->Timer1_Timer();
    EXPECT_EQ(400, pointer.position.x);
}

TEST_F(MainWindow, IntervalTextsArrivingWhole) {
    open();
    const struct {
        const wchar_t* given;
        const wchar_t* kept;
        unsigned period;
    } cases[] = {{L"66", L"10", 9000}, {L"abc", L"0", 0}, {L"007", L"7", 6300}}; // the rules are the core's
    for (const auto& c : cases) {
        main->TimInt.setText(L"33");
        main->TimInt.setText(c.given);
        EXPECT_EQ(c.kept, main->TimInt.text()) << wp::win::toUtf8(c.given);
        EXPECT_EQ(c.period, main->Timer1.interval()) << wp::win::toUtf8(c.given);
    }
    main->TimInt.setText(L"0.5");
    main->Command3_Click();
    EXPECT_EQ(0, main->iSecsLeft) << "0.5 seconds counts down from 0 (halves to even)";
}

TEST_F(MainWindow, IntervalTextsTypedCharacterByCharacter) {
    open();
    selectAll(ids::TimInt);
    type(ids::TimInt, L"-");
    EXPECT_EQ(L"0", main->TimInt.text()) << "a leading minus is replaced at once";

    selectAll(ids::TimInt);
    type(ids::TimInt, L"6");
    EXPECT_EQ(L"6", main->TimInt.text());
    type(ids::TimInt, L"6");
    EXPECT_EQ(L"10", main->TimInt.text()) << "66 is above 65";
    EXPECT_EQ(9000u, main->Timer1.interval());

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

    main->Text1.setText(L"2.5");
    main->Text2.setText(L"3.5");
    main->Timer1_Timer();
    EXPECT_EQ(2, pointer.position.x) << "halves to even";
    EXPECT_EQ(4, pointer.position.y);
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

TEST_F(MainWindow, LoadsTheSixStoredValues) {
    storeSix(L"10", L"20", L"30", L"40", L"5", L"0");
    open();
    EXPECT_EQ(L"10", main->Text1.text());
    EXPECT_EQ(L"20", main->Text2.text());
    EXPECT_EQ(L"30", main->Text3.text());
    EXPECT_EQ(L"40", main->Text4.text());
    EXPECT_EQ(L"5", main->TimInt.text());
    EXPECT_EQ(4500u, main->Timer1.interval()) << "loading raises the interval handling";
    EXPECT_FALSE(main->Check1.checked());
}

TEST_F(MainWindow, LoadingHandlesOddStoredValues) {
    storeSix(L"10", L"abc", L"", L"40", L"66", L"1");
    open();
    EXPECT_EQ(L"abc", main->Text2.text()) << "positions load as stored";
    EXPECT_EQ(L"", main->Text3.text());
    EXPECT_EQ(L"10", main->TimInt.text());
    EXPECT_TRUE(main->Check1.checked());

    for (const wchar_t* odd : {L"2", L"yes", L"", L" 1"}) {
        storeSix(L"1", L"2", L"3", L"4", L"5", odd);
        main.reset();
        open();
        EXPECT_FALSE(main->Check1.checked()) << wp::win::toUtf8(odd);
    }
}

TEST_F(MainWindow, AnEmptyPositionOneXLoadsNothing) {
    storeSix(L"", L"20", L"30", L"40", L"5", L"1");
    open();
    EXPECT_EQ(L"0", main->Text2.text());
    EXPECT_EQ(L"400", main->Text3.text());
    EXPECT_EQ(L"60", main->TimInt.text());
    EXPECT_FALSE(main->Check1.checked());
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
    struct Raw {
        DWORD type;
        std::vector<BYTE> bytes;
    };
    auto text = [](std::wstring_view t) {
        const auto* b = reinterpret_cast<const BYTE*>(t.data());
        return Raw{REG_SZ, std::vector<BYTE>(b, b + t.size() * sizeof(wchar_t))};
    };
    const DWORD five = 5;
    const auto* fiveBytes = reinterpret_cast<const BYTE*>(&five);
    const std::wstring overLimit(100000, L'9');
    const std::wstring nearLimit(wp::win::RegistrySettings::maxValueChars - 1, L'9');
    const std::wstring nonDigits(3000, L'x');
    const struct {
        const char* what;
        std::vector<Raw> values; // one for every key, or one for all
    } rounds[] = {
        {"a wrong type in every key",
         {{REG_DWORD, {fiveBytes, fiveBytes + sizeof five}},
          {REG_BINARY, {'1', 0, '2', 0}},
          {REG_MULTI_SZ, {'1', 0, 0, 0, '2', 0, 0, 0, 0, 0}},
          {REG_NONE, {}},
          {REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}},
          {REG_SZ, {'1', 0, '2'}}}},
        // A readable first key makes the window read all the others.
        {"wrong types behind a good first key",
         {text(L"10"),
          {REG_DWORD, {fiveBytes, fiveBytes + sizeof five}},
          {REG_BINARY, {'1', 0, '2', 0}},
          {REG_MULTI_SZ, {'1', 0, 0, 0, '2', 0, 0, 0, 0, 0}},
          {REG_NONE, {}},
          {REG_SZ, {'1', 0, '2'}}}},
        {"strings far over the limit behind a good first key",
         {text(L"10"), text(overLimit), text(overLimit), text(overLimit), text(overLimit), text(overLimit)}},
        {"strings just under the limit", {text(nearLimit)}},
        {"non-numbers in every key",
         {text(L"abc"), text(nonDigits), text(L"-"), text(L","), text(nonDigits), text(L"yes")}},
        {"numbers out of every range, helpers shown",
         {text(L"-99999999999999999999"), text(L"1e308"), text(L"2147483648"), text(L"-2147483649"),
          text(L"1e400"), text(L"1")}},
        {"odd number forms, helpers shown",
         {text(L"NaN"), text(L"inf"), text(L"0x10"), text(L" -0 "), text(L"-5"), text(L"1")}},
        {"huge positions and interval, helpers shown",
         {text(nearLimit), text(nearLimit), text(nearLimit), text(nearLimit), text(nearLimit), text(L"1")}},
    };
    for (const auto& round : rounds) {
        RegDeleteTreeW(HKEY_CURRENT_USER, base.path.c_str());
        for (std::size_t i = 0; i < std::size(keys); ++i) {
            const Raw& raw = round.values[round.values.size() == 1 ? 0 : i];
            HKEY k{};
            ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, (base.path + L"\\" + keys[i].first).c_str(), 0,
                                                     nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr));
            RegSetValueExW(k, keys[i].second, 0, raw.type, raw.bytes.data(), static_cast<DWORD>(raw.bytes.size()));
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

TEST_F(MainWindow, ClosingSavesTheSixValuesThenEndsTheProgram) {
    open();
    main->Text1.setText(L"");
    main->Text4.setText(L"77");
    main->TimInt.setText(L"3");
    main->Check1.setChecked(true);
    SendMessageW(main->hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(1, endCalls);
    const std::vector<std::wstring> expected = {L"Position1/x=",       L"Position1/y=0",       L"Position2/x=400",
                                                L"Position2/y=77",     L"Settings/interval=3", L"Settings/ShowHelpers=1"};
    EXPECT_EQ(expected, settings.writes);
}

// Logging off or shutting down with the window open ends the process without a WM_CLOSE.
TEST_F(MainWindow, TheSessionEndingSavesTheSixValues) {
    open();
    main->Text4.setText(L"77");
    EXPECT_EQ(TRUE, SendMessageW(main->hwnd(), WM_QUERYENDSESSION, 0, 0)) << "the session may end";
    SendMessageW(main->hwnd(), WM_ENDSESSION, FALSE, 0);
    EXPECT_TRUE(settings.writes.empty()) << "an end called off saves nothing";
    SendMessageW(main->hwnd(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    ASSERT_EQ(6u, settings.writes.size());
    EXPECT_EQ(L"Position2/y=77", settings.writes[3]);
    EXPECT_EQ(0, endCalls) << "the session's end ends the program";
}

TEST_F(MainWindow, RestoreDefaultsWhileRunningKeepsRunning) {
    storeSix(L"1", L"2", L"3", L"4", L"5", L"1");
    open();
    main->Command3_Click();
    SendMessageW(main->control(ids::cmdRestoreDefaults), BM_CLICK, 0, 0);
    EXPECT_EQ(L"0", main->Text1.text());
    EXPECT_EQ(L"0", main->Text2.text());
    EXPECT_EQ(L"400", main->Text3.text());
    EXPECT_EQ(L"400", main->Text4.text());
    EXPECT_EQ(L"60", main->TimInt.text());
    EXPECT_FALSE(main->Check1.checked());
    EXPECT_TRUE(main->Timer1.enabled());
    EXPECT_EQ(54000u, main->Timer1.interval());
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
