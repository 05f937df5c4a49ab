// Waiting without burning a core: asleep in a message wait until an end time, while every event
// that arrives runs through the program's pump.
#pragma once

#include <functional>

namespace wp::win {

// Milliseconds on a monotonic clock of high resolution that does not wrap.
double monotonicMilliseconds();

// Lets the pending events run, then sleeps until the end time (on the clock above), running each
// event as it arrives. Returns at the end time, or earlier once `abandon` says so or the program
// is quitting; it always lets the pending events run once, also for an end time already past.
void waitLettingEventsRun(double endMilliseconds, const std::function<bool()>& abandon = {});

} // namespace wp::win
