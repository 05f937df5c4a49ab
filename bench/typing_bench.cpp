// Typing: a TXT entry's strokes as the runner sends them, against a loop of one SendInput call per
// event, each until the edit control that has the keyboard holds the whole text.
#include "typing_bench.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "core/key_strokes.h"
#include "win/event_wait.h"
#include "win/key_input.h"
#include "win/pump.h"

namespace {

// Milliseconds from the first event sent to the last character in the box.
template <class Send> double timeTyping(HWND edit, int characters, Send send) {
    SetWindowTextW(edit, L"");
    wp::win::letPendingEventsRun();
    const double start = wp::win::monotonicMilliseconds();
    send();
    const double giveUp = start + 30'000;
    while (GetWindowTextLengthW(edit) < characters && wp::win::monotonicMilliseconds() < giveUp)
        wp::win::waitLettingEventsRun(wp::win::monotonicMilliseconds() + 1);
    return wp::win::monotonicMilliseconds() - start;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

void benchTyping(int characters) {
    const HWND edit = CreateWindowExW(WS_EX_TOPMOST, L"EDIT", L"", WS_POPUP | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 400,
                                      30, nullptr, nullptr, nullptr, nullptr);
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
    SetForegroundWindow(edit);
    SetFocus(edit);
    // Letters and digits, one character per UTF-16 unit, as a form's text is.
    std::string text;
    for (int i = 0; i < characters; ++i) text += static_cast<char>(i % 3 == 0 ? 'a' + i % 26 : '0' + i % 10);
    const std::vector<wp::macro::KeyStroke> strokes = wp::macro::textStrokes(text);
    std::vector<INPUT> bare(strokes.size());
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        bare[i].type = INPUT_KEYBOARD;
        bare[i].ki.wScan = strokes[i].unit;
        bare[i].ki.dwFlags = KEYEVENTF_UNICODE | (strokes[i].up ? KEYEVENTF_KEYUP : 0);
    }
    // Rounds in turn, each going first every other time, so that a busy moment falls on both alike.
    std::vector<double> ours, loop;
    const auto typeOurs = [&] { ours.push_back(timeTyping(edit, characters, [&] { wp::win::sendKeyStrokes(strokes); })); };
    const auto typeLoop = [&] {
        loop.push_back(timeTyping(edit, characters, [&] {
            for (INPUT& input : bare) SendInput(1, &input, sizeof input);
        }));
    };
    for (int round = 0; round < 6; ++round) round % 2 ? (typeOurs(), typeLoop()) : (typeLoop(), typeOurs());
    const bool whole = GetWindowTextLengthW(edit) == characters;
    std::printf("typing %d characters into an edit control: a TXT entry %.1f ms, a bare SendInput loop %.1f ms: "
                "ratio %.2f (goal >= 0.9)%s\n",
                characters, median(ours), median(loop), median(loop) / median(ours),
                whole ? "" : " (the text did not arrive whole)");
    DestroyWindow(edit);
}
