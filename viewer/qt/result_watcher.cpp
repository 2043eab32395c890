#include "result_watcher.h"

#include <QDir>
#include <QFileInfo>

#include "result_files.h"

namespace ambrel {

ResultWatcher::ResultWatcher(ViewerWindow& logic, const QString& folder,
                             std::function<void()> onRead)
    : logic_(logic),
      contourPath_(QDir(folder).filePath(kContourFileName)),
      onRead_(std::move(onRead)) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &ResultWatcher::ReadChanges);
  // Every signal restarts the wait, so a file is read once the writing pauses.
  const auto settle = [this] { timer_.start(kSettleMilliseconds); };
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, settle);
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this, settle);
  watcher_.addPath(folder);
  Watch();
}

// A file that is deleted and written anew drops out of the watch; it is
// taken up again whenever it is there.
void ResultWatcher::Watch() {
  if (QFileInfo::exists(contourPath_) && !watcher_.files().contains(contourPath_)) {
    watcher_.addPath(contourPath_);
  }
}

void ResultWatcher::ReadChanges() {
  Watch();
  if (logic_.OnFilesChanged() == AfterChange::RetrySoon) timer_.start(kRetryMilliseconds);
  onRead_();
}

}  // namespace ambrel
