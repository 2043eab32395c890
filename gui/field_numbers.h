#pragma once
// Text fields of the dialogs as numbers and numbers as field text, always in
// the "C" numeric locale whatever the user's locale is.

#include <optional>
#include <string>
#include <string_view>

namespace kestrix {

// The whole text as one number, blanks around it allowed and nothing else:
// "12abc", an empty field or a value beyond the type's range gives nothing.
// Reals must be finite; integers are decimal.
std::optional<double> FieldToReal(std::string_view text);
std::optional<int> FieldToInt(std::string_view text);

// True when the field holds nothing but blanks.
bool IsBlankField(std::string_view text);

// Six decimals in fixed notation: 210000.000000, 0.300000.
std::string RealToField(double value);

}  // namespace kestrix
