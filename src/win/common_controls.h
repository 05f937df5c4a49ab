// The common controls DLL, loaded on first use rather than at start-up: the version the manifest
// asks for registers every class it has as it loads, which costs the start of the program more
// than its window does. The main window's controls need it, once the window exists.
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace wp::win {

void initCommonControls(DWORD classes);
bool setWindowSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data);
void removeWindowSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id);
// Only ever reached from a subclass procedure, so the DLL is loaded by then.
LRESULT defSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace wp::win
