#include "win/common_controls.h"

#include "win/system_library.h"

namespace wp::win {
namespace {

SystemLibrary& library() {
    static SystemLibrary comctl32(L"comctl32.dll");
    return comctl32;
}

} // namespace

void initCommonControls(DWORD classes) {
    static const auto init = library().function<decltype(InitCommonControlsEx)>("InitCommonControlsEx");
    INITCOMMONCONTROLSEX wanted{sizeof wanted, classes};
    if (init) init(&wanted);
}

bool setWindowSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data) {
    static const auto set = library().function<decltype(SetWindowSubclass)>("SetWindowSubclass");
    return set && set(window, proc, id, data) != FALSE;
}

void removeWindowSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id) {
    static const auto remove = library().function<decltype(RemoveWindowSubclass)>("RemoveWindowSubclass");
    if (remove) remove(window, proc, id);
}

LRESULT defSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    static const auto next = library().function<decltype(DefSubclassProc)>("DefSubclassProc");
    return next ? next(window, message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

} // namespace wp::win
