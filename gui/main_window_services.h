#pragma once
// Everything the main window's logic needs of the platform.

#include "dialog_host.h"
#include "document_frame.h"
#include "file_dialogs.h"
#include "menu_checks.h"
#include "notifier.h"
#include "program_launcher.h"
#include "recent_files.h"
#include "repaint_requests.h"

namespace kestrix {

struct MainWindowServices {
  Notifier& notifier;
  FileDialogs& fileDialogs;
  RepaintRequests& repaint;
  MenuChecks& menuChecks;
  DialogHost& dialogs;
  ProgramLauncher& programs;
  DocumentFrame& frame;
  RecentFileStore& recentFileStore;
};

}  // namespace kestrix
