#include "document_title.h"

#include <filesystem>

namespace kestrix {

std::string DocumentTitle(const std::string& documentPath, bool modified,
                          const std::string& workingFolder) {
  const std::string name =
      documentPath.empty() ? "Untitled" : std::filesystem::path(documentPath).filename().string();
  return name + (modified ? "*" : "") + " - " + workingFolder + " - Kestrix";
}

}  // namespace kestrix
