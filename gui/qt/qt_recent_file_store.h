#pragma once
// The recent files kept in the user's settings of Kestrix (QSettings).

#include "recent_files.h"

namespace kestrix {

class QtRecentFileStore : public RecentFileStore {
 public:
  std::vector<std::string> Load() override;
  bool Store(const std::vector<std::string>& paths) override;
};

}  // namespace kestrix
