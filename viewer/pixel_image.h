#pragma once
// An RGB image in memory, row after row from the top, one packed 0xffRRGGBB
// word per pixel: what the field is rasterised into and the backend blits.

#include <cstdint>
#include <vector>

#include "rgb.h"

namespace ambrel {

struct PixelImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  // Sizes the image and paints every pixel `colour`, reusing the memory.
  void Reset(int newWidth, int newHeight, Rgb colour) {
    width = newWidth;
    height = newHeight;
    pixels.assign(static_cast<std::size_t>(width) * height, Packed(colour));
  }
  std::uint32_t* Row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width; }
  Rgb At(int x, int y) const { return Unpacked(pixels[static_cast<std::size_t>(y) * width + x]); }
};

}  // namespace ambrel
