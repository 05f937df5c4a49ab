#include "core/macro_commands.h"

#include <gtest/gtest.h>

using namespace wp::macro;

namespace {

struct ComposeCase {
    int option;
    const char* x;
    const char* y;
    const char* seconds;
    char separator;
    const char* expected; // null: nothing composed
};

TEST(ComposeCommand, BuildsTheSevenTextsFromTheBoxes) {
    const ComposeCase cases[] = {
        {optLeftClick, "1", "2", "3", '.', "LCK"},
        {optRightClick, "", "", "", '.', "RCK"},
        {optLeftDoubleClick, "", "", "", '.', "LDC"},
        {optRightDoubleClick, "", "", "", '.', "RDC"},
        {optRepeat, "", "", "", '.', "RPT"},
        {optMove, "100", "200", "", '.', "MVE 100,200"},
        {optMove, "12abc", "", "", '.', "MVE 12,0"},
        {optMove, "abc", "7 5", "", '.', "MVE 0,75"},
        {optMove, "-3", "+4", "", '.', "MVE -3,4"},
        {optMove, "007", "&H1F", "", '.', "MVE 7,31"},
        {optMove, "1.50", "-0", "", '.', "MVE 1.5,0"},
        {optMove, "250", "0", "9", '.', "MVE 250,0"},
        {optWait, "1", "2", "3", '.', "SLP 3"},
        {optWait, "", "", "", '.', "SLP 0"},
        {optWait, "", "", ".5", '.', "SLP 0.5"},
        {optWait, "", "", ".5", ',', "SLP 0,5"},
        {optWait, "", "", "2,5", ',', "SLP 2"}, // the box's number is read with the full stop
        {optWait, "", "", "1e2", '.', "SLP 100"},
        // A fractional coordinate would be split at a comma separator; it is rounded there.
        {optMove, "1.5", "2.5", "", ',', "MVE 2,2"},
        {optMove, "1.5", "2.5", "", '.', "MVE 1.5,2.5"},
        {-1, "", "", "", '.', nullptr},
        {7, "", "", "", '.', nullptr},
    };
    for (const auto& c : cases) {
        const auto text = composeCommand(c.option, {c.x, c.y, c.seconds}, c.separator);
        SCOPED_TRACE(testing::Message() << "option " << c.option << " x '" << c.x << "' y '" << c.y << "' s '"
                                        << c.seconds << "' sep " << c.separator);
        if (c.expected) {
            ASSERT_TRUE(text.has_value());
            EXPECT_EQ(c.expected, *text);
        } else {
            EXPECT_FALSE(text.has_value());
        }
    }
}

TEST(CommandCode, IsTheFirstThreeCharactersUpperCased) {
    const std::pair<const char*, const char*> cases[] = {
        {"LCK", "LCK"}, {"lck", "LCK"}, {"LCKxyz", "LCK"}, {"mVe 5,5", "MVE"}, {"lc", "LC"},
        {"", ""},       {"r", "R"},     {"\xc3\xa9lck", "\xc3\xa9LC"},
    };
    for (const auto& [entry, code] : cases) EXPECT_EQ(code, commandCode(entry)) << entry;
}

TEST(ReadMove, TakesTheNumbersBeforeAndAfterTheFirstComma) {
    const struct {
        const char* entry;
        char separator;
        bool moves;
        std::int32_t x, y;
    } cases[] = {
        {"MVE 100,200", '.', true, 100, 200},
        {"mve 5,5", '.', true, 5, 5},
        {"MVE 10, 20", '.', true, 10, 20},
        {"MVE  -7 , -8 ", '.', true, -7, -8},
        {"MVE 2.5,3.5", '.', true, 2, 4},
        {"MVE 2,5,3", ',', true, 2, 5}, // the first comma splits; y reads 5,3 in this locale
        {"MVE 1.5,0", ',', false, 0, 0},
        {"MVE 99999,-99999", '.', true, 99999, -99999},
        {"MVE 1e10,0", '.', false, 0, 0},
        {"MVE 100", '.', false, 0, 0},
        {"MVE ,5", '.', false, 0, 0},
        {"MVE 5,", '.', false, 0, 0},
        {"MVE", '.', false, 0, 0},
        {"MVE x,y", '.', false, 0, 0},
        {"MVE\xc3\xa9" "3,4", '.', true, 3, 4}, // the fourth character is passed over whole
    };
    for (const auto& c : cases) {
        const auto target = readMove(c.entry, c.separator);
        ASSERT_EQ(c.moves, target.has_value()) << c.entry;
        if (target) {
            EXPECT_EQ(c.x, target->x) << c.entry;
            EXPECT_EQ(c.y, target->y) << c.entry;
        }
    }
}

TEST(ReadWaitSeconds, ReadsTheNumberAfterTheCodeInTheLocale) {
    const struct {
        const char* entry;
        char separator;
        bool waits;
        double seconds;
    } cases[] = {
        {"SLP 2", '.', true, 2},      {"SLP 0.5", '.', true, 0.5}, {"SLP 0,5", ',', true, 0.5},
        {"slp  1 ", '.', true, 1},    {"SLP -1", '.', true, -1},   {"SLP 0", '.', true, 0},
        {"SLP 0,5", '.', false, 0},   {"SLP", '.', false, 0},      {"SLP ", '.', false, 0},
        {"SLP x", '.', false, 0},     {"SLP 1e999", '.', false, 0}, {"SLP2", '.', false, 0},
    };
    for (const auto& c : cases) {
        const auto seconds = readWaitSeconds(c.entry, c.separator);
        ASSERT_EQ(c.waits, seconds.has_value()) << c.entry;
        if (seconds) {
            EXPECT_DOUBLE_EQ(c.seconds, *seconds) << c.entry;
        }
    }
}

} // namespace
