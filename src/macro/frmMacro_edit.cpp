// The command list as the user edits it in place: the list box shows the window's CommandList, and
// each button, key and Edit menu item makes one step of it that Undo takes back.
#include <windows.h>

#include <utility>

#include "macro/frmMacro.h"
#include "macro/frmMacro_ids.h"
#include "win/text.h"

namespace wp::macro {
namespace ids = macro_ids;

namespace {

bool isEditBox(HWND control) {
    wchar_t name[16]{};
    GetClassNameW(control, name, 16);
    return lstrcmpiW(name, L"Edit") == 0;
}

} // namespace

void FrmMacro::appendEditMenu(HMENU bar) {
    win::Menu edit(CreatePopupMenu());
    const struct {
        int id;
        const wchar_t* text;
    } items[] = {
        {ids::mnuUndo, L"&Undo\tCtrl+Z"}, {ids::mnuRedo, L"&Redo\tCtrl+Y"},         {0, nullptr},
        {ids::mnuCut, L"Cu&t\tCtrl+X"},   {ids::mnuCopy, L"&Copy\tCtrl+C"},         {ids::mnuPaste, L"&Paste\tCtrl+V"},
        {0, nullptr},                     {ids::mnuInsert, L"&Insert"},             {ids::mnuMoveUp, L"Move &up\tAlt+Up"},
        {ids::mnuMoveDown, L"Move &down\tAlt+Down"}, {ids::mnuRemove, L"Re&move"},
    };
    for (const auto& item : items)
        AppendMenuW(edit.get(), item.text ? MF_STRING : MF_SEPARATOR, static_cast<UINT_PTR>(item.id), item.text);
    if (AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit.get()), L"&Edit")) (void)edit.release();
}

void FrmMacro::routeEditCommands() {
    form_.onCommand(ids::mnuUndo, [this] { undo(false); });
    form_.onCommand(ids::mnuRedo, [this] { undo(true); });
    form_.onCommand(ids::mnuCut, [this] { cutSelected(); });
    form_.onCommand(ids::mnuCopy, [this] { copySelected(); });
    form_.onCommand(ids::mnuPaste, [this] { pasteEntries(); });
    form_.onCommand(ids::mnuInsert, [this] { cmdInsert_Click(); });
    form_.onCommand(ids::mnuMoveUp, [this] { moveSelected(false); });
    form_.onCommand(ids::mnuMoveDown, [this] { moveSelected(true); });
    form_.onCommand(ids::mnuRemove, [this] { cmdRemoveCmd_Click(); });
    form_.onCommand(ids::lstCommand, [this] { changeEntry(); }, LBN_DBLCLK);
}

void FrmMacro::enableEditItems(HMENU menu) {
    const bool selected = SendMessageW(control(ids::lstCommand), LB_GETSELCOUNT, 0, 0) > 0;
    const std::pair<int, bool> items[] = {
        {ids::mnuUndo, list_.canUndo()},    {ids::mnuRedo, list_.canRedo()},
        {ids::mnuCut, selected},            {ids::mnuCopy, selected},
        {ids::mnuPaste, IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE},
        {ids::mnuInsert, IsWindowEnabled(control(ids::cmdInsert)) != FALSE},
        {ids::mnuMoveUp, selected},         {ids::mnuMoveDown, selected},
        {ids::mnuRemove, selected},
    };
    for (const auto& [id, on] : items) EnableMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
}

// The list's keys: Alt+Up and Alt+Down in the list; Ctrl+Z, Y, X, C and V anywhere but in a box,
// which keeps them for its own text.
bool FrmMacro::editKey(const MSG& msg) {
    if (msg.hwnd != hwnd() && !IsChild(hwnd(), msg.hwnd)) return false;
    const bool inList = msg.hwnd == control(ids::lstCommand);
    if (msg.message == WM_SYSKEYDOWN && inList && (msg.wParam == VK_UP || msg.wParam == VK_DOWN)) {
        moveSelected(msg.wParam == VK_DOWN);
        return true;
    }
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) endChange(); // and goes on to stop a run
    if (msg.message == WM_KEYDOWN && inList && msg.wParam == VK_RETURN) {
        changeEntry();
        return true;
    }
    if (msg.message != WM_KEYDOWN || GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_MENU) < 0 || isEditBox(msg.hwnd))
        return false;
    switch (msg.wParam) {
    case 'Z':
    case 'Y':
        undo(msg.wParam == 'Y');
        return true;
    case 'C':
        copySelected();
        return true;
    case 'X':
        cutSelected();
        return true;
    case 'V':
        pasteEntries();
        return true;
    default:
        return false;
    }
}

