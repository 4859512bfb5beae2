#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "gfx/BitmapFile.h"
#include "platform/Files.h"
#include "platform/Wallpaper.h"
#include "support/TestFolder.h"

TEST(Wallpaper, PictureWithASpaceInItsPathBecomesTheWallpaper) {
  ASSERT_NE(std::getenv("DISPLAY"), nullptr);
  TPixmap p;
  p.width = 3;
  p.height = 2;
  p.format = PF_RGB888;
  p.pitch = 9;
  p.pixels.assign(18, 120);
  std::string bytes;
  WriteBitmap(bytes, p);
  std::string folder = TestFolder(" with a space").string() + "/";
  ASSERT_TRUE(WriteFileSafely(folder + "Tinselvale.bmp", bytes));
  EXPECT_TRUE(SetDesktopWallpaper(folder + "Tinselvale.bmp"));
  EXPECT_FALSE(SetDesktopWallpaper("relative.bmp"));
  // The helper runs programs with their arguments as given: no shell sees "; false".
  std::string out;
  EXPECT_EQ(RunProgram({"echo", "a; false", "$HOME"}, &out), 0);
  EXPECT_EQ(out, "a; false $HOME\n");
  EXPECT_EQ(RunProgram({"no-such-program-tv"}), -1);
  std::filesystem::remove_all(folder);
}
