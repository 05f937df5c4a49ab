#include "core/macro_recording.h"

#include <cstdlib>
#include <utility>

#include "core/macro_commands.h"
#include "core/numbers.h"

namespace wp::macro {

bool MacroRecorder::withinRectangle(const Press& first, std::int32_t x, std::int32_t y) const {
    // Twice the distance, so that an odd width keeps its half pixel.
    return 2 * std::llabs(std::int64_t{x} - first.x) <= bounds_.width &&
           2 * std::llabs(std::int64_t{y} - first.y) <= bounds_.height;
}

// The wait since the last action in tenths of a second, none under a twentieth; then the move
// to the press point and the click.
void MacroRecorder::action(const Press& press, bool doubleClick) {
    if (lastActionMs_) {
        const std::int64_t tenths = (press.timeMs - *lastActionMs_ + 50) / 100;
        if (tenths > 0)
            settled_.push_back("SLP " + shortestDecimalText(static_cast<double>(tenths) / 10.0, separator_));
    }
    lastActionMs_ = press.timeMs;
    const std::string x = std::to_string(press.x), y = std::to_string(press.y);
    const bool left = press.button == RecordedButton::Left;
    const int click =
        doubleClick ? (left ? optLeftDoubleClick : optRightDoubleClick) : (left ? optLeftClick : optRightClick);
    settled_.push_back(*composeCommand(optMove, {x, y, ""}, separator_));
    settled_.push_back(*composeCommand(click, {}, separator_));
}

void MacroRecorder::add(const ButtonEvent& event) {
    if (event.injected) return;
    const Press press{event.button, event.x, event.y, event.timeMs};
    if (event.down) {
        // A press while another is held: the held one was a click, whatever its release does.
        if (held_ && !heldIsSecondOfDouble_) action(*held_, false);
        if (clicked_ && clicked_->button == event.button && event.timeMs - clicked_->timeMs <= bounds_.timeMs &&
            withinRectangle(*clicked_, event.x, event.y)) {
            action(*clicked_, true);
            clicked_.reset();
            held_ = press;
            heldIsSecondOfDouble_ = true;
            return;
        }
        if (clicked_) action(*clicked_, false);
        clicked_.reset();
        held_ = press;
        heldIsSecondOfDouble_ = false;
        return;
    }
    // A release with no press seen: the press came before the recording (the click that started it).
    if (!held_ || held_->button != event.button) return;
    const bool dragged = !withinRectangle(*held_, event.x, event.y);
    if (dragged) ++drags_;
    if (!heldIsSecondOfDouble_) {
        if (dragged)
            action(*held_, false);
        else
            clicked_ = held_;
    }
    held_.reset();
}

std::vector<std::string> MacroRecorder::take(std::int64_t nowMs) {
    if (clicked_ && nowMs - clicked_->timeMs > bounds_.timeMs + lateEventMs) {
        action(*clicked_, false);
        clicked_.reset();
    }
    return std::exchange(settled_, {});
}

std::vector<std::string> MacroRecorder::finish(std::int32_t restX, std::int32_t restY) {
    if (clicked_) action(*clicked_, false);
    if (held_ && !heldIsSecondOfDouble_) action(*held_, false);
    clicked_.reset();
    held_.reset();
    settled_.push_back(*composeCommand(optMove, {std::to_string(restX), std::to_string(restY), ""}, separator_));
    return std::exchange(settled_, {});
}

} // namespace wp::macro
