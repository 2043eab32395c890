#pragma once
// Text fields of the dialogs as numbers, the way C's atof, atoi and "%lf" treat
// them, but always in the "C" numeric locale whatever the user's locale is.

#include <string>
#include <string_view>

namespace kestrix {

// Leading blanks are skipped and conversion stops at the first character that
// does not fit; text that does not start with a number gives 0. Reals beyond
// the range of double are infinite; integers beyond int give its nearest limit.
double FieldToReal(std::string_view text);
int FieldToInt(std::string_view text);

// Six decimals in fixed notation: 210000.000000, 0.300000.
std::string RealToField(double value);

}  // namespace kestrix
