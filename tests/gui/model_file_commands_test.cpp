#include "model_file_commands.h"

#include <fstream>

#include "gui/window_fixture.h"
#include "model_file_writer.h"
#include "support/scratch_folder.h"

namespace kestrix {
namespace {

class ModelFileCommandsTest : public WindowTest {
 protected:
  // A saved 2 × 1 mesh in a folder of its own, and a window holding another model.
  ModelFileCommandsTest() {
    BuildMeshedRectangle(2, 1);
    std::filesystem::create_directory(folder.path() / "models");
    savedFile = (folder.path() / "models" / "plate.txt").string();
    EXPECT_TRUE(ExportModelFile(window.model(), savedFile));
    window.model().CreateGeoPt(10, 10);
  }

  test_support::ScratchFolder folder;
  test_support::CurrentDirectory inFolder{folder.path()};
  std::string savedFile;
};

TEST_F(ModelFileCommandsTest, OpenReplacesTheModelAndMovesIntoItsFolder) {
  window.ShowDeformedShape(false);
  window.OnCommand(menu_id::kPickNode);
  platform.fileDialogs.answer = savedFile;
  window.OnCommand(menu_id::kOpen);
  ASSERT_EQ(platform.fileDialogs.requests.size(), 1u);
  EXPECT_EQ(platform.fileDialogs.requests[0].kind, FileDialogKind::Open);
  EXPECT_EQ(platform.fileDialogs.requests[0].title, "Open File of Kestrix ");
  EXPECT_EQ(window.model().NPOIN(), 6);
  EXPECT_EQ(window.model().geoPoints().Count(), 4);
  EXPECT_EQ(std::filesystem::current_path(), folder.path() / "models");
  EXPECT_FALSE(std::filesystem::exists("temp.tmp"));
  EXPECT_EQ(window.storedBoundingBox(), (BoundingBox{0, 4, 0, 2}));
  EXPECT_EQ(window.view().originX(), 100);
  EXPECT_DOUBLE_EQ(window.view().scale(), 0.95 * 200 / 4);
  EXPECT_TRUE(window.display().showStructure);
  EXPECT_FALSE(window.display().showDeformed);
  EXPECT_TRUE(platform.menuChecks.IsChecked(menu_id::kStructure));
  EXPECT_EQ(window.interaction().mode(), InteractionMode::PickNode);
}

TEST_F(ModelFileCommandsTest, CancelledOpenChangesNothing) {
  window.OnCommand(menu_id::kOpen);
  EXPECT_EQ(window.model().geoPoints().Count(), 5);
  EXPECT_EQ(std::filesystem::current_path(), folder.path());
}

TEST_F(ModelFileCommandsTest, OpenInAnUnwritableFolderWarnsAndKeepsTheModel) {
  platform.fileDialogs.answer = "/proc/plate.txt";  // not even root writes there
  window.OnCommand(menu_id::kOpen);
  ASSERT_EQ(platform.notifier.messages.size(), 1u);
  EXPECT_EQ(platform.notifier.messages[0].text,
            "当前文件所在设备无法写入!这样会造成某些计算结果无法输出。");
  EXPECT_EQ(window.model().geoPoints().Count(), 5);
}

TEST_F(ModelFileCommandsTest, ProbeLeavesAFileOfTheUsersNamedLikeItAlone) {
  test_support::WriteFile(folder.path() / "models" / "temp.tmp", "notes");
  platform.fileDialogs.answer = savedFile;
  window.OnCommand(menu_id::kOpen);
  EXPECT_EQ(window.model().NPOIN(), 6);
  std::ifstream notes("temp.tmp");
  std::string text;
  notes >> text;
  EXPECT_EQ(text, "notes");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 2);
}

TEST_F(ModelFileCommandsTest, UnreadableFileKeepsTheModel) {
  test_support::WriteFile(folder.path() / "broken.txt", "E=abc\n");
  platform.fileDialogs.answer = (folder.path() / "broken.txt").string();
  window.OnCommand(menu_id::kOpen);
  EXPECT_EQ(platform.notifier.messages.size(), 1u);
  EXPECT_EQ(window.model().geoPoints().Count(), 5);
}

TEST_F(ModelFileCommandsTest, ExportSavesTheModelAndBothDialogsStartFromTheLastFile) {
  const std::string exported = (folder.path() / "models" / "copy.txt").string();
  platform.fileDialogs.answer = exported;
  const int repaintsBefore = platform.repaints.Total();
  window.OnCommand(menu_id::kExport);
  EXPECT_EQ(platform.fileDialogs.requests[0].kind, FileDialogKind::Save);
  EXPECT_EQ(platform.fileDialogs.requests[0].title, "Export FEM information to a text.");
  EXPECT_EQ(platform.repaints.Total(), repaintsBefore);
  EXPECT_TRUE(std::filesystem::exists(exported));
  EXPECT_EQ(std::filesystem::current_path(), folder.path() / "models");
  platform.fileDialogs.answer.reset();
  window.OnCommand(menu_id::kOpen);
  EXPECT_EQ(platform.fileDialogs.requests[1].initialPath, exported);
}

}  // namespace
}  // namespace kestrix
