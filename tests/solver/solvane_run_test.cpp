// Solvane run as a real process: the complete run, and every way a run ends early.

#include <gtest/gtest.h>

#include <string>

#include "solvane_process.h"

namespace solvane {
namespace {

using testing::FilesIn;
using testing::ReadFile;
using testing::RunSolvane;
using testing::ScratchFolder;
using testing::WithoutTime;
using testing::WriteFile;

const testing::fs::path kExamples = testing::fs::path(PLATEFEM_SOURCE_DIR) / "examples";
const testing::fs::path kGolden = testing::fs::path(PLATEFEM_TEST_DATA_DIR);

const std::string kBackspaces(13, '\b');

// An address space that holds any of these small runs, but not a band of
// 512 MB nor arrays sized by a count of 25 million records.
constexpr rlim_t kSmallAddressSpace = rlim_t{256} << 20;

void CopyExample(const std::string& example, const ScratchFolder& dir) {
  testing::fs::copy_file(kExamples / example / "fem.txt", dir.path() / "fem.txt");
}

// The single-element example with one piece of its text replaced.
void WriteAlteredExample(const ScratchFolder& dir, const std::string& from, const std::string& to) {
  std::string text = ReadFile(kExamples / "single-element" / "fem.txt");
  text.replace(text.find(from), from.size(), to);
  WriteFile(dir.path() / "fem.txt", text);
}

// A model of NPOIN nodes on a line whose only element joins nodes 0, 1, 2 and
// `farNode`, so that the band is 2 * (farNode + 1) wide.
std::string WideBandModel(int nodeCount, int farNode) {
  std::string text = "E=1\nMu=0.3\nThick=1\nNPOIN=" + std::to_string(nodeCount) + "\n";
  for (int n = 0; n < nodeCount; ++n) text += std::to_string(n) + ",0\n";
  text += "NELEM=1\n0,1,2," + std::to_string(farNode) + "\nNRN=0\nNFOR=0\nNPRS=0\n";
  return text;
}

// Runs the fem.txt of the golden folder to completion and expects `console`
// (time masked) and every other file of the folder byte for byte, and no
// other file.
void ExpectGoldenRun(const std::string& golden, const std::string& console) {
  ScratchFolder dir;
  testing::fs::copy_file(kGolden / golden / "fem.txt", dir.path() / "fem.txt");
  const testing::ProcessResult run = RunSolvane(dir.path());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(WithoutTime(run.console), console);
  EXPECT_EQ(FilesIn(dir.path()), FilesIn(kGolden / golden));
  for (const std::string& name : FilesIn(kGolden / golden)) {
    if (name == "fem.txt") continue;
    EXPECT_EQ(ReadFile(dir.path() / name), ReadFile(kGolden / golden / name)) << name;
  }
}

TEST(SolvaneRun, SingleElementExampleMatchesStatedResults) {
  ExpectGoldenRun("single_element",
                  "Assembling the global stiffness matrix...100%Completed." + kBackspaces +
                      "Solute the equilibrium equations...14%Completed." + kBackspaces +
                      "28\b\b42\b\b57\b\b71\b\b85\b\b100%Completed.(Solution time:T)\n"
                      "Press any key to continue . . . \n");
}

// Two elements with a linearly varying edge load, a nodal force, a constraint
// line of free flags and nodes numbered across the short side.
TEST(SolvaneRun, TwoElementModelMatchesGoldenFiles) {
  ExpectGoldenRun("two_elements",
                  "Assembling the global stiffness matrix...50%Completed." + kBackspaces +
                      "100%Completed.\nSolute the equilibrium equations... 9%Completed." + kBackspaces +
                      "18\b\b27\b\b36\b\b45\b\b54\b\b63\b\b72\b\b81\b\b90\b\b100%Completed."
                      "(Solution time:T)\nPress any key to continue . . . \n");
}

// The figures that the cantilever example documents.
TEST(SolvaneRun, CantileverExampleGivesItsDocumentedResults) {
  ScratchFolder dir;
  CopyExample("cantilever", dir);
  const testing::ProcessResult run = RunSolvane(dir.path());
  EXPECT_EQ(run.status, 0);
  // Mid-height of the loaded end: its dx is round-off, its dy the deflection.
  const std::string displacements = ReadFile(dir.path() / "Node_Dis.txt");
  const std::size_t tip = displacements.find("\n           364:");
  ASSERT_NE(tip, std::string::npos);
  EXPECT_EQ(displacements.substr(tip + 31, 16), "         -2.424\n");
  const std::string stresses = ReadFile(dir.path() / "Node_Stress.txt");
  EXPECT_NE(stresses.find("\n             0:       -170.246"), std::string::npos);
  EXPECT_NE(stresses.find("\n             9:       -149.284"), std::string::npos);
}

TEST(SolvaneRun, MissingModelFileEndsAtOnceWithoutPause) {
  ScratchFolder dir;
  const testing::ProcessResult run = RunSolvane(dir.path());
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.console, "前处理文本文件读取错误!\n");
  EXPECT_TRUE(FilesIn(dir.path()).empty());
}

TEST(SolvaneRun, MalformedModelFileIsReportedWithoutResults) {
  ScratchFolder dir;
  WriteAlteredExample(dir, "3:1 0", "4:1 0");
  const testing::ProcessResult run = RunSolvane(dir.path());
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.console, "前处理文本文件格式错误: 第13行, 约束(NRN)记录中的节点号4不存在(节点总数4)!\n");
  EXPECT_EQ(FilesIn(dir.path()), std::set<std::string>{"fem.txt"});
}

