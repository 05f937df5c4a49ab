#include "core/macro_file.h"

#include <gtest/gtest.h>

#include <tuple>

using wp::macro::MacroTextKind;
using wp::macro::readMacroFile;
using Entries = std::vector<std::string>;

// A byte-order mark, then the text as UTF-16 in the byte order asked for.
static std::string utf16File(std::u16string_view text, bool bigEndian) {
    std::string bytes;
    for (const char16_t c : u"\xFEFF" + std::u16string(text)) {
        const char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

// Writes a quoted record per entry and names those that cannot be one; reads quoted and bare fields.
TEST(MacroFile, WritesAndReadsQuotedRecordsInAnyEncodingUpToTheFirstLimitPassed) {
    EXPECT_EQ("", wp::macro::macroFileBytes({}));
    EXPECT_EQ("\"LCK\"\r\n\"\"\r\n\"MVE 1,2\"\r\n", wp::macro::macroFileBytes({"LCK", "", "MVE 1,2"}));
    EXPECT_EQ(std::vector<std::size_t>({0, 3}),
              wp::macro::entriesWithoutARecord({"\n", "ab\"c", "a\tb, c", "a\rb", "LCK"}));
    // Quotes, commas, blanks and characters beyond any code page come back as they went.
    const Entries typed = {"TXT say \"hi\", then \"\"", "TXT  \xC3\xA9\xE2\x82\xAC \xF0\x9F\x98\x80 ", "\"", "KEY Ctrl+,"};
    for (const auto kind : {MacroTextKind::CodePage, MacroTextKind::Utf8})
        EXPECT_EQ(typed, readMacroFile(wp::macro::macroFileBytes(typed, kind)).entries);
    EXPECT_EQ("\xEF\xBB\xBF\"\"\"\"\r\n", wp::macro::macroFileBytes({"\""}, MacroTextKind::Utf8));
    constexpr auto cp = MacroTextKind::CodePage, utf8 = MacroTextKind::Utf8;
    const std::tuple<const char*, std::string, Entries, MacroTextKind> cases[] = {
        {"bare fields split at commas, blanks dropped", " \t\"LCK\"\r\n  MVE 1 \t,2 \r\n", {"LCK", "MVE 1", "2"}, cp},
        {"text after the closing quote", "\"LCK\" junk, \"RCK\"x\r\nab\"c, ", {"LCK", "RCK", "ab\"c", ""}, cp},
        {"LF, CR and no line end", "\"LCK\"\n\"RCK\"\rRDC\r\nSLP 1", {"LCK", "RCK", "RDC", "SLP 1"}, cp},
        {"open quote runs to the line end", "\"LCK\r\n\"A\rB\"\r\n\"MVE 1,2", {"LCK", "A", "B\"", "MVE 1,2"}, cp},
        {"empty lines and fields", "\r\n\"\"\r\n   \nLCK,\r\n\r", {"", "", "", "LCK", "", ""}, cp},
        {"doubled quotes", "\"a\"\"b\"\"\"\r\n\"\"\"\"x\r\n\"c\"\"", {"a\"b\"", "\"", "c\""}, cp},
        {"NUL bytes are characters", std::string("\"L\0K\"\r\n", 7), {std::string("L\0K", 3)}, cp},
        {"UTF-8 mark", "\xEF\xBB\xBFLCK,\"\xC3\xA9\"", {"LCK", "\xC3\xA9"}, utf8},
        {"half a mark is text", "\xEF\xBB\"LCK\"", {"\xEF\xBB\"LCK\""}, cp},
        {"a mark past the start is text", "LCK\r\n\xEF\xBB\xBFRCK", {"LCK", "\xEF\xBB\xBFRCK"}, cp},
        {"UTF-16 LE", utf16File(u"\"MVE 1,2\"\r\n\"LCK\"\r\n", false), {"MVE 1,2", "LCK"}, utf8},
        {"UTF-16 BE beyond ASCII", utf16File(u"\u00e9,\u20ac,\U0001F600", true),
         {"\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80"}, utf8},
        {"UTF-16 broken surrogates and an odd byte", utf16File(u"\xD83D,\xDE00,\xD83Dx", false) + "R",
         {"\xEF\xBF\xBD", "\xEF\xBF\xBD", "\xEF\xBF\xBDx\xEF\xBF\xBD"}, utf8},
        {"UTF-16 edges", utf16File(u"\u007F\u0080\u07FF\u0800\uD7FF\xDC00\xDFFF\uFFFF\U00010000\U0010FFFF,"
                                   u"\xD800\xDBFF\uE000,\uE000\xD800", true) + "\xDC",
         {"\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xED\x9F\xBF\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBF\xF0\x90\x80\x80"
          "\xF4\x8F\xBF\xBF", "\xEF\xBF\xBD\xEF\xBF\xBD\xEE\x80\x80", "\xEE\x80\x80\xEF\xBF\xBD\xEF\xBF\xBD"}, utf8},
    };
    for (const auto& [name, bytes, entries, kind] : cases) {
        const auto content = readMacroFile(bytes);
        EXPECT_EQ(entries, content.entries) << name;
        EXPECT_EQ(kind, content.kind) << name;
        EXPECT_FALSE(content.refused()) << name;
    }
    const std::tuple<std::string, wp::macro::MacroFileLimits, bool, bool, std::size_t> limited[] = {
        {"a,b,c,", {3, 9}, false, false, 3}, {"a,b,c,d", {3, 9}, true, false, 3},
        {std::string(100'001, ','), {}, true, false, 100'000}, // the limits a file is read with
        {std::string(4'096, 'x') + "," + std::string(4'097, 'x'), {}, false, true, 1},
        {"LCK,\"RCK\" and more,RCKX", {9, 3}, false, true, 2},
        {"\xE9\xE9\xE9,\xE9\xE9\xE9\xE9", {9, 3}, false, true, 1}, // code-page bytes are characters
        {"\xEF\xBB\xBF\xC3\xA9\xC3\xA9\xC3\xA9", {9, 3}, false, false, 1},
        {"\xEF\xBB\xBF\xC3\xA9\xC3\xA9\xC3\xA9x", {9, 3}, false, true, 0}, {"ABCD,EFGH", {1, 3}, false, true, 0},
    };
    for (const auto& [bytes, limits, tooMany, tooLong, kept] : limited) {
        const auto content = readMacroFile(bytes, limits);
        EXPECT_EQ(tooMany, content.tooManyEntries) << bytes;
        EXPECT_EQ(tooLong, content.entryTooLong) << bytes;
        EXPECT_EQ(kept, content.entries.size()) << bytes;
        EXPECT_EQ(tooMany || tooLong, content.refused()) << bytes;
    }
}
