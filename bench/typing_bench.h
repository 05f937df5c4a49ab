#pragma once

// Prints how long a text of the given length takes to reach an edit control when a macro types
// it, beside a bare loop that sends the same key events one SendInput call at a time.
void benchTyping(int characters);
