#pragma once
// The files opened or saved last, newest first, kept across sessions in a
// store of the platform's.

#include <string>
#include <vector>

#include "notifier.h"

namespace kestrix {

class RecentFileStore {
 public:
  virtual ~RecentFileStore() = default;
  virtual std::vector<std::string> Load() = 0;
  // False when the list could not be kept.
  virtual bool Store(const std::vector<std::string>& paths) = 0;
};

class RecentFiles {
 public:
  static constexpr int kMaxCount = 8;

  // Starts from the stored list, cut to kMaxCount. A list that cannot be
  // stored is reported through `notifier`, once a session.
  RecentFiles(RecentFileStore& store, Notifier& notifier);

  // Puts `path` (absolute) at the front, once, and stores the list.
  void Add(const std::string& path);
  void Remove(const std::string& path);
  const std::vector<std::string>& paths() const { return m_paths; }
  // The menu texts: "&1 /path/to/file.txt", with "&" in paths doubled.
  std::vector<std::string> MenuLabels() const;

 private:
  void Store();

  RecentFileStore& m_store;
  Notifier& m_notifier;
  std::vector<std::string> m_paths;
  bool m_reportedStoreFailure = false;
};

}  // namespace kestrix
