// The keys the user picks to run, record and stop macros from any application.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/key_names.h"

namespace wp::macro {

enum Shortcut : int { shortcutRun, shortcutRecord, shortcutStop, shortcutCount };

struct ShortcutKeys {
    // none: no key for it.
    std::array<std::optional<KeyChord>, shortcutCount> keys{};
};

// What a kept key reads as: "" is no key, a name the reader knows is that key, and anything else
// (missing, unknown) the default: F9 to run, none for the others.
std::optional<KeyChord> readShortcutKey(Shortcut which, const std::optional<std::string>& kept);
std::string shortcutKeyText(const std::optional<KeyChord>& key);

// The shortcut a chord is already chosen for, other than `except`.
std::optional<Shortcut> chosenFor(const ShortcutKeys& keys, KeyChord chord, Shortcut except);

// A registered key held down comes again and again; only its first press counts until a poll
// has seen it up.
class HeldKeyGate {
public:
    bool press() { return !std::exchange(held_, true); }
    void poll(bool down) { held_ = held_ && down; }

private:
    bool held_ = false;
};

} // namespace wp::macro
