#include "support/TestFolder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <string>

#include "platform/Files.h"

namespace fs = std::filesystem;

namespace {
// A death test's child is the test program started again; it finds the parent's
// base in its environment, and only the process that made the base removes it.
constexpr const char* kBaseVariable = "TV_TEST_FOLDER_BASE";
std::string ownBase;

void RemoveOwnBase() {
  std::error_code ec;
  if (!ownBase.empty()) fs::remove_all(ownBase, ec);
}

const std::string& Base() {
  static const std::string base = [] {
    if (const char* inherited = std::getenv(kBaseVariable); inherited && *inherited) return std::string(inherited);
    std::string pattern = (fs::temp_directory_path() / "tv-tests-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) return fs::temp_directory_path().string();
    ownBase = pattern;
    ::setenv(kBaseVariable, pattern.c_str(), 1);
    std::atexit(RemoveOwnBase);
    return pattern;
  }();
  return base;
}
}  // namespace

fs::path TestFolder(const std::string& suffix) {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "outside-a-test";
  for (char& c : name)
    if (c == '/') c = '_';  // parameterised names
  fs::path folder = fs::path(Base()) / (name + suffix);
  fs::create_directories(folder);
  return folder;
}

fs::path FreshTestFolder() {
  // The number alone would repeat in children forked from one parent.
  static std::atomic<int> count{0};
  return TestFolder("-" + std::to_string(::getpid()) + "-" + std::to_string(count++));
}

std::string ReadTestFile(const fs::path& path) {
  std::string bytes;
  ReadWholeFile(path.string(), bytes);
  return bytes;
}
