#pragma once
// The one number formatter of Solvane's files: reals as C's "%g" with six
// significant digits, written the same whatever the user's locale is.

#include <string>
#include <string_view>

namespace solvane {

// "%g" at precision 6: 0, 12.5, -0, 1.5e-07, 1.23457e+08, inf, nan.
std::string FormatReal(double value);

// Room a real needs in the buffer WriteReal writes into: its text is at most
// 13 characters, and the writing may scribble a few bytes beyond it.
inline constexpr int kRealTextRoom = 32;

// Writes the text of FormatReal at `out`, which has kRealTextRoom bytes of
// room, and returns the end of the text.
char* WriteReal(char* out, double value);

// Appends the text of FormatReal, or of an integer in plain decimal, to
// `line` without building a string of its own.
void AppendReal(std::string& line, double value);
void AppendInteger(std::string& line, int value);

// Appends `text` right-aligned in `width` columns (never truncated).
void AppendRightAligned(std::string& line, std::string_view text, int width);

}  // namespace solvane
