#include "qt_recent_file_store.h"

#include <QFile>
#include <QSettings>
#include <QStringList>

namespace kestrix {
namespace {

constexpr const char* kOrganization = "platefem";
constexpr const char* kApplication = "Kestrix";
constexpr const char* kKey = "recentFiles";

}  // namespace

std::vector<std::string> QtRecentFileStore::Load() {
  std::vector<std::string> paths;
  const QSettings settings(kOrganization, kApplication);
  for (const QString& path : settings.value(kKey).toStringList()) {
    paths.push_back(QFile::encodeName(path).toStdString());
  }
  return paths;
}

bool QtRecentFileStore::Store(const std::vector<std::string>& paths) {
  QStringList list;
  for (const std::string& path : paths) list << QFile::decodeName(path.c_str());
  QSettings settings(kOrganization, kApplication);
  settings.setValue(kKey, list);
  settings.sync();
  return settings.status() == QSettings::NoError;
}

}  // namespace kestrix
