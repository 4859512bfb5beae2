// A game object whose profile folder, shared data folder and error log live in the
// test's own temporary folder; error reports are collected instead of shown.
#pragma once
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/DataPaths.h"
#include "core/ErrorReport.h"
#include "platform/Files.h"
#include "support/GameFixture.h"
#include "support/TestFolder.h"

class PlayerTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    profiles = folder / "profiles";
    std::filesystem::create_directories(profiles);
    DataPaths().ProfilePath = profiles.string() + "/";
    oldLogFolder = ErrorLogFolder;
    ErrorLogFolder = folder.string() + "/";
    SetErrorReportHook([this](const std::string& text, int fatal, int) {
      reports.push_back(text);
      if (fatal) throw std::runtime_error("fatal: " + text);
    });
  }
  void TearDown() override {
    SetErrorReportHook(nullptr);
    ErrorLogFolder = oldLogFolder;
    GameTest::TearDown();
  }
  static void Put(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  }
  // Every file below the test's folder, relative to it.
  std::vector<std::string> FilesWritten() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder))
      if (!e.is_directory()) names.push_back(std::filesystem::relative(e.path(), folder).string());
    std::sort(names.begin(), names.end());
    return names;
  }

  std::filesystem::path profiles;
  std::string oldLogFolder;
  std::vector<std::string> reports;
};
