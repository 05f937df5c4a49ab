// GCC 12 warns of an overlap inside std::string that cannot happen (its bug 105329).
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wrestrict"
#endif
#include "core/key_names.h"
#include "core/key_strokes.h"
#include "core/macro_commands.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace wp::macro;

namespace {

// Virtual-key codes as the system documents them.
TEST(KeyNames, EveryNameReadsAsItsKeyInAnyCaseAndIsWrittenBack) {
    std::vector<std::pair<std::string, int>> names = {{"Enter", 0x0D},
                                                      {"Tab", 0x09},
                                                      {"Esc", 0x1B},
                                                      {"Space", 0x20},
                                                      {"Backspace", 0x08},
                                                      {"Delete", 0x2E},
                                                      {"Insert", 0x2D},
                                                      {"Home", 0x24},
                                                      {"End", 0x23},
                                                      {"PageUp", 0x21},
                                                      {"PageDown", 0x22},
                                                      {"Left", 0x25},
                                                      {"Right", 0x27},
                                                      {"Up", 0x26},
                                                      {"Down", 0x28},
                                                      {"Ctrl", 0x11},
                                                      {"Alt", 0x12},
                                                      {"Shift", 0x10},
                                                      {"Win", 0x5B},
                                                      {"Apps", 0x5D},
                                                      {"PrintScreen", 0x2C},
                                                      {"Pause", 0x13},
                                                      {"CapsLock", 0x14},
                                                      {"NumLock", 0x90},
                                                      {"ScrollLock", 0x91},
                                                      {"NumMultiply", 0x6A},
                                                      {"NumAdd", 0x6B},
                                                      {"NumSubtract", 0x6D},
                                                      {"NumDecimal", 0x6E},
                                                      {"NumDivide", 0x6F},
                                                      {";", 0xBA},
                                                      {"=", 0xBB},
                                                      {",", 0xBC},
                                                      {"-", 0xBD},
                                                      {".", 0xBE},
                                                      {"/", 0xBF},
                                                      {"`", 0xC0},
                                                      {"[", 0xDB},
                                                      {"\\", 0xDC},
                                                      {"]", 0xDD},
                                                      {"'", 0xDE}};
    for (int i = 0; i < 26; ++i)
        names.emplace_back(std::string(1, static_cast<char>('A' + i)), 0x41 + i);
    for (int i = 0; i < 10; ++i)
        names.emplace_back(std::string(1, static_cast<char>('0' + i)), 0x30 + i);
    for (int i = 0; i < 10; ++i)
        names.emplace_back(std::to_string(i).insert(0, "Num"), 0x60 + i);
    for (int i = 1; i <= 24; ++i)
        names.emplace_back(std::to_string(i).insert(0, "F"), 0x6F + i);
    for (const auto& [name, vk] : names) {
        std::string lower = name, upper = name;
        for (char& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        for (char& c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        for (const std::string& text : {name, lower, upper, " " + name + "\t"}) {
            const auto chord = parseKeyChord(text);
            ASSERT_TRUE(chord) << text;
            EXPECT_EQ((KeyChord{0, static_cast<std::uint8_t>(vk)}), *chord) << text;
        }
        EXPECT_EQ(name, keyChordText({0, static_cast<std::uint8_t>(vk)}));
    }
}

TEST(KeyNames, ChordsWriteModifiersInOneOrderAndUnknownNamesReadAsNothing) {
    const std::tuple<const char*, std::optional<KeyChord>, const char*> cases[] = {
        {"Ctrl+S", KeyChord{modCtrl, 0x53}, "Ctrl+S"},
        {"shift + ctrl+LEFT", KeyChord{modCtrl | modShift, 0x25}, "Ctrl+Shift+Left"},
        {"Win+Shift+Alt+Ctrl+F5", KeyChord{modCtrl | modAlt | modShift | modWin, 0x74}, "Ctrl+Alt+Shift+Win+F5"},
        {"Win+D", KeyChord{modWin, 0x44}, "Win+D"},
        {"Alt+-", KeyChord{modAlt, 0xBD}, "Alt+-"},
        {"Ctrl+Shift", KeyChord{modCtrl, 0x10}, "Ctrl+Shift"},
        {"Ctrl+ctrl", KeyChord{0, 0x11}, "Ctrl"},
        {"escape", KeyChord{0, 0x1B}, "Esc"},
        {"control+return", KeyChord{modCtrl, 0x0D}, "Ctrl+Enter"},
        {"", {}, ""},
        {"Ctrl+", {}, ""},
        {"+A", {}, ""},
        {"A+Ctrl", {}, ""},
        {"Ctrl++", {}, ""},
        {"F0", {}, ""},
        {"F25", {}, ""},
        {"F01", {}, ""},
        {"Num10", {}, ""},
        {"Hyper+A", {}, ""},
        {"Ctrl S", {}, ""},
        {"\xc3\xa9", {}, ""},
    };
    for (const auto& [text, chord, written] : cases) {
        EXPECT_EQ(chord, parseKeyChord(text)) << text;
        if (chord) {
            EXPECT_EQ(written, keyChordText(*chord)) << text;
        }
    }
    // Either side's modifier key, as a hook reports it, is written by the modifier's name.
    const std::tuple<int, unsigned, const char*> sided[] = {{0xA0, modShift, "Shift"},
                                                            {0xA1, modShift, "Shift"},
                                                            {0xA2, modCtrl, "Ctrl"},
                                                            {0xA3, modCtrl, "Ctrl"},
                                                            {0xA4, modAlt, "Alt"},
                                                            {0xA5, modAlt, "Alt"},
                                                            {0x5C, modWin, "Win"},
                                                            {0x41, 0, "A"},
                                                            {0xFF, 0, ""}};
    for (const auto& [vk, modifier, name] : sided) {
        EXPECT_EQ(modifier, modifierOf(static_cast<std::uint8_t>(vk))) << vk;
        EXPECT_EQ(name, keyChordText({modifier, static_cast<std::uint8_t>(vk)})) << vk;
    }
}

// A chord goes out whole, modifiers around the key; a text as its UTF-16 units, whatever the layout.
TEST(KeyStrokes, AChordHoldsItsModifiersAroundTheKeyAndATextTypesItsUnits) {
    const auto key = [](int vk, bool up, bool extended = false) {
        return KeyStroke{static_cast<std::uint8_t>(vk), 0, up, extended};
    };
    const std::pair<KeyChord, std::vector<KeyStroke>> chords[] = {
        {{modCtrl | modShift, 0x25}, {key(0x11, 0), key(0x10, 0), key(0x25, 0, 1), key(0x25, 1, 1), key(0x10, 1), key(0x11, 1)}},
        {{modWin | modAlt, 0x44}, {key(0x12, 0), key(0x5B, 0, 1), key(0x44, 0), key(0x44, 1), key(0x5B, 1, 1), key(0x12, 1)}},
        {{modShift, 0x10}, {key(0x10, 0), key(0x10, 1)}}, // a modifier alone is not held around itself
        {{0, 0x0D}, {key(0x0D, 0), key(0x0D, 1)}},
    };
    for (const auto& [chord, strokes] : chords) EXPECT_EQ(strokes, chordStrokes(chord)) << keyChordText(chord);
    const std::pair<const char*, std::u16string> texts[] = {
        {"a\xC3\xA9\xF0\x9F\x98\x80", u"a\u00e9\xD83D\xDE00"}, {"", u""},
        {"\xC3x\xE2\x82", u"\uFFFDx\uFFFD"}, {"\xC0\xAF\xED\xA0\x80\xF5", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
    };
    for (const auto& [utf8, units] : texts) {
        std::vector<KeyStroke> typed;
        for (const char16_t unit : units) typed.push_back({0, unit, false}), typed.push_back({0, unit, true});
        EXPECT_EQ(typed, textStrokes(utf8)) << utf8;
    }
}

} // namespace
