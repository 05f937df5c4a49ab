// "Start with Windows": a value under HKCU\Software\Microsoft\Windows\CurrentVersion\Run that
// starts this exe at logon, with its main window in the notification area.
#pragma once

#include <string>

#include "win/settings_store.h"

namespace wp::app {

// The value lies in this section of its store, named as the program.
inline constexpr wchar_t runSection[] = L"Run";
std::wstring startValueName();

// The store of the user's own Run key; tests give one of another base, so they never touch it.
win::RegistrySettings userStartStore();

enum class StartWithWindows { Off, ThisCopy, AnotherCopy };

// Whether the value starts this very exe, or an exe at another path.
StartWithWindows startWithWindows(win::SettingsStore& store);

// On: the value starts this exe in the notification area; off: no value.
void setStartWithWindows(win::RegistrySettings& store, bool on);

} // namespace wp::app
