#include "displacement_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "deformed_shape.h"
#include "model_file_reader.h"
#include "reaction_reader.h"
#include "support/recording_notifier.h"
#include "support/scratch_folder.h"

namespace kestrix {
namespace {

constexpr const char* kHeader = "           Node             dx             dy\n";

class DisplacementReadBack : public ::testing::Test {
 protected:
  // A model of `nodeCount` nodes spread over a 10 × 5 box, no elements, with
  // the constraint block given.
  void UseNodes(int nodeCount, const std::string& constraints = "NRN=0\n") {
    std::string text = "E=1\nMu=0\nThick=1\nNPOIN=" + std::to_string(nodeCount) + "\n";
    for (int k = 0; k < nodeCount; ++k) {
      text += k == nodeCount - 1 ? "10,5\n" : std::to_string(k % 10) + ",0\n";
    }
    text += "NELEM=0\n" + constraints + "NFOR=0\nNPRS=0\n";
    model.AttachNotifier(&notifier);
    ASSERT_EQ(ReadModelText(text, model), std::nullopt);
    model.ComputeBoundingBox();
  }

  bool Read(const std::string& text) {
    return ReadDisplacements(scratch.Write("Node_Dis.txt", text), model);
  }

  double Ux(int node) const { return model.displacements()[2 * node]; }
  double Uy(int node) const { return model.displacements()[2 * node + 1]; }

  test_support::ScratchFolder scratch;
  RecordingNotifier notifier;
  Model model;
};

TEST_F(DisplacementReadBack, RowsFillTheVectorAndMarkTheModelSolved) {
  UseNodes(2);
  EXPECT_TRUE(Read(std::string(kHeader) + "0: 0 -0.001\n1: 0.002 0\n"));
  EXPECT_EQ(Ux(0), 0.0);
  EXPECT_EQ(Uy(0), -0.001);
  EXPECT_EQ(Ux(1), 0.002);
  EXPECT_EQ(Uy(1), 0.0);
  EXPECT_TRUE(model.solved());
  EXPECT_DOUBLE_EQ(DeformationScale(model), 500.0);
}

TEST_F(DisplacementReadBack, ReadsTheSolversColumnsAndLineEnds) {
  UseNodes(2);
  EXPECT_TRUE(Read(std::string(kHeader) +
                   "             0:              0    -0.00123457\r\n"
                   "             1:    1.23457e+06         -1e-20\r\n"));
  EXPECT_EQ(Uy(0), -0.00123457);
  EXPECT_EQ(Ux(1), 1.23457e+06);
  EXPECT_EQ(Uy(1), -1e-20);
}

TEST_F(DisplacementReadBack, LaterReadReplacesEveryOldValue) {
  UseNodes(2);
  EXPECT_TRUE(Read(std::string(kHeader) + "0: 1 2\n1: 3 4\n"));
  EXPECT_TRUE(Read(std::string(kHeader) + "0: 7 8\n1: 9 10\n"));
  EXPECT_EQ(Ux(0), 7.0);
  EXPECT_EQ(Uy(1), 10.0);
}

// Each damaged file is refused whole: a warning naming the file and the line,
// every value 0 (not the previous solve's) and the model unsolved.
TEST_F(DisplacementReadBack, DamagedFilesAreRefusedWithTheLineNamed) {
  const std::string rows = "0: 1 2\n1: 3 4\n2: 5 6\n";
  const struct {
    std::string text;
    std::string fault;
  } cases[] = {
      {"", "line 1: the file is empty"},
      {kHeader, "line 1: the file ends before the row of node 0"},
      {"Node ux uy\n" + rows, "line 1: expected the header \"Node dx dy\""},
      {std::string(kHeader) + "0: 1 2\n1: 3\n2: 5 6\n",
       "line 3: expected the row of node 1 with two finite numbers"},
      {std::string(kHeader) + "0: 1 2\n1: 3 abc\n2: 5 6\n",
       "line 3: expected the row of node 1 with two finite numbers"},
      {std::string(kHeader) + "0: 1 2\n1: 3 4x\n2: 5 6\n",
       "line 3: expected the row of node 1 with two finite numbers"},
      {std::string(kHeader) + "0: 1 2\n1: nan 4\n2: 5 6\n",
       "line 3: expected the row of node 1 with two finite numbers"},
      {std::string(kHeader) + "0: 1 2\n1: 3 inf\n2: 5 6\n",
       "line 3: expected the row of node 1 with two finite numbers"},
      {std::string(kHeader) + "0: 1 2\n1: 3 4\n", "line 3: the file ends before the row of node 2"},
      {std::string(kHeader) + "0: 1 2\n1: 3 4\n2: 5 6", "line 4: the last row has no line break: the file is cut short"},
      {std::string(kHeader) + "5: 1 2\n6: 3 4\n7: 5 6\n",
       "line 2: expected the row of node 0 with two finite numbers"},
      {std::string(kHeader) + "0: 1 2\n2: 5 6\n1: 3 4\n",
       "line 3: expected the row of node 1 with two finite numbers"},
      {std::string(kHeader) + rows + "3: 7 8\n", "line 5: more rows than the model has"},
  };
  UseNodes(3);
  for (const auto& damaged : cases) {
    SCOPED_TRACE(damaged.text);
    ASSERT_TRUE(Read(std::string(kHeader) + rows));
    notifier.messages.clear();
    EXPECT_FALSE(Read(damaged.text));
    EXPECT_FALSE(model.solved());
    EXPECT_EQ(model.displacements(), std::vector<double>(6, 0.0));
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].text, "节点位移文件读取错误! " + (scratch / "Node_Dis.txt").string() +
                                             ", " + damaged.fault + "; no result is shown.");
  }
}

