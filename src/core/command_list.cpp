#include "core/command_list.h"

#include <algorithm>
#include <utility>

#include "core/macro_commands.h"

namespace wp::macro {
namespace {

bool isRepeat(const std::string& entry) { return commandCode(entry) == "RPT"; }

// The entries that stand after the first repeat: none in a list that keeps the rule, save a second
// repeat, which stands after the first.
std::size_t entriesAfterRepeat(const std::vector<std::string>& entries) {
    const auto first = std::find_if(entries.begin(), entries.end(), isRepeat);
    return first == entries.end() ? 0 : static_cast<std::size_t>(entries.end() - first - 1);
}

} // namespace

SharedEnds sharedEnds(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    SharedEnds shared;
    const std::size_t shorter = std::min(a.size(), b.size());
    while (shared.head < shorter && a[shared.head] == b[shared.head]) ++shared.head;
    while (shared.tail < shorter - shared.head && a[a.size() - 1 - shared.tail] == b[b.size() - 1 - shared.tail])
        ++shared.tail;
    return shared;
}

std::string repeatRuleRefusal(const std::vector<std::string>& before, const std::vector<std::string>& next) {
    // A list opened from a file may break the rule already; a change may leave it so, not make it worse.
    if (entriesAfterRepeat(next) <= entriesAfterRepeat(before)) return {};
    const auto repeats = [](const std::vector<std::string>& list) { return std::count_if(list.begin(), list.end(), isRepeat); };
    if (repeats(next) > 1 && repeats(next) > repeats(before))
        return "The list holds RPT (Repeat) already, and a list can repeat only once: from its last entry back to "
               "the top.";
    return "Nothing can stand after RPT (Repeat): the list goes back to its top there, so what followed would never "
           "play.";
}

bool CommandList::holdsRepeat() const { return std::any_of(entries_.begin(), entries_.end(), isRepeat); }

void CommandList::select(std::vector<std::size_t> positions) {
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    positions.erase(std::lower_bound(positions.begin(), positions.end(), entries_.size()), positions.end());
    selected_ = std::move(positions);
}

ListChange CommandList::add(std::string entry) {
    std::vector<std::string> next = entries_;
    next.push_back(std::move(entry));
    return commit(std::move(next), selected_);
}

ListChange CommandList::insert(std::string entry) {
    std::vector<std::string> one;
    one.push_back(std::move(entry));
    return insert(std::move(one));
}

ListChange CommandList::insert(std::vector<std::string> entries) {
    if (entries.empty()) return {};
    const std::size_t at = selected_.empty() ? entries_.size() : selected_.front();
    std::vector<std::size_t> selected = selected_;
    for (std::size_t& s : selected) s += entries.size();
    std::vector<std::string> next;
    next.reserve(entries_.size() + entries.size());
    next.insert(next.end(), entries_.begin(), entries_.begin() + static_cast<std::ptrdiff_t>(at));
    next.insert(next.end(), std::make_move_iterator(entries.begin()), std::make_move_iterator(entries.end()));
    next.insert(next.end(), entries_.begin() + static_cast<std::ptrdiff_t>(at), entries_.end());
    return commit(std::move(next), std::move(selected));
}

ListChange CommandList::update(std::size_t at, std::string entry) {
    if (at >= entries_.size() || entries_[at] == entry) return {};
    std::vector<std::string> next = entries_;
    next[at] = std::move(entry);
    return commit(std::move(next), selected_);
}

ListChange CommandList::removeSelected() {
    if (selected_.empty()) return {};
    std::vector<std::string> next;
    next.reserve(entries_.size() - selected_.size());
    auto s = selected_.begin();
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (s != selected_.end() && *s == i) ++s;
        else next.push_back(entries_[i]);
    }
    return commit(std::move(next), {});
}

