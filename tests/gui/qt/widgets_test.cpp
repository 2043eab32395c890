// The Qt pieces below the main window: the solver console with a stand-in
// solver script, and dialogs built from their templates.

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "console_text.h"
#include "dialog_templates.h"
#include "qt_canvas.h"
#include "qt_dialog.h"
#include "qt_file_dialogs.h"
#include "solver_console_window.h"
#include "thin_lines.h"

namespace kestrix {

class WidgetsTest : public QObject {
  Q_OBJECT

 private slots:
  void ConsoleTextTakesBackCharactersOnBackspace();
  void ConsoleShowsOutputAndPassesKeysToTheSolver();
  void ClosingTheConsoleEndsTheSolversInput();
  void ConsoleReportsAProgramThatCannotStart();
  void CanvasInvertsOutlinesAndRestoresThemWhenDrawnTwice();
  void CanvasDrawsInThePenColour();
  void CanvasCircleCoversExactlyItsSquare();
  void CanvasFontCellIsTheRequestedHeight();
  void ThinLinesSetThePaintersPixels();
  void LinesDrawnBothWaysSetThePaintersPixelsOfBoth();
  void CirclesSetThePaintersPixelsAtTheEdgesAndAcrossPens();
  void DialogFollowsItsTemplate();
  void DialogReportsButtonsEscAndTheCloseBox();
  void EnterPressesTheFocusedButtonElseTheDefault();
  void DialogStaticTextsShowInFull();
  void DialogFieldsShowWholeValuesAndCaptionsFit();
  void FileDialogListsTextFilesOfEitherCase();

 private:
  QString Script(const QString& body);

  QTemporaryDir m_dir;
};

QString WidgetsTest::Script(const QString& body) {
  const QString path =
      m_dir.filePath(QString("solver%1.sh").arg(QRandomGenerator::global()->generate()));
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(("#!/bin/sh\n" + body + "\n").toUtf8());
  file.close();
  file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  return path;
}

void WidgetsTest::ConsoleTextTakesBackCharactersOnBackspace() {
  ConsoleText console;
  console.Append("Solving\r\n 9%Completed.");
  console.Append(QString(13, QChar('\b')) + "10%Completed.");
  console.Append("\n\b\bdone");
  QCOMPARE(console.text(), QString("Solving\n10%Completed.\ndone"));
}

void WidgetsTest::ConsoleShowsOutputAndPassesKeysToTheSolver() {
  const QString program = Script(
      "printf ' 9%%Completed.\\b\\b\\b\\b\\b\\b\\b\\b\\b\\b\\b\\b\\b10%%Completed.\\n'\n"
      "read answer\necho \"answer:$answer\"\nexit 3");
  SolverConsoleWindow console(program, nullptr);
  QTimer::singleShot(300, &console, [&console] {
    QTest::keyClicks(&console, "y");
    QTest::keyClick(&console, Qt::Key_Return);
  });
  QCOMPARE(console.Run(), std::optional<int>(3));
  const QString shown = console.findChild<QPlainTextEdit*>()->toPlainText();
  QCOMPARE(shown, QString("10%Completed.\nanswer:y\n"));
}

void WidgetsTest::ClosingTheConsoleEndsTheSolversInput() {
  SolverConsoleWindow console(Script("cat >/dev/null\nexit 0"), nullptr);
  QTimer::singleShot(300, &console, [&console] { console.close(); });
  QCOMPARE(console.Run(), std::optional<int>(0));
}

void WidgetsTest::ConsoleReportsAProgramThatCannotStart() {
  SolverConsoleWindow console(m_dir.filePath("missing"), nullptr);
  QCOMPARE(console.Run(), std::optional<int>());
}

void WidgetsTest::CanvasInvertsOutlinesAndRestoresThemWhenDrawnTwice() {
  QImage image(40, 30, QImage::Format_RGB32);
  QPainter painter(&image);
  QtCanvas canvas(painter);
  canvas.FillBackground(Rgb{10, 200, 30});
  canvas.SetPen(Pen{Rgb{255, 0, 255}, 1, PenStyle::Solid});
  canvas.SetRasterMode(RasterMode::Invert);
  QCOMPARE(canvas.GetRasterMode(), RasterMode::Invert);
  canvas.DrawLine(5, 10, 30, 10);
  painter.end();
  QCOMPARE(QColor(image.pixel(15, 10)), QColor(245, 55, 225));
  QCOMPARE(QColor(image.pixel(15, 11)), QColor(10, 200, 30));
  painter.begin(&image);
  QtCanvas again(painter);
  again.SetRasterMode(RasterMode::Invert);
  again.DrawLine(5, 10, 30, 10);
  painter.end();
  QCOMPARE(QColor(image.pixel(15, 10)), QColor(10, 200, 30));
}

void WidgetsTest::CanvasDrawsInThePenColour() {
  QImage image(40, 30, QImage::Format_RGB32);
  QPainter painter(&image);
  QtCanvas canvas(painter);
  canvas.FillBackground(Rgb{0, 0, 0});
  canvas.SetPen(Pen{Rgb{0, 255, 0}, 1, PenStyle::Solid});
  canvas.DrawEllipse(10, 10, 16, 16);
  canvas.SetPen(Pen{Rgb{255, 0, 0}, 3, PenStyle::Solid});
  canvas.DrawLine(0, 25, 39, 25);
  painter.end();
  QCOMPARE(QColor(image.pixel(13, 10)), QColor(0, 255, 0));
  QCOMPARE(QColor(image.pixel(13, 13)), QColor(0, 0, 0));
  QCOMPARE(QColor(image.pixel(20, 24)), QColor(255, 0, 0));
  QCOMPARE(QColor(image.pixel(20, 26)), QColor(255, 0, 0));
}

void WidgetsTest::CanvasCircleCoversExactlyItsSquare() {
  QImage image(40, 30, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  QtCanvas canvas(painter);
  canvas.SetPen(Pen{Rgb{0, 255, 0}, 1, PenStyle::Solid});
  const QPoint centre(20, 15);
  canvas.DrawEllipse(centre.x() - 3, centre.y() - 3, centre.x() + 3, centre.y() + 3);
  painter.end();
  QRect painted;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != QColor(Qt::black).rgb()) painted |= QRect(x, y, 1, 1);
    }
  }
  QCOMPARE(painted, QRect(QPoint(centre.x() - 3, centre.y() - 3),
                          QPoint(centre.x() + 3, centre.y() + 3)));
}

