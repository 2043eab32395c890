// Ambrel's arguments: a folder, and the headless picture's options.

#include "command_line.h"

#include <gtest/gtest.h>

namespace ambrel {
namespace {

CommandLine Parsed(const std::vector<std::string>& arguments) {
  return std::get<CommandLine>(ParseCommandLine(arguments));
}

std::string Problem(const std::vector<std::string>& arguments) {
  return std::get<std::string>(ParseCommandLine(arguments));
}

TEST(CommandLine, WithoutArgumentsShowsTheCurrentDirectoryInAWindow) {
  const CommandLine line = Parsed({});
  EXPECT_EQ(line.folder, "");
  EXPECT_FALSE(line.png);
  EXPECT_EQ(line.component, StressComponent::SE);
}

TEST(CommandLine, TakesAFolderAndTheHeadlessOptionsInAnyOrder) {
  const CommandLine line =
      Parsed({"--size", "640x480", "results", "--png", "out.png", "--component", "TXY"});
  EXPECT_EQ(line.folder, "results");
  EXPECT_EQ(line.png, "out.png");
  EXPECT_EQ(line.component, StressComponent::TXY);
  EXPECT_EQ(line.width, 640);
  EXPECT_EQ(line.height, 480);
}

TEST(CommandLine, SaysWhatIsWrong) {
  EXPECT_EQ(Problem({"--png"}), "--png needs a value");
  EXPECT_EQ(Problem({"--component", "SZ"}), "unknown component \"SZ\" (SX, SY, TXY or SE)");
  EXPECT_EQ(Problem({"--size", "0x10"}), "the size \"0x10\" is not WxH (from 1x1 to 16384x16384)");
  EXPECT_EQ(Problem({"a", "b"}), "unexpected argument \"b\"");
  EXPECT_EQ(Problem({"--colour", "red"}), "unexpected argument \"--colour\"");
}

}  // namespace
}  // namespace ambrel
