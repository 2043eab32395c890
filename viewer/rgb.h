#pragma once
// A colour of eight bits per channel, and its packed form in pixel images.

#include <cstdint>

namespace ambrel {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// 0xffRRGGBB, the layout of a 32-bit RGB pixel with an opaque alpha byte.
constexpr std::uint32_t Packed(Rgb colour) {
  return 0xff000000u | (std::uint32_t{colour.red} << 16) | (std::uint32_t{colour.green} << 8) |
         colour.blue;
}

constexpr Rgb Unpacked(std::uint32_t pixel) {
  return Rgb{static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
             static_cast<std::uint8_t>(pixel)};
}

}  // namespace ambrel
