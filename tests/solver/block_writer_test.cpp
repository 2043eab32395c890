// A block writer writes on a thread of its own: the blocks must reach the
// stream whole and in the order handed over, a failed write must come back to
// the calling thread with its errno, and the thread must stop when the writer
// goes, also with a block still in hand.

#include "output/block_writer.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "solvane_process.h"

namespace solvane {
namespace {

std::string Block(int number) { return std::string(1000 + number, static_cast<char>('a' + number % 26)); }

TEST(BlockWriter, BlocksReachTheStreamInTheOrderHandedOver) {
  testing::ScratchFolder dir;
  const auto path = dir.path() / "blocks.txt";
  std::FILE* stream = std::fopen(path.c_str(), "w");
  ASSERT_NE(stream, nullptr);
  std::string expected;
  {
    BlockWriter writer(stream);
    std::string block;
    for (int b = 0; b < 50; ++b) {
      // The storage handed back is the emptied earlier block.
      EXPECT_TRUE(block.empty());
      block = Block(b);
      expected += block;
      writer.Hand(block);
    }
    int error = -1;
    EXPECT_TRUE(writer.Wait(error));
    EXPECT_EQ(error, 0);
  }
  ASSERT_EQ(std::fclose(stream), 0);
  EXPECT_TRUE(testing::ReadFile(path) == expected);
}

TEST(BlockWriter, AFailedWriteComesBackWithItsErrno) {
  std::FILE* stream = std::fopen("/dev/full", "w");
  ASSERT_NE(stream, nullptr);
  std::setvbuf(stream, nullptr, _IONBF, 0);
  {
    BlockWriter writer(stream);
    for (int b = 0; b < 3; ++b) {
      std::string block = Block(b);
      writer.Hand(block);
    }
    int error = 0;
    EXPECT_FALSE(writer.Wait(error));
    EXPECT_EQ(error, ENOSPC);
  }
  std::fclose(stream);
}

TEST(BlockWriter, GoesWithABlockStillInHand) {
  testing::ScratchFolder dir;
  std::FILE* stream = std::fopen((dir.path() / "left.txt").c_str(), "w");
  ASSERT_NE(stream, nullptr);
  for (int round = 0; round < 20; ++round) {
    BlockWriter writer(stream);
    std::string block = Block(round);
    writer.Hand(block);
  }
  EXPECT_EQ(std::fclose(stream), 0);
}

}  // namespace
}  // namespace solvane
