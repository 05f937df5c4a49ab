#include "core/macro_recording.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace wp::macro;

namespace {

// Events as "L+x,y@t" (left down), "R-x,y@t" (right up), a leading * when injected; "take@t" takes
// what is settled then, marked T; "end@0" finishes early. The result: every entry given, joined by "|", then the drags when any.
std::string recorded(const std::string& events, char separator = '.') {
    MacroRecorder recorder({500, 4, 4}, separator);
    std::string out;
    const auto append = [&out](const std::vector<std::string>& entries) {
        for (const std::string& entry : entries) out += (out.empty() ? "" : "|") + entry;
    };
    std::istringstream in(events);
    for (std::string e; in >> e;) {
        const std::size_t at = e.find('@');
        const std::int64_t t = std::stoll(e.substr(at + 1));
        if (e == "end@0" || e.rfind("take", 0) == 0) {
            e == "end@0" ? append(recorder.finish(5, 5)) : (append(recorder.take(t)), append({"T"}));
            continue;
        }
        const bool injected = e[0] == '*';
        const std::string p = e.substr(injected ? 1 : 0, at);
        const int x = std::stoi(p.substr(2)), y = std::stoi(p.substr(p.find(',') + 1));
        recorder.add({p[0] == 'L' ? RecordedButton::Left : RecordedButton::Right, p[1] == '+', x, y, t, injected});
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
    EXPECT_EQ("MVE 0,0|LCK|SLP 0,2|MVE 90,0|LCK|MVE 5,5", recorded("L+0,0@0 L-0,0@5 L+90,0@150", ','));
}

} // namespace
