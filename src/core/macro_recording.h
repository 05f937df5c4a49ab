// Turning what the user does with the mouse and the keyboard into macro entries: each click a move
// to its press point and the click, two clicks the system would take for a double click one double
// click, the wheel a move and its notches, characters typed in a row one text, any other key (or a
// key with Ctrl, Alt or Win) one key entry, the time between them a wait. Times are milliseconds
// on any one clock.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "core/key_names.h"

namespace wp::macro {

enum class RecordedButton { Left, Right, Middle };

// A mouse button going down or up, as the low-level hook saw it.
struct ButtonEvent {
    RecordedButton button;
    bool down;
    std::int32_t x, y;
    std::int64_t timeMs;
    // Sent by a program (a macro's own clicks, another tool's), not made by the user.
    bool injected;
};

// The wheel turned by a number of notches (a fraction for a fine wheel), negative towards the user.
struct WheelEvent {
    double notches;
    std::int32_t x, y;
    std::int64_t timeMs;
    bool injected;
};

// A key going down (again for each repeat of a key held) or up, as the low-level hook saw it.
struct KeyEvent {
    std::uint8_t vk;
    bool down;
    // What the key types with the modifiers held, UTF-8; empty for none. A dead key types nothing
    // yet and is passed over: the character it makes comes with the next key.
    std::string characters;
    bool dead;
    std::int64_t timeMs;
    bool injected;
};

using InputEvent = std::variant<ButtonEvent, WheelEvent, KeyEvent>;

// The system's double-click time and rectangle: a second press of the same button within both
// (edges included) of the first press makes the pair a double click.
struct DoubleClickBounds {
    std::int64_t timeMs;
    std::int32_t width, height;
};

class MacroRecorder {
public:
    // Events reach the hook a little after they happen: a click is taken for a single one only
    // once a second press could no longer be on its way.
    static constexpr std::int64_t lateEventMs = 100;

    // A pause this long inside a text ends it and is kept as a wait; shorter ones are not kept.
    static constexpr std::int64_t textPauseMs = 1000;

    // keys: the keyboard is recorded; leftOut: chords never recorded (the keys that start and stop
    // the recording, and F9 and ESC whatever is held with them).
    MacroRecorder(DoubleClickBounds bounds, char decimalSeparator, bool keys = false, std::vector<KeyChord> leftOut = {})
        : bounds_(bounds), separator_(decimalSeparator), keys_(keys), leftOut_(std::move(leftOut)) {}

    void add(const ButtonEvent& event);
    void add(const WheelEvent& event);
    void add(const KeyEvent& event);
    void add(const InputEvent& event) {
        std::visit([this](const auto& e) { add(e); }, event);
    }

    // The entries settled by the time given and not yet taken, in order.
    std::vector<std::string> take(std::int64_t nowMs);

    // Ends the recording: the entries still open, then a move to where the pointer rests.
    std::vector<std::string> finish(std::int32_t restX, std::int32_t restY);

    // Presses released outside the double-click rectangle around them: a macro has no drag, so
    // each became a click at its press point.
    std::size_t drags() const { return drags_; }

private:
    struct Press {
        RecordedButton button;
        std::int32_t x, y;
        std::int64_t timeMs;
    };

    bool withinRectangle(const Press& first, std::int32_t x, std::int32_t y) const;
    void action(const Press& press, bool doubleClick);
    void waitSince(std::int64_t timeMs);
    void settleClick();
    void settleText();
    void settleWheel();
    bool leftOut(std::uint8_t vk) const;

    DoubleClickBounds bounds_;
    char separator_;
    bool keys_;
    std::vector<KeyChord> leftOut_;
    unsigned modifiers_ = 0; // held, as the key events told
    std::optional<std::uint8_t> tappedModifier_; // down with no other key since: a tap, if let go
    std::int64_t tappedAtMs_ = 0;
    std::string text_; // typed in a row, not yet settled
    std::int64_t textAtMs_ = 0; // the last character's time
    std::optional<WheelEvent> wheel_; // notches at one place, not yet settled
    std::int64_t wheelStartMs_ = 0;
    std::optional<Press> held_; // down, not yet up
    bool heldIsSecondOfDouble_ = false;
    std::optional<Press> clicked_; // a click that a second one may yet make a double click
    std::optional<std::int64_t> lastActionMs_;
    std::vector<std::string> settled_;
    std::size_t drags_ = 0;
};

} // namespace wp::macro
