// Text conversions between the windows (UTF-16) and the portable core (UTF-8).
#pragma once

#include <string>
#include <string_view>

#include <windows.h>

namespace wp::win {

std::string toUtf8(std::wstring_view text);
std::wstring toWide(std::string_view utf8);

// The window's whole text.
std::wstring windowText(HWND hwnd);

// The user's decimal separator; the full stop when the locale names more than one character.
char userDecimalSeparator();

} // namespace wp::win
