// Helpers shared by the window tests.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/pointer.h"
#include "win/settings_store.h"

namespace wp::test {

// Runs the window messages that arrive within the given time (timers included).
void flushEvents(DWORD milliseconds = 50);

std::wstring textOf(HWND hwnd);
std::vector<HWND> descendants(HWND window);
// The visible labels and buttons whose text, drawn with their own font, overflows their room (push
// buttons keep their edges, check boxes and options their mark).
std::vector<std::string> clippedTexts(const std::vector<HWND>& controls);

// A settings store in memory that records the order of its writes.
class MemorySettings final : public win::SettingsStore {
public:
    std::map<std::pair<std::wstring, std::wstring>, std::wstring> values;
    std::vector<std::wstring> writes; // "section/key=value"

    std::optional<std::wstring> find(const std::wstring& section, const std::wstring& key) override;
    void write(const std::wstring& section, const std::wstring& key, const std::wstring& value) override;
};

// Records what the program sends to the pointer and keeps the position it was given.
class RecordingPointer final : public PointerPort {
public:
    struct Call {
        enum Kind { SetCursorPos, UserInput } kind;
        std::int32_t x, y;
    };
    std::vector<Call> calls;
    POINT position{-1, -1};
    // Runs at each move, so a test can look at the windows at that moment.
    std::function<void()> onMove;

    void setCursorPos(std::int32_t x, std::int32_t y) override;
    void reportUserInput() override;
    std::vector<POINT> moves() const;
};

// A drag as the user's mouse makes it: a left press at from, then a move to to and the release once a move loop
// holds the capture (the system gives earlier ones to the window under the point), or after a second at most.
void queueDrag(POINT from, POINT to);

// Posts a left click to a window's client point, for controls that act on the release.
void postClick(HWND hwnd, POINT at = {1, 1});

// What the user and the system do to a window, as messages, so the window's routing runs too: a click
// on a control (BM_CLICK, which Wine delivers to a disabled control too), typing (WM_SETTEXT raises
// EN_CHANGE), a menu command, a timer's tick, and a key pressed and let go where the focus is.
void clickControl(HWND window, int id);
void typeInto(HWND window, int id, const std::wstring& text);
void chooseMenu(HWND window, int id);
void tick(HWND window, UINT_PTR timerId);
void pressKey(UINT virtualKey);

// Saves the pointer and frees any confinement; puts both back at the end of a test.
struct PointerGuard {
    POINT saved{};
    PointerGuard() { GetCursorPos(&saved), ClipCursor(nullptr); }
    ~PointerGuard() { ClipCursor(nullptr), SetCursorPos(saved.x, saved.y); }
};

} // namespace wp::test
