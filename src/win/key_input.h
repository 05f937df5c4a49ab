// The runner's keyboard and wheel, sent into whatever window has the input.
#pragma once

#include <windows.h>

#include <vector>

#include "core/key_strokes.h"

namespace wp::win {

// In one SendInput call, so that nothing else comes between them and no modifier is left down
// half way: keys with their scan codes (and the extended flag where the key has it), characters
// as Unicode units. False when the system took none of them (input blocked, another desktop).
bool sendKeyStrokes(const std::vector<macro::KeyStroke>& strokes);

// The modifier bits held, as the given state reads them: GetKeyState for the keys a window's
// messages have reached, GetAsyncKeyState for the keyboard as it is now.
unsigned heldModifiers(SHORT(WINAPI* keyState)(int));

// Notches of the wheel at the pointer; negative: towards the user.
void turnWheel(int notches);

} // namespace wp::win
