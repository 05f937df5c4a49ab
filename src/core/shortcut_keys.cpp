#include "core/shortcut_keys.h"

namespace wp::macro {
namespace {

constexpr std::uint8_t vkF9 = 0x78;

} // namespace

std::optional<KeyChord> readShortcutKey(Shortcut which, const std::optional<std::string>& kept) {
    if (kept && kept->empty()) return std::nullopt;
    if (kept)
        if (const auto chord = parseKeyChord(*kept)) return chord;
    if (which == shortcutRun) return KeyChord{0, vkF9};
    return std::nullopt;
}

std::string shortcutKeyText(const std::optional<KeyChord>& key) { return key ? keyChordText(*key) : std::string(); }

std::optional<Shortcut> chosenFor(const ShortcutKeys& keys, KeyChord chord, Shortcut except) {
    for (int i = 0; i < shortcutCount; ++i)
        if (i != except && keys.keys[static_cast<std::size_t>(i)] == chord) return static_cast<Shortcut>(i);
    return std::nullopt;
}

} // namespace wp::macro
