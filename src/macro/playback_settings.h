// How macros play, as the user chose it: the shortcut keys and the speed, kept in the settings
// and read the same by the macro window and the command line.
#pragma once

#include <optional>
#include <vector>

#include "core/shortcut_keys.h"
#include "win/settings_store.h"

namespace wp::macro {

// Missing or unreadable values read as the defaults; a null store gives the defaults.
ShortcutKeys readShortcutKeys(win::SettingsStore* settings);
void writeShortcutKey(win::SettingsStore& settings, Shortcut which, const std::optional<KeyChord>& key);
double readPlaySpeedSetting(win::SettingsStore* settings);
void writePlaySpeedSetting(win::SettingsStore& settings, double speed);
// Whether a recording takes the keyboard too: on unless "0".
bool readRecordKeyboard(win::SettingsStore* settings);
void writeRecordKeyboard(win::SettingsStore& settings, bool on);
// The chosen keys, which a recording never takes.
std::vector<KeyChord> chosenKeys(const ShortcutKeys& keys);

} // namespace wp::macro
