#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/ErrorReport.h"
#include "core/Globals.h"
#include "gfx/CheckedLoaders.h"
#include "platform/Files.h"
#include "support/TestFolder.h"

namespace fs = std::filesystem;

namespace {
void LoadMissingPicture(const std::string& folder) {
  unsetenv("DISPLAY");  // the system box falls back to standard error
  GraphicsReady = 0;
  ArmFatalErrors(true);
  ErrorLogFolder = folder;
  LoadImageChecked("Data/graphics/nothere.png");
}
}  // namespace

TEST(ErrorReportDeathTest, MissingPictureIsLoggedWithItsPathAndEndsWithCodeZero) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  // The death test runs the test again in a child, which finds the same folder.
  std::string folder = TestFolder().string() + "/";
  fs::remove(folder + "ErrorLog.txt");
  EXPECT_EXIT(LoadMissingPicture(folder), ::testing::ExitedWithCode(0),
              "Error loading bitmap Data/graphics/nothere.png");
  std::string log;
  ASSERT_TRUE(ReadWholeFile(folder + "ErrorLog.txt", log));
  EXPECT_NE(log.find("\r\nError loading bitmap Data/graphics/nothere.png\r\n"), std::string::npos);

  // A second report appends a second entry.
  ErrorLogFolder = folder;
  WriteErrorLog("second");
  ASSERT_TRUE(ReadWholeFile(folder + "ErrorLog.txt", log));
  size_t first = log.find(std::string(57, '-'));
  EXPECT_NE(log.find(std::string(57, '-'), first + 57), std::string::npos);
  EXPECT_EQ(log.substr(log.size() - 8), "second\r\n");
  fs::remove_all(folder);
}
