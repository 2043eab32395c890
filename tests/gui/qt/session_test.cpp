// A whole Kestrix session through the real Qt widgets on the offscreen
// platform: points, polygon, mesh, supports, load, a real solve and the
// deformed shape, with the model, "fem.txt" and the picture checked; then
// files, undo and the question before closing a modified model.

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QSettings>
#include <QtTest>
#include <span>

#include "external_programs.h"
#include "menu_resource.h"
#include "model_file_writer.h"
#include "qt_dialog.h"
#include "qt_main_window.h"

namespace kestrix {

class SessionTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void BuildsSolvesAndShowsTheDeformedPlate();
  void ExportsAndReopensThroughTheFileDialogs();
  void UndoesRedoesAndSavesWithTheKeys();
  void FileNamedAtStartOpensInItsFolder();
  void ASingularModelIsNotShownAsSolved();
  void ClosingAModifiedModelAsksFirst();

 private:
  QtDialog* OpenDialog(int menuId, int dialogId);
  void Type(QtDialog* dialog, int controlId, const QString& text);
  void Press(QtDialog* dialog, int controlId);
  void PressWithEnter(QtDialog* dialog, int controlId);
  void Close(QtDialog* dialog);
  void ClickModel(double x, double y);
  void RunModal(int menuId, const std::function<void(QtDialog*)>& user);
  void ChooseInFileDialog(int menuId, const QString& path);
  void SolveAnsweringTheConsole();
  int PixelsOf(const QColor& colour);
  QRgb PixelAt(const QImage& image, double x, double y);
  QString StatusText(const char* field);
  void AddPoint(const QString& x, const QString& y);
  void PressKeys(const QKeySequence& keys);
  void AnswerSaveQuestion(QMessageBox::StandardButton button);

  QTemporaryDir m_workDir;
  std::unique_ptr<QtMainWindow> m_window;
  QStringList m_unexpectedMessages;
  bool m_expectingFileDialog = false;
};

void SessionTest::initTestCase() {
  QVERIFY(m_workDir.isValid());
  QVERIFY2(QFile::copy(SOLVANE_PATH, m_workDir.filePath(kSolverProgram)), "build Solvane first");
  QVERIFY(QDir::setCurrent(m_workDir.path()));
  // The recent files go to settings of this test's own.
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_workDir.filePath("config"));
  QApplication::setQuitOnLastWindowClosed(false);
  m_window = std::make_unique<QtMainWindow>();
  m_window->resize(640, 480);
  m_window->show();
  QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
  // A warning would block the session: note it and dismiss it. So would a
  // file dialog that no step of the test expects.
  auto* watchdog = new QTimer(this);
  connect(watchdog, &QTimer::timeout, this, [this] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog && !m_expectingFileDialog) {
      m_unexpectedMessages << "file dialog: " + dialog->windowTitle();
      dialog->reject();
    }
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box != nullptr && box->objectName() == "warning") {
      m_unexpectedMessages << box->text();
      box->accept();
    }
  });
  watchdog->start(100);
}

QtDialog* SessionTest::OpenDialog(int menuId, int dialogId) {
  m_window->Action(menuId)->trigger();
  const QString name = QString("dialog%1").arg(dialogId);
  for (QtDialog* dialog : m_window->findChildren<QtDialog*>(name)) {
    if (dialog->isVisible()) return dialog;
  }
  return nullptr;
}

void SessionTest::Type(QtDialog* dialog, int controlId, const QString& text) {
  auto* edit = qobject_cast<QLineEdit*>(dialog->Control(controlId));
  QVERIFY(edit != nullptr);
  edit->clear();
  QTest::keyClicks(edit, text);
}

void SessionTest::Press(QtDialog* dialog, int controlId) {
  auto* button = qobject_cast<QAbstractButton*>(dialog->Control(controlId));
  QVERIFY(button != nullptr);
  QTest::mouseClick(button, Qt::LeftButton);
}

