#include "win/key_box.h"

#include "core/key_names.h"
#include "win/common_controls.h"
#include "win/key_input.h"
#include "win/text.h"

namespace wp::win {
namespace {

constexpr UINT_PTR subclassId = 1;

bool held(int vk) {
    return GetKeyState(vk) < 0;
}

unsigned modifiersHeld() {
    return heldModifiers(GetKeyState);
}

bool isKeyDown(UINT message) {
    return message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
}

} // namespace

void KeyBox::attach(HWND edit) {
    detach();
    if (edit && setWindowSubclass(edit, &KeyBox::proc, subclassId, reinterpret_cast<DWORD_PTR>(this))) edit_ = edit;
}

void KeyBox::detach() {
    if (edit_) removeWindowSubclass(edit_, &KeyBox::proc, subclassId);
    edit_ = nullptr;
}

bool KeyBox::wants(const MSG& msg) const {
    if (!edit_ || msg.hwnd != edit_) return false;
    const bool tab = msg.wParam == VK_TAB && !held(VK_CONTROL) && !held(VK_MENU);
    return armed_ || !tab;
}

LRESULT CALLBACK KeyBox::proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    if (message == WM_NCDESTROY) {
        reinterpret_cast<KeyBox*>(self)->detach();
        return defSubclassProc(hwnd, message, wParam, lParam);
    }
    return reinterpret_cast<KeyBox*>(self)->handle(message, wParam, lParam);
}

void KeyBox::take(std::uint8_t vk, unsigned modifiers) {
    armed_ = false;
    tapped_.reset();
    const std::string text = macro::keyChordText({modifiers, vk});
    if (!text.empty()) SetWindowTextW(edit_, toWide(text).c_str());
    SendMessageW(edit_, EM_SETSEL, 0, -1);
}

LRESULT KeyBox::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto vk = static_cast<std::uint8_t>(wParam);
    switch (message) {
    case WM_SETFOCUS:
        armed_ = false;
        break;
    case WM_LBUTTONDOWN: {
        const LRESULT result = defSubclassProc(edit_, message, wParam, lParam); // takes the focus
        armed_ = true; // clicked: even Tab is the next key
        return result;
    }
    case WM_GETDLGCODE: {
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        if (msg && wants(*msg)) return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
        break;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (!isKeyDown(message) && !(tapped_ && macro::modifierOf(*tapped_) == macro::modifierOf(vk))) return 0;
        if (isKeyDown(message) && macro::isModifierKey(vk)) {
            if (!(lParam & (1 << 30))) tapped_ = vk; // not a repeat of a held key
            return 0;
        }
        if (isKeyDown(message) && vk == VK_TAB && !armed_ && !held(VK_CONTROL) && !held(VK_MENU)) break;
        // A modifier let go alone is the key; otherwise the modifiers held go with it.
        take(vk, isKeyDown(message) ? modifiersHeld() : modifiersHeld() & ~macro::modifierOf(vk));
        return 0;
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_DEADCHAR:
    case WM_SYSDEADCHAR:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case WM_CONTEXTMENU:
        return 0; // the box shows a key, nothing typed or pasted
    default:
        break;
    }
    return defSubclassProc(edit_, message, wParam, lParam);
}

} // namespace wp::win