void WidgetsTest::CanvasFontCellIsTheRequestedHeight() {
  QImage image(40, 30, QImage::Format_RGB32);
  QPainter painter(&image);
  QtCanvas canvas(painter);
  for (const int height : {8, 13, 20, 37, 60, 95}) {
    canvas.SetFont(Font{"Times New Roman", height, 0});
    QVERIFY2(std::abs(painter.fontMetrics().height() - height) <= 1,
             qPrintable(QString("height %1 gives a cell of %2")
                            .arg(height)
                            .arg(painter.fontMetrics().height())));
    canvas.SetFont(Font{"Times New Roman", height, height / 2});
    QVERIFY(std::abs(painter.fontMetrics().height() - height) <= 1);
  }
}

// Lines of every direction and length, ends on the border included, written
// directly either way round and by the painter, give the same picture; so
// does the canvas, which writes them directly where it can.
void WidgetsTest::ThinLinesSetThePaintersPixels() {
  QRandomGenerator random(11);
  for (int k = 0; k < 3000; ++k) {
    const int reach = k % 3 == 0 ? 120 : (k % 3 == 1 ? 25 : 4);
    const int x1 = random.bounded(120);
    const int y1 = random.bounded(100);
    const int x2 = std::clamp(x1 + random.bounded(-reach, reach + 1), 0, 119);
    const int y2 = std::clamp(y1 + random.bounded(-reach, reach + 1), 0, 99);
    QImage painted(120, 100, QImage::Format_RGB32);
    painted.fill(Qt::black);
    QPainter painter(&painted);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawLine(x1, y1, x2, y2);
    painter.end();
    QImage written(120, 100, QImage::Format_RGB32);
    written.fill(Qt::black);
    DrawThinLine(PixelWords(written), x1, y1, x2, y2, QColor(Qt::white).rgb());
    QVERIFY2(painted == written, qPrintable(QString("%1,%2 to %3,%4").arg(x1).arg(y1).arg(x2).arg(y2)));
    written.fill(Qt::black);
    DrawThinLine(PixelWords(written), x2, y2, x1, y1, QColor(Qt::white).rgb());
    QVERIFY2(painted == written, qPrintable(QString("%1,%2 from %3,%4").arg(x1).arg(y1).arg(x2).arg(y2)));
  }
  QImage byPainter(60, 50, QImage::Format_RGB32);
  QImage byCanvas(60, 50, QImage::Format_RGB32);
  const std::vector<CanvasLine> lines{{-5, 3, 40, 30}, {2, 2, 58, 47}, {59, 0, 0, 49}, {10, 10, 10, 10}};
  for (QImage* image : {&byPainter, &byCanvas}) {
    image->fill(Qt::black);
    QPainter painter(image);
    if (image == &byPainter) {
      painter.setPen(QPen(QColor(0, 255, 0), 1));
      for (const CanvasLine& line : lines) painter.drawLine(line.x1, line.y1, line.x2, line.y2);
    } else {
      QtCanvas canvas(painter);
      canvas.SetPen(Pen{Rgb{0, 255, 0}, 1, PenStyle::Solid});
      canvas.DrawLines(lines);
    }
  }
  QCOMPARE(byCanvas, byPainter);
}

