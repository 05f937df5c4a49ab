#include "core/macro_recording.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace wp::macro;

namespace {

// Events as "L+x,y@t" (left down), "R-x,y@t" (right up), "M+x,y@t" (middle), "K+41:a@t" (key 0x41
// down typing "a"; "K+DE!@t" a dead key), "W-2:x,y@t" (the wheel), a leading * when injected;
// "take@t" takes what is settled then, marked T; "end@0" finishes early. The result: every entry
// given, joined by "|", then the drags when any.
std::string recorded(const std::string& events, char separator = '.', bool keys = true) {
    MacroRecorder recorder({500, 4, 4}, separator, keys, {{modCtrl, 0x52}});
    std::string out;
    const auto append = [&out](const std::vector<std::string>& entries) {
        for (const std::string& entry : entries) out += (out.empty() ? "" : "|") + entry;
    };
    std::istringstream in(events);
    for (std::string e; in >> e;) {
        const std::size_t at = e.rfind('@');
        const std::int64_t t = std::stoll(e.substr(at + 1));
        if (e == "end@0" || e.rfind("take", 0) == 0) {
            e == "end@0" ? append(recorder.finish(5, 5)) : (append(recorder.take(t)), append({"T"}));
            continue;
        }
        const bool injected = e[0] == '*';
        const std::string p = e.substr(injected ? 1 : 0, at - (injected ? 1 : 0));
        const std::size_t colon = p.find(':');
        const std::string place = colon == std::string::npos ? p.substr(2) : p.substr(colon + 1);
        const auto x = [&] { return std::stoi(place); };
        const auto y = [&] { return std::stoi(place.substr(place.find(',') + 1)); };
        if (p[0] == 'K')
            recorder.add(KeyEvent{static_cast<std::uint8_t>(std::stoi(p.substr(2), nullptr, 16)), p[1] == '+',
                                  colon == std::string::npos ? "" : p.substr(colon + 1), p.back() == '!', t, injected});
        else if (p[0] == 'W')
            recorder.add(WheelEvent{std::stod(p.substr(1)), x(), y(), t, injected});
        else
            recorder.add(ButtonEvent{p[0] == 'L' ? RecordedButton::Left : p[0] == 'R' ? RecordedButton::Right
                                                                                    : RecordedButton::Middle,
                                     p[1] == '+', x(), y(), t, injected});
    }
    append(recorder.finish(5, 5));
    return out + (recorder.drags() ? " drags " + std::to_string(recorder.drags()) : "");
}

TEST(MacroRecorder, TurnsClicksDoublesWaitsAndDragsIntoEntries) {
    const std::pair<const char*, const char*> cases[] = {
        {"L+10,20@0 L-10,20@80", "MVE 10,20|LCK|MVE 5,5"},
        {"R+10,20@0 R-10,20@80 L+10,20@100 L-10,20@120", "MVE 10,20|RCK|SLP 0.1|MVE 10,20|LCK|MVE 5,5"},
        {"L+10,20@0 L-10,20@50 L+12,18@500 L-12,18@550", "MVE 10,20|LDC|MVE 5,5"},
        {"R+10,20@0 R-10,20@50 R+8,22@90 R-8,22@99 take@2000", "MVE 10,20|RDC|T|MVE 5,5"},
        {"L+10,20@0 L-10,20@50 L+10,20@501 L-10,20@550", "MVE 10,20|LCK|SLP 0.5|MVE 10,20|LCK|MVE 5,5"},
        {"L+10,20@0 L-10,20@50 L+13,20@200 L-13,20@250", "MVE 10,20|LCK|SLP 0.2|MVE 13,20|LCK|MVE 5,5"},
        {"L+10,20@0 L-10,20@50 L+10,17@200 L-10,17@250", "MVE 10,20|LCK|SLP 0.2|MVE 10,17|LCK|MVE 5,5"},
        {"L+1,1@0 L-1,1@9 L+1,1@99 L-1,1@99 L+1,1@199", "MVE 1,1|LDC|SLP 0.2|MVE 1,1|LCK|MVE 5,5"},
        {"L+0,0@0 L-0,0@5 L+90,0@49 L-90,0@55 L+0,0@99", "MVE 0,0|LCK|MVE 90,0|LCK|SLP 0.1|MVE 0,0|LCK|MVE 5,5"},
        {"L+0,0@0 L-0,0@5 L+90,0@149 L-90,0@155 L+0,0@299", "MVE 0,0|LCK|SLP 0.1|MVE 90,0|LCK|SLP 0.2|MVE 0,0|LCK|MVE 5,5"},
        {"*L+10,20@0 *L-10,20@10 *R+1,1@20 L-10,20@30 R-1,1@40", "MVE 5,5"},
        {"L+10,20@0 L-40,20@300 L+12,20@900 L-14,20@950", "MVE 10,20|LCK|SLP 0.9|MVE 12,20|LCK|MVE 5,5 drags 1"},
        {"L+10,20@0 R+30,30@60 R-30,30@70 L-10,20@80 L+0,0@90", "MVE 10,20|LCK|SLP 0.1|MVE 30,30|RCK|MVE 0,0|LCK|MVE 5,5"},
        {"L+10,20@0 take@0", "T|MVE 10,20|LCK|MVE 5,5"},
        {"L+1,1@0 L-1,1@9 L+1,1@99 R+5,5@120 R-5,5@130 R+5,5@200", "MVE 1,1|LDC|SLP 0.1|MVE 5,5|RDC|MVE 5,5"}, // seconds held
        {"L+10,20@0 R-50,50@10 L-10,20@20", "MVE 10,20|LCK|MVE 5,5"}, // the other button's release is no drag
        {"L+1,1@0 L-1,1@9 take@600 take@601", "T|MVE 1,1|LCK|T|MVE 5,5"}, // no second press can still come
        {"L+1,1@0 end@0 L+2,2@9 L-2,2@9 end@0", "MVE 1,1|LCK|MVE 5,5|MVE 2,2|LCK|MVE 5,5|MVE 5,5"}, // nothing kept
    };
    for (const auto& [events, entries] : cases) EXPECT_EQ(entries, recorded(events)) << events;
    EXPECT_EQ("MVE 10,20|MDC|MVE 5,5", recorded("M+10,20@0 M-10,20@50 M+10,20@100 M-10,20@150"));
    EXPECT_EQ("MVE 0,0|LCK|SLP 0,2|MVE 90,0|LCK|MVE 5,5", recorded("L+0,0@0 L-0,0@5 L+90,0@150", ','));
}

TEST(MacroRecorder, TurnsTypingIntoTextsAndKeysAndTheWheelIntoNotches) {
    const std::pair<const char*, const char*> cases[] = {
        {"K+41:a@0 K-41:a@10 K+10@20 K+42:B@30 K-10@40 K+BF:/@50", "TXT aB/|MVE 5,5"},
        {"K+41:a@0 K+42:b@990 K+43:c@1980", "TXT abc|MVE 5,5"}, // shorter pauses inside a text are not kept
        {"K+41:a@0 K+42:b@1000", "TXT a|SLP 1|TXT b|MVE 5,5"},
        {"K+41:a@0 K+0D@100 K+A2@300 K+10@300 K+25@400 K-25@410 K-10@420", "TXT a|SLP 0.1|KEY Enter|SLP 0.3|KEY Ctrl+Shift+Left|MVE 5,5"},
        {"K+5B@0 K+44:d@10 K-44@20 K-5B@30 K+A4@500 K-A4@600", "KEY Win+D|SLP 0.5|KEY Alt|MVE 5,5"}, // a modifier alone
        {"K+A2@0 K+A5@0 K+45:\xE2\x82\xAC@10 K+DE!@20 K+45:\xC3\xA9@30", "TXT \xE2\x82\xAC\xC3\xA9|MVE 5,5"}, // AltGr, a dead key
        {"K+28@0 K+28@30 K+28@60", "KEY Down|KEY Down|KEY Down|MVE 5,5"}, // held until it repeats
        {"K+78@0 K+1B@10 K+A0@20 K+1B@30 K-A0@35 *K+41:a@40 K+A2@50 K+52:r@60 K-52@70 K-A2@80 K+FF:@90", "MVE 5,5"},
        {"L+10,20@0 L-10,20@50 K+41:a@100 L+30,30@300 L-30,30@350", "MVE 10,20|LCK|SLP 0.1|TXT a|SLP 0.2|MVE 30,30|LCK|MVE 5,5"},
        {"K+41:a@0 take@1100 take@1101 K+42:b@1200", "T|TXT a|T|SLP 1.2|TXT b|MVE 5,5"},
        {"W1:10,20@0 W0.5:10,20@100 W0.5:10,20@999 W-1:11,20@1200 *W5:1,1@1300", "MVE 10,20|WHL 2|SLP 0.2|MVE 11,20|WHL -1|MVE 5,5"},
        {"W0.2:10,20@0 K+41:a@100", "TXT a|MVE 5,5"}, // less than half a notch turns nothing
    };
    for (const auto& [events, entries] : cases) EXPECT_EQ(entries, recorded(events)) << events;
    EXPECT_EQ("MVE 1,1|LCK|MVE 5,5", recorded("K+41:a@0 L+1,1@10 L-1,1@20 K+0D@30", '.', false)) << "keys left out";
}

} // namespace
