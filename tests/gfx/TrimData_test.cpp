#include "gfx/TrimData.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(TrimDataTest, ReadsOffsetsLinesTolerantly) {
  TTrimDataMap map;
  map.Parse(
      "[offsets]\r\n"
      "title.png=12,30,800,600\r\n"
      "Folder/Gem.PNG=1,2,3\n"    // a missing field is 0
      "bad=x,5,-7,99999999999\n"  // not numbers, or out of range, are 0
      "noequals\n"
      "\n"
      "=1,2,3,4\n"  // no name: skipped
      "title=5,5,5,5\n"  // a later line replaces an earlier one
      "snow.flake.png=7,7,7,7");  // a dot in the name itself; last line without newline
  ASSERT_EQ(map.Items.size(), 5u);
  EXPECT_EQ(map.Find("Snow.Flake.png")->xOffset, 7);
  auto t = map.Find("Title.jpg");
  EXPECT_EQ(t->xOffset, 5);
  EXPECT_EQ(t->originalHeight, 5);
  auto g = map.Find("gem");
  EXPECT_EQ(g->xOffset, 1);
  EXPECT_EQ(g->originalWidth, 3);
  EXPECT_EQ(g->originalHeight, 0);
  auto b = map.Find("BAD");
  EXPECT_EQ(b->xOffset, 0);
  EXPECT_EQ(b->yOffset, 5);
  EXPECT_EQ(b->originalWidth, -7);
  EXPECT_EQ(b->originalHeight, 0);
  EXPECT_EQ(map.Find("noequals")->xOffset, 0);
}

TEST(TrimDataTest, MissesAndUnreadableFilesAreFatal) {
  TTrimDataMap map;
  EXPECT_EQ(map.Find("ghost.png", 1), nullptr);
  try {
    map.Find("dir/ghost.png");
    FAIL() << "no report";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "TrimData 'GHOST' was not found in the TrimDataMap");
  }
  try {
    map.LoadDataFile("/nonexistent/trim.txt");
    FAIL() << "no report";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Error loading file /nonexistent/trim.txt");
  }
}
