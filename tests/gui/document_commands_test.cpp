// The File menu as a desktop program's: New, Open, Save, Save As, recent
// files, the title, the question before a modified model would be lost, and
// the file named on the command line.

#include <filesystem>

#include "dialog_templates.h"
#include "gui/window_fixture.h"
#include "model_file_commands.h"
#include "model_file_writer.h"
#include "support/scratch_folder.h"

namespace kestrix {
namespace {

namespace fs = std::filesystem;

class DocumentCommandsTest : public WindowTest {
 protected:
  // A saved 2 × 1 mesh in models/plate.txt, the current directory the scratch folder.
  DocumentCommandsTest() {
    BuildMeshedRectangle(2, 1);
    fs::create_directory(folder.path() / "models");
    savedFile = (folder.path() / "models" / "plate.txt").string();
    EXPECT_TRUE(ExportModelFile(window.model(), savedFile));
    window.UpdateDocumentFrame();
  }

  // A change made the way the dialogs make it: recorded, then done.
  void AddPoint(double x, double y) {
    window.RecordModelStep("Create point");
    window.model().CreateGeoPt(x, y);
    window.UpdateDocumentFrame();
  }

  void OpenSavedFile() {
    platform.fileDialogs.answer = savedFile;
    window.OnCommand(menu_id::kOpen);
    platform.fileDialogs.answer.reset();
  }

  std::string Folder() const { return (folder.path() / "models").string(); }

