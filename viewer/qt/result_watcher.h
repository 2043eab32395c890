#pragma once
// Watches the result folder and the contour file and hands their changes to
// the logic: once the solver has been quiet for a moment, and again shortly
// while the file does not read whole.

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <functional>

#include "viewer_window.h"

namespace ambrel {

class ResultWatcher : public QObject {
  Q_OBJECT

 public:
  // `onRead` is called after every reading, to show its outcome.
  ResultWatcher(ViewerWindow& logic, const QString& folder, std::function<void()> onRead);

 private:
  void Watch();
  void ReadChanges();

  ViewerWindow& logic_;
  QString contourPath_;
  std::function<void()> onRead_;
  QFileSystemWatcher watcher_;
  QTimer timer_;
};

}  // namespace ambrel
