#include "core/key_names.h"

#include <array>
#include <utility>

namespace wp::macro {
namespace {

struct NamedKey {
    std::uint8_t vk;
    std::string_view name;
};

// The names that are not a letter, digit, function key or Num digit; the first name of a code is
// the one written.
constexpr NamedKey namedKeys[] = {
    {0x0D, "Enter"},
    {0x09, "Tab"},
    {0x1B, "Esc"},
    {0x20, "Space"},
    {0x08, "Backspace"},
    {0x2E, "Delete"},
    {0x2D, "Insert"},
    {0x24, "Home"},
    {0x23, "End"},
    {0x21, "PageUp"},
    {0x22, "PageDown"},
    {0x25, "Left"},
    {0x27, "Right"},
    {0x26, "Up"},
    {0x28, "Down"},
    {0x11, "Ctrl"},
    {0x12, "Alt"},
    {0x10, "Shift"},
    {0x5B, "Win"},
    {0x5D, "Apps"},
    {0x2C, "PrintScreen"},
    {0x13, "Pause"},
    {0x14, "CapsLock"},
    {0x90, "NumLock"},
    {0x91, "ScrollLock"},
    {0x6A, "NumMultiply"},
    {0x6B, "NumAdd"},
    {0x6D, "NumSubtract"},
    {0x6E, "NumDecimal"},
    {0x6F, "NumDivide"},
    {0xBA, ";"},
    {0xBB, "="},
    {0xBC, ","},
    {0xBD, "-"},
    {0xBE, "."},
    {0xBF, "/"},
    {0xC0, "`"},
    {0xDB, "["},
    {0xDC, "\\"},
    {0xDD, "]"},
    {0xDE, "'"},
    // Read, never written.
    {0x11, "Control"},
    {0x1B, "Escape"},
    {0x0D, "Return"},
    {0x2E, "Del"},
    {0x2D, "Ins"},
    {0x21, "PgUp"},
    {0x22, "PgDn"},
    {0x5D, "Menu"},
};

// Left and right modifier keys, named as their generic code.
constexpr std::pair<std::uint8_t, std::uint8_t> sidedModifiers[] = {
    {0xA0, 0x10}, {0xA1, 0x10}, {0xA2, 0x11}, {0xA3, 0x11}, {0xA4, 0x12}, {0xA5, 0x12}, {0x5C, 0x5B},
};

constexpr std::array<std::pair<Modifier, std::uint8_t>, 4> modifierKeys = {{
    {modCtrl, 0x11},
    {modAlt, 0x12},
    {modShift, 0x10},
    {modWin, 0x5B},
}};

std::uint8_t genericKey(std::uint8_t vk) {
    for (const auto& [sided, generic] : sidedModifiers)
        if (vk == sided) return generic;
    return vk;
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

std::optional<unsigned> smallNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 2 || (digits.size() == 2 && digits[0] == '0')) return std::nullopt;
    unsigned n = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + static_cast<unsigned>(c - '0');
    }
    return n;
}

std::optional<std::uint8_t> keyOfName(std::string_view name) {
    if (name.size() == 1) {
        const char c = lower(name[0]);
        if (c >= 'a' && c <= 'z') return static_cast<std::uint8_t>(c - 'a' + 'A');
        if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c);
    }
    if (name.size() > 1 && lower(name[0]) == 'f')
        if (const auto n = smallNumber(name.substr(1)); n && *n >= 1 && *n <= 24)
            return static_cast<std::uint8_t>(0x70 + *n - 1);
    if (name.size() == 4 && sameName(name.substr(0, 3), "num"))
        if (const auto n = smallNumber(name.substr(3))) return static_cast<std::uint8_t>(0x60 + *n);
    for (const NamedKey& key : namedKeys)
        if (sameName(name, key.name)) return key.vk;
    return std::nullopt;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::optional<KeyChord> parseKeyChord(std::string_view text) {
    KeyChord chord;
    for (;;) {
        const std::size_t plus = text.find('+');
        const auto vk = keyOfName(trimmed(text.substr(0, plus)));
        if (!vk) return std::nullopt;
        if (plus == std::string_view::npos) {
            chord.vk = *vk;
            chord.modifiers &= ~modifierOf(*vk);
            return chord;
        }
        if (!isModifierKey(*vk)) return std::nullopt;
        chord.modifiers |= modifierOf(*vk);
        text.remove_prefix(plus + 1);
    }
}

std::string keyChordText(KeyChord chord) {
    const std::string_view name = keyName(chord.vk);
    if (name.empty()) return {};
    std::string text;
    for (const auto& [modifier, vk] : modifierKeys) {
        if ((chord.modifiers & modifier) == 0 || modifier == modifierOf(chord.vk)) continue;
        text += keyName(vk);
        text += '+';
    }
    return text += name;
}

std::string_view keyName(std::uint8_t vk) {
    static constexpr std::string_view functionKeys[] = {"F1",  "F2",  "F3",  "F4",  "F5",  "F6",  "F7",  "F8",
                                                        "F9",  "F10", "F11", "F12", "F13", "F14", "F15", "F16",
                                                        "F17", "F18", "F19", "F20", "F21", "F22", "F23", "F24"};
    static constexpr std::string_view characters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static constexpr std::string_view numDigits[] = {"Num0", "Num1", "Num2", "Num3", "Num4",
                                                     "Num5", "Num6", "Num7", "Num8", "Num9"};
    if (vk >= 'A' && vk <= 'Z') return characters.substr(vk - 'A', 1);
    if (vk >= '0' && vk <= '9') return characters.substr(26 + vk - '0', 1);
    if (vk >= 0x70 && vk <= 0x87) return functionKeys[vk - 0x70];
    if (vk >= 0x60 && vk <= 0x69) return numDigits[vk - 0x60];
    const std::uint8_t generic = genericKey(vk);
    for (const NamedKey& key : namedKeys)
        if (key.vk == generic) return key.name;
    return {};
}

unsigned modifierOf(std::uint8_t vk) {
    const std::uint8_t generic = genericKey(vk);
    for (const auto& [modifier, key] : modifierKeys)
        if (key == generic) return modifier;
    return 0;
}

std::uint8_t modifierKey(Modifier modifier) {
    for (const auto& [m, key] : modifierKeys)
        if (m == modifier) return key;
    return 0;
}

bool isExtendedKey(std::uint8_t vk) {
    static constexpr std::uint8_t extended[] = {0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x2C,
                                                0x2D, 0x2E, 0x5B, 0x5C, 0x5D, 0x6F, 0x90, 0xA3, 0xA5};
    for (const std::uint8_t key : extended)
        if (key == vk) return true;
    return false;
}

} // namespace wp::macro
