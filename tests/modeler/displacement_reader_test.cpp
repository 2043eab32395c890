#include "displacement_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "deformed_shape.h"
#include "model_file_reader.h"
#include "support/recording_notifier.h"
#include "support/scratch_folder.h"

namespace kestrix {
namespace {

constexpr const char* kHeader = "           Node             dx             dy\n";

class DisplacementReadBack : public ::testing::Test {
 protected:
  // A model of `nodeCount` nodes spread over a 10 × 5 box, no elements.
  void UseNodes(int nodeCount) {
    std::string text = "E=1\nMu=0\nThick=1\nNPOIN=" + std::to_string(nodeCount) + "\n";
    for (int k = 0; k < nodeCount; ++k) {
      text += k == nodeCount - 1 ? "10,5\n" : std::to_string(k % 10) + ",0\n";
    }
    text += "NELEM=0\nNRN=0\nNFOR=0\nNPRS=0\n";
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

TEST_F(DisplacementReadBack, RowOrderNotRowNumberDecidesTheNode) {
  UseNodes(3);
  EXPECT_TRUE(Read(std::string(kHeader) + "5: 1 2\n6: 3 4\n7: 5 6\n"));
  EXPECT_EQ(Ux(0), 1.0);
  EXPECT_EQ(Ux(2), 5.0);
}

TEST_F(DisplacementReadBack, RowsBeyondTheNodesAreIgnored) {
  UseNodes(1);
  EXPECT_TRUE(Read(std::string(kHeader) + "0: 1 2\n1: 3 4\n"));
  EXPECT_EQ(model.displacements().size(), 2u);
  EXPECT_EQ(Uy(0), 2.0);
}

TEST_F(DisplacementReadBack, LaterReadReplacesEveryOldValue) {
  UseNodes(3);
  EXPECT_TRUE(Read(std::string(kHeader) + "0: 1 2\n1: 3 4\n2: 5 6\n"));
  // A shorter or broken file leaves the nodes it does not reach at 0, not at
  // the values of the previous solve.
  EXPECT_TRUE(Read(std::string(kHeader) + "0: 7 8\n1: 9 oops\n"));
  EXPECT_EQ(Ux(0), 7.0);
  EXPECT_EQ(Ux(1), 0.0);
  EXPECT_EQ(Uy(2), 0.0);
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

}  // namespace
}  // namespace kestrix
