#include "core/macro_recording.h"

#include <algorithm>
#include <cmath>
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

// The wait since the last action in tenths of a second, none under a twentieth.
void MacroRecorder::waitSince(std::int64_t timeMs) {
    if (lastActionMs_) {
        const std::int64_t tenths = (timeMs - *lastActionMs_ + 50) / 100;
        if (tenths > 0)
            settled_.push_back("SLP " + shortestDecimalText(static_cast<double>(tenths) / 10.0, separator_));
    }
    lastActionMs_ = timeMs;
}

// What came before the press is settled first; then the wait, the move to the press point and the click.
void MacroRecorder::action(const Press& press, bool doubleClick) {
    settleText();
    settleWheel();
    waitSince(press.timeMs);
    static constexpr int clicks[][2] = {{optLeftClick, optLeftDoubleClick},
                                        {optRightClick, optRightDoubleClick},
                                        {optMiddleClick, optMiddleDoubleClick}};
    const int click = clicks[static_cast<int>(press.button)][doubleClick ? 1 : 0];
    settled_.push_back(*composeCommand(optMove, {std::to_string(press.x), std::to_string(press.y), ""}, separator_));
    settled_.push_back(*composeCommand(click, {}, separator_));
}

void MacroRecorder::settleClick() {
    if (clicked_) action(*clicked_, false);
    clicked_.reset();
}

void MacroRecorder::settleText() {
    if (!text_.empty()) settled_.push_back(textCommand(text_));
    text_.clear();
}

void MacroRecorder::settleWheel() {
    if (!wheel_) return;
    const WheelEvent wheel = *std::exchange(wheel_, std::nullopt);
    const auto notches = static_cast<int>(std::lround(wheel.notches));
    if (notches == 0) return;
    waitSince(wheelStartMs_);
    lastActionMs_ = wheel.timeMs;
    settled_.push_back(*composeCommand(optMove, {std::to_string(wheel.x), std::to_string(wheel.y), ""}, separator_));
    settled_.push_back(wheelCommand(notches));
}

bool MacroRecorder::leftOut(std::uint8_t vk) const {
    constexpr std::uint8_t escape = 0x1B, f9 = 0x78;
    if (vk == escape || vk == f9) return true;
    return std::find(leftOut_.begin(), leftOut_.end(), KeyChord{modifiers_, vk}) != leftOut_.end();
}

void MacroRecorder::add(const WheelEvent& event) {
    if (event.injected) return;
    settleClick();
    settleText();
    if (wheel_ && wheel_->x == event.x && wheel_->y == event.y && event.timeMs - wheel_->timeMs < textPauseMs) {
        wheel_->notches += event.notches;
        wheel_->timeMs = event.timeMs;
        return;
    }
    settleWheel();
    wheel_ = event;
    wheelStartMs_ = event.timeMs;
}

// Characters typed with no modifier but Shift (or with AltGr, which is Ctrl and Alt) go into the
// text; any other key is a key entry, and a modifier pressed and let go alone is one too.
void MacroRecorder::add(const KeyEvent& event) {
    if (!keys_ || event.injected) return;
    if (const unsigned modifier = modifierOf(event.vk)) {
        if (event.down) {
            modifiers_ |= modifier;
            if (!tappedModifier_ || *tappedModifier_ != event.vk) tappedModifier_ = event.vk, tappedAtMs_ = event.timeMs;
            return;
        }
        modifiers_ &= ~modifier;
        if (tappedModifier_ && modifierOf(*tappedModifier_) == modifier && !leftOut(event.vk)) {
            settleClick(), settleText(), settleWheel();
            waitSince(tappedAtMs_);
            settled_.push_back(keyCommand({modifiers_, event.vk}));
        }
        tappedModifier_.reset();
        return;
    }
    if (!event.down) return;
    tappedModifier_.reset();
    if (event.dead || leftOut(event.vk)) return;
    const bool altGr = (modifiers_ & (modCtrl | modAlt)) == (modCtrl | modAlt) && !(modifiers_ & modWin);
    const bool printable = !event.characters.empty() &&
                           std::none_of(event.characters.begin(), event.characters.end(),
                                        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
    if (printable && ((modifiers_ & ~modShift) == 0 || altGr)) {
        settleClick(), settleWheel();
        if (!text_.empty() && event.timeMs - textAtMs_ >= textPauseMs) settleText();
        if (text_.empty()) waitSince(event.timeMs);
        text_ += event.characters;
        textAtMs_ = event.timeMs;
        lastActionMs_ = event.timeMs;
        return;
    }
    if (keyName(event.vk).empty()) return; // no name to write it by
    settleClick(), settleText(), settleWheel();
    waitSince(event.timeMs);
    settled_.push_back(keyCommand({modifiers_, event.vk}));
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
    if (clicked_ && nowMs - clicked_->timeMs > bounds_.timeMs + lateEventMs) settleClick();
    // Past a pause that would end them anyway, a text and the wheel's notches are settled.
    if (!text_.empty() && nowMs - textAtMs_ > textPauseMs + lateEventMs) settleText();
    if (wheel_ && nowMs - wheel_->timeMs > textPauseMs + lateEventMs) settleWheel();
    return std::exchange(settled_, {});
}

std::vector<std::string> MacroRecorder::finish(std::int32_t restX, std::int32_t restY) {
    settleClick();
    if (held_ && !heldIsSecondOfDouble_) action(*held_, false);
    held_.reset();
    settleText();
    settleWheel();
    tappedModifier_.reset();
    modifiers_ = 0;
    settled_.push_back(*composeCommand(optMove, {std::to_string(restX), std::to_string(restY), ""}, separator_));
    return std::exchange(settled_, {});
}

} // namespace wp::macro
