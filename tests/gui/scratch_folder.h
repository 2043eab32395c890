#pragma once
// A fresh, empty folder that is the current directory for one test.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace kestrix {

class ScratchFolder {
 public:
  ScratchFolder() : previous_(std::filesystem::current_path()) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            (std::string("kestrix_") + info->test_suite_name() + "_" + info->name());
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    std::filesystem::current_path(path_);
  }
  ~ScratchFolder() {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(path_);
  }

  const std::filesystem::path& path() const { return path_; }

  static void Write(const std::filesystem::path& file, const std::string& text) {
    std::ofstream(file) << text;
  }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

}  // namespace kestrix
