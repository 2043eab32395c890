#pragma once
// A fresh, empty folder that is the current directory for one test.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace kestrix {

class ScratchFolder {
 public:
  ScratchFolder() : m_previous(std::filesystem::current_path()) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    m_path = std::filesystem::temp_directory_path() /
            (std::string("m_kestrix") + info->test_suite_name() + "_" + info->name());
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
    std::filesystem::current_path(m_path);
  }
  ~ScratchFolder() {
    std::filesystem::current_path(m_previous);
    std::filesystem::remove_all(m_path);
  }

  const std::filesystem::path& path() const { return m_path; }

  static void Write(const std::filesystem::path& file, const std::string& text) {
    std::ofstream(file) << text;
  }

 private:
  std::filesystem::path m_previous;
  std::filesystem::path m_path;
};

}  // namespace kestrix
