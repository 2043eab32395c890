#pragma once
// Ambrel's arguments: an optional folder of result files, and for scripts a
// headless picture: [FOLDER] --png FILE [--component SX|SY|TXY|SE] [--size WxH].

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "stress_component.h"

namespace ambrel {

inline constexpr int kDefaultPictureWidth = 1200;
inline constexpr int kDefaultPictureHeight = 800;

struct CommandLine {
  std::string folder;              // empty: the current directory
  std::optional<std::string> png;  // the picture to write without a window
  StressComponent component = StressComponent::SE;
  int width = kDefaultPictureWidth;
  int height = kDefaultPictureHeight;
};

// The usage line, for messages about the arguments.
std::string Usage();

// The arguments after the program name, or what is wrong with them.
std::variant<CommandLine, std::string> ParseCommandLine(const std::vector<std::string>& arguments);

}  // namespace ambrel