// Random lines, many of them reaching beyond the image, drawn both ways by
// the canvas: the pixels of the painter's lines in both directions, in the
// copy mode with a thin and a wide pen, and inverted twice (the picture back).
void WidgetsTest::LinesDrawnBothWaysSetThePaintersPixelsOfBoth() {
  QRandomGenerator random(5);
  std::vector<CanvasLine> lines;
  for (int k = 0; k < 2000; ++k) {
    const int reach = k % 2 == 0 ? 200 : 12;
    const int x1 = random.bounded(-20, 100);
    const int y1 = random.bounded(-20, 80);
    lines.push_back({x1, y1, x1 + random.bounded(-reach, reach + 1),
                     y1 + random.bounded(-reach, reach + 1)});
  }
  for (const int width : {1, 3}) {
    QImage byPainter(80, 60, QImage::Format_RGB32);
    QImage byCanvas(80, 60, QImage::Format_RGB32);
    for (QImage* image : {&byPainter, &byCanvas}) {
      image->fill(Qt::black);
      QPainter painter(image);
      if (image == &byPainter) {
        painter.setPen(QPen(QColor(255, 97, 0), width));
        for (const CanvasLine& line : lines) {
          painter.drawLine(line.x1, line.y1, line.x2, line.y2);
          painter.drawLine(line.x2, line.y2, line.x1, line.y1);
        }
      } else {
        QtCanvas canvas(painter);
        canvas.SetPen(Pen{Rgb{255, 97, 0}, width, PenStyle::Solid});
        canvas.DrawLinesBothWays(lines);
      }
    }
    QCOMPARE(byCanvas, byPainter);
  }
  QImage image(80, 60, QImage::Format_RGB32);
  image.fill(QColor(10, 200, 30));
  const QImage background = image;
  QPainter painter(&image);
  QtCanvas canvas(painter);
  canvas.SetPen(Pen{Rgb{255, 255, 255}, 1, PenStyle::Solid});
  canvas.SetRasterMode(RasterMode::Invert);
  const std::vector<CanvasLine> inside{{5, 10, 70, 33}};
  canvas.DrawLinesBothWays(inside);
  painter.end();
  QCOMPARE(image, background);
}

// Circles of the nodes' and the selection's sizes and pens, in runs that
// share a pen and alternating, inside the image and across its edges: the
// canvas stamps them, and gives the painter's pixels.
void WidgetsTest::CirclesSetThePaintersPixelsAtTheEdgesAndAcrossPens() {
  struct Circle {
    QRect box;
    Pen pen;
  };
  const Pen pens[] = {{Rgb{0, 255, 0}, 1, PenStyle::Solid},
                      {Rgb{255, 0, 0}, 3, PenStyle::Solid},
                      {Rgb{0, 0, 255}, 2, PenStyle::Solid}};
  QRandomGenerator random(3);
  std::vector<Circle> circles;
  for (int k = 0; k < 600; ++k) {
    const int radius = 3 + k / 7 % 2;
    const QPoint centre(random.bounded(-6, 66), random.bounded(-6, 56));
    circles.push_back({QRect(centre - QPoint(radius, radius), centre + QPoint(radius, radius)),
                       pens[k / 20 % 3 == 0 ? k % 3 : k / 20 % 3]});
  }
  QImage byPainter(60, 50, QImage::Format_RGB32);
  QImage byCanvas(60, 50, QImage::Format_RGB32);
  for (QImage* image : {&byPainter, &byCanvas}) {
    image->fill(Qt::black);
    QPainter painter(image);
    QtCanvas canvas(painter);
    for (const Circle& circle : circles) {
      const QRect& box = circle.box;
      if (image == &byPainter) {
        const Rgb colour = circle.pen.colour;
        painter.setPen(QPen(QColor(colour.red, colour.green, colour.blue), circle.pen.width));
        painter.drawEllipse(QRect(box.topLeft(), QSize(box.width() - 1, box.height() - 1)));
      } else {
        canvas.SetPen(circle.pen);
        canvas.DrawEllipse(box.left(), box.top(), box.right(), box.bottom());
      }
    }
  }
  QCOMPARE(byCanvas, byPainter);
}