ListChange CommandList::moveSelected(bool down) {
    if (selected_.empty() || (down ? selected_.back() + 1 == entries_.size() : selected_.front() == 0)) return {};
    std::vector<std::string> next = entries_;
    std::vector<std::size_t> selected = selected_;
    // Taken from the end they move towards, so that a run of selected entries moves whole.
    if (down) {
        for (auto s = selected.rbegin(); s != selected.rend(); ++s) std::swap(next[*s], next[*s + 1]), ++*s;
    } else {
        for (std::size_t& s : selected) std::swap(next[s - 1], next[s]), --s;
    }
    return commit(std::move(next), std::move(selected));
}

ListChange CommandList::replaceAll(std::vector<std::string> entries) {
    // A file holds whatever it holds: the repeat rule is for the steps that change a list.
    return commit(std::move(entries), {}, false);
}

ListChange CommandList::record(std::vector<std::string> entries) {
    if (entries.empty()) return {};
    Step* open = recordingStep_ && !undo_.empty() ? &undo_.back() : nullptr;
    if (!open || open->at + open->inserted.size() != entries_.size()) {
        std::vector<std::string> next = entries_;
        next.insert(next.end(), std::make_move_iterator(entries.begin()), std::make_move_iterator(entries.end()));
        ListChange change = commit(std::move(next), selected_);
        recordingStep_ = change.changed;
        return change;
    }
    std::vector<std::string> next = entries_;
    next.insert(next.end(), entries.begin(), entries.end());
    if (std::string why = repeatRuleRefusal(entries_, next); !why.empty()) return {false, std::move(why)};
    entries_ = std::move(next);
    open->inserted.insert(open->inserted.end(), std::make_move_iterator(entries.begin()),
                          std::make_move_iterator(entries.end()));
    open->versionAfter = version_ = ++lastVersion_;
    return {true, {}};
}

// The step is kept as the part that changed: what the two lists do not share at their start and end.
ListChange CommandList::commit(std::vector<std::string> next, std::vector<std::size_t> selected, bool underTheRule) {
    if (std::string why = underTheRule ? repeatRuleRefusal(entries_, next) : std::string(); !why.empty())
        return {false, std::move(why)};
    const auto [head, tail] = sharedEnds(entries_, next);
    if (head == next.size() && entries_.size() == next.size()) return {};
    Step step;
    step.at = head;
    step.removed.assign(entries_.begin() + static_cast<std::ptrdiff_t>(head),
                        entries_.end() - static_cast<std::ptrdiff_t>(tail));
    step.inserted.assign(next.begin() + static_cast<std::ptrdiff_t>(head), next.end() - static_cast<std::ptrdiff_t>(tail));
    step.selectedBefore = std::move(selected_);
    step.selectedAfter = selected;
    step.versionBefore = version_;
    step.versionAfter = version_ = ++lastVersion_;
    undo_.push_back(std::move(step));
    if (undo_.size() > undoDepth) undo_.pop_front();
    redo_.clear();
    entries_ = std::move(next);
    selected_ = std::move(selected);
    recordingStep_ = false;
    return {true, {}};
}

void CommandList::apply(std::vector<std::string>& entries, std::size_t at, const std::vector<std::string>& removed,
                        const std::vector<std::string>& inserted) {
    const auto from = entries.begin() + static_cast<std::ptrdiff_t>(at);
    entries.erase(from, from + static_cast<std::ptrdiff_t>(removed.size()));
    entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(at), inserted.begin(), inserted.end());
}

bool CommandList::undo() { return replay(undo_, redo_, false); }

bool CommandList::redo() { return replay(redo_, undo_, true); }

// The last step of one stack, taken back or brought again, goes to the other.
bool CommandList::replay(std::deque<Step>& from, std::deque<Step>& to, bool forward) {
    if (from.empty()) return false;
    Step step = std::move(from.back());
    from.pop_back();
    apply(entries_, step.at, forward ? step.removed : step.inserted, forward ? step.inserted : step.removed);
    selected_ = forward ? step.selectedAfter : step.selectedBefore;
    version_ = forward ? step.versionAfter : step.versionBefore;
    recordingStep_ = false;
    to.push_back(std::move(step));
    return true;
}

} // namespace wp::macro
