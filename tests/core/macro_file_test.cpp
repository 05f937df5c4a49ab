#include "core/macro_file.h"

#include <gtest/gtest.h>

#include <random>

using wp::macro::entriesWithoutARecord;
using wp::macro::macroFileBytes;
using wp::macro::MacroTextKind;
using wp::macro::readMacroFile;
using Entries = std::vector<std::string>;

namespace {

Entries readMacroFields(std::string_view bytes) { return readMacroFile(bytes).entries; }

// A byte-order mark, then the text as UTF-16 in the byte order asked for.
std::string utf16File(std::u16string_view text, bool bigEndian) {
    std::string bytes;
    auto put = [&](char16_t c) {
        const char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    };
    put(u'\xFEFF');
    for (const char16_t c : text) put(c);
    return bytes;
}

TEST(MacroFileBytes, QuotesEveryRecordAndEndsEachWithCrLf) {
    EXPECT_EQ("", macroFileBytes({}));
    EXPECT_EQ("\"\"\r\n", macroFileBytes({""}));
    EXPECT_EQ("\"LCK\"\r\n\"MVE 100,200\"\r\n\"SLP 2\"\r\n\"RPT\"\r\n",
              macroFileBytes({"LCK", "MVE 100,200", "SLP 2", "RPT"}));
}

TEST(ReadMacroFields, FollowsTheFieldRules) {
    const struct {
        const char* name;
        std::string bytes;
        Entries entries;
    } cases[] = {
        {"empty file", "", {}},
        {"written records", "\"LCK\"\r\n\"MVE 100,200\"\r\n\"SLP 2\"\r\n\"RPT\"\r\n", {"LCK", "MVE 100,200", "SLP 2", "RPT"}},
        {"bare line with a comma", "MVE 10,20\r\n", {"MVE 10", "20"}},
        {"quoted empty record", "\"\"\r\n", {""}},
        {"blanks before a field", " \t\"LCK\"\r\n  RCK\r\n", {"LCK", "RCK"}},
        {"blanks after a bare field", "RCK  \t,LDC \r\n", {"RCK", "LDC"}},
        {"text after the closing quote", "\"LCK\" junk, \"RCK\"x\r\n", {"LCK", "RCK"}},
        {"bare LF ends a line", "\"LCK\"\n\"RCK\"\nRDC\n", {"LCK", "RCK", "RDC"}},
        {"no last line end", "\"LCK\"\r\n\"RPT\"", {"LCK", "RPT"}},
        {"bare last field", "\"LCK\"\r\nSLP 1", {"LCK", "SLP 1"}},
        {"open quote runs to the line end", "\"LCK\r\n\"RCK\"\r\n", {"LCK", "RCK"}},
        {"open quote at the end", "\"MVE 1,2", {"MVE 1,2"}},
        {"empty lines are empty entries", "\r\n\n\"LCK\"\r\n", {"", "", "LCK"}},
        {"blank line", "   \r\n", {""}},
        {"comma then line end", "LCK,\r\n", {"LCK", ""}},
        {"bare CR ends a line", "\"MVE 100,200\"\r\"LCK\"\rRDC\r\"RPT\"", {"MVE 100,200", "LCK", "RDC", "RPT"}},
        {"bare CR ends an open quote", "\"A\rB\"\r\n", {"A", "B\""}},
        {"CR then CR LF", "LCK\r\r\nRCK\n\r", {"LCK", "", "RCK", ""}},
        {"quote inside a bare field", "ab\"c\r\n", {"ab\"c"}},
        {"lone CR at the end", "LCK\r", {"LCK"}},
        {"NUL bytes are characters", std::string("\"L\0K\"\r\n\0\r\n", 10), {std::string("L\0K", 3), std::string(1, '\0')}},
        {"single-byte code page", "\"\xe9t\xe9\"\r\n", {"\xe9t\xe9"}},
    };
    for (const auto& c : cases) EXPECT_EQ(c.entries, readMacroFields(c.bytes)) << c.name;
}

TEST(ReadMacroFile, TakesAByteOrderMarkAsTheTextsEncoding) {
    const struct {
        const char* name;
        std::string bytes;
        MacroTextKind kind;
        Entries entries;
    } cases[] = {
        {"UTF-8 mark", "\xEF\xBB\xBF\"MVE 100,200\"\r\n\"LCK\"", MacroTextKind::Utf8, {"MVE 100,200", "LCK"}},
        {"UTF-8 mark, bare first field", "\xEF\xBB\xBFLCK,RCK", MacroTextKind::Utf8, {"LCK", "RCK"}},
        {"UTF-8 mark alone", "\xEF\xBB\xBF", MacroTextKind::Utf8, {}},
        {"UTF-8 text after the mark", "\xEF\xBB\xBF\"\xC3\xA9\"\r\n", MacroTextKind::Utf8, {"\xC3\xA9"}},
        {"half a mark is text", "\xEF\xBB\"LCK\"", MacroTextKind::CodePage, {"\xEF\xBB\"LCK\""}},
        {"a mark past the start is text", "LCK\r\n\xEF\xBB\xBFRCK", MacroTextKind::CodePage,
         {"LCK", "\xEF\xBB\xBFRCK"}},
        {"UTF-16 LE", utf16File(u"\"MVE 100,200\"\r\n\"LCK\"\r\n", false), MacroTextKind::Utf8, {"MVE 100,200", "LCK"}},
        {"UTF-16 BE", utf16File(u"\"MVE 100,200\"\r\n\"LCK\"\r\n", true), MacroTextKind::Utf8, {"MVE 100,200", "LCK"}},
        {"UTF-16 mark alone", utf16File(u"", false), MacroTextKind::Utf8, {}},
        {"UTF-16 beyond ASCII", utf16File(u"\u00e9,\u20ac,\U0001F600", true), MacroTextKind::Utf8,
         {"\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80"}},
        {"UTF-16 broken surrogates", utf16File(u"\xD83D,\xDE00,\xD83Dx", false), MacroTextKind::Utf8,
         {"\xEF\xBF\xBD", "\xEF\xBF\xBD", "\xEF\xBF\xBDx"}},
        {"UTF-16 odd last byte", utf16File(u"LCK", false) + "R", MacroTextKind::Utf8, {"LCK\xEF\xBF\xBD"}},
    };
    for (const auto& c : cases) {
        const auto content = readMacroFile(c.bytes);
        EXPECT_EQ(c.entries, content.entries) << c.name;
        EXPECT_EQ(c.kind, content.kind) << c.name;
        EXPECT_FALSE(content.tooManyEntries) << c.name;
    }
}

TEST(ReadMacroFile, StopsAtTheFirstLimitPassed) {
    const struct {
        std::string bytes;
        wp::macro::MacroFileLimits limits;
        bool tooMany, tooLong;
        std::size_t kept;
    } cases[] = {
        {"", {0, 0}, false, false, 0},
        {"LCK", {0, 9}, true, false, 0},
        {"a,b,c,", {3, 9}, false, false, 3},
        {"a,b,c,d", {3, 9}, true, false, 3},
        {"a\r\nb\r\n", {2, 9}, false, false, 2},
        {"a\rb\r\r", {2, 9}, true, false, 2},
        {",,,,,", {4, 9}, true, false, 4},
        {"LCK,RCK", {9, 3}, false, false, 2},
        {"LCK,RCKX,LDC", {9, 3}, false, true, 1},
        {"LCK,\"RCK\" and more", {9, 3}, false, false, 2},
        {"\xE9\xE9\xE9,\xE9\xE9\xE9\xE9", {9, 3}, false, true, 1},
        {"\xEF\xBB\xBF\xC3\xA9\xC3\xA9\xC3\xA9", {9, 3}, false, false, 1},
        {"\xEF\xBB\xBF\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", {9, 3}, false, true, 0},
        {"ABCD,EFGH", {1, 3}, false, true, 0},
    };
    for (const auto& c : cases) {
        const auto content = readMacroFile(c.bytes, c.limits);
        const std::string name = c.bytes + " limits " + std::to_string(c.limits.entries) + ", " +
                                 std::to_string(c.limits.entryLength);
        EXPECT_EQ(c.tooMany, content.tooManyEntries) << name;
        EXPECT_EQ(c.tooLong, content.entryTooLong) << name;
        EXPECT_EQ(c.kept, content.entries.size()) << name;
    }
}

TEST(EntriesWithoutARecord, AreThoseWithAQuoteOrALineBreak) {
    EXPECT_EQ(std::vector<std::size_t>{}, entriesWithoutARecord({"LCK", "", "MVE 1,2", "a\tb", "\xE9"}));
    EXPECT_EQ(std::vector<std::size_t>({1, 3, 4, 6}),
              entriesWithoutARecord({"LCK", "ab\"c", "RCK", "a\rb", "\n", "SLP 1", "\""}));
}

TEST(ReadMacroFields, GivesBackWhatTheWriterWrote) {
    const Entries lists[] = {
        {}, {"LCK", "MVE 100,200", "SLP 2", "RPT"}, {"", "a, b", "  lead", "x\ty"}, {"mve 5,5", "SLP 0,5"},
    };
    for (const Entries& list : lists) EXPECT_EQ(list, readMacroFields(macroFileBytes(list)));
}

TEST(ReadMacroFields, ReadsAnyBytesToTheEnd) {
    std::mt19937 random(20240601);
    const char alphabet[] = {'"', ',', '\r', '\n', ' ', '\t', '\0', 'A', '\xff', '\x80'};
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(random() % 64, '\0');
        for (char& b : bytes)
            b = (random() % 2) ? alphabet[random() % sizeof alphabet] : static_cast<char>(random() % 256);
        const Entries fields = readMacroFields(bytes);
        std::size_t kept = 0;
        for (const std::string& field : fields) kept += field.size();
        EXPECT_LE(fields.size(), bytes.size()) << "round " << round;
        EXPECT_LE(kept, 2 * bytes.size()) << "round " << round; // UTF-16 grows as UTF-8
    }
}

} // namespace
