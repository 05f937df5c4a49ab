#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <utility>

#include "app/frmMain.h"
#include "core/macro_file.h"
#include "app/frmMain_ids.h"
#include "macro/frmMacro.h"
#include "macro/frmMacro_ids.h"
#include "markers/markers.h"
#include "mouse/win32_mouse_platform.h"
#include "support.h"
#include "win/event_wait.h"
#include "win/handle.h"
#include "win/pump.h"
#include "win/text.h"

namespace ids = wp::macro::macro_ids;
using wp::macro::FrmMacro;
using wp::test::flushEvents;
using wp::test::textOf;

namespace {

class RecordingClicks final : public wp::macro::ClickPort {
public:
    std::vector<std::string> calls; // "single 0", "double 1"
    std::function<void()> onClick;  // runs inside the click, while the run is going on

    void SingleClick(std::int32_t lButton) override { record("single " + std::to_string(lButton)); }
    void DoubleClick(std::int32_t lButton) override { record("double " + std::to_string(lButton)); }

private:
    void record(std::string call) {
        calls.push_back(std::move(call));
        if (onClick) onClick();
    }
};

class FakeMarker final : public wp::macro::MarkerPort {
public:
    std::vector<std::string> calls;
    bool loaded = false;
    bool visible = false;

    void show() override {
        calls.push_back("show");
        loaded = visible = true;
    }
    void hide() override {
        calls.push_back("hide");
        visible = false;
    }
    void close() override {
        calls.push_back("close");
        loaded = visible = false;
    }
    bool isLoaded() const override { return loaded; }
    void moveTopLeft(int x, int y) override { calls.push_back("move " + std::to_string(x) + "," + std::to_string(y)); }
    wp::markers::MarkerTarget* target = nullptr;
    void setTarget(wp::markers::MarkerTarget* to) override { target = to; }
};

// Answers the dialogs from a queue: a name, or nothing for Cancel.
class ScriptedDialogs final : public wp::macro::FileDialogs {
public:
    struct Shown {
        bool save;
        std::wstring filter, initialName;
    };
    std::deque<std::optional<std::wstring>> answers;
    std::vector<Shown> shown;

