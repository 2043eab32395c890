// Reading the solver's contour and displacement files: what the solver writes
// is read exactly, in any locale; everything else is refused with the file
// and the line named.

#include "result_files.h"

#include <gtest/gtest.h>

#include <clocale>

#include "contour_file_reader.h"
#include "displacement_file_reader.h"
#include "support/scratch_folder.h"
#include "viewer/result_texts.h"

namespace ambrel {
namespace {

using test_support::ScratchFolder;

// The solver's own file for the single-element example.
constexpr char kSingleElement[] =
    "NPOIN=4\nNELEM=1\n"
    "0,0,-123.5,1e-05,0,200.25\n1,0,2,3,4,5\n1,1,6,7,8,9\n0,1,10,11,12,13\n"
    "0,1,2,3\n";

ReadError ContourError(const std::string& text) {
  return std::get<ReadError>(ParseContourFile(text, "Node_Stress_ZelContour.txt"));
}

ReadError DisplacementError(const std::string& text, int nodeCount) {
  return std::get<ReadError>(ParseDisplacementFile(text, "Node_Dis.txt", nodeCount));
}

TEST(ContourFile, ReadsNodesStressesAndElements) {
  const auto mesh = std::get<ContourMesh>(ParseContourFile(kSingleElement, "f"));
  ASSERT_EQ(mesh.nodes.size(), 4u);
  EXPECT_EQ(mesh.nodes[2], (ModelPosition{1, 1}));
  EXPECT_EQ(mesh.stresses[0].sx, -123.5);
  EXPECT_EQ(mesh.stresses[0].sy, 1e-05);
  EXPECT_EQ(mesh.stresses[0].se, 200.25);
  EXPECT_EQ(mesh.elements, (std::vector<ElementNodes>{{0, 1, 2, 3}}));
}

TEST(ContourFile, TakesWindowsLineEnds) {
  std::string text = kSingleElement;
  for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2)) {
    text.insert(at, "\r");
  }
  EXPECT_TRUE(std::holds_alternative<ContourMesh>(ParseContourFile(text, "f")));
}

TEST(ContourFile, ReadsDecimalPointsWhateverTheLocale) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale";
  const auto mesh = ParseContourFile(kSingleElement, "f");
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_EQ(std::get<ContourMesh>(mesh).stresses[0].se, 200.25);
}

TEST(ContourFile, RefusesMalformedFilesNamingTheLine) {
  const std::string file = "Node_Stress_ZelContour.txt";
  EXPECT_EQ(ContourError("NPOIN=x\n"),
            (ReadError{file, 1, "expected \"NPOIN=\" and the number of nodes"}));
  EXPECT_EQ(
      ContourError("NPOIN=4\nNELEM=1\n0,0,1,2,3,4\n1,0,2,3,4\n1,1,6,7,8,9\n0,1,1,1,1,1\n0,1,2,3\n"),
      (ReadError{file, 4, "expected a node row x,y,SX,SY,TXY,SE"}));
  EXPECT_EQ(
      ContourError(
          "NPOIN=4\nNELEM=1\n0,0,1,2,3,4\n1,0,2,abc,4,5\n1,1,6,7,8,9\n0,1,1,1,1,1\n0,1,2,3\n"),
      (ReadError{file, 4, "\"abc\" is not a number"}));
  EXPECT_EQ(
      ContourError(
          "NPOIN=4\nNELEM=1\n0,0,1,2,3,nan\n1,0,2,3,4,5\n1,1,6,7,8,9\n0,1,1,1,1,1\n0,1,2,3\n"),
      (ReadError{file, 3, "\"nan\" is not a number"}));
  EXPECT_EQ(ContourError(
                "NPOIN=4\nNELEM=1\n0,0,1,2,3,4\n1,0,2,3,4,5\n1,1,6,7,8,9\n0,1,1,1,1,1\n0,1,2,4\n"),
            (ReadError{file, 7, "node 4 is out of range (NPOIN=4)"}));
  EXPECT_EQ(ContourError(std::string(kSingleElement) + "0,1,2,3\n"),
            (ReadError{file, 8, "a row more than NPOIN + NELEM = 5 rows"}));
}

