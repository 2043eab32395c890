#pragma once
// A fresh, empty folder for one test, named after the running test and the
// process, and removed with everything in it when the test is done.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace test_support {

namespace fs = std::filesystem;

inline std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

inline void WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

class ScratchFolder {
 public:
  ScratchFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "platefem";
    if (test != nullptr) name += std::string("_") + test->test_suite_name() + "_" + test->name();
    name += "_" + std::to_string(::getpid());
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    path_ = fs::temp_directory_path() / name;
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const fs::path& path() const { return path_; }
  fs::path operator/(const fs::path& name) const { return path_ / name; }

  // Writes `text` into the file `name` of the folder and returns its path.
  fs::path Write(const fs::path& name, const std::string& text) const {
    WriteFile(path_ / name, text);
    return path_ / name;
  }
  std::string Read(const fs::path& name) const { return ReadFile(path_ / name); }

 private:
  fs::path path_;
};

// Makes `folder` the current directory until the object goes, for code that
// works on fixed file names relative to it.
class CurrentDirectory {
 public:
  explicit CurrentDirectory(const fs::path& folder) : previous_(fs::current_path()) {
    fs::current_path(folder);
  }
  ~CurrentDirectory() { fs::current_path(previous_); }
  CurrentDirectory(const CurrentDirectory&) = delete;
  CurrentDirectory& operator=(const CurrentDirectory&) = delete;

 private:
  fs::path previous_;
};

}  // namespace test_support
