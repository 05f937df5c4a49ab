#pragma once

// Prints the time a mouse event spends in the recording's hook, beside a bare hook that only passes
// it on, over the given number of button events.
void benchRecordingHook(int events);
