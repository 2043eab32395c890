#pragma once
// The one number formatter of Kestrix's model files: reals as C's "%g" with six
// significant digits, written the same whatever the process locale is.

#include <string>

namespace kestrix {

// 210000, 0.3, 0.333333, 2.1e+11, 1e-05, -12.5.
std::string FormatReal(double value);

}  // namespace kestrix
