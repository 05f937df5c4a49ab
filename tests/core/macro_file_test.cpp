#include "core/macro_file.h"

#include <gtest/gtest.h>

#include <random>

using wp::macro::macroFileBytes;
using wp::macro::readMacroFields;
using Entries = std::vector<std::string>;

namespace {

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
        {"bare CR is part of a field", "\"A\rB\"\r\nC\rD\r\n", {"A\rB", "C\rD"}},
        {"quote inside a bare field", "ab\"c\r\n", {"ab\"c"}},
        {"lone CR at the end", "LCK\r", {"LCK\r"}},
        {"NUL bytes are characters", std::string("\"L\0K\"\r\n\0\r\n", 10), {std::string("L\0K", 3), std::string(1, '\0')}},
        {"single-byte code page", "\"\xe9t\xe9\"\r\n", {"\xe9t\xe9"}},
    };
    for (const auto& c : cases) EXPECT_EQ(c.entries, readMacroFields(c.bytes)) << c.name;
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
        EXPECT_LE(kept, bytes.size()) << "round " << round;
    }
}

} // namespace