// Gives the button the keyboard focus and presses Enter on it.
void SessionTest::PressWithEnter(QtDialog* dialog, int controlId) {
  QApplication::setActiveWindow(dialog);
  QVERIFY(QTest::qWaitForWindowActive(dialog));
  dialog->Control(controlId)->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

void SessionTest::Close(QtDialog* dialog) {
  QTest::keyClick(dialog, Qt::Key_Escape);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void SessionTest::ClickModel(double x, double y) {
  const ScreenPoint p = m_window->logic().view().ModelToScreen(x, y);
  QTest::mouseClick(&m_window->clientArea(), Qt::LeftButton, {}, QPoint(p.x, p.y));
}

// Opens a modal dialog from the menu and lets `user` work in it.
void SessionTest::RunModal(int menuId, const std::function<void(QtDialog*)>& user) {
  QTimer::singleShot(0, this,
                     [user] { user(qobject_cast<QtDialog*>(QApplication::activeModalWidget())); });
  m_window->Action(menuId)->trigger();
}

// Answers the open or save dialog of a menu command with `path`.
void SessionTest::ChooseInFileDialog(int menuId, const QString& path) {
  m_expectingFileDialog = true;
  QTimer::singleShot(0, this, [path] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog != nullptr);
    QCOMPARE(dialog->defaultSuffix(), QString("txt"));
    dialog->selectFile(path);
    static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept validates the name
  });
  m_window->Action(menuId)->trigger();
  m_expectingFileDialog = false;
}

// Solve, with a key for the solver's closing pause in its console.
void SessionTest::SolveAnsweringTheConsole() {
  QTimer keys;
  connect(&keys, &QTimer::timeout, this, [this] {
    auto* console = m_window->findChild<QDialog*>("solverConsole");
    if (console != nullptr && console->isVisible()) QTest::keyClick(console, Qt::Key_Return);
  });
  keys.start(200);
  m_window->Action(menu_id::kSolve)->trigger();
  keys.stop();
}

// How many pixels of the client area have that colour.
int SessionTest::PixelsOf(const QColor& colour) {
  const QImage picture = m_window->clientArea().grab().toImage();
  int count = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (QColor(picture.pixel(x, y)) == colour) ++count;
    }
  }
  return count;
}

QRgb SessionTest::PixelAt(const QImage& image, double x, double y) {
  const ScreenPoint p = m_window->logic().view().ModelToScreen(x, y);
  return image.pixel(p.x, p.y);
}