TEST_F(DisplacementReadBack, TrailingBlankLinesAndCarriageReturnsAreFine) {
  UseNodes(2);
  EXPECT_TRUE(Read(std::string(kHeader) + "0: 1 2\r1: 3 4\r\n\n  \n"));
  EXPECT_EQ(Uy(1), 4.0);
}

TEST_F(DisplacementReadBack, MissingFileWarnsAndLeavesTheModelUnsolved) {
  UseNodes(2);
  EXPECT_TRUE(Read(std::string(kHeader) + "0: 1 2\n1: 3 4\n"));
  EXPECT_FALSE(ReadDisplacements((scratch / "absent.txt").string(), model));
  EXPECT_FALSE(model.solved());
  EXPECT_EQ(Ux(1), 0.0);
  ASSERT_EQ(notifier.messages.size(), 1u);
  EXPECT_EQ(notifier.messages[0], (ShownMessage{"节点位移文件读取错误!", "Warning!"}));
}

TEST_F(DisplacementReadBack, NoMovementGivesScaleZeroAndTheUndeformedMesh) {
  UseNodes(2);
  EXPECT_TRUE(Read(std::string(kHeader) + "0: 0 0\n1: -0 0\n"));
  EXPECT_EQ(DeformationScale(model), 0.0);
  EXPECT_EQ(DeformedPosition(model, 1, DeformationScale(model)), (ModelPosition{10, 5}));
}

TEST_F(DisplacementReadBack, DeformedPositionAddsTheScaledDisplacement) {
  UseNodes(2);
  EXPECT_TRUE(Read(std::string(kHeader) + "0: 0 -0.001\n1: 0.002 0\n"));
  EXPECT_EQ(DeformedPosition(model, 1, 500.0), (ModelPosition{11, 5}));
  EXPECT_EQ(DeformedPosition(model, 0, 500.0), (ModelPosition{0, -0.5}));
}

constexpr const char* kReactionHeader = "           Node             RX             RY\n";

// Nodes 0 and 3 are fixed; node 2 carries a constraint record that fixes nothing.
constexpr const char* kConstraints = "NRN=3\n3:1 0\n0:0 1\n2:0 0\n";

TEST_F(DisplacementReadBack, ReactionsAreReadForTheFixedNodesInNodeOrder) {
  UseNodes(4, kConstraints);
  EXPECT_EQ(model.FixedNodes(), (std::vector<int>{0, 3}));
  const std::string path = scratch.Write("Node_Reaction.txt", std::string(kReactionHeader) +
                                                                  "             0:              1              2\n"
                                                                  "             3:             -1             -2\n"
                                                                  "            Sum:              0              0\n").string();
  EXPECT_TRUE(ReadReactions(path, model));
  ASSERT_EQ(model.reactions().size(), 2u);
  EXPECT_EQ(model.reactions()[1].node, 3);
  EXPECT_EQ(model.reactions()[1].RX, -1.0);
  EXPECT_EQ(model.reactions()[0].RY, 2.0);
  EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(DisplacementReadBack, DamagedOrMissingReactionsGiveNone) {
  UseNodes(4, kConstraints);
  const std::string good = std::string(kReactionHeader) + "0: 1 2\n3: -1 -2\nSum: 0 0\n";
  ASSERT_TRUE(ReadReactions(scratch.Write("Node_Reaction.txt", good).string(), model));
  const struct {
    std::string text;
    std::string fault;
  } cases[] = {
      {std::string(kReactionHeader) + "0: 1 2\n3: -1 -2\n", "line 3: the file ends before the row \"Sum:\""},
      {std::string(kReactionHeader) + "0: 1 2\n2: 0 0\n3: -1 -2\nSum: 0 0\n",
       "line 3: expected the row of node 3 with two finite numbers"},
      {std::string(kReactionHeader) + "0: 1 2\n3: -1 -2\nSum: 0 x\n",
       "line 4: expected the row \"Sum:\" with two finite numbers"},
  };
  for (const auto& damaged : cases) {
    SCOPED_TRACE(damaged.text);
    notifier.messages.clear();
    const std::string path = scratch.Write("Node_Reaction.txt", damaged.text).string();
    EXPECT_FALSE(ReadReactions(path, model));
    EXPECT_TRUE(model.reactions().empty());
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].text,
              "节点反力文件读取错误! " + path + ", " + damaged.fault + "; no reaction is drawn.");
  }
  notifier.messages.clear();
  EXPECT_FALSE(ReadReactions((scratch / "absent.txt").string(), model));
  EXPECT_TRUE(model.reactions().empty());
  EXPECT_TRUE(notifier.messages.empty());
}

}  // namespace
}  // namespace kestrix
