#pragma once
// A directory of its own for one test, named after the test and removed with it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace kestrix {

class ScratchDirectory {
 public:
  ScratchDirectory() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("m_kestrix") + test->test_suite_name() + "_" + test->name() +
                       "_" + std::to_string(::getpid());
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    m_path = std::filesystem::temp_directory_path() / name;
    std::filesystem::create_directories(m_path);
  }
  ~ScratchDirectory() { std::filesystem::remove_all(m_path); }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  std::string Path() const { return m_path.string(); }
  std::string PathOf(const std::string& name) const { return (m_path / name).string(); }

  std::string Write(const std::string& name, const std::string& text) const {
    std::ofstream(PathOf(name), std::ios::binary) << text;
    return PathOf(name);
  }

  std::string Read(const std::string& name) const {
    std::ifstream file(PathOf(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }

 private:
  std::filesystem::path m_path;
};

}  // namespace kestrix