void SessionTest::BuildsSolvesAndShowsTheDeformedPlate() {
  const double corners[4][2] = {{0, 0}, {4, 0}, {4, 2}, {0, 2}};
  QtDialog* points = OpenDialog(menu_id::kCreateGeoPt, 103);
  QVERIFY(points != nullptr);
  Model& model = m_window->logic().model();
  Type(points, 1004, QString::number(corners[0][0]));
  Type(points, 1005, QString::number(corners[0][1]));
  PressWithEnter(points, 1003);
  QCOMPARE(model.geoPoints().Count(), 1);
  QVERIFY(points->isVisible());
  for (const auto& corner : std::span(corners).subspan(1)) {
    Type(points, 1004, QString::number(corner[0]));
    Type(points, 1005, QString::number(corner[1]));
    Press(points, 1003);
  }
  Close(points);
  QCOMPARE(model.geoPoints().Count(), 4);

  m_window->Action(menu_id::kPickGeoPt)->trigger();
  for (const auto& corner : corners) ClickModel(corner[0], corner[1]);
  QtDialog* polygon = OpenDialog(menu_id::kCreatePolygon, 104);
  Press(polygon, 1006);
  Close(polygon);
  QCOMPARE(model.polygons().Count(), 1);

  m_window->Action(menu_id::kPickPolygon)->trigger();
  ClickModel(2, 1);
  QtDialog* mesh = OpenDialog(menu_id::kMeshQuad, 105);
  Type(mesh, 1008, "4");
  Type(mesh, 1009, "two");
  Press(mesh, 1007);  // refused: the warning names the field, the dialog stays
  QCOMPARE(m_unexpectedMessages, QStringList{"\"WN=\"的输入\"two\"无效, 应为不小于1的整数!"});
  m_unexpectedMessages.clear();
  QVERIFY(mesh->isVisible());
  QCOMPARE(model.NELEM(), 0);
  Type(mesh, 1009, "2");
  Press(mesh, 1007);
  Press(mesh, 1021);
  QCOMPARE(model.NPOIN(), 15);
  QCOMPARE(model.NELEM(), 8);
  QVERIFY(StatusText("statusCounts").contains("15 nodes, 8 elements"));

  // The left edge: a rectangle around its three nodes, both directions fixed.
  m_window->Action(menu_id::kPickNode)->trigger();
  QCOMPARE(StatusText("statusMode"), QString("Pick nodes: click the first corner of a rectangle"));
  ClickModel(-0.3, 2.3);
  ClickModel(0.3, -0.3);
  QCOMPARE(StatusText("statusSelection"), QString("Selected: 3 nodes"));
  QCOMPARE(model.nodes().CountSelected(), 3);
  // A thickness of 0 is refused and the dialog stays open for a better one.
  RunModal(menu_id::kMaterial, [this](QtDialog* dialog) {
    QVERIFY(dialog != nullptr);
    Type(dialog, 1017, "0");
    Press(dialog, 1);
    QVERIFY(dialog->isVisible());
    Type(dialog, 1017, "2");
    Press(dialog, 1);
  });
  QCOMPARE(m_unexpectedMessages, QStringList{"\"Thick t=\"的输入\"0\"无效, 应为大于0的数!"});
  m_unexpectedMessages.clear();
  QCOMPARE(model.Thick(), 2.0);

  RunModal(menu_id::kBoundaryCondition, [this](QtDialog* dialog) {
    QVERIFY(dialog != nullptr);
    Press(dialog, 1002);
    Press(dialog, 1003);
    Press(dialog, 1);
  });
  QCOMPARE(model.constraints().Count(), 3);

  // A downward force on the lower right corner.
  ClickModel(3.7, 0.3);
  ClickModel(4.3, -0.3);
  QtDialog* force = OpenDialog(menu_id::kForce, 106);
  Type(force, 1011, "0");
  Type(force, 1012, "-1000");
  Press(force, 1);
  QCOMPARE(model.forces().Count(), 1);

  SolveAnsweringTheConsole();
  QVERIFY2(m_unexpectedMessages.isEmpty(), qPrintable(m_unexpectedMessages.join("; ")));
  QVERIFY(model.solved());
  QCOMPARE(model.reactions().size(), std::size_t{3});  // the left edge holds the plate
  QVERIFY(model.displacements()[2 * 14 + 1] < 0.0);  // the loaded corner moves down

  QFile femFile(kSolveModelFile);
  QVERIFY(femFile.open(QIODevice::ReadOnly));
  const QByteArray femText = femFile.readAll();
  QCOMPARE(femText.toStdString(), FormatModelFile(model));
  QVERIFY(femText.split('\n').contains("Mu=0.3"));  // a decimal point in any user locale

  QtDialog* deformed = OpenDialog(menu_id::kDeformedShape, 109);
  Press(deformed, 1023);
  Press(deformed, 1);
  QVERIFY(m_window->logic().display().showDeformed);
  QVERIFY(m_window->logic().display().showStructure);
  QVERIFY(StatusText("statusDeformation").startsWith("Deformation x "));

  // One wheel step towards the user shows the whole deformed plate.
  ClientArea& area = m_window->clientArea();
  const QPointF centre(area.width() / 2, area.height() / 2);
  QWheelEvent wheel(centre, area.mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  const double scaleBefore = m_window->logic().view().scale();
  QApplication::sendEvent(&area, &wheel);
  QCOMPARE(m_window->logic().view().scale(), scaleBefore / 1.1);
  m_window->Action(menu_id::kElemNumbers)->trigger();
  QVERIFY(m_window->Action(menu_id::kElemNumbers)->isChecked());

  const QImage picture = area.grab().toImage();
  QCOMPARE(QColor(PixelAt(picture, 0.5, 1.5)), QColor(Qt::black));
  QCOMPARE(QColor(PixelAt(picture, 2, 0)), QColor(0, 255, 0));  // the undeformed lower side
  QVERIFY(PixelsOf(QColor(255, 97, 0)) > 200);

  // The reactions at the left edge, as arrows, once asked for.
  const QColor reactionColour(0, 255, 255);
  QCOMPARE(PixelsOf(reactionColour), 0);
  m_window->Action(menu_id::kReactionArrows)->trigger();
  QVERIFY(m_window->Action(menu_id::kReactionArrows)->isChecked());
  QVERIFY(PixelsOf(reactionColour) > 50);

  // The picture of the documentation: a larger window, fitted to everything drawn.
  const QByteArray screenshot = qgetenv("KESTRIX_SESSION_SCREENSHOT");
  if (!screenshot.isEmpty()) {
    m_window->resize(1240, 660);
    QCoreApplication::processEvents();
    QTest::keyClick(&area, Qt::Key_X);
    QVERIFY(m_window->grab().save(QString::fromLocal8Bit(screenshot)));
  }

  QVERIFY(m_unexpectedMessages.isEmpty());
}

// Runs after the solve: the exported model comes back unsolved, from the
// folder that became the current directory.
void SessionTest::ExportsAndReopensThroughTheFileDialogs() {
  QVERIFY(QDir(m_workDir.path()).mkdir("saved"));
  const QString folder = m_workDir.filePath("saved");
  ChooseInFileDialog(menu_id::kExport, folder + "/plate");
  QVERIFY(QFile::exists(folder + "/plate.txt"));
  QCOMPARE(QDir::currentPath(), QDir(folder).canonicalPath());

  m_window->logic().model().CreateGeoPt(10, 10);
  ChooseInFileDialog(menu_id::kOpen, folder + "/plate.txt");
  Model& reopened = m_window->logic().model();
  QCOMPARE(reopened.geoPoints().Count(), 4);
  QCOMPARE(reopened.NPOIN(), 15);
  QCOMPARE(reopened.constraints().Count(), 3);
  QVERIFY(!reopened.solved());
  QVERIFY(!m_window->logic().display().showDeformed);
  QVERIFY(m_window->Action(menu_id::kStructure)->isChecked());
  QVERIFY(!QFile::exists(folder + "/temp.tmp"));

  // The Delete key takes the force off the loaded corner.
  m_window->Action(menu_id::kPickNode)->trigger();
  ClickModel(3.7, 0.3);
  ClickModel(4.3, -0.3);
  QApplication::setActiveWindow(m_window.get());
  QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
  QTest::keyClick(&m_window->clientArea(), Qt::Key_Delete);
  QCOMPARE(reopened.forces().Count(), 0);
  QCOMPARE(reopened.constraints().Count(), 3);
  QVERIFY(StatusText("statusCounts").endsWith("3 constraints, 0 forces, 0 edge loads"));
  // Undone, the force is back; saved, the model is the file again.
  QCOMPARE(m_window->Action(menu_id::kUndo)->text(),
           QString("&Undo Delete supports and loads on 1 node and 0 edges"));
  PressKeys(QKeySequence("Ctrl+Z"));
  QCOMPARE(m_window->logic().model().forces().Count(), 1);
  PressKeys(QKeySequence("Ctrl+S"));
  QVERIFY(m_unexpectedMessages.isEmpty());
}

QString SessionTest::StatusText(const char* field) {
  const auto* label = m_window->findChild<QLabel*>(field);
  return label != nullptr ? label->text() : QString("(no field %1)").arg(field);
}

void SessionTest::AddPoint(const QString& x, const QString& y) {
  QtDialog* points = OpenDialog(menu_id::kCreateGeoPt, 103);
  QVERIFY(points != nullptr);
  Type(points, 1004, x);
  Type(points, 1005, y);
  Press(points, 1);
}

// The keys pressed in the drawing, as the user presses them.
void SessionTest::PressKeys(const QKeySequence& keys) {
  QApplication::setActiveWindow(m_window.get());
  QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
  QTest::keySequence(&m_window->clientArea(), keys);
}

void SessionTest::AnswerSaveQuestion(QMessageBox::StandardButton button) {
  QTimer::singleShot(0, this, [button] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box != nullptr);
    QCOMPARE(box->objectName(), QString("saveChanges"));
    box->button(button)->click();
  });
}

