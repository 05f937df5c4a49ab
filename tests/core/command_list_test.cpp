#include "core/command_list.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "core/macro_commands.h"

using wp::macro::CommandList;
using wp::macro::ListChange;
using Entries = std::vector<std::string>;
using Selection = std::vector<std::size_t>;

namespace {

CommandList listOf(const Entries& entries, const Selection& selected) {
    CommandList list;
    list.replaceAll(entries);
    list.select(selected);
    return list;
}

// Each change from a list and a selection: what it makes of them (a refusal leaves them), then undo
// brings back the list and selection before it, and redo the ones after it.
TEST(CommandList, EachChangeKeepsTheRepeatLastAndUndoesAndRedoesWhole) {
    using Change = std::function<ListChange(CommandList&)>;
    const auto insert = [](std::string e) { return [e](CommandList& l) { return l.insert(e); }; };
    const auto paste = [](Entries e) { return [e](CommandList& l) { return l.insert(e); }; };
    const auto move = [](bool down) { return [down](CommandList& l) { return l.moveSelected(down); }; };
    const auto update = [](std::size_t at, std::string e) { return [=](CommandList& l) { return l.update(at, e); }; };
    const Change remove = [](CommandList& l) { return l.removeSelected(); };
    const Change add = [](CommandList& l) { return l.add("X"); };
    const std::tuple<const char*, Entries, Selection, Change, Entries, Selection, bool> rows[] = {
        // name, list, selection, change, list and selection after, refused
        {"insert before the selection", {"A", "B", "C"}, {1, 2}, insert("X"), {"A", "X", "B", "C"}, {2, 3}, false},
        {"insert with none selected", {"A", "B"}, {}, insert("X"), {"A", "B", "X"}, {}, false},
        {"insert before the repeat", {"A", "rpt 2"}, {1}, insert("X"), {"A", "X", "rpt 2"}, {2}, false},
        {"insert after the repeat", {"A", "RPT"}, {}, insert("X"), {"A", "RPT"}, {}, true},
        {"a second repeat", {"A", "RPT"}, {0}, insert("RPT 3"), {"A", "RPT"}, {0}, true},
        {"add after the repeat", {"RPT"}, {0}, add, {"RPT"}, {0}, true},
        {"add keeps the selection", {"A"}, {0}, add, {"A", "X"}, {0}, false},
        {"move a run up", {"A", "B", "C", "D"}, {1, 2}, move(false), {"B", "C", "A", "D"}, {0, 1}, false},
        {"move apart ones down", {"A", "B", "C", "D"}, {0, 2}, move(true), {"B", "A", "D", "C"}, {1, 3}, false},
        {"move up from the top", {"A", "B"}, {0, 1}, move(false), {"A", "B"}, {0, 1}, false},
        {"move down from the end", {"A", "B"}, {1}, move(true), {"A", "B"}, {1}, false},
        {"move past the repeat", {"A", "RPT"}, {0}, move(true), {"A", "RPT"}, {0}, true},
        {"update", {"A", "B"}, {0}, update(1, "X"), {"A", "X"}, {0}, false},
        {"update to a repeat before the end", {"A", "B"}, {}, update(0, "RPT"), {"A", "B"}, {}, true},
        {"update the repeat to another", {"A", "RPT"}, {}, update(1, "RPT 2"), {"A", "RPT 2"}, {}, false},
        {"remove several", {"A", "B", "C", "D"}, {0, 2, 3}, remove, {"B"}, {}, false},
        {"remove none", {"A"}, {}, remove, {"A"}, {}, false},
        {"paste at the top", {"A", "B"}, {0}, paste({"X", "Y"}), {"X", "Y", "A", "B"}, {2}, false},
        {"paste a repeat at the end", {"A"}, {}, paste({"X", "RPT"}), {"A", "X", "RPT"}, {}, false},
        {"paste a repeat before one", {"A", "RPT"}, {1}, paste({"X", "RPT"}), {"A", "RPT"}, {1}, true},
        {"a file's repeat moved last", {"RPT", "A"}, {1}, move(false), {"A", "RPT"}, {0}, false},
        {"after a file's repeat", {"RPT", "A"}, {}, insert("X"), {"RPT", "A"}, {}, true},
    };
    for (const auto& [name, entries, selected, change, after, selectedAfter, refused] : rows) {
        CommandList list = listOf(entries, selected);
        const ListChange made = change(list);
        EXPECT_EQ(refused, !made.refusal.empty()) << name;
        EXPECT_EQ(after, list.entries()) << name;
        EXPECT_EQ(selectedAfter, list.selection()) << name;
        if (!made) continue;
        EXPECT_TRUE(list.undo()) << name;
        EXPECT_EQ(std::tie(entries, selected), std::tie(list.entries(), list.selection())) << name << ": undone";
        EXPECT_TRUE(list.redo()) << name;
        EXPECT_EQ(std::tie(after, selectedAfter), std::tie(list.entries(), list.selection())) << name << ": redone";
    }
}

// Undo goes back step by step, a new change clears the redo, a recording is one step, and the saved mark
// follows the entries.
TEST(CommandList, UndoGoesBackStepByStepAndANewChangeEndsTheRedo) {
    CommandList list;
    list.replaceAll({"A"}), list.markSaved();
    list.add("B"), list.startRecording(), list.record({"C"}), list.record({"D", "E"});
    EXPECT_TRUE(list.changedSinceSaved());
    list.undo();
    EXPECT_EQ(Entries({"A", "B"}), list.entries()) << "the recording is one step";
    list.undo();
    EXPECT_FALSE(list.changedSinceSaved()) << "back where it was saved";
    list.redo(), list.replaceAll({});
    EXPECT_FALSE(list.canRedo()) << "a new change clears the redo";
    list.undo(), list.undo();
    EXPECT_EQ(Entries({"A"}), list.entries());
    list.startRecording(), list.record({"C"}), list.add("D"), list.record({"E"});
    list.undo(), list.undo();
    EXPECT_EQ(Entries({"A", "C"}), list.entries()) << "a change between ends the recording's step";
    for (int i = 0; i < 150; ++i) list.add(std::to_string(i));
    int undone = 0;
    while (list.undo()) ++undone;
    EXPECT_LE(100, undone);
}

// An entry read back into its option and boxes composes itself again.
TEST(CommandList, AnEntryReadBackComposesItselfAgain) {
    using namespace wp::macro;
    const std::tuple<std::string, int> entries[] = {
        {"LCK", optLeftClick}, {"MDC", optMiddleDoubleClick}, {"MVE -5,12", optMove}, {"SLP 0.5", optWait},
        {"RPT", optRepeat}, {"RPT 3", optRepeat}, {"KEY Ctrl+Shift+F6", optKey}, {"TXT  a, \"b\" ", optText},
        {"WHL -3", optWheel}, {"XYZ 1", -1}, {"", -1},
    };
    for (const auto& [entry, option] : entries) {
        const auto inputs = composingInputs(entry);
        EXPECT_EQ(option, inputs ? inputs->option : -1) << entry;
        if (!inputs) continue;
        const auto& i = *inputs;
        EXPECT_EQ(entry, composeCommand(option, {i.x, i.y, i.seconds, i.key, i.text, i.times, i.notches}, '.')) << entry;
    }
}

} // namespace
