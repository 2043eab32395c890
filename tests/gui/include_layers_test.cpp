// The include arrows between Kestrix's layers run only downward: the modeler
// knows nothing of the GUI, the toolkit-neutral GUI nothing of its Qt backend,
// and only the main window itself includes the main window, which dispatches
// to the commands below it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = PLATEFEM_SOURCE_DIR;

// The C++ sources directly in `folder`, not in its subfolders.
std::vector<fs::path> SourcesIn(const fs::path& folder) {
  std::vector<fs::path> sources;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    const fs::path extension = entry.path().extension();
    if (extension == ".h" || extension == ".cpp") sources.push_back(entry.path());
  }
  return sources;
}

std::set<std::string> FileNamesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const fs::path& source : SourcesIn(folder)) names.insert(source.filename().string());
  return names;
}

// The names in the file's `#include "..."` lines.
std::vector<std::string> QuotedIncludes(const fs::path& source) {
  std::ifstream file(source);
  std::vector<std::string> names;
  const std::string directive = "#include \"";
  for (std::string line; std::getline(file, line);) {
    if (line.rfind(directive, 0) != 0) continue;
    const std::size_t end = line.find('"', directive.size());
    names.push_back(line.substr(directive.size(), end - directive.size()));
  }
  return names;
}

// Every include in `folder` that names a header of the layer `above`,
// as "file -> header"; a header of the same name in `folder` itself is its own.
std::vector<std::string> IncludesOfLayerAbove(const fs::path& folder, const fs::path& above) {
  const std::set<std::string> own = FileNamesIn(folder);
  const std::set<std::string> upper = FileNamesIn(above);
  std::vector<std::string> found;
  for (const fs::path& source : SourcesIn(folder)) {
    for (const std::string& name : QuotedIncludes(source)) {
      const std::string file = fs::path(name).filename().string();
      if (upper.contains(file) && !own.contains(file)) {
        found.push_back(source.filename().string() + " -> " + name);
      }
    }
  }
  return found;
}

TEST(IncludeLayers, RunOnlyDownward) {
  EXPECT_EQ(IncludesOfLayerAbove(kSourceDir / "modeler", kSourceDir / "gui"),
            std::vector<std::string>());
  EXPECT_EQ(IncludesOfLayerAbove(kSourceDir / "gui", kSourceDir / "gui" / "qt"),
            std::vector<std::string>());

  std::vector<std::string> mainWindowIncluders;
  for (const fs::path& source : SourcesIn(kSourceDir / "gui")) {
    for (const std::string& name : QuotedIncludes(source)) {
      if (name == "main_window.h") mainWindowIncluders.push_back(source.filename().string());
    }
  }
  EXPECT_EQ(mainWindowIncluders, std::vector<std::string>{"main_window.cpp"});
}

}  // namespace
