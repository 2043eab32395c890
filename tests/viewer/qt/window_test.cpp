// Ambrel's real window on the offscreen platform: the value under the
// cursor, reading again when the solver rewrites its files (and not before
// they read whole), and the exported pictures.

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "picture_files.h"
#include "qt_viewer_window.h"
#include "viewer/result_texts.h"

namespace ambrel {

class WindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void StatusBarShowsTheValueUnderTheCursor();
  void ReadsTheNewResultsOnceTheSolverHasWrittenThemWhole();
  void ExportsThePictureAsPngAndPdf();

 private:
  std::filesystem::path Folder() const { return dir_->path().toStdString(); }
  CommandLine Line() const {
    CommandLine line;
    line.folder = Folder().string();
    return line;
  }
  void WriteContour(const std::string& text);

  std::unique_ptr<QTemporaryDir> dir_;
  const test::Grid grid_{4, 2};
};

void WindowTest::init() {
  dir_ = std::make_unique<QTemporaryDir>();
  WriteContour(test::ContourText(grid_, test::Linear));
}

void WindowTest::WriteContour(const std::string& text) {
  const auto path = Folder() / "Node_Stress_ZelContour.txt";
  std::ofstream(path, std::ios::binary) << text;
  // A later version than the one before, even within the clock's resolution.
  static auto time = std::filesystem::file_time_type::clock::now();
  time += std::chrono::seconds(1);
  std::filesystem::last_write_time(path, time);
}

void WindowTest::StatusBarShowsTheValueUnderTheCursor() {
  QtViewerWindow window(Line());
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QCOMPARE(window.ResultStatus(), QString());
  const PixelPoint at = window.logic().view().ToPixel({2.5, 1.5});
  QTest::mouseMove(&window.plot(), QPoint(int(at.x), int(at.y)));
  QTRY_VERIFY(window.CursorStatus().startsWith("Element 6 "));
  QVERIFY(window.CursorStatus().contains("   SE 2.5"));
}

void WindowTest::ReadsTheNewResultsOnceTheSolverHasWrittenThemWhole() {
  QtViewerWindow window(Line());
  window.show();
  QCOMPARE(window.logic().field().extremes.max, 4.0);
  const std::string doubled = test::ContourText(grid_, [](ModelPosition p) {
    return NodalStress{0, 0, 0, 2 * p.x};
  });
  WriteContour(doubled.substr(0, doubled.size() - 5));
  QTest::qWait(3 * kSettleMilliseconds);
  QCOMPARE(window.logic().field().extremes.max, 4.0);
  QCOMPARE(window.ResultStatus(), QString());
  WriteContour(doubled);
  QTRY_COMPARE(window.logic().field().extremes.max, 8.0);
}

void WindowTest::ExportsThePictureAsPngAndPdf() {
  QtViewerWindow window(Line());
  window.resize(700, 450);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  const QString png = dir_->filePath("view.png");
  const QString pdf = dir_->filePath("view.pdf");
  QVERIFY(SavePng(window.logic(), png));
  QCOMPARE(QImage(png).size(), window.plot().size());
  QVERIFY(SavePdf(window.logic(), pdf));
  QFile file(pdf);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QVERIFY(file.read(5) == "%PDF-");
  QVERIFY(!SavePng(window.logic(), dir_->filePath("missing/view.png")));
  QVERIFY(!SavePdf(window.logic(), dir_->filePath("missing/view.pdf")));
}

}  // namespace ambrel

QTEST_MAIN(ambrel::WindowTest)
#include "window_test.moc"