// Records what the dialog reports.
class RecordingBehaviour : public DialogBehaviour {
 public:
  void OnOpen(DialogControls& controls) override { controls.SetText(control_id::kGeoPtX, "7"); }
  void OnCommand(int controlId, DialogControls& controls) override {
    commands.push_back(controlId);
    if (controlId == control_id::kCancel) controls.End(0);
  }
  std::vector<int> commands;
};

void WidgetsTest::DialogFollowsItsTemplate() {
  RecordingBehaviour behaviour;
  QtDialog dialog(FindDialogTemplate(dialog_id::kCreateGeoPt), behaviour, nullptr);
  QCOMPARE(dialog.windowTitle(), QString("Create GeoPt"));
  QVERIFY(qobject_cast<QPushButton*>(dialog.Control(control_id::kOk))->isDefault());
  QVERIFY(!qobject_cast<QPushButton*>(dialog.Control(control_id::kCancel))->isDefault());
  QCOMPARE(dialog.Text(control_id::kGeoPtX), std::string("7"));
  QCOMPARE(qobject_cast<QLineEdit*>(dialog.Control(control_id::kGeoPtY))->maxLength(), 99);
  // Tab order is template order: OK, Cancel, Apply, x, y; OK has the focus first.
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
  QCOMPARE(QApplication::focusWidget(), dialog.Control(control_id::kOk));
  dialog.Control(control_id::kGeoPtApply)->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), dialog.Control(control_id::kGeoPtX));
  // Dialog units: the x field lies right of its label and the dialog is wider than high.
  QVERIFY(dialog.Control(control_id::kGeoPtX)->x() > 0);
  QVERIFY(dialog.width() > dialog.height());
}

void WidgetsTest::DialogReportsButtonsEscAndTheCloseBox() {
  RecordingBehaviour behaviour;
  QtDialog dialog(FindDialogTemplate(dialog_id::kDeformedShape), behaviour, nullptr);
  dialog.show();
  QTest::mouseClick(qobject_cast<QAbstractButton*>(dialog.Control(control_id::kDefOnly)),
                    Qt::LeftButton);
  QVERIFY(dialog.IsChecked(control_id::kDefOnly));
  QTest::mouseClick(qobject_cast<QAbstractButton*>(dialog.Control(control_id::kDeformedApply)),
                    Qt::LeftButton);
  QTest::keyClick(&dialog, Qt::Key_Return);
  QTest::keyClick(&dialog, Qt::Key_Escape);
  QVERIFY(!dialog.isVisible());
  QCOMPARE(behaviour.commands, (std::vector<int>{control_id::kDefOnly, control_id::kDeformedApply,
                                                 control_id::kOk, control_id::kCancel}));
  dialog.show();
  dialog.close();
  QCOMPARE(behaviour.commands.back(), control_id::kCancel);
  QCOMPARE(behaviour.commands.size(), std::size_t{5});
}

void WidgetsTest::EnterPressesTheFocusedButtonElseTheDefault() {
  RecordingBehaviour behaviour;
  QtDialog dialog(FindDialogTemplate(dialog_id::kCreateGeoPt), behaviour, nullptr);
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), dialog.Control(control_id::kGeoPtApply));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QCOMPARE(behaviour.commands, std::vector<int>{control_id::kGeoPtApply});
  QVERIFY(dialog.isVisible());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), dialog.Control(control_id::kGeoPtX));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QCOMPARE(behaviour.commands, (std::vector<int>{control_id::kGeoPtApply, control_id::kOk}));
}

