// The macro window's command list as the user edits it: the entries, which of them are selected,
// the rule that keeps a repeat last, and the steps that undo and redo take back and bring again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace wp::macro {

// What a change did: nothing (nothing to do), a step, or a refusal with its reason for the user.
struct ListChange {
    bool changed = false;
    std::string refusal;
    explicit operator bool() const { return changed; }
};

class CommandList {
public:
    // Steps kept for undo; the oldest goes first.
    static constexpr std::size_t undoDepth = 100;

    const std::vector<std::string>& entries() const { return entries_; }
    // The selected positions, ascending.
    const std::vector<std::size_t>& selection() const { return selected_; }
    // Not a step: undo does not take a selection back on its own.
    void select(std::vector<std::size_t> positions);

    // At the end; the selection stays.
    ListChange add(std::string entry);
    // Before the first selected entry (at the end when none is); the selection stays on its entries.
    ListChange insert(std::string entry);
    ListChange insert(std::vector<std::string> entries); // a paste
    ListChange update(std::size_t at, std::string entry);
    // Afterwards none is selected.
    ListChange removeSelected();
    // Each selected entry by one; nothing when one of them is at that end already.
    ListChange moveSelected(bool down);
    // The whole list at once: New, Open, a recovered list.
    ListChange replaceAll(std::vector<std::string> entries);

    // A recording's entries go to the end as they settle: all those after one startRecording make
    // one step, unless another change comes between.
    void startRecording() { recordingStep_ = false; }
    ListChange record(std::vector<std::string> entries);

    // Whether a repeat stands anywhere in the list.
    bool holdsRepeat() const;

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    bool undo();
    bool redo();

    // Whether the entries differ from those last marked saved (an undo back to them makes it false).
    bool changedSinceSaved() const { return version_ != savedVersion_; }
    void markSaved() { savedVersion_ = version_; }

private:
    // One step as the part of the list it replaced: at `at`, `removed` became `inserted`.
    struct Step {
        std::size_t at = 0;
        std::vector<std::string> removed, inserted;
        std::vector<std::size_t> selectedBefore, selectedAfter;
        std::uint64_t versionBefore = 0, versionAfter = 0;
    };

    ListChange commit(std::vector<std::string> next, std::vector<std::size_t> selected, bool underTheRule = true);
    bool replay(std::deque<Step>& from, std::deque<Step>& to, bool forward);
    static void apply(std::vector<std::string>& entries, std::size_t at, const std::vector<std::string>& removed,
                      const std::vector<std::string>& inserted);

    std::vector<std::string> entries_;
    std::vector<std::size_t> selected_;
    std::deque<Step> undo_, redo_;
    std::uint64_t version_ = 0, savedVersion_ = 0, lastVersion_ = 0;
    bool recordingStep_ = false; // the last step is a recording's, which more of it joins
};

// How many entries two lists share at their start and, of what is left, at their end: what lies
// between is what changed from one to the other.
struct SharedEnds {
    std::size_t head = 0, tail = 0;
};
SharedEnds sharedEnds(const std::vector<std::string>& a, const std::vector<std::string>& b);

// Why a list that keeps a repeat last would not keep it once it became `next` (empty: it would, or the
// change does not make it worse): at most one repeat, and none but as the last entry.
std::string repeatRuleRefusal(const std::vector<std::string>& before, const std::vector<std::string>& next);

} // namespace wp::macro
