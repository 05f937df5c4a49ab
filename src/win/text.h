// Text conversions between the windows (UTF-16) and the portable core (UTF-8).
#pragma once

#include <string>
#include <string_view>

#include <windows.h>

namespace wp::win {

// Between UTF-16 and a code page's bytes; characters a code page lacks become its default character.
std::string narrow(std::wstring_view text, UINT codePage);
std::wstring widen(std::string_view bytes, UINT codePage);

inline std::string toUtf8(std::wstring_view text) { return narrow(text, CP_UTF8); }
inline std::wstring toWide(std::string_view utf8) { return widen(utf8, CP_UTF8); }

// The window's whole text.
std::wstring windowText(HWND hwnd);

// The user's decimal separator; the full stop when the locale names more than one character.
char userDecimalSeparator();

} // namespace wp::win
