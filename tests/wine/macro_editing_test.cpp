#include <cstring>
#include <filesystem>
#include <tuple>

#include "macro_window_fixture.h"

namespace {

class MacroEditing : public MacroWindow {
protected:
    using Entries = std::vector<std::wstring>;
    using Selection = std::vector<int>;
    HWND list() const { return control(ids::lstCommand); }
    void selectAll(const Selection& entries) {
        SendMessageW(list(), LB_SETSEL, FALSE, -1);
        for (const int e : entries) SendMessageW(list(), LB_SETSEL, TRUE, e);
        if (!entries.empty()) SendMessageW(list(), LB_SETCARETINDEX, entries[0], FALSE);
    }
    Selection selected() const {
        Selection items(static_cast<std::size_t>(SendMessageW(list(), LB_GETSELCOUNT, 0, 0)));
        SendMessageW(list(), LB_GETSELITEMS, items.size(), reinterpret_cast<LPARAM>(items.data()));
        return items;
    }
    // A key pressed in the list, with Ctrl held or as Alt's system key.
    void key(UINT vk, bool ctrl = false) {
        BYTE keys[256]{};
        keys[VK_CONTROL] = ctrl ? 0x80 : 0, SetKeyboardState(keys), SetFocus(list()), pressKey(vk);
        keys[VK_CONTROL] = 0, SetKeyboardState(keys);
    }
    void altKey(UINT vk) { SetFocus(list()), PostMessageW(list(), WM_SYSKEYDOWN, vk, 1 | (1 << 29)), flushEvents(20); }
    void putOnClipboard(const std::wstring& text) {
        ASSERT_TRUE(OpenClipboard(window) && EmptyClipboard());
        const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
        std::memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t)), GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory), CloseClipboard();
    }
    std::wstring clipboardText() {
        OpenClipboard(window);
        const HANDLE memory = GetClipboardData(CF_UNICODETEXT);
        std::wstring text = memory ? static_cast<const wchar_t*>(GlobalLock(memory)) : L"";
        if (memory) GlobalUnlock(memory);
        CloseClipboard();
        return text;
    }
};

// Each change by its button, key or menu item, read back from the list box; Ctrl+Z takes it back whole
// and Edit > Redo brings it again. A refused one changes nothing and says why.
TEST_F(MacroEditing, EachChangeByItsButtonKeyOrMenuIsOneStepOfUndo) {
    const std::function<void()> insertClick = [&] { click(ids::optionId(optLeftClick)), click(ids::cmdInsert); };
    const std::tuple<const char*, Entries, Selection, std::function<void()>, Entries, Selection> rows[] = {
        {"Insert before the selection", {L"A", L"B", L"C"}, {1}, insertClick, {L"A", L"LCK", L"B", L"C"}, {2}},
        {"Insert with none selected", {L"A"}, {}, insertClick, {L"A", L"LCK"}, {}},
        {"Insert after a repeat", {L"A", L"RPT"}, {}, insertClick, {L"A", L"RPT"}, {}},
        {"Move up", {L"A", L"B", L"C"}, {1, 2}, [&] { click(ids::cmdMoveUp); }, {L"B", L"C", L"A"}, {0, 1}},
        {"Alt+Down", {L"A", L"B", L"C"}, {0}, [&] { altKey(VK_DOWN); }, {L"B", L"A", L"C"}, {1}},
        {"Edit > Move down", {L"A", L"B"}, {0}, [&] { menu(ids::mnuMoveDown); }, {L"B", L"A"}, {1}},
        {"Remove all selected", {L"A", L"B", L"C"}, {0, 2}, [&] { click(ids::cmdRemoveCmd); }, {L"B"}, {}},
        {"Ctrl+X", {L"A", L"B", L"C"}, {1}, [&] { key('X', true); }, {L"A", L"C"}, {}},
        {"Ctrl+V before the selection", {L"A", L"B"}, {1},
         [&] { putOnClipboard(L"\"TXT a, b\"\r\nLCK"), key('V', true); }, {L"A", L"TXT a, b", L"LCK", L"B"}, {3}},
        {"Edit > Paste a repeat before another", {L"A", L"RPT"}, {1},
         [&] { putOnClipboard(L"RPT\r\n"), menu(ids::mnuPaste); }, {L"A", L"RPT"}, {1}},
        {"New", {L"A", L"B"}, {0}, [&] { menu(ids::mnuNew); }, {}, {}},
    };
    for (const auto& [name, entries, selection, change, after, selectionAfter] : rows) {
        setList(entries), selectAll(selection), messages.clear();
        change();
        EXPECT_EQ(std::tie(after, selectionAfter), std::tuple(macro.entries(), selected())) << name;
        EXPECT_EQ(after == entries, messages.size() == 1) << name << ": a refusal says why";
        if (after == entries) continue;
        key('Z', true);
        EXPECT_EQ(std::tie(entries, selection), std::tuple(macro.entries(), selected())) << name << ": undone";
        menu(ids::mnuRedo);
        EXPECT_EQ(after, macro.entries()) << name << ": redone";
    }
    setList({L"TXT a, b", L"LCK"}), selectAll({0, 1}), key('C', true); // the lines of a file, as a text editor shows them
    EXPECT_EQ(L"\"TXT a, b\"\r\n\"LCK\"\r\n", clipboardText());
}