    std::optional<std::wstring> showOpen(HWND, const std::wstring& filter, const std::wstring& name) override {
        return answer({false, filter, name});
    }
    std::optional<std::wstring> showSave(HWND, const std::wstring& filter, const std::wstring& name) override {
        return answer({true, filter, name});
    }

private:
    std::optional<std::wstring> answer(Shown s) {
        shown.push_back(std::move(s));
        if (answers.empty()) return std::nullopt;
        auto next = answers.front();
        answers.pop_front();
        return next;
    }
};

// A folder of its own under the temporary folder, removed with what it holds.
class TempFolder {
public:
    TempFolder() { std::filesystem::create_directory(path_); }
    ~TempFolder() {
        for (const std::wstring& name : names()) SetFileAttributesW(file(name.c_str()).c_str(), FILE_ATTRIBUTE_NORMAL);
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::wstring file(const wchar_t* name) const { return path_.wstring() + L"\\" + name; }
    std::vector<std::wstring> names() const { // sorted
        std::vector<std::wstring> found;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) found.push_back(entry.path().filename());
        std::sort(found.begin(), found.end());
        return found;
    }

private:
    std::filesystem::path path_ = std::filesystem::temp_directory_path() /
                                  (L"wp-macro-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount64()));
};

std::string bytesOf(const std::wstring& file) {
    std::ifstream in(wp::win::toUtf8(file), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const std::wstring& file, const std::string& bytes) {
    std::ofstream out(wp::win::toUtf8(file), std::ios::binary);
    out << bytes;
}

// The runner's title, Run button and lock as seen at one moment of a run.
struct Moment {
    std::wstring title;
    bool runEnabled, addEnabled, frameEnabled, listEnabled;
    LRESULT selected;
};

class MacroWindow : public ::testing::Test {
protected:
    wp::test::RecordingPointer pointer;
    RecordingClicks clicks;
    wp::mouse::Win32MousePlatform mousePlatform;
    FakeMarker marker;
    ScriptedDialogs dialogs;
    std::vector<std::wstring> messages;
    HICON mainIcon = LoadIconW(nullptr, IDI_APPLICATION);
    std::function<SHORT(int)> keyState; // null: the real GetAsyncKeyState
    std::unique_ptr<FrmMacro> macro;

    void SetUp() override {
        macro = std::make_unique<FrmMacro>(wp::macro::MacroWindowDeps{
            pointer, mousePlatform, marker, dialogs,
            [this](HWND, const std::wstring& text) { messages.push_back(text); }, [this] { return mainIcon; },
            [this](int key) { return keyState ? keyState(key) : GetAsyncKeyState(key); }, &clicks});
    }
    void open(int show = SW_SHOWNOACTIVATE) {
        macro->show(show);
        ASSERT_TRUE(macro->exists());
    }
    HWND control(int id) const { return macro->control(id); }
    HWND option(int i) const { return control(ids::optCommands0 + i); }
    bool enabled(int id) const { return IsWindowEnabled(control(id)) != FALSE; }
    int checkedOption() const {
        for (int i = 0; i < 7; ++i)
            if (SendMessageW(option(i), BM_GETCHECK, 0, 0) == BST_CHECKED) return i;
        return -1;
    }
    void setList(std::initializer_list<const wchar_t*> entries) {
        SendMessageW(control(ids::lstCommand), LB_RESETCONTENT, 0, 0);
        for (const wchar_t* e : entries) SendMessageW(control(ids::lstCommand), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e));
    }
    LRESULT selected() const { return SendMessageW(control(ids::lstCommand), LB_GETCURSEL, 0, 0); }
    void select(int index) { SendMessageW(control(ids::lstCommand), LB_SETCURSEL, static_cast<WPARAM>(index), 0); }
    void click(int id) { SendMessageW(control(id), BM_CLICK, 0, 0); }
    void menu(int id) { SendMessageW(macro->hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    Moment moment() const {
        return {textOf(macro->hwnd()), enabled(ids::cmdRun), enabled(ids::cmdAddCmd), enabled(ids::Frame1),
                enabled(ids::lstCommand), selected()};
    }
    void activate() {
        SetForegroundWindow(macro->hwnd());
        SetActiveWindow(macro->hwnd());
        flushEvents(30);
        ASSERT_EQ(macro->hwnd(), GetActiveWindow());
    }
    void releaseEsc() {
        PostMessageW(control(ids::lstCommand), WM_KEYUP, VK_ESCAPE, static_cast<LPARAM>(0xC0010001));
    }
};

TEST_F(MacroWindow, OpensAfreshEachTimeAndOnceFromTheMainWindow) {
    open(SW_SHOW);
    EXPECT_EQ(reinterpret_cast<LRESULT>(mainIcon), SendMessageW(macro->hwnd(), WM_GETICON, ICON_BIG, 0));
    RECT waitBox{};
    GetWindowRect(control(ids::txtSleep), &waitBox);
    POINT inWaitBox{(waitBox.left + waitBox.right) / 2, (waitBox.top + waitBox.bottom) / 2};
    ScreenToClient(macro->hwnd(), &inWaitBox);
    EXPECT_EQ(control(ids::txtSleep), ChildWindowFromPointEx(macro->hwnd(), inWaitBox, CWP_SKIPINVISIBLE))
        << "the wait box takes clicks over its option";

    // Change everything, close by File > Exit, and open again: all starts from the design.
    macro->txtSleep.setText(L"4");
    click(ids::cmdAddCmd);
    macro->ChkShowHelper.setChecked(true);
    menu(ids::mnuEnableF9);
    EXPECT_FALSE(macro->F9Enabled);
    macro->Form_KeyUp(VK_ESCAPE, 0);
    EXPECT_TRUE(macro->StopMacro);
    const HWND first = macro->hwnd();
    menu(ids::mnuExit);
    EXPECT_FALSE(macro->exists());
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ("close", marker.calls.back()) << "closing closes the marker";
    open();
    EXPECT_EQ(0, SendMessageW(control(ids::lstCommand), LB_GETCOUNT, 0, 0));
    EXPECT_EQ(-1, checkedOption());
    EXPECT_EQ(L"0", macro->txtX.text());
    EXPECT_EQ(L"0", macro->txtY.text());
    EXPECT_EQ(L"", macro->txtSleep.text());
    EXPECT_FALSE(macro->ChkShowHelper.checked());
    EXPECT_TRUE(GetMenuState(GetMenu(macro->hwnd()), ids::mnuEnableF9, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(macro->F9Enabled);
    EXPECT_EQ(L"", macro->PendingCommand) << "reset on opening";
    EXPECT_FALSE(macro->StopMacro) << "reset on opening";

    // The main window's Macro button shows this window; a second click shows the same one.
    wp::test::MemorySettings settings;
    int shows = 0;
    wp::app::FrmMain main({settings, pointer, [] {}, [&] {
                               ++shows;
                               macro->show();
                           }});
    ASSERT_TRUE(main.open(SW_SHOWNOACTIVATE));
    const HWND now = macro->hwnd();
    SendMessageW(main.control(wp::app::main_ids::cmdMacro), BM_CLICK, 0, 0);
    SendMessageW(main.control(wp::app::main_ids::cmdMacro), BM_CLICK, 0, 0);
    EXPECT_EQ(2, shows);
    EXPECT_EQ(now, macro->hwnd());
    EXPECT_TRUE(IsWindowVisible(macro->hwnd()));
}

TEST_F(MacroWindow, ComposesAddsRemovesAndLocksExactlyTheInputControls) {
    open();
    click(ids::cmdAddCmd);
    EXPECT_EQ(0, SendMessageW(control(ids::lstCommand), LB_GETCOUNT, 0, 0)) << "nothing chosen, nothing added";

    macro->txtX.setText(L"250");
    EXPECT_EQ(4, checkedOption()) << "the bare option beside Move to";
    macro->setX(L"100"); // the marker's writes: x, then y
    macro->setY(L"200");
    EXPECT_EQ(L"MVE 100,200", macro->PendingCommand);
    click(ids::cmdAddCmd);
    click(ids::cmdAddCmd);
    SendMessageW(control(ids::txtSleep), WM_CHAR, L'3', 1); // typed
    EXPECT_EQ(5, checkedOption());
    EXPECT_EQ(L"SLP 3", macro->PendingCommand);
    click(ids::cmdAddCmd);
    click(ids::optCommands0 + 1);
    EXPECT_EQ(1, checkedOption());
    EXPECT_EQ(L"RCK", macro->PendingCommand);
    select(0);
    click(ids::cmdAddCmd);
    EXPECT_EQ(0, selected()) << "adding keeps the selection";
    const std::vector<std::wstring> composed = {L"MVE 100,200", L"MVE 100,200", L"SLP 3", L"RCK"};
    EXPECT_EQ(composed, macro->entries());

    // Repeat locks exactly the composing controls.
    click(ids::optCommands0 + 6);
    click(ids::cmdAddCmd);
    const int locked[] = {ids::cmdAddCmd, ids::optCommands0 + 6, ids::Frame1, ids::txtX, ids::txtSleep, ids::Image1};
    const int free[] = {ids::lstCommand, ids::cmdRemoveCmd, ids::cmdRun};
    auto expectLocked = [&](bool isLocked, const char* when) {
        for (int id : locked) EXPECT_EQ(!isLocked, enabled(id)) << when << ": control " << id;
        for (int id : free) EXPECT_TRUE(enabled(id)) << when << ": control " << id;
        const HMENU bar = GetMenu(macro->hwnd());
        for (int id : {ids::mnuNew, ids::mnuOpen, ids::mnuSave, ids::mnuExit, ids::mnuEnableF9})
            EXPECT_FALSE(GetMenuState(bar, static_cast<UINT>(id), MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) << when;
    };
    expectLocked(true, "after adding RPT");
    EXPECT_EQ(L"RPT", macro->entries().back());

    SendMessageW(control(ids::lstCommand), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    click(ids::cmdRemoveCmd);
    EXPECT_EQ(5u, macro->entries().size()) << "no selection, nothing removed";
    select(2);
    click(ids::cmdRemoveCmd);
    expectLocked(true, "after removing another entry");
    EXPECT_EQ(-1, selected());
    select(3);
    click(ids::cmdRemoveCmd);
    expectLocked(false, "after removing RPT");
    const std::vector<std::wstring> left = {L"MVE 100,200", L"MVE 100,200", L"RCK"};
    EXPECT_EQ(left, macro->entries());

    // New empties the list, forgets the pending command and opens the lock.
    click(ids::optCommands0 + 6);
    click(ids::cmdAddCmd);
    menu(ids::mnuNew);
    EXPECT_TRUE(macro->entries().empty());
    EXPECT_EQ(L"", macro->PendingCommand);
    expectLocked(false, "after New");
    click(ids::cmdAddCmd);
    EXPECT_TRUE(macro->entries().empty());

    // The test image and the marker check box.
    macro->txtX.setText(L"100");
    macro->txtY.setText(L"200");
    SendMessageW(macro->hwnd(), WM_COMMAND, MAKEWPARAM(ids::Image1, STN_CLICKED),
                 reinterpret_cast<LPARAM>(control(ids::Image1)));
    ASSERT_EQ(1u, pointer.moves().size());
    EXPECT_EQ(100, pointer.moves()[0].x);
    EXPECT_EQ(200, pointer.moves()[0].y);
    EXPECT_EQ(wp::test::RecordingPointer::Call::UserInput, pointer.calls.back().kind);
    macro->txtY.setText(L"y");
    macro->Image1_Click();
    EXPECT_EQ(1u, pointer.moves().size()) << "a box that is not a number moves nothing";

    click(ids::ChkShowHelper);
    RECT window{};
    GetWindowRect(macro->hwnd(), &window);
    const std::vector<std::string> shown = {"show", "move " + std::to_string(window.left) + "," +
                                                        std::to_string(window.top)};
    EXPECT_EQ(shown, marker.calls);
    click(ids::ChkShowHelper);
    EXPECT_EQ("hide", marker.calls.back());
}

TEST_F(MacroWindow, FilesGoThroughTheDialogsByteExactAndAFailureKeepsWhatWasThere) {
    TempFolder folder;
    const std::wstring saved = folder.file(L"four.cmd");
    open();
    setList({L"LCK", L"MVE 100,200", L"SLP 2", L"RPT"});
    dialogs.answers = {saved};
    menu(ids::mnuSave);
    EXPECT_EQ("\"LCK\"\r\n\"MVE 100,200\"\r\n\"SLP 2\"\r\n\"RPT\"\r\n", bytesOf(saved));
    ASSERT_EQ(1u, dialogs.shown.size());
    EXPECT_TRUE(dialogs.shown[0].save);

    setList({L"old"});
    dialogs.answers = {std::nullopt};
    menu(ids::mnuOpen);
    EXPECT_EQ(std::vector<std::wstring>{L"old"}, macro->entries()) << "cancel leaves the list";
    dialogs.answers = {saved};
    menu(ids::mnuOpen);
    const std::vector<std::wstring> four = {L"LCK", L"MVE 100,200", L"SLP 2", L"RPT"};
    EXPECT_EQ(four, macro->entries());
    EXPECT_FALSE(dialogs.shown[1].save);
    EXPECT_EQ(saved, dialogs.shown[1].initialName) << "one name for both dialogs";
    EXPECT_EQ(saved, dialogs.shown[2].initialName) << "cancel keeps the name";
    EXPECT_TRUE(enabled(ids::cmdAddCmd)) << "a repeat record read from a file does not lock";

    // Opening runs New: the lock opens and the pending command goes.
    click(ids::optCommands0 + 6);
    click(ids::cmdAddCmd);
    dialogs.answers = {saved};
    menu(ids::mnuOpen);
    EXPECT_TRUE(enabled(ids::cmdAddCmd));
    EXPECT_EQ(L"", macro->PendingCommand);

    // Saving an empty list gives an empty file, over the old one.
    menu(ids::mnuNew);
    dialogs.answers = {saved};
    menu(ids::mnuSave);
    EXPECT_EQ("", bytesOf(saved));
    EXPECT_TRUE(GetFileAttributesW(saved.c_str()) != INVALID_FILE_ATTRIBUTES);
    dialogs.answers = {std::nullopt};
    setList({L"LCK"});
    menu(ids::mnuSave);
    EXPECT_EQ("", bytesOf(saved)) << "cancel writes nothing";
    EXPECT_TRUE(messages.empty());

    // A save that cannot replace the file tells why and leaves the old file whole.
    const std::wstring guarded = folder.file(L"guarded.cmd");
    writeBytes(guarded, "\"old\"\r\n");
    SetFileAttributesW(guarded.c_str(), FILE_ATTRIBUTE_READONLY);
    dialogs.answers = {guarded};
    menu(ids::mnuSave);
    EXPECT_EQ("\"old\"\r\n", bytesOf(guarded));
    ASSERT_EQ(1u, messages.size());
    EXPECT_NE(std::wstring::npos, messages[0].find(guarded)) << wp::win::toUtf8(messages[0]);
    EXPECT_NE(std::wstring::npos, messages[0].find(L"Could not save")) << wp::win::toUtf8(messages[0]);
    const std::vector<std::wstring> files = {L"four.cmd", L"guarded.cmd"};
    EXPECT_EQ(files, folder.names()) << "no temporary file is left behind";

    // An open that fails says so and keeps the list.
    setList({L"keep", L"these"});
    dialogs.answers = {folder.file(L"absent.cmd")};
    menu(ids::mnuOpen);
    ASSERT_EQ(2u, messages.size());
    EXPECT_NE(std::wstring::npos, messages[1].find(folder.file(L"absent.cmd")));
    const std::vector<std::wstring> kept = {L"keep", L"these"};
    EXPECT_EQ(kept, macro->entries());
}

// Each failing save names the file, leaves any old file byte for byte and no temporary file beside it.
TEST_F(MacroWindow, ASaveThatFailsKeepsTheOldFileAndNamesIt) {
    TempFolder folder;
    const std::wstring locked = folder.file(L"locked.cmd");
    writeBytes(locked, "\"old\"\r\n");
    open();
    setList({L"LCK", L"RPT"});

    const HANDLE opened = CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                      nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, opened) << "error " << GetLastError();
    wp::win::KernelHandle holder(opened);
    const struct {
        std::wstring name;
        const char* why;
    } faults[] = {
        {locked, "open elsewhere with no sharing"},
        {folder.file(L"gone\\inner\\x.cmd"), "missing folder"},
        {folder.file(L"what?.cmd"), "a character no name may hold"},
        {folder.file(L"trailing\\"), "no file name"},
        {folder.file(L"aux.cmd"), "device name with an extension"},
    };
    for (const auto& f : faults) {
        messages.clear();
        dialogs.answers = {f.name};
        menu(ids::mnuSave);
        ASSERT_EQ(1u, messages.size()) << f.why;
        EXPECT_NE(std::wstring::npos, messages[0].find(f.name)) << f.why << ": " << wp::win::toUtf8(messages[0]);
        EXPECT_EQ(std::vector<std::wstring>{L"locked.cmd"}, folder.names()) << f.why;
    }
    EXPECT_EQ(std::vector<std::wstring>({L"LCK", L"RPT"}), macro->entries());

    // Once the other holder lets go the same save goes through.
    holder.reset();
    EXPECT_EQ("\"old\"\r\n", bytesOf(locked)) << "the old file survived every failure";
    messages.clear();
    dialogs.answers = {locked};
    menu(ids::mnuSave);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ("\"LCK\"\r\n\"RPT\"\r\n", bytesOf(locked));
    EXPECT_EQ(std::vector<std::wstring>{L"locked.cmd"}, folder.names());
}

TEST_F(MacroWindow, OpenReadsFilesWithAByteOrderMarkAsUnicodeAndRefusesTooManyEntries) {
    TempFolder folder;
    open();
    const std::wstring name = folder.file(L"marked.cmd");
    const std::vector<std::wstring> read = {L"MVE 100,200", L"\u00e9t\u00e9", L"\U0001F600"};
    writeBytes(name, "\xEF\xBB\xBF\"MVE 100,200\"\r\"\xC3\xA9t\xC3\xA9\"\r\"\xF0\x9F\x98\x80\"\r");
    dialogs.answers = {name};
    menu(ids::mnuOpen);
    EXPECT_EQ(read, macro->entries()) << "UTF-8";
    std::string utf16 = "\xFF\xFE";
    for (const wchar_t c : L"\"MVE 100,200\"\r\n\"\u00e9t\u00e9\"\r\n\"\U0001F600\"")
        if (c != 0) utf16 += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    writeBytes(name, utf16);
    setList({});
    dialogs.answers = {name};
    menu(ids::mnuOpen);
    EXPECT_EQ(read, macro->entries()) << "UTF-16";

    const wp::macro::MacroFileLimits limits;
    writeBytes(name, std::string(limits.entries + 1, ','));
    setList({L"keep"});
    dialogs.answers = {name};
    const ULONGLONG start = GetTickCount64();
    menu(ids::mnuOpen);
    EXPECT_LT(GetTickCount64() - start, 2000u);
    EXPECT_EQ(std::vector<std::wstring>{L"keep"}, macro->entries());
    ASSERT_EQ(1u, messages.size());
    EXPECT_NE(std::wstring::npos, messages[0].find(name)) << wp::win::toUtf8(messages[0]);
    EXPECT_NE(std::wstring::npos, messages[0].find(std::to_wstring(limits.entries)))
        << wp::win::toUtf8(messages[0]);

    writeBytes(name, "LCK\r\n" + std::string(limits.entryLength + 1, 'x'));
    dialogs.answers = {name};
    menu(ids::mnuOpen);
    EXPECT_EQ(std::vector<std::wstring>{L"keep"}, macro->entries());
    ASSERT_EQ(2u, messages.size());
    EXPECT_NE(std::wstring::npos, messages[1].find(std::to_wstring(limits.entryLength)))
        << wp::win::toUtf8(messages[1]);
}

TEST_F(MacroWindow, SaveNamesTheEntriesAFileCannotHoldAndWritesNothing) {
    TempFolder folder;
    open();
    setList({L"LCK", L"ab\"c", L"RPT", L"\U0001F600"});
    dialogs.answers = {folder.file(L"unwritten.cmd")};
    menu(ids::mnuSave);
    EXPECT_TRUE(dialogs.shown.empty()) << "no name is asked for a save that cannot be made";
    EXPECT_TRUE(folder.names().empty());
    ASSERT_EQ(1u, messages.size());
    const std::wstring& told = messages[0];
    EXPECT_NE(std::wstring::npos, told.find(L"ab\"c")) << wp::win::toUtf8(told);
    EXPECT_NE(std::wstring::npos, told.find(L"\U0001F600")) << wp::win::toUtf8(told);
    EXPECT_EQ(std::wstring::npos, told.find(L"RPT")) << wp::win::toUtf8(told);
}

TEST_F(MacroWindow, RunPlaysTheListLockedUnderTheRunningTitleAndRestoresBoth) {
    open();
    SetWindowTextW(macro->hwnd(), L"Macro (mine)");
    macro->ChkShowHelper.setChecked(true);
    ASSERT_TRUE(marker.loaded);
    setList({L"MVE 100,200", L"LCK", L"xyz", L"", L"rdc", L"mve 5,5", L"SLP 0.02"});
    select(0);
    std::vector<Moment> seen;
    clicks.onClick = [&] { seen.push_back(moment()); };
    macro->cmdRun_Click();

    const std::vector<std::string> played = {"single 0", "double 1"};
    EXPECT_EQ(played, clicks.calls);
    const auto moves = pointer.moves();
    ASSERT_EQ(2u, moves.size());
    EXPECT_EQ(100, moves[0].x);
    EXPECT_EQ(200, moves[0].y);
    EXPECT_EQ(5, moves[1].x);
    ASSERT_EQ(2u, seen.size());
    for (const Moment& m : seen) {
        EXPECT_EQ(L"Running Macro - Press ESC to Stop", m.title);
        EXPECT_FALSE(m.runEnabled);
        EXPECT_FALSE(m.addEnabled);
        EXPECT_FALSE(m.frameEnabled);
        EXPECT_TRUE(m.listEnabled);
    }
    EXPECT_EQ(1, seen[0].selected) << "the entry being played is selected";
    EXPECT_EQ(4, seen[1].selected);
    EXPECT_EQ(L"Macro (mine)", textOf(macro->hwnd()));
    EXPECT_TRUE(enabled(ids::cmdRun));
    EXPECT_TRUE(enabled(ids::cmdAddCmd));
    EXPECT_TRUE(enabled(ids::txtSleep));
    EXPECT_EQ(6, selected()) << "the entry played last stays selected";
    EXPECT_FALSE(macro->StopMacro);
    EXPECT_FALSE(marker.loaded) << "the marker is closed for the run";
    EXPECT_TRUE(macro->ChkShowHelper.checked()) << "its check box keeps its state";

    // A run of a list ending in a repeat also opens the lock at its end.
    click(ids::optCommands0 + 6);
    click(ids::cmdAddCmd);
    ASSERT_FALSE(enabled(ids::cmdAddCmd));
    clicks.onClick = [&] { macro->StopMacro = true; };
    setList({L"LCK", L"RPT"});
    macro->cmdRun_Click();
    EXPECT_TRUE(enabled(ids::cmdAddCmd));
}

std::function<void()> duringWait;
void CALLBACK lookDuringWait(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    duringWait();
}

// Whether the list's screen shows the entry as the selected one (its row in the highlight colour).
bool paintedSelected(HWND list, int index) {
    RECT row{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&row));
    wp::win::WindowDC dc(list);
    return GetPixel(dc.get(), row.right - 2, (row.top + row.bottom) / 2) == GetSysColor(COLOR_HIGHLIGHT);
}

// A quick run through a list longer than the box: the screen shows the entry being played during
// a wait and at the end, and the list paints as usual afterwards; a click between two entries acts
// on the entry being played, whatever the screen has caught up with.
TEST_F(MacroWindow, AQuickRunKeepsTheListOnTheEntryBeingPlayed) {
    open();
    const HWND list = control(ids::lstCommand);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (int i = 0; i < 80; ++i) {
        const std::wstring entry = i == 50 ? L"SLP 0.2" : L"MVE " + std::to_wstring(i) + L",1";
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
    pointer.onMove = [&] {
        const int entry = pointer.position.x; // MVE i,1 is entry i
        if (entry == 49) SetTimer(nullptr, 0, 60, lookDuringWait);
        if (entry == 70) { // the user's press and release on Remove, handled after this entry
            PostMessageW(control(ids::cmdRemoveCmd), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
            PostMessageW(control(ids::cmdRemoveCmd), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        }
    };
    bool shownInWait = false;
    duringWait = [&] { shownInWait = selected() == 50 && paintedSelected(list, 50); };
    macro->cmdRun_Click();

    EXPECT_TRUE(shownInWait) << "the waiting entry is on the screen during its wait";
    const auto reports = std::count_if(pointer.calls.begin(), pointer.calls.end(), [](const auto& call) {
        return call.kind == wp::test::RecordingPointer::Call::UserInput;
    });
    EXPECT_EQ(wp::test::RecordingPointer::Call::UserInput, pointer.calls.at(1).kind) << "the first move is reported";
    EXPECT_LT(reports, static_cast<std::ptrdiff_t>(pointer.moves().size() / 4)) << "quick moves are not each reported";
    const std::vector<std::wstring> left = macro->entries();
    EXPECT_EQ(79u, left.size());
    EXPECT_EQ(0, std::count(left.begin(), left.end(), L"MVE 70,1")) << "Remove took the entry being played";
    EXPECT_EQ(78, selected()) << "the list shrank under the run, which ends at its new end";
    EXPECT_TRUE(paintedSelected(list, 78)) << "the last entry is on the screen after the run";
    select(77);
    EXPECT_TRUE(paintedSelected(list, 77)) << "the list paints at once again";
}

TEST_F(MacroWindow, EscReleasedStopsARunOnlyWhileTheWindowIsActive) {
    open(SW_SHOW);
    activate();
    setList({L"LCK", L"SLP 0.02", L"RPT"});
    clicks.onClick = [&] {
        if (clicks.calls.size() == 3) releaseEsc();
    };
    const double started = wp::win::monotonicMilliseconds();
    macro->cmdRun_Click();
    EXPECT_EQ(3u, clicks.calls.size()) << "ESC released during the wait: no click after it";
    EXPECT_LT(wp::win::monotonicMilliseconds() - started, 1000.0);
    EXPECT_EQ(L"Macro", textOf(macro->hwnd()));
    EXPECT_TRUE(macro->exists()) << "ESC does not close the window";

    // With another window active, ESC released in the macro window does nothing.
    wp::test::MemorySettings settings;
    wp::app::FrmMain other({settings, pointer, [] {}});
    ASSERT_TRUE(other.open(SW_SHOW));
    clicks.calls.clear();
    clicks.onClick = [&] {
        if (clicks.calls.size() == 2) {
            SetForegroundWindow(other.hwnd());
            SetActiveWindow(other.hwnd());
            releaseEsc();
        }
        if (clicks.calls.size() == 4) {
            SetForegroundWindow(macro->hwnd());
            SetActiveWindow(macro->hwnd());
            releaseEsc();
        }
    };
    macro->cmdRun_Click();
    EXPECT_EQ(4u, clicks.calls.size());
}

TEST_F(MacroWindow, F9StartsOncePerPressAndStopsARunningMacro) {
    open();
    setList({L"LCK"});
    // The real key, pressed and released between two polls.
    keybd_event(VK_F9, 0, 0, 0);
    keybd_event(VK_F9, 0, KEYEVENTF_KEYUP, 0);
    flushEvents(150);
    EXPECT_EQ(1u, clicks.calls.size()) << "F9 starts the macro once";
    flushEvents(60);
    EXPECT_EQ(1u, clicks.calls.size());

    // A key held over many polls is one press.
    SHORT state = 0;
    keyState = [&](int key) { return key == VK_F9 ? std::exchange(state, static_cast<SHORT>(state & 0x8000)) : SHORT{0}; };
    state = static_cast<SHORT>(0x8001);
    flushEvents(120);
    EXPECT_EQ(2u, clicks.calls.size());
    state = 0;
    flushEvents(60);
    EXPECT_EQ(2u, clicks.calls.size()) << "releasing it starts nothing";

    menu(ids::mnuEnableF9);
    state = 1;
    flushEvents(60);
    EXPECT_EQ(2u, clicks.calls.size()) << "unchecked, F9 does nothing";
    menu(ids::mnuEnableF9);
    flushEvents(60);
    EXPECT_EQ(2u, clicks.calls.size()) << "a press while unchecked is not kept for later";

    // During a run a press stops it, from whatever window is active.
    setList({L"LCK", L"SLP 0.03", L"RPT"});
    clicks.calls.clear();
    clicks.onClick = [&] {
        if (clicks.calls.size() == 2) state = 1;
    };
    macro->cmdRun_Click();
    EXPECT_EQ(2u, clicks.calls.size());
    EXPECT_FALSE(macro->running());
}

TEST_F(MacroWindow, F9HeldWhileTheWindowOpensIsNoPress) {
    SHORT state = static_cast<SHORT>(0x8001); // down, and pressed since the last query
    keyState = [&](int key) { return key == VK_F9 ? std::exchange(state, static_cast<SHORT>(state & 0x8000)) : SHORT{0}; };
    open();
    setList({L"LCK"});
    flushEvents(100);
    EXPECT_TRUE(clicks.calls.empty()) << "held over the opening";
    state = 0;
    flushEvents(60);
    EXPECT_TRUE(clicks.calls.empty()) << "its release";
    state = static_cast<SHORT>(0x8001);
    flushEvents(60);
    EXPECT_EQ(1u, clicks.calls.size()) << "the next press starts the macro";
}

// Closes the window from a thread timer, as the frame's close button would in the middle of a wait.
FrmMacro* closingTarget = nullptr;
bool reopenAfterClosing = false;
double* closedAtOut = nullptr;
void CALLBACK closeFromTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    SendMessageW(closingTarget->hwnd(), WM_CLOSE, 0, 0);
    *closedAtOut = wp::win::monotonicMilliseconds();
    if (reopenAfterClosing) closingTarget->show(SW_SHOWNOACTIVATE);
}

TEST_F(MacroWindow, ClosingDuringAWaitEndsTheRunPromptlyAndLeavesTheNextOpeningAlone) {
    open();
    setList({L"LCK", L"SLP 30", L"RCK", L"RPT"});
    closingTarget = macro.get();
    reopenAfterClosing = false;
    double closedAt = 0;
    clicks.onClick = [&] { SetTimer(nullptr, 0, 50, closeFromTimer); };
    closedAtOut = &closedAt;
    macro->cmdRun_Click();
    // (Without a window manager, Wine takes a while to take a window off the screen: the run's
    // end is measured from the moment the window was gone.)
    EXPECT_LT(wp::win::monotonicMilliseconds() - closedAt, 300.0) << "the 30 s wait ends with the window";
    const std::vector<std::string> played = {"single 0"};
    EXPECT_EQ(played, clicks.calls);
    EXPECT_FALSE(macro->exists());
    EXPECT_EQ("close", marker.calls.back());

    // Closed and opened again in the same wait: the old run ends and leaves the new window as it is.
    open();
    setList({L"LCK", L"SLP 30", L"RCK", L"RPT"});
    clicks.calls.clear();
    reopenAfterClosing = true;
    macro->cmdRun_Click();
    EXPECT_LT(wp::win::monotonicMilliseconds() - closedAt, 300.0);
    EXPECT_EQ(played, clicks.calls);
    ASSERT_TRUE(macro->exists());
    EXPECT_EQ(L"Macro", textOf(macro->hwnd()));
    EXPECT_TRUE(enabled(ids::cmdRun));
    EXPECT_TRUE(macro->entries().empty());
    EXPECT_FALSE(macro->running());
    clicks.onClick = nullptr;
    setList({L"RCK"});
    macro->cmdRun_Click();
    EXPECT_EQ("single 1", clicks.calls.back()) << "the new opening runs";
}

// The real green marker and the real mouse control component, as the program wires them.
TEST(MacroWindowParts, TheGreenMarkerWritesItsCentreIntoTheMoveBoxes) {
    wp::test::RecordingPointer pointer;
    wp::mouse::Win32MousePlatform mousePlatform;
    wp::markers::Marker marker{wp::markers::macroPosition};
    ScriptedDialogs dialogs;
    FrmMacro macro({pointer, mousePlatform, marker, dialogs, nullptr, nullptr, [](int) -> SHORT { return 0; }});
    macro.show(SW_SHOWNOACTIVATE);
    ASSERT_TRUE(macro.exists());

    wchar_t className[32]{};
    GetClassNameW(macro.control(ids::mtyMouse1), className, 32);
    EXPECT_STREQ(L"WanderpointMouse", className) << "the component stands at its place";

    macro.ChkShowHelper.setChecked(true);
    const HWND disc = marker.hwnd();
    ASSERT_NE(nullptr, disc);
    EXPECT_TRUE(IsWindowVisible(disc));
    RECT window{}, circle{};
    GetWindowRect(macro.hwnd(), &window);
    GetWindowRect(disc, &circle);
    EXPECT_EQ(window.left, circle.left);
    EXPECT_EQ(window.top, circle.top);

    PostMessageW(disc, WM_LBUTTONDOWN, 0, MAKELPARAM(21, 21));
    PostMessageW(disc, WM_LBUTTONUP, 0, MAKELPARAM(21, 21));
    flushEvents(60);
    const std::wstring x = std::to_wstring(circle.left + 21);
    const std::wstring y = std::to_wstring(circle.top + 21);
    EXPECT_EQ(x, macro.txtX.text());
    EXPECT_EQ(y, macro.txtY.text());
    EXPECT_EQ(L"MVE " + x + L"," + y, macro.PendingCommand);
    EXPECT_EQ(BST_CHECKED, SendMessageW(macro.control(ids::optCommands0 + 4), BM_GETCHECK, 0, 0));

    macro.ChkShowHelper.setChecked(false);
    EXPECT_FALSE(IsWindowVisible(disc));
    macro.ChkShowHelper.setChecked(true);
    macro.mnuExit_Click();
    flushEvents(30);
    EXPECT_FALSE(marker.exists()) << "closing the macro window closes its marker";
}

} // namespace
