// Key names as macro entries write them ("Ctrl+Shift+Left"), and the virtual-key codes they stand
// for. The codes are the system's virtual-key numbers, kept as plain integers here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wp::macro {

// In the order a chord's text writes them.
enum Modifier : unsigned { modCtrl = 1, modAlt = 2, modShift = 4, modWin = 8 };

struct KeyChord {
    unsigned modifiers = 0; // Modifier bits held around the key
    std::uint8_t vk = 0;
    friend bool operator==(const KeyChord&, const KeyChord&) = default;
};

// Names joined by '+', in any case and any order of the modifiers, blanks around a name allowed;
// nothing when a name is unknown, a modifier is missing its key or the text is empty.
std::optional<KeyChord> parseKeyChord(std::string_view text);

// The modifiers in the order Ctrl, Alt, Shift, Win, then the key; "" for a key without a name.
// A modifier key pressed alone is written once, without its own modifier before it.
std::string keyChordText(KeyChord chord);

// The key's name; "" for a code without one. The left and right modifier keys both take the
// modifier's name.
std::string_view keyName(std::uint8_t vk);

// The modifier bit a key holds (either side's key and the generic code), or 0.
unsigned modifierOf(std::uint8_t vk);
inline bool isModifierKey(std::uint8_t vk) {
    return modifierOf(vk) != 0;
}

// The code pressed to hold a modifier.
std::uint8_t modifierKey(Modifier modifier);

// Keys whose scan code carries the extended prefix (the cursor block, right-hand modifiers, ...).
bool isExtendedKey(std::uint8_t vk);

} // namespace wp::macro