// The single-element example with its one load line kept after "NPRS=0": the
// line is not dropped silently, the file is malformed.
TEST(SolvaneRun, LoadLineBeyondTheCountIsReportedWithoutResults) {
  ScratchFolder dir;
  WriteAlteredExample(dir, "NPRS=1", "NPRS=0");
  const testing::ProcessResult run = RunSolvane(dir.path());
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.console,
            "前处理文本文件格式错误: 第17行, 分布荷载(NPRS)记录之后只能是NGPT=记录或文件结束!\n");
  EXPECT_EQ(FilesIn(dir.path()), std::set<std::string>{"fem.txt"});
}

// A count of 25 million records followed by 25 MB of junk: the arrays grow
// with the records read, so the run reports the junk rather than running out
// of memory first.
TEST(SolvaneRun, HugeCountBeforeJunkIsMalformedWithinLittleMemory) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer needs more address space than the limit allows";
#endif
  const std::string junk(25'000'000, 'x');
  const std::string material = "E=1\nMu=0.3\nThick=1\n";
  struct Case {
    std::string model;
    std::string message;
  };
  const Case cases[] = {
      {material + "NPOIN=25000000\n" + junk, "第5行, 节点坐标(NPOIN)记录无法读取!"},
      {material + "NPOIN=0\nNELEM=25000000\n" + junk, "第6行, 单元(NELEM)记录无法读取!"},
      {material + "NPOIN=0\nNELEM=0\nNRN=0\nNFOR=0\nNPRS=25000000\n" + junk,
       "第9行, 分布荷载(NPRS)记录无法读取!"},
  };
  for (const Case& c : cases) {
    ScratchFolder dir;
    WriteFile(dir.path() / "fem.txt", c.model);
    const testing::ProcessResult run =
        RunSolvane(dir.path(), "", {.addressSpace = kSmallAddressSpace});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.console, "前处理文本文件格式错误: " + c.message + "\n");
    EXPECT_EQ(FilesIn(dir.path()), std::set<std::string>{"fem.txt"});
  }
}

TEST(SolvaneRun, BandAboveOneGigabyteIsRefusedBeforeAnyDrawing) {
  // Half-bandwidth 8194 times 16384 equations is just above 2^27 entries.
  ScratchFolder dir;
  WriteFile(dir.path() / "fem.txt", WideBandModel(8192, 4096));
  const testing::ProcessResult run = RunSolvane(dir.path());
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.console,
            "非常抱歉，总刚阵占用内存超过1 GB, 已超出本程序处理极限!\n\n"
            "请尝试减少节点数目或者节点最大号差.\n\n"
            "输入回车键退出程序...\n");
  EXPECT_EQ(FilesIn(dir.path()), std::set<std::string>{"fem.txt"});
}