  test_support::ScratchFolder folder;
  test_support::CurrentDirectory inFolder{folder.path()};
  std::string savedFile;
};

TEST_F(DocumentCommandsTest, TitleNamesTheFileItsFolderAndAChange) {
  EXPECT_EQ(platform.frame.title, "Untitled - " + folder.path().string() + " - Kestrix");
  OpenSavedFile();
  EXPECT_EQ(platform.frame.title, "plate.txt - " + Folder() + " - Kestrix");
  AddPoint(9, 9);
  EXPECT_EQ(platform.frame.title, "plate.txt* - " + Folder() + " - Kestrix");
  window.OnCommand(menu_id::kUndo);
  EXPECT_EQ(platform.frame.title, "plate.txt - " + Folder() + " - Kestrix");
  window.OnCommand(menu_id::kRedo);
  window.OnCommand(menu_id::kSave);
  EXPECT_EQ(platform.frame.title, "plate.txt - " + Folder() + " - Kestrix");
  window.OnCommand(menu_id::kUndo);  // back before the saved state
  EXPECT_EQ(platform.frame.title, "plate.txt* - " + Folder() + " - Kestrix");
}

TEST_F(DocumentCommandsTest, SaveWritesTheOpenedFileWithoutADialog) {
  OpenSavedFile();
  AddPoint(9, 9);
  window.OnCommand(menu_id::kSave);
  EXPECT_EQ(platform.fileDialogs.requests.size(), 1u);  // the open dialog only
  EXPECT_EQ(test_support::ReadFile(savedFile), FormatModelFile(window.model()));
  EXPECT_FALSE(window.history().IsModified());
  EXPECT_TRUE(window.history().CanUndo());  // saving keeps the history
}

TEST_F(DocumentCommandsTest, SaveOfAnUntitledModelAsksForAFileAsSaveAsDoes) {
  AddPoint(9, 9);
  const std::string chosen = (folder.path() / "models" / "new.txt").string();
  platform.fileDialogs.answer = chosen;
  window.OnCommand(menu_id::kSave);
  ASSERT_EQ(platform.fileDialogs.requests.size(), 1u);
  EXPECT_EQ(platform.fileDialogs.requests[0].kind, FileDialogKind::Save);
  EXPECT_EQ(window.documentPath(), chosen);
  EXPECT_EQ(fs::current_path(), folder.path() / "models");
  EXPECT_EQ(platform.frame.title, "new.txt - " + Folder() + " - Kestrix");
  // From now on Save needs no dialog, and Save As saves elsewhere.
  AddPoint(8, 8);
  window.OnCommand(menu_id::kSave);
  EXPECT_EQ(platform.fileDialogs.requests.size(), 1u);
  platform.fileDialogs.answer = savedFile;
  window.OnCommand(menu_id::kExport);
  EXPECT_EQ(window.documentPath(), savedFile);
  EXPECT_EQ(test_support::ReadFile(savedFile), test_support::ReadFile(chosen));
}

TEST_F(DocumentCommandsTest, AFailedSaveKeepsTheModelModifiedAndItsFile) {
  OpenSavedFile();
  AddPoint(9, 9);
  window.documentPath() = Folder() + "/missing/plate.txt";  // cannot be created
  window.OnCommand(menu_id::kSave);
  ASSERT_EQ(platform.notifier.messages.size(), 1u);
  EXPECT_EQ(platform.notifier.messages[0].text, "有限元信息文件输出失败!");
  EXPECT_TRUE(window.history().IsModified());
  EXPECT_NE(platform.frame.title.find('*'), std::string::npos);
}

// New, Open and closing the window each ask before a modified model is lost;
// each answer is followed through.
TEST_F(DocumentCommandsTest, AModifiedModelIsSavedDiscardedOrKeptAsTheUserAnswers) {
  OpenSavedFile();
  AddPoint(9, 9);
  platform.frame.answer = UnsavedChangesAnswer::Cancel;
  window.OnCommand(menu_id::kNew);
  EXPECT_FALSE(window.QueryClose());
  platform.fileDialogs.answer = savedFile;
  window.OnCommand(menu_id::kOpen);
  EXPECT_EQ(platform.frame.questions.size(), 3u);
  EXPECT_EQ(platform.frame.questions[0], "当前模型已修改, 是否保存到 " + savedFile + "?");
  EXPECT_EQ(platform.fileDialogs.requests.size(), 1u);  // no open dialog after Cancel
  EXPECT_EQ(window.model().geoPoints().Count(), 5);

  platform.frame.answer = UnsavedChangesAnswer::Save;
  EXPECT_TRUE(window.QueryClose());
  EXPECT_EQ(test_support::ReadFile(savedFile), FormatModelFile(window.model()));

  AddPoint(7, 7);
  platform.frame.answer = UnsavedChangesAnswer::Discard;
  window.OnCommand(menu_id::kNew);
  EXPECT_EQ(window.model().geoPoints().Count(), 0);
  EXPECT_EQ(window.documentPath(), "");
  EXPECT_FALSE(window.history().CanUndo());
  EXPECT_EQ(test_support::ReadFile(savedFile).find("7,7"), std::string::npos);
  EXPECT_EQ(platform.frame.questions.size(), 5u);
  EXPECT_TRUE(window.QueryClose());  // nothing left to lose: no question
  EXPECT_EQ(platform.frame.questions.size(), 5u);
}

TEST_F(DocumentCommandsTest, SaveChosenForAnUntitledModelGoesOnOnlyOnceItIsWritten) {
  AddPoint(9, 9);
  platform.frame.answer = UnsavedChangesAnswer::Save;
  EXPECT_FALSE(window.QueryClose());  // the save dialog was cancelled
  EXPECT_EQ(platform.frame.questions[0], "当前模型已修改, 尚未保存到文件。是否保存?");
  platform.fileDialogs.answer = (folder.path() / "kept.txt").string();
  EXPECT_TRUE(window.QueryClose());
  EXPECT_TRUE(fs::exists(folder.path() / "kept.txt"));
}

// Solve writes "fem.txt": when that is the model's own file, the model is saved.
TEST_F(DocumentCommandsTest, SolveThatRewritesTheModelsOwnFileLeavesItUnmodified) {
  test_support::WriteFile(folder.path() / "models" / "Solvane", "");
  OpenSavedFile();
  AddPoint(9, 9);
  window.OnCommand(menu_id::kSolve);
  EXPECT_TRUE(window.history().IsModified());  // plate.txt is not fem.txt

  const std::string femFile = Folder() + "/fem.txt";  // written by that solve
  OpenModelFileAt(window, femFile);
  AddPoint(8, 8);
  ASSERT_TRUE(window.history().IsModified());
  platform.programs.onRun = [] { return std::optional<int>(1); };  // even a failed solve
  window.OnCommand(menu_id::kSolve);
  EXPECT_FALSE(window.history().IsModified());
  EXPECT_EQ(platform.frame.title, "fem.txt - " + Folder() + " - Kestrix");
}

TEST_F(DocumentCommandsTest, ExitClosesTheWindowWhichAsksFirst) {
  window.OnCommand(menu_id::kExit);
  EXPECT_EQ(platform.frame.closeRequests, 1);
  EXPECT_TRUE(platform.frame.questions.empty());
}

TEST_F(DocumentCommandsTest, OpenedAndSavedFilesLeadTheStoredRecentFiles) {
  OpenSavedFile();
  const std::string other = (folder.path() / "other&more.txt").string();
  platform.fileDialogs.answer = other;
  window.OnCommand(menu_id::kExport);
  EXPECT_EQ(platform.recentFileStore.stored, (std::vector<std::string>{other, savedFile}));
  EXPECT_EQ(platform.frame.recentLabels,
            (std::vector<std::string>{"&1 " + folder.path().string() + "/other&&more.txt",
                                      "&2 " + savedFile}));
  window.OnCommand(menu_id::kRecentFileFirst + 1);
  EXPECT_EQ(window.documentPath(), savedFile);
  EXPECT_EQ(platform.recentFileStore.stored.front(), savedFile);

  fs::remove(other);
  window.OnCommand(menu_id::kRecentFileFirst + 1);
  ASSERT_EQ(platform.notifier.messages.size(), 1u);
  EXPECT_EQ(platform.notifier.messages[0].text, "文件 " + other + " 已不存在!");
  EXPECT_EQ(platform.recentFileStore.stored, std::vector<std::string>{savedFile});
  EXPECT_EQ(window.documentPath(), savedFile);
}

TEST(RecentFilesList, StartsFromTheStoreAndKeepsTheNewestEightOnce) {
  MemoryRecentFileStore store;
  RecordingNotifier notifier;
  for (int k = 0; k < 10; ++k) store.stored.push_back("/f" + std::to_string(k));
  RecentFiles recent(store, notifier);
  EXPECT_EQ(recent.paths().size(), 8u);
  EXPECT_EQ(recent.paths().front(), "/f0");
  recent.Add("/f5");
  recent.Add("/new");
  EXPECT_EQ(store.stored, (std::vector<std::string>{"/new", "/f5", "/f0", "/f1", "/f2", "/f3",
                                                    "/f4", "/f6"}));
  const int stores = store.stores;
  recent.Remove("/absent");
  EXPECT_EQ(store.stores, stores);

  store.storeSucceeds = false;  // said once, and the list still works this session
  recent.Add("/a");
  recent.Add("/b");
  ASSERT_EQ(notifier.messages.size(), 1u);
  EXPECT_EQ(notifier.messages[0].text, "最近打开的文件列表无法保存!");
  EXPECT_EQ(recent.paths().front(), "/b");
}

// The file named on the command line: relative to where Kestrix was started,
// opened in its own folder, which becomes the working folder.
TEST_F(DocumentCommandsTest, FileNamedAtStartIsOpenedInItsFolder) {
  OpenModelFileAt(window, "models/plate.txt");
  window.UpdateDocumentFrame();
  EXPECT_EQ(window.model().NPOIN(), 6);
  EXPECT_EQ(fs::current_path(), folder.path() / "models");
  EXPECT_EQ(window.documentPath(), savedFile);
  EXPECT_EQ(platform.frame.title, "plate.txt - " + Folder() + " - Kestrix");
  EXPECT_TRUE(platform.frame.questions.empty());
  EXPECT_EQ(platform.recentFileStore.stored.front(), savedFile);

  platform.fileDialogs.answer.reset();
  window.OnCommand(menu_id::kExport);
  EXPECT_EQ(platform.fileDialogs.requests[0].initialPath, savedFile);
}

}  // namespace
}  // namespace kestrix