// A double click or Enter loads an entry into its option and boxes; Update replaces it, Esc lets it be.
TEST_F(MacroEditing, AnEntryLoadedIntoTheBoxesIsUpdatedOrLetBe) {
    setList({L"LCK", L"MVE 12,34", L"SLP 2"}), selectAll({1}), key(VK_RETURN);
    EXPECT_EQ(std::tuple(std::wstring(L"12"), std::wstring(L"34"), std::wstring(L"Update")),
              std::tuple(textOf(control(ids::txtX)), textOf(control(ids::txtY)), textOf(control(ids::cmdAddCmd))));
    EXPECT_TRUE(IsDlgButtonChecked(window, ids::optionId(optMove)));
    type(ids::txtY, L"40"), click(ids::cmdAddCmd);
    EXPECT_EQ((Entries{L"LCK", L"MVE 12,40", L"SLP 2"}), macro.entries());
    RECT item{};
    SendMessageW(list(), LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM(item.left + 2, item.top + 2);
    for (const UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) PostMessageW(list(), m, 0, at);
    flushEvents();
    EXPECT_EQ(L"2", textOf(control(ids::txtSleep)));
    EXPECT_TRUE(IsDlgButtonChecked(window, ids::optionId(optWait)));
    key(VK_ESCAPE), click(ids::cmdAddCmd);
    EXPECT_EQ((Entries{L"LCK", L"MVE 12,40", L"SLP 2", L"SLP 2"}), macro.entries()) << "Esc: Add adds again";
}

// A paste goes through the reader of File > Open, with its limits; Open is a step that Undo takes back.
TEST_F(MacroEditing, APasteIsReadAsAFileAndOpenIsUndone) {
    std::wstring many;
    for (int i = 0; i <= 100'000; ++i) many += L"L\r\n";
    const std::tuple<const char*, std::wstring, std::wstring> rows[] = {
        {"an entry too long", L"LCK\r\n\"" + std::wstring(5000, L'x') + L"\"", L"Entry 2"},
        {"too many entries", many, L""},
    };
    for (const auto& [name, text, said] : rows) {
        setList({L"A"}), messages.clear(), putOnClipboard(text), key('V', true);
        EXPECT_EQ(Entries{L"A"}, macro.entries()) << name;
        ASSERT_EQ(1u, messages.size()) << name;
        EXPECT_NE(std::wstring::npos, messages[0].find(said)) << name;
    }
    const auto file = std::filesystem::temp_directory_path() / ("wp-edit-" + std::to_string(GetCurrentProcessId()));
    answers = {file.wstring(), file.wstring()};
    setList({L"X"}), menu(ids::mnuSave), setList({L"A"}), menu(ids::mnuOpen);
    EXPECT_EQ(Entries{L"X"}, macro.entries());
    key('Z', true);
    EXPECT_EQ(Entries{L"A"}, macro.entries());
    std::filesystem::remove(file);
}

// A list changed since its last Open or Save is kept as its window goes and recovered at a later opening
// as a step; a saved or unchanged list leaves what was kept before alone.
TEST_F(MacroEditing, AnUnsavedListIsKeptAsItsWindowGoesAndRecovered) {
    const std::wstring kept = keptIn / L"unsaved.cmd";
    const auto keptEntries = [&] { return openMacroFile(kept).entries; };
    const auto recoverable = [&] { // as the File menu shows it
        SendMessageW(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(GetMenu(window), 0)), 0);
        return !(GetMenuState(GetMenu(window), ids::mnuRecover, MF_BYCOMMAND) & MF_GRAYED);
    };
    EXPECT_FALSE(recoverable());
    const std::tuple<const char*, std::function<void()>> goings[] = {
        {"closed", [&] { SendMessageW(window, WM_CLOSE, 0, 0); }},
        {"the session's end", [&] { SendMessageW(window, WM_ENDSESSION, TRUE, 0); }},
        {"the main window's close", [&] { macro.keepUnsaved(); }},
    };
    answers.assign(3, (keptIn / L"saved.cmd").wstring());
    for (const auto& [name, going] : goings) {
        std::filesystem::remove_all(keptIn), open(), setList({L"A", L"B"}), going();
        EXPECT_EQ((Entries{L"A", L"B"}), keptEntries()) << name;
        if (!macro.exists()) open();
        setList({L"C"}), menu(ids::mnuSave), going();
        EXPECT_EQ((Entries{L"A", L"B"}), keptEntries()) << name << ": a saved list leaves it alone";
        if (!macro.exists()) open();
        going();
        EXPECT_EQ((Entries{L"A", L"B"}), keptEntries()) << name << ": an unchanged list leaves it alone";
    }
    SendMessageW(window, WM_CLOSE, 0, 0), open(), setList({L"D"});
    ASSERT_TRUE(recoverable());
    menu(ids::mnuRecover);
    EXPECT_EQ((Entries{L"A", L"B"}), macro.entries());
    key('Z', true);
    EXPECT_EQ(Entries{L"D"}, macro.entries());
}

// At the window's scale and half as much again, every text shows whole and the list's buttons stand apart
// from each other and the rest, within the window.
TEST_F(MacroEditing, TheListsButtonsFitAtEachScale) {
    const int buttons[] = {ids::lstCommand, ids::cmdAddCmd, ids::cmdInsert, ids::cmdRemoveCmd, ids::cmdMoveUp,
                           ids::cmdMoveDown, ids::lblRunStatus, ids::cmdRun, ids::FramePressKey, ids::optionId(optKey)};
    const auto placed = [&](int id) {
        RECT r{};
        GetWindowRect(control(id), &r), MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    for (const UINT dpi : {GetDpiForWindow(window), GetDpiForWindow(window) * 3 / 2}) {
        RECT suggested{}, client{}, both{};
        GetWindowRect(window, &suggested);
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        EXPECT_EQ(std::vector<std::string>{}, clippedTexts(descendants(window))) << dpi;
        GetClientRect(window, &client);
        for (const int a : buttons) {
            const RECT ra = placed(a);
            EXPECT_TRUE(ra.left >= 0 && ra.top >= 0 && ra.right <= client.right && ra.bottom <= client.bottom) << a;
            for (const int b : buttons) {
                const RECT rb = placed(b);
                EXPECT_TRUE(a == b || !IntersectRect(&both, &ra, &rb)) << a << " and " << b << " at " << dpi;
            }
        }
    }
}

} // namespace
