#include "recent_files.h"

#include <algorithm>
#include <utility>

namespace kestrix {
namespace {

std::string EscapeMnemonics(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    if (c == '&') escaped += '&';
    escaped += c;
  }
  return escaped;
}

}  // namespace

RecentFiles::RecentFiles(RecentFileStore& store, Notifier& notifier)
    : m_store(store), m_notifier(notifier), m_paths(store.Load()) {
  if (m_paths.size() > kMaxCount) m_paths.resize(kMaxCount);
}

void RecentFiles::Add(const std::string& path) {
  std::erase(m_paths, path);
  m_paths.insert(m_paths.begin(), path);
  if (m_paths.size() > kMaxCount) m_paths.resize(kMaxCount);
  Store();
}

void RecentFiles::Remove(const std::string& path) {
  if (std::erase(m_paths, path) > 0) Store();
}

void RecentFiles::Store() {
  if (m_store.Store(m_paths) || std::exchange(m_reportedStoreFailure, true)) return;
  m_notifier.ShowMessage("最近打开的文件列表无法保存!", kWarningCaption);
}

std::vector<std::string> RecentFiles::MenuLabels() const {
  std::vector<std::string> labels;
  for (std::size_t k = 0; k < m_paths.size(); ++k) {
    labels.push_back("&" + std::to_string(k + 1) + " " + EscapeMnemonics(m_paths[k]));
  }
  return labels;
}

}  // namespace kestrix
