#pragma once
// The contour viewer's name, shown in its window title, messages and usage.

namespace ambrel {

inline constexpr char kProgramName[] = "Ambrel";

}  // namespace ambrel
