#include "external_programs.h"

#include <fstream>
#include <thread>

#include "gui/window_fixture.h"
#include "model_file_writer.h"
#include "support/scratch_folder.h"

namespace kestrix {
namespace {

class ExternalProgramsTest : public WindowTest {
 protected:
  ExternalProgramsTest() { BuildMeshedRectangle(2, 1); }

  // Displacement rows for the six nodes of the meshed rectangle.
  static void WriteDisplacements(double uy) {
    std::ofstream file(kNodeDisplacementFile);
    file << "           Node             dx             dy\n";
    for (int k = 0; k < 6; ++k) file << k << ": 0 " << uy << "\n";
  }

  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const ShownMessage& message : platform.notifier.messages) texts.push_back(message.text);
    return texts;
  }

  test_support::ScratchFolder folder;
  test_support::CurrentDirectory inFolder{folder.path()};
};

TEST_F(ExternalProgramsTest, SolveWithoutTheSolverWarnsAndWritesNothing) {
  window.OnCommand(menu_id::kSolve);
  EXPECT_EQ(
      MessageTexts(),
      std::vector<std::string>{"计算程序\"Solvane\"不存在!请将Solvane拷贝至当前文件夹或将当前有限元"
                               "信息文本移至Solvane所在文件夹然后重新读取。"});
  EXPECT_FALSE(FileExists(kSolveModelFile));
  EXPECT_TRUE(platform.programs.ran.empty());
}

TEST_F(ExternalProgramsTest, SolveWritesTheModelFirstAndReadsWhatTheSolverWrote) {
  test_support::WriteFile(kSolverProgram, "");
  std::string modelSeenBySolver;
  platform.programs.onRun = [&] {
    modelSeenBySolver = test_support::ReadFile(kSolveModelFile);
    WriteDisplacements(-0.5);
    return 0;
  };
  window.OnCommand(menu_id::kSolve);
  EXPECT_EQ(platform.programs.ran, std::vector<std::string>{"Solvane"});
  EXPECT_EQ(modelSeenBySolver, FormatModelFile(window.model()));
  EXPECT_TRUE(window.model().solved());
  EXPECT_EQ(window.model().displacements()[1], -0.5);
  EXPECT_TRUE(platform.notifier.messages.empty());
}

TEST_F(ExternalProgramsTest, DisplacementsLeftFromAnEarlierRunAreNotShownAsNew) {
  test_support::WriteFile(kSolverProgram, "");
  platform.programs.onRun = [] {
    WriteDisplacements(-0.5);
    return 0;
  };
  window.OnCommand(menu_id::kSolve);
  ASSERT_TRUE(window.model().solved());
  platform.programs.onRun = [] { return 0; };
  window.OnCommand(menu_id::kSolve);
  EXPECT_FALSE(window.model().solved());
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"节点位移文件读取错误!"});
}

// A singular model makes the solver end with status 1 after writing its
// files: what it wrote is not shown as a result.
TEST_F(ExternalProgramsTest, ASolverEndingWithAnErrorStatusShowsNoResult) {
  test_support::WriteFile(kSolverProgram, "");
  platform.programs.onRun = [] {
    WriteDisplacements(1e11);
    return 1;
  };
  window.OnCommand(menu_id::kSolve);
  EXPECT_FALSE(window.model().solved());
  EXPECT_EQ(window.model().displacements(), std::vector<double>(12, 0.0));
  EXPECT_EQ(MessageTexts(),
            std::vector<std::string>{"计算程序\"Solvane\"异常结束, 退出状态 1! 不显示计算结果。"});
}

TEST_F(ExternalProgramsTest, SolverThatCannotRunLeavesTheModelUnsolved) {
  test_support::WriteFile(kSolverProgram, "");
  platform.programs.onRun = [] {
    WriteDisplacements(0.1);
    return std::nullopt;
  };
  window.OnCommand(menu_id::kSolve);
  EXPECT_FALSE(window.model().solved());
  EXPECT_EQ(MessageTexts(),
            std::vector<std::string>{"计算程序\"Solvane\"未能正常运行! 不显示计算结果。"});
}