// Runs on the model reopened from saved/plate.txt.
void SessionTest::UndoesRedoesAndSavesWithTheKeys() {
  const QString file = QDir::current().filePath("plate.txt");
  const QString title = "plate.txt - " + QDir::currentPath() + " - Kestrix";
  QCOMPARE(m_window->windowTitle(), title);
  AddPoint("6", "6");
  QCOMPARE(m_window->logic().model().geoPoints().Count(), 5);
  QCOMPARE(m_window->windowTitle(), "plate.txt* - " + QDir::currentPath() + " - Kestrix");
  QCOMPARE(m_window->Action(menu_id::kUndo)->text(), QString("&Undo Create point (6, 6)"));

  PressKeys(QKeySequence("Ctrl+Z"));
  QCOMPARE(m_window->logic().model().geoPoints().Count(), 4);
  QCOMPARE(m_window->windowTitle(), title);
  QVERIFY(!m_window->Action(menu_id::kUndo)->isEnabled());
  PressKeys(QKeySequence("Ctrl+Y"));
  QCOMPARE(m_window->logic().model().geoPoints().Count(), 5);
  PressKeys(QKeySequence("Ctrl+Z"));
  PressKeys(QKeySequence("Ctrl+Shift+Z"));
  QCOMPARE(m_window->logic().model().geoPoints().Count(), 5);

  PressKeys(QKeySequence("Ctrl+S"));  // no dialog: the watchdog would note one
  QCOMPARE(m_window->windowTitle(), title);
  QFile saved(file);
  QVERIFY(saved.open(QIODevice::ReadOnly));
  QVERIFY(saved.readAll().split('\n').contains("4:6,6"));
  QVERIFY2(m_unexpectedMessages.isEmpty(), qPrintable(m_unexpectedMessages.join("; ")));
}

