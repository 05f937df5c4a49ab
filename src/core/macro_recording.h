// Turning what the user does with the mouse into macro entries: each click a move to its press
// point and the click, two clicks the system would take for a double click one double click, the
// time between the presses a wait. Times are milliseconds on any one clock.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace wp::macro {

enum class RecordedButton { Left, Right };

// A mouse button going down or up, as the low-level hook saw it.
struct ButtonEvent {
    RecordedButton button;
    bool down;
    std::int32_t x, y;
    std::int64_t timeMs;
    // Sent by a program (a macro's own clicks, another tool's), not made by the user.
    bool injected;
};

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

    MacroRecorder(DoubleClickBounds bounds, char decimalSeparator) : bounds_(bounds), separator_(decimalSeparator) {}

    void add(const ButtonEvent& event);

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

    DoubleClickBounds bounds_;
    char separator_;
    std::optional<Press> held_; // down, not yet up
    bool heldIsSecondOfDouble_ = false;
    std::optional<Press> clicked_; // a click that a second one may yet make a double click
    std::optional<std::int64_t> lastActionMs_;
    std::vector<std::string> settled_;
    std::size_t drags_ = 0;
};

} // namespace wp::macro
