// What a key entry or a text entry sends to the system, as a list of key events: the runner's
// keyboard, free of the platform, so that the order is tested here.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/key_names.h"

namespace wp::macro {

struct KeyStroke {
    std::uint8_t vk = 0;
    char16_t unit = 0; // not 0: this UTF-16 unit typed as a character, whatever the layout
    bool up = false;
    bool extended = false; // the key's scan code carries the extended prefix
    friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

// The modifiers down in the order Ctrl, Alt, Shift, Win, the key down and up, the modifiers up in
// the reverse order: sent in one go, no modifier is left held whatever stops the run.
std::vector<KeyStroke> chordStrokes(KeyChord chord);

// Each UTF-16 unit of the text down and up; a character beyond the first 65,536 is its two
// surrogates, one after the other. Broken UTF-8 types U+FFFD.
std::vector<KeyStroke> textStrokes(std::string_view utf8);

} // namespace wp::macro