void FrmMacro::takeSelection() {
    const HWND list = control(ids::lstCommand);
    const LRESULT count = SendMessageW(list, LB_GETSELCOUNT, 0, 0);
    std::vector<int> items(count > 0 ? static_cast<std::size_t>(count) : 0);
    if (!items.empty()) SendMessageW(list, LB_GETSELITEMS, items.size(), reinterpret_cast<LPARAM>(items.data()));
    list_.select(std::vector<std::size_t>(items.begin(), items.end()));
}

void FrmMacro::edited(const ListChange& change) {
    if (change) showList();
    if (!change.refusal.empty() && deps_.showMessage) deps_.showMessage(hwnd(), win::toWide(change.refusal));
}

// Only the entries that changed are put in the list box: one at a time it takes a long list seconds
// to fill. But each one taken out or put in moves all that follow it: many changed before many
// others, and the whole list is put in anew.
void FrmMacro::showList() {
    endChange(); // the entry being changed may stand elsewhere now
    const HWND list = control(ids::lstCommand);
    const std::vector<std::string>& now = list_.entries();
    auto [head, tail] = sharedEnds(shown_, now);
    // Moving an entry costs a small part of putting one in.
    const std::size_t changed = shown_.size() + now.size() - 2 * (head + tail);
    if (changed * tail > 100 * now.size()) head = tail = 0;
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    if (head == 0 && tail == 0) {
        std::size_t characters = 0;
        for (const std::string& entry : now) characters += entry.size() + 1;
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        SendMessageW(list, LB_INITSTORAGE, now.size(), static_cast<LPARAM>(characters * sizeof(wchar_t)));
    } else {
        for (std::size_t i = shown_.size() - tail; i-- > head;) SendMessageW(list, LB_DELETESTRING, i, 0);
    }
    for (std::size_t i = head; i < now.size() - tail; ++i)
        SendMessageW(list, LB_INSERTSTRING, i, reinterpret_cast<LPARAM>(win::toWide(now[i]).c_str()));
    shown_ = now;
    SendMessageW(list, LB_SETSEL, FALSE, -1);
    for (const std::size_t s : list_.selection()) SendMessageW(list, LB_SETSEL, TRUE, static_cast<LPARAM>(s));
    if (!list_.selection().empty()) SendMessageW(list, LB_SETCARETINDEX, list_.selection().front(), FALSE);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

// Once no repeat is left the lock has nothing to keep last; a run or a recording keeps its own lock.
void FrmMacro::openLockWithoutRepeat() {
    if (!running() && !recording() && !list_.holdsRepeat()) EnableCommandInput();
}

void FrmMacro::setEntries(const std::vector<std::wstring>& entries) {
    std::vector<std::string> texts;
    texts.reserve(entries.size());
    for (const std::wstring& entry : entries) texts.push_back(win::toUtf8(entry));
    takeSelection();
    edited(list_.replaceAll(std::move(texts)));
}

// Locked with Add: the menu item reaches it too.
void FrmMacro::cmdInsert_Click() {
    if (PendingCommand.empty() || !IsWindowEnabled(control(ids::cmdInsert))) return;
    takeSelection();
    edited(list_.insert(win::toUtf8(PendingCommand)));
}

void FrmMacro::moveSelected(bool down) {
    takeSelection();
    edited(list_.moveSelected(down));
}

void FrmMacro::undo(bool redo) {
    if (!(redo ? list_.redo() : list_.undo())) return;
    showList();
    openLockWithoutRepeat();
}

} // namespace wp::macro