TEST(ContourFile, RefusesAFileStillBeingWritten) {
  const std::string file = "Node_Stress_ZelContour.txt";
  const std::string whole = kSingleElement;
  // Cut after the third node row, and inside the element row.
  EXPECT_EQ(
      ContourError(whole.substr(0, whole.find("0,1,10"))),
      (ReadError{file, 5, "the file ends here, before the NPOIN + NELEM = 5 rows are complete"}));
  EXPECT_EQ(
      ContourError(whole.substr(0, whole.size() - 3)),
      (ReadError{file, 7, "the file ends here, before the NPOIN + NELEM = 5 rows are complete"}));
  EXPECT_EQ(
      ContourError(whole.substr(0, whole.size() - 1)),
      (ReadError{file, 7, "the file ends here, before the NPOIN + NELEM = 5 rows are complete"}));
  EXPECT_EQ(ContourError(""), (ReadError{file, 0, "the file is empty"}));
}

TEST(ContourFile, RefusesCountsBeyondTheFileBeforeAllocatingForThem) {
  EXPECT_EQ(ContourError("NPOIN=2000000000\nNELEM=2000000000\n0,0,0,0,0,0\n").line, 3);
}

TEST(DisplacementFile, ReadsTheSolversTable) {
  const std::string text =
      "           Node             dx             dy\n"
      "             0:      -1.05e-18         -1e-18\n"
      "             1:   -0.000867725    -0.00220106\n";
  const auto rows = std::get<std::vector<Displacement>>(ParseDisplacementFile(text, "f", 2));
  EXPECT_EQ(rows[0].dx, -1.05e-18);
  EXPECT_EQ(rows[1].dy, -0.00220106);
}

TEST(DisplacementFile, RefusesRowsThatAreNotTheMeshsNodes) {
  const std::string header = "           Node             dx             dy\n";
  const std::string file = "Node_Dis.txt";
  EXPECT_EQ(
      DisplacementError(header + "0: 1 2\n", 2),
      (ReadError{file, 2,
                 "the file ends here, before the rows of the 2 nodes of the mesh are complete"}));
  EXPECT_EQ(DisplacementError(header + "0: 1 2\n1: 3 4\n2: 5 6\n", 2),
            (ReadError{file, 4, "a row more than the 2 nodes of the mesh"}));
  EXPECT_EQ(DisplacementError(header + "0: 1 2\n5: 3 4\n", 2),
            (ReadError{file, 3, "expected the row of node 1"}));
  EXPECT_EQ(DisplacementError(header + "0: 1 2\n1: 3,5 4\n", 2),
            (ReadError{file, 3, "\"3,5\" is not a number"}));
  EXPECT_EQ(DisplacementError(header + "0: 1\n1: 3 4\n", 2),
            (ReadError{file, 2, "expected a row \"node: dx dy\""}));
  EXPECT_EQ(DisplacementError("Node SX\n0: 1 2\n", 1),
            (ReadError{file, 1, "expected the header \"Node dx dy\""}));
}

TEST(ResultFolder, ReadsTheDisplacementsOnlyWhenThere) {
  ScratchFolder folder;
  const test::Grid grid{2, 1};
  EXPECT_EQ(std::get<ReadError>(LoadResults(folder.path())).Message(),
            (folder / "Node_Stress_ZelContour.txt").string() + ": there is no such file");

  folder.Write("Node_Stress_ZelContour.txt", test::ContourText(grid, test::Linear));
  auto results = std::get<LoadedResults>(LoadResults(folder.path()));
  EXPECT_TRUE(results.displacements.empty());
  EXPECT_FALSE(results.displacementError);

  folder.Write("Node_Dis.txt", test::DisplacementText(grid.NodeCount() - 1, {1, 2}));
  results = std::get<LoadedResults>(LoadResults(folder.path()));
  EXPECT_TRUE(results.displacements.empty());
  ASSERT_TRUE(results.displacementError);
  EXPECT_EQ(results.displacementError->file, (folder / "Node_Dis.txt").string());
  EXPECT_EQ(results.displacementError->line, 6);

  folder.Write("Node_Dis.txt", test::DisplacementText(grid.NodeCount(), {1, 2}));
  results = std::get<LoadedResults>(LoadResults(folder.path()));
  EXPECT_EQ(results.displacements.size(), 6u);
}

}  // namespace
}  // namespace ambrel