TEST(SolvaneRun, BandOfExactlyOneGigabyteProceeds) {
  // Exactly 2^27 entries pass the guard; the run goes on to the drawing, which
  // is blocked here by a directory of its name, and Esc ends it before the
  // band is allocated.
  ScratchFolder dir;
  WriteFile(dir.path() / "fem.txt", WideBandModel(8192, 4095));
  testing::fs::create_directory(dir.path() / "structure.dxf");
  const testing::ProcessResult run = RunSolvane(dir.path(), "\x1b");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.console.find("非常抱歉"), std::string::npos);
  EXPECT_EQ(run.console.rfind("图形文件structure.dxf输出失败!\n", 0), 0u) << run.console;
  EXPECT_EQ(run.console.find("Assembling"), std::string::npos);
}

TEST(SolvaneRun, FailedAllocationBelowTheGuardEndsWithAMessage) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer needs more address space than the limit allows";
#endif
  // A band of 512 MB passes the guard but not a 256 MB address space.
  ScratchFolder dir;
  WriteFile(dir.path() / "fem.txt", WideBandModel(8192, 2047));
  const testing::ProcessResult run =
      RunSolvane(dir.path(), "", {.addressSpace = kSmallAddressSpace});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.console, "Assembling the global stiffness matrix...\n内存不足, 无法继续计算!\n");
  EXPECT_EQ(FilesIn(dir.path()), (std::set<std::string>{"fem.txt", "structure.dxf"}));
}

TEST(SolvaneRun, UnopenableTableStopsTheRunAfterItsMessage) {
  struct Case {
    const char* blocked;
    const char* message;
    std::set<std::string> written;
  };
  const Case cases[] = {
      {"Node_Dis.txt", "节点位移文件输出失败!\n", {"structure.dxf"}},
      {"Node_Stress.txt", "节点应力文件输出失败!\n", {"structure.dxf", "Node_Dis.txt", "deformation.dxf"}},
      {"Element_Stress.txt",
       "节点应力文件输出失败!\n",
       {"structure.dxf", "Node_Dis.txt", "deformation.dxf", "Node_Stress.txt"}},
      {"Node_Stress_Tecplot.dat",
       "节点应力文件输出失败!\n",
       {"structure.dxf", "Node_Dis.txt", "deformation.dxf", "Node_Stress.txt", "Element_Stress.txt"}},
      {"Node_Stress_ZelContour.txt",
       "节点应力文件(ZelPlotStressContour)输出失败!\n",
       {"structure.dxf", "Node_Dis.txt", "deformation.dxf", "Node_Stress.txt", "Element_Stress.txt",
        "Node_Stress_Tecplot.dat", "Equivalent_Node_Stress_Tecplot.dat",
        "Animate_Equivalent_Node_Stress_Tecplot.dat"}},
      {"Node_Reaction.txt",
       "节点反力文件输出失败!\n",
       {"structure.dxf", "Node_Dis.txt", "deformation.dxf", "Node_Stress.txt", "Element_Stress.txt",
        "Node_Stress_Tecplot.dat", "Equivalent_Node_Stress_Tecplot.dat",
        "Animate_Equivalent_Node_Stress_Tecplot.dat", "Node_Stress_ZelContour.txt"}},
  };
  for (const Case& c : cases) {
    ScratchFolder dir;
    CopyExample("single-element", dir);
    testing::fs::create_directory(dir.path() / c.blocked);
    const testing::ProcessResult run = RunSolvane(dir.path());
    EXPECT_EQ(run.status, 1) << c.blocked;
    const std::string tail = run.console.substr(run.console.find("ms)\n") + 4);
    EXPECT_EQ(tail, c.message) << c.blocked;
    std::set<std::string> expected = c.written;
    expected.insert({"fem.txt", c.blocked});
    EXPECT_EQ(FilesIn(dir.path()), expected) << c.blocked;
  }
}

