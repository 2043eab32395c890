#pragma once
// The viewer's one number formatter and reader: reals as C's "%g" with six
// significant digits, the text the solver writes, and numbers read back with
// a decimal point whatever the process locale is.

#include <optional>
#include <string>
#include <string_view>

namespace ambrel {

// 160.518, 0.3, 1e-05, -1.23457e+06, as the solver's result files show them.
std::string FormatReal(double value);

// The finite real that makes up the whole text, blanks around it allowed;
// nothing for anything else, "nan" and "inf" included.
std::optional<double> ParseReal(std::string_view text);

// The int that makes up the whole text, blanks around it allowed.
std::optional<int> ParseInteger(std::string_view text);

// The text without blanks (spaces, tabs, carriage returns) at either end.
std::string_view TrimBlanks(std::string_view text);

}  // namespace ambrel