void SessionTest::FileNamedAtStartOpensInItsFolder() {
  const QString folder = QDir::currentPath();
  QVERIFY(QDir::setCurrent(m_workDir.path()));
  QtMainWindow started;
  // The recent files are kept across sessions: a new window lists the file saved last.
  const QList<QAction*> recent = started.findChildren<QAction*>();
  QVERIFY(std::any_of(recent.begin(), recent.end(), [&](QAction* action) {
    return action->text() == "&1 " + folder + "/plate.txt";
  }));
  QCOMPARE(started.windowTitle(), "Untitled - " + m_workDir.path() + " - Kestrix");
  started.OpenStartFile({"Kestrix", "saved/plate.txt"});
  QCOMPARE(started.logic().model().geoPoints().Count(), 5);
  QCOMPARE(QDir::currentPath(), folder);
  QCOMPARE(started.windowTitle(), "plate.txt - " + folder + " - Kestrix");
  QVERIFY(m_unexpectedMessages.isEmpty());
}

// The real solver on a plate with no support: it finds the model singular,
// writes its files and ends with status 1. Nothing it wrote is shown.
void SessionTest::ASingularModelIsNotShownAsSolved() {
  QVERIFY(QDir(m_workDir.path()).mkdir("free"));
  const QString folder = m_workDir.filePath("free");
  QVERIFY(QFile::copy(SOLVANE_PATH, folder + "/" + kSolverProgram));
  QFile file(folder + "/free.txt");
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("E=210000\nMu=0.3\nThick=1\nNPOIN=4\n0,0\n1,0\n1,1\n0,1\nNELEM=1\n0,1,2,3\n"
             "NRN=0\nNFOR=1\n2<0,-100>\nNPRS=0\n");
  file.close();
  ChooseInFileDialog(menu_id::kOpen, folder + "/free.txt");
  QCOMPARE(m_window->logic().model().NELEM(), 1);

  SolveAnsweringTheConsole();
  QVERIFY(QFile::exists(folder + "/" + kNodeDisplacementFile));
  QVERIFY(!m_window->logic().model().solved());
  QCOMPARE(m_unexpectedMessages,
           QStringList{"计算程序\"Solvane\"异常结束, 退出状态 1! 不显示计算结果。"});
  m_unexpectedMessages.clear();
}

// Runs on the model opened from free/free.txt.
void SessionTest::ClosingAModifiedModelAsksFirst() {
  QFile saved(QString::fromStdString(m_window->logic().documentPath()));
  QVERIFY(saved.open(QIODevice::ReadOnly));
  const QByteArray before = saved.readAll();
  saved.close();
  AddPoint("7", "7");
  AnswerSaveQuestion(QMessageBox::Cancel);
  QVERIFY(!m_window->close());
  QVERIFY(m_window->isVisible());
  AnswerSaveQuestion(QMessageBox::Discard);
  QVERIFY(m_window->close());
  QVERIFY(saved.open(QIODevice::ReadOnly));
  QCOMPARE(saved.readAll(), before);
  QVERIFY(m_unexpectedMessages.isEmpty());
}

}  // namespace kestrix

QTEST_MAIN(kestrix::SessionTest)
#include "session_test.moc"