TEST(SolvaneRun, UnconstrainedModelIsWrittenButReportedAsSingular) {
  ScratchFolder dir;
  WriteAlteredExample(dir, "NRN=2\n0:1 1\n3:1 0\n", "NRN=1\n0:1 1\n");
  const testing::ProcessResult run = RunSolvane(dir.path());
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.console.find("ms)\n警告: 总刚阵奇异(约束不足或结构为机构), 以下自由度的位移无效:\n"
                             "    节点3 UX\n"),
            std::string::npos)
      << run.console;
  EXPECT_NE(run.console.find("Press any key to continue . . . \n"), std::string::npos);
  EXPECT_EQ(FilesIn(dir.path()).size(), 11u);  // fem.txt, structure.dxf and the nine results
}

// Fixed nowhere in a direction, the model slides as a whole: the warning says
// so and which direction to fix, rather than naming the last pivots.
TEST(SolvaneRun, ModelFixedNowhereInADirectionIsToldItCanMoveAsARigidBody) {
  const std::string header = "ms)\n警告: 总刚阵奇异(约束不足), 计算的位移无效:\n";
  const std::string freeX =
      "    没有任何节点在x方向受约束, 模型可沿x方向作刚体移动; 请至少约束一个节点的UX.\n";
  const std::string freeY =
      "    没有任何节点在y方向受约束, 模型可沿y方向作刚体移动; 请至少约束一个节点的UY.\n";
  struct Case {
    std::string constraints;
    std::string warning;
  };
  const Case cases[] = {
      {"NRN=0\n", header + freeX + freeY},
      {"NRN=2\n0:0 1\n3:2 1\n", header + freeX},
      {"NRN=1\n3:1 0\n", header + freeY},
  };
  for (const Case& c : cases) {
    ScratchFolder dir;
    WriteAlteredExample(dir, "NRN=2\n0:1 1\n3:1 0\n", c.constraints);
    const testing::ProcessResult run = RunSolvane(dir.path());
    EXPECT_EQ(run.status, 1) << c.constraints;
    const std::size_t tail = run.console.rfind("ms)\n");
    ASSERT_NE(tail, std::string::npos) << run.console;
    EXPECT_EQ(run.console.substr(tail), c.warning + "Press any key to continue . . . \n")
        << c.constraints;
    EXPECT_EQ(FilesIn(dir.path()).size(), 11u) << c.constraints;
  }
}

TEST(SolvaneRun, ModelWithoutElementsRunsToTheEnd) {
  ScratchFolder dir;
  WriteFile(dir.path() / "fem.txt",
            "E=1\nMu=0.3\nThick=1\nNPOIN=1\n0,0\nNELEM=0\nNRN=1\n0:1 1\nNFOR=0\nNPRS=0\n");
  const testing::ProcessResult run = RunSolvane(dir.path());
  EXPECT_EQ(run.status, 0) << run.console;
  EXPECT_EQ(WithoutTime(run.console),
            "Assembling the global stiffness matrix...Solute the equilibrium equations..."
            "100%Completed." + kBackspaces + "(Solution time:T)\nPress any key to continue . . . \n");
  EXPECT_EQ(ReadFile(dir.path() / "Element_Stress.txt"), "");
}

TEST(SolvaneRun, ModelWithoutNodesRunsToTheEnd) {
  ScratchFolder dir;
  WriteFile(dir.path() / "fem.txt", "E=1\nMu=0.3\nThick=1\nNPOIN=0\nNELEM=0\nNRN=0\nNFOR=0\nNPRS=0\n");
  const testing::ProcessResult run = RunSolvane(dir.path());
  EXPECT_EQ(run.status, 0) << run.console;
  EXPECT_EQ(WithoutTime(run.console),
            "Assembling the global stiffness matrix...Solute the equilibrium equations..."
            "(Solution time:T)\nPress any key to continue . . . \n");
  EXPECT_EQ(FilesIn(dir.path()).size(), 11u);
}

}  // namespace
}  // namespace solvane
