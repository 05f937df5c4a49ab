#include "core/key_strokes.h"

#include <iterator>

namespace wp::macro {
namespace {

constexpr Modifier modifierOrder[] = {modCtrl, modAlt, modShift, modWin};
constexpr char32_t replacement = 0xFFFD;

// The code point that starts at `at`, and where the next one starts.
char32_t nextCodePoint(std::string_view text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at++);
    if (lead < 0x80) return lead;
    const std::size_t length = lead >= 0xF5 ? 0 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0) return replacement;
    char32_t c = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if (at >= text.size() || (byte(at) & 0xC0) != 0x80) return replacement;
        c = c << 6 | (byte(at++) & 0x3F);
    }
    const bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
    if (overlong || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return replacement;
    return c;
}

void typeUnit(std::vector<KeyStroke>& strokes, char32_t unit) {
    strokes.push_back({0, static_cast<char16_t>(unit), false, false});
    strokes.push_back({0, static_cast<char16_t>(unit), true, false});
}

} // namespace

std::vector<KeyStroke> chordStrokes(KeyChord chord) {
    std::vector<KeyStroke> strokes;
    const auto press = [&](std::uint8_t vk, bool up) { strokes.push_back({vk, 0, up, isExtendedKey(vk)}); };
    // A modifier alone is the key itself, not held around itself.
    const unsigned held = chord.modifiers & ~modifierOf(chord.vk);
    for (const Modifier m : modifierOrder)
        if (held & m) press(modifierKey(m), false);
    press(chord.vk, false);
    press(chord.vk, true);
    for (auto m = std::rbegin(modifierOrder); m != std::rend(modifierOrder); ++m)
        if (held & *m) press(modifierKey(*m), true);
    return strokes;
}

std::vector<KeyStroke> textStrokes(std::string_view utf8) {
    std::vector<KeyStroke> strokes;
    strokes.reserve(utf8.size() * 2);
    for (std::size_t at = 0; at < utf8.size();) {
        const char32_t c = nextCodePoint(utf8, at);
        if (c < 0x10000) {
            typeUnit(strokes, c);
        } else {
            typeUnit(strokes, 0xD800 + ((c - 0x10000) >> 10));
            typeUnit(strokes, 0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return strokes;
}

} // namespace wp::macro
