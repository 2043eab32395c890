#include "qt_viewer_window.h"

#include <QActionGroup>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>

#include "decimal_text.h"
#include "legend_dialog.h"
#include "picture_files.h"
#include "program_name.h"

namespace ambrel {
namespace {

QString FolderShown(const std::string& folder) {
  return QDir::toNativeSeparators(QDir(QString::fromStdString(folder)).absolutePath());
}

}  // namespace

QtViewerWindow::QtViewerWindow(const CommandLine& line)
    : logic_(line.folder),
      plot_(new PlotWidget(logic_, this)),
      cursorLabel_(new QLabel(this)),
      resultLabel_(new QLabel(this)) {
  setWindowTitle(QString(kProgramName) + " - " + FolderShown(line.folder));
  setCentralWidget(plot_);
  cursorLabel_->setObjectName("cursorStatus");
  resultLabel_->setObjectName("resultStatus");
  resultLabel_->setStyleSheet("color: #b40000");
  statusBar()->addWidget(cursorLabel_, 1);
  statusBar()->addPermanentWidget(resultLabel_);
  plot_->SetOnChange([this] { RefreshCursor(); });

  logic_.SetComponent(line.component);
  logic_.Load();
  BuildFileMenu();
  BuildViewMenu();
  watcher_ = std::make_unique<ResultWatcher>(
      logic_, QString::fromStdString(line.folder.empty() ? "." : line.folder),
      [this] { Refresh(); });
  resize(line.width, line.height);
  Refresh();
}

void QtViewerWindow::BuildFileMenu() {
  QMenu* file = menuBar()->addMenu("&File");
  file->addAction("&Reload", QKeySequence(Qt::Key_F5), this, &QtViewerWindow::Reload);
  file->addSeparator();
  file->addAction("Export &PNG...", this, [this] { Export("PNG"); });
  file->addAction("Export P&DF...", this, [this] { Export("PDF"); });
  file->addSeparator();
  file->addAction("&Quit", QKeySequence::Quit, this, &QWidget::close);
}

QAction* QtViewerWindow::AddToggle(QMenu& menu, const QString& text, bool on,
                                   void (ViewerWindow::*set)(bool)) {
  QAction* action = menu.addAction(text);
  action->setCheckable(true);
  action->setChecked(on);
  connect(action, &QAction::toggled, this, [this, set](bool checked) {
    (logic_.*set)(checked);
    Refresh();
  });
  return action;
}

void QtViewerWindow::BuildViewMenu() {
  QMenu* view = menuBar()->addMenu("&View");
  QMenu* components = view->addMenu("&Component");
  auto* componentGroup = new QActionGroup(this);
  int key = Qt::Key_1;
  for (const StressComponent component : kAllComponents) {
    QAction* action = components->addAction(QString::fromUtf8(ComponentTitle(component).data()));
    action->setShortcut(QKeySequence(key++));
    action->setCheckable(true);
    action->setChecked(component == logic_.options().component);
    componentGroup->addAction(action);
    connect(action, &QAction::triggered, this, [this, component] {
      logic_.SetComponent(component);
      Refresh();
    });
  }
  QMenu* maps = view->addMenu("Colour &map");
  auto* mapGroup = new QActionGroup(this);
  for (const ColourMapKind map : kAllColourMaps) {
    QAction* action = maps->addAction(QString::fromUtf8(ColourMapTitle(map).data()));
    action->setCheckable(true);
    action->setChecked(map == logic_.options().colourMap);
    mapGroup->addAction(action);
    connect(action, &QAction::triggered, this, [this, map] {
      logic_.SetColourMap(map);
      Refresh();
    });
  }
  view->addAction("&Legend...", this, &QtViewerWindow::EditLegend);
  view->addSeparator();
  const ViewerOptions& options = logic_.options();
  deformedAction_ =
      AddToggle(*view, "&Deformed shape", options.deformedShape, &ViewerWindow::SetDeformedShape);
  factorAction_ =
      view->addAction("Deformation &factor...", this, &QtViewerWindow::EditDeformationFactor);
  outlineAction_ = AddToggle(*view, "&Undeformed outline", options.undeformedOutline,
                             &ViewerWindow::SetUndeformedOutline);
  AddToggle(*view, "M&esh lines", options.meshLines, &ViewerWindow::SetMeshLines);
  view->addSeparator();
  view->addAction("&Fit", QKeySequence(Qt::Key_Home), this, [this] {
    logic_.Fit();
    Refresh();
  });
}

void QtViewerWindow::Reload() {
  logic_.Load();
  Refresh();
}

void QtViewerWindow::Export(const QString& kind) {
  const QString suffix = kind.toLower();
  const QString path = QFileDialog::getSaveFileName(this, "Export " + kind, "contour." + suffix,
                                                    kind + " files (*." + suffix + ")");
  if (path.isEmpty()) return;
  const bool written = kind == "PDF" ? SavePdf(logic_, path) : SavePng(logic_, path);
  if (!written) QMessageBox::warning(this, kProgramName, "Cannot write " + path + ".");
}

void QtViewerWindow::EditLegend() {
  LegendDialog dialog(logic_.options().legend, logic_.field().extremes, this);
  if (dialog.exec() != QDialog::Accepted) return;
  logic_.SetLegend(dialog.settings());
  Refresh();
}

void QtViewerWindow::EditDeformationFactor() {
  bool accepted = false;
  const double factor = QInputDialog::getDouble(
      this, "Deformation factor",
      "Times the automatic scale (the largest displacement drawn as a tenth of the model):",
      logic_.options().deformationFactor, 1e-6, 1e6, 6, &accepted);
  if (!accepted) return;
  logic_.SetDeformationFactor(factor);
  Refresh();
}

QString QtViewerWindow::CursorStatus() const { return cursorLabel_->text(); }

QString QtViewerWindow::ResultStatus() const { return resultLabel_->text(); }

void QtViewerWindow::RefreshCursor() {
  cursorLabel_->setText(QString::fromStdString(logic_.CursorText()));
}

void QtViewerWindow::Refresh() {
  resultLabel_->setText(QString::fromStdString(logic_.Message()));
  const bool displacements = logic_.HasDisplacements();
  deformedAction_->setEnabled(displacements);
  factorAction_->setEnabled(displacements);
  outlineAction_->setEnabled(displacements);
  RefreshCursor();
  plot_->update();
}

}  // namespace ambrel