// Texts of one line stay on it, uncovered by other controls; longer texts wrap
// within their box. Either way every character lies inside the dialog.
void WidgetsTest::DialogStaticTextsShowInFull() {
  for (int id = dialog_id::kBoundaryCondition; id <= dialog_id::kDeformedShape; ++id) {
    RecordingBehaviour behaviour;
    QtDialog dialog(FindDialogTemplate(id), behaviour, nullptr);
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
      const QString context = QString("dialog %1: \"%2\"").arg(id).arg(label->text());
      QVERIFY2(dialog.rect().contains(label->geometry()), qPrintable(context));
      if (label->wordWrap()) {
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(context));
        continue;
      }
      const QFontMetrics metrics(label->font());
      const QRect text(label->pos(),
                       QSize(metrics.horizontalAdvance(label->text()), metrics.height()));
      QVERIFY2(label->geometry().contains(text), qPrintable(context));
      for (const QWidget* other : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QVERIFY2(other == label || !other->geometry().intersects(text), qPrintable(context));
      }
    }
  }
}

// A value as the dialogs write it fits its field, which shows it from the
// start; the caption fits the dialog's width with room for the title bar's
// buttons.
void WidgetsTest::DialogFieldsShowWholeValuesAndCaptionsFit() {
  const QString value = "-210000.000000";
  for (int id = dialog_id::kBoundaryCondition; id <= dialog_id::kDeformedShape; ++id) {
    RecordingBehaviour behaviour;
    const DialogTemplate& dialogTemplate = FindDialogTemplate(id);
    QtDialog dialog(dialogTemplate, behaviour, nullptr);
    const QString caption = QString::fromStdString(dialogTemplate.caption);
    QVERIFY2(QFontMetrics(QApplication::font()).horizontalAdvance(caption) + 100 < dialog.width(),
             qPrintable(caption));
    for (const ControlTemplate& control : dialogTemplate.controls) {
      if (control.kind != ControlKind::Edit) continue;
      dialog.SetText(control.id, value.toStdString());
      auto* edit = qobject_cast<QLineEdit*>(dialog.Control(control.id));
      QVERIFY(edit != nullptr);
      QCOMPARE(edit->cursorPosition(), 0);
      const int textWidth = edit->fontMetrics().horizontalAdvance(value);
      QVERIFY2(textWidth + 8 <= edit->width(),
               qPrintable(QString("%1, field %2: %3 of %4 pixels")
                              .arg(caption)
                              .arg(control.id)
                              .arg(textWidth)
                              .arg(edit->width())));
      QVERIFY2(dialog.rect().contains(edit->geometry()), qPrintable(caption));
    }
  }
}

void WidgetsTest::FileDialogListsTextFilesOfEitherCase() {
  QTemporaryDir folder;
  for (const char* name : {"lower.txt", "UPPER.TXT", "other.dat"}) {
    QFile file(folder.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
  }
  QWidget owner;
  QtFileDialogs dialogs(owner);
  QStringList filters;
  QStringList listed;
  bool native = true;
  QTimer::singleShot(0, this, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    filters = dialog->nameFilters();
    native = !dialog->testOption(QFileDialog::DontUseNativeDialog);
    auto* files = dialog->findChild<QFileSystemModel*>();
    const QModelIndex root = files->index(folder.path());
    // A listing that never fills shows below as missing names.
    static_cast<void>(QTest::qWaitFor([&] { return files->rowCount(root) >= 2; }));
    for (int row = 0; row < files->rowCount(root); ++row) {
      listed << files->index(row, 0, root).data().toString();
    }
    dialog->reject();
  });
  QCOMPARE(dialogs.AskForFile(FileDialogKind::Open, "Open", folder.filePath("lower.txt").toStdString()),
           std::optional<std::string>());
  QCOMPARE(filters, QStringList{"Text Files (*.TXT)"});
  QVERIFY(!native);
  listed.sort();
  QCOMPARE(listed, (QStringList{"UPPER.TXT", "lower.txt"}));
}

}  // namespace kestrix

QTEST_MAIN(kestrix::WidgetsTest)
#include "widgets_test.moc"
