#include "command_line.h"

#include "decimal_text.h"
#include "program_name.h"

namespace ambrel {
namespace {

constexpr int kMaxPictureSide = 16384;

// "1600x1000" as width and height, each from 1 to kMaxPictureSide.
bool ParseSize(const std::string& text, CommandLine& line) {
  const std::size_t x = text.find('x');
  if (x == std::string::npos) return false;
  const std::optional<int> width = ParseInteger(std::string_view(text).substr(0, x));
  const std::optional<int> height = ParseInteger(std::string_view(text).substr(x + 1));
  const auto fits = [](std::optional<int> side) {
    return side && *side >= 1 && *side <= kMaxPictureSide;
  };
  if (!fits(width) || !fits(height)) return false;
  line.width = *width;
  line.height = *height;
  return true;
}

}  // namespace

std::string Usage() {
  return std::string("usage: ") + kProgramName +
         " [FOLDER] [--png FILE [--component SX|SY|TXY|SE] [--size WxH]]";
}

std::variant<CommandLine, std::string> ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  bool folderGiven = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const bool option = argument == "--png" || argument == "--component" || argument == "--size";
    if (option && i + 1 == arguments.size()) return argument + " needs a value";
    if (argument == "--png") {
      line.png = arguments[++i];
    } else if (argument == "--component") {
      const auto component = ComponentNamed(arguments[++i]);
      if (!component) return "unknown component \"" + arguments[i] + "\" (SX, SY, TXY or SE)";
      line.component = *component;
    } else if (argument == "--size") {
      if (!ParseSize(arguments[++i], line)) {
        return "the size \"" + arguments[i] + "\" is not WxH (from 1x1 to 16384x16384)";
      }
    } else if (argument.starts_with("--") || folderGiven) {
      return "unexpected argument \"" + argument + "\"";
    } else {
      line.folder = argument;
      folderGiven = true;
    }
  }
  return line;
}

}  // namespace ambrel
