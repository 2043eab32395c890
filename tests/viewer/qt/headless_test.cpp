// The real Ambrel writing its picture without a window and without any
// display: the bands' colours at chosen model points, and the exit status and
// message of a file that cannot be read.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QImage>
#include <cstdlib>

#include "colour_map.h"
#include "support/scratch_folder.h"
#include "viewer/result_texts.h"
#include "viewer_window.h"

namespace ambrel {
namespace {

using test_support::ScratchFolder;

struct ProgramRun {
  int status = -1;
  std::string errors;
};

// Ambrel with the arguments, with every trace of a display taken away.
ProgramRun RunAmbrel(const ScratchFolder& folder, const std::string& arguments) {
  const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" +
                              std::string(AMBREL_PATH) + "' " + arguments + " 2> '" +
                              (folder / "stderr.txt").string() + "'";
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, folder.Read("stderr.txt")};
}

TEST(Headless, WritesThePictureWithTheBandsWhereTheFieldPutsThem) {
  ScratchFolder folder;
  // SE = x from 0 to 12: band k covers x in [k, k + 1).
  const test::Grid grid{12, 2};
  folder.Write("Node_Stress_ZelContour.txt", test::ContourText(grid, test::Linear));
  const std::string png = (folder / "picture.png").string();
  const ProgramRun run = RunAmbrel(
      folder, "'" + folder.path().string() + "' --png '" + png + "' --component SE --size 800x400");
  ASSERT_EQ(run.status, 0) << run.errors;

  const QImage image(QString::fromStdString(png));
  ASSERT_EQ(image.size(), QSize(800, 400));
  // The same picture's layout, from the logic that drew it.
  ViewerWindow window(folder.path());
  ASSERT_TRUE(window.Load());
  window.OnSize(800, 400);
  for (const int band : {0, 3, 6, 11}) {
    const PixelPoint at = window.view().ToPixel({band + 0.5, 1.5});
    const QColor pixel = image.pixelColor(int(at.x), int(at.y));
    const Rgb expected = BandColour(ColourMapKind::BlueToRed, band, 12);
    EXPECT_EQ(
        (Rgb{std::uint8_t(pixel.red()), std::uint8_t(pixel.green()), std::uint8_t(pixel.blue())}),
        expected)
        << "band " << band;
  }
  EXPECT_EQ(image.pixelColor(int(window.view().ToPixel({0.5, 1.5}).x), 20), QColor(Qt::white));
}

TEST(Headless, FailsNamingTheFileAndLine) {
  ScratchFolder folder;
  folder.Write("Node_Stress_ZelContour.txt",
               "NPOIN=4\nNELEM=1\n0,0,x,0,0,0\n1,0,0,0,0,0\n1,1,0,0,0,0\n0,1,0,0,0,0\n0,1,2,3\n");
  const ProgramRun run = RunAmbrel(
      folder, "'" + folder.path().string() + "' --png '" + (folder / "picture.png").string() + "'");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.errors.find("Node_Stress_ZelContour.txt, line 3: \"x\" is not a number"),
            std::string::npos)
      << run.errors;
  EXPECT_FALSE(std::filesystem::exists(folder / "picture.png"));
}

}  // namespace
}  // namespace ambrel