TEST_F(ExternalProgramsTest, AModelWithoutElementsIsNotSolved) {
  test_support::WriteFile(kSolverProgram, "");
  window.ReplaceModel(std::make_unique<Model>(), std::make_unique<ViewTransform>());
  window.model().CreateGeoPt(1, 1);
  window.OnCommand(menu_id::kSolve);
  EXPECT_EQ(MessageTexts(),
            std::vector<std::string>{"模型中没有单元, 无法计算! 请先划分网格。"});
  EXPECT_TRUE(platform.programs.ran.empty());
  EXPECT_FALSE(FileExists(kSolveModelFile));
}

// An installed set: the programs lie beside Kestrix, the model elsewhere. A
// program in the model's folder is still preferred.
TEST_F(ExternalProgramsTest, ProgramsAreFoundInTheCurrentFolderFirstThenBesideKestrix) {
  const auto installed = folder.path() / "bin";
  std::filesystem::create_directory(installed);
  test_support::WriteFile(installed / kSolverProgram, "");
  test_support::WriteFile(installed / kContourViewerProgram, "");
  platform.programs.ownFolder = installed.string();
  platform.programs.onRun = [] {
    WriteDisplacements(0.1);
    return 0;
  };
  window.OnCommand(menu_id::kSolve);
  window.OnCommand(menu_id::kContour);
  EXPECT_EQ(platform.programs.ran, std::vector<std::string>{(installed / "Solvane").string()});
  EXPECT_EQ(platform.programs.started, std::vector<std::string>{(installed / "Ambrel").string()});
  EXPECT_TRUE(window.model().solved());

  test_support::WriteFile(kSolverProgram, "");
  test_support::WriteFile(kContourViewerProgram, "");
  window.OnCommand(menu_id::kSolve);
  window.OnCommand(menu_id::kContour);
  EXPECT_EQ(platform.programs.ran.back(), "Solvane");
  EXPECT_EQ(platform.programs.started.back(), "Ambrel");
  EXPECT_TRUE(platform.notifier.messages.empty());
}

TEST_F(ExternalProgramsTest, AFolderNamedLikeTheSolverPassesTheExistenceTest) {
  std::filesystem::create_directory(kSolverProgram);
  EXPECT_TRUE(FileExists(kSolverProgram));
  window.OnCommand(menu_id::kSolve);
  EXPECT_EQ(platform.programs.ran.size(), 1u);
}

TEST_F(ExternalProgramsTest, ContourReportsAMissingViewerBeforeAMissingSolve) {
  window.OnCommand(menu_id::kContour);
  EXPECT_EQ(MessageTexts(),
            std::vector<std::string>{"后处理程序\"Ambrel\"不存在!请将其拷贝至当前文件夹"});
  platform.notifier.messages.clear();
  test_support::WriteFile(kContourViewerProgram, "");
  window.OnCommand(menu_id::kContour);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"绘制应力云图之前, 应首先进行计算!"});
  EXPECT_TRUE(platform.programs.started.empty());
}

TEST_F(ExternalProgramsTest, ContourAfterSolveStartsTheViewerWithoutWaiting) {
  test_support::WriteFile(kSolverProgram, "");
  test_support::WriteFile(kContourViewerProgram, "");
  platform.programs.onRun = [] {
    WriteDisplacements(0.1);
    return 0;
  };
  window.OnCommand(menu_id::kSolve);
  window.OnCommand(menu_id::kContour);
  EXPECT_EQ(platform.programs.started, std::vector<std::string>{"Ambrel"});
  EXPECT_TRUE(platform.notifier.messages.empty());
  platform.programs.startSucceeds = false;
  window.OnCommand(menu_id::kContour);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"后处理程序\"Ambrel\"无法启动!"});
}

}  // namespace
}  // namespace kestrix
