#pragma once
// Ambrel's one window: the picture, the File and View menus, and a status
// bar with the value under the cursor and, in red, why the results could not
// be read, around the toolkit-neutral logic.

#include <QMainWindow>
#include <memory>

#include "command_line.h"
#include "plot_widget.h"
#include "result_watcher.h"
#include "viewer_window.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;

namespace ambrel {

class QtViewerWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Reads the results of the line's folder and watches them.
  explicit QtViewerWindow(const CommandLine& line);

  ViewerWindow& logic() { return logic_; }
  PlotWidget& plot() { return *plot_; }
  // The status bar's two texts: the cursor's, and the problem with the results.
  QString CursorStatus() const;
  QString ResultStatus() const;

 private:
  void BuildFileMenu();
  void BuildViewMenu();
  QAction* AddToggle(QMenu& menu, const QString& text, bool on, void (ViewerWindow::*set)(bool));
  void Reload();
  void Export(const QString& kind);
  void EditLegend();
  void EditDeformationFactor();
  // Shows the logic's state: picture, texts, what the menus offer.
  void Refresh();
  void RefreshCursor();

  ViewerWindow logic_;
  PlotWidget* plot_;
  QLabel* cursorLabel_;
  QLabel* resultLabel_;
  std::unique_ptr<ResultWatcher> watcher_;
  QAction* deformedAction_ = nullptr;
  QAction* factorAction_ = nullptr;
  QAction* outlineAction_ = nullptr;
};

}  // namespace ambrel
