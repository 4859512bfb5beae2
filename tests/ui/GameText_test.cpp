// The game text table: blocks, keys in any letter case, line ends, damaged files.
#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/GameText.h"
#include "ui/WidgetFixture.h"

using Lines = std::vector<std::string>;

class GameTextTest : public WidgetTest {};

TEST_F(GameTextTest, BlocksKeysAndLineEnds) {
  TGameText text;
  text.Parse(
      "[TEXT]\r\nWelcome\r\nWelcome back,\r\n"
      "[text]\r\nInstructions 1\r\nFirst line\r\n\r\nThird line\r\n"
      "[Text]\r\nEmpty\r\n"
      "[TEXT]\r\nwelcome\r\nHello again,\r\n");
  // Keys are found whatever their letter case; a later block replaces an earlier one.
  EXPECT_EQ(text.FindString("WELCOME"), "Hello again,");
  EXPECT_EQ(text.FindString("Welcome"), "Hello again,");
  EXPECT_EQ(text.Count(), 3);
  // Lines come back without their carriage returns and are joined with CR LF.
  EXPECT_EQ(text.Find("instructions 1"), (Lines{"First line", "", "Third line"}));
  EXPECT_EQ(text.FindString("Instructions 1"), "First line\r\n\r\nThird line");
  // A block without lines, and a key that is not there, both give nothing.
  EXPECT_EQ(text.Find("Empty"), Lines{});
  EXPECT_EQ(text.FindString("Empty"), "");
  EXPECT_EQ(text.FindString("Missing"), "");
  EXPECT_TRUE(text.Find("Missing").empty());

  // The same file with bare LF line ends reads the same.
  TGameText lf;
  lf.Parse("[TEXT]\nInstructions 1\nFirst line\n\nThird line\n");
  EXPECT_EQ(lf.Find("Instructions 1"), text.Find("Instructions 1"));
  // Reading again forgets what was there.
  lf.Parse("[TEXT]\nOther\nx");
  EXPECT_EQ(lf.FindString("Instructions 1"), "");
  EXPECT_EQ(lf.FindString("other"), "x");
  EXPECT_TRUE(reports.empty());
}

TEST_F(GameTextTest, DamagedFiles) {
  TGameText text;
  // A header as the very last line, with or without a line end, ends the table.
  text.Parse("[TEXT]\nA\none\n[TEXT]");
  EXPECT_EQ(text.FindString("A"), "one");
  EXPECT_EQ(text.Count(), 1);
  text.Parse("[TEXT]\nA\none\n[TEXT]\r\n");
  EXPECT_EQ(text.Count(), 1);
  // Two headers in a row make no block; reading carries on at the second.
  text.Parse("[TEXT]\n[TEXT]\nB\ntwo\n");
  EXPECT_EQ(text.Count(), 1);
  EXPECT_EQ(text.FindString("B"), "two");
  EXPECT_EQ(text.FindString("[TEXT]"), "");
  // A text line that opens with "[" ends its block and must itself be a header.
  EXPECT_THROW(text.Parse("[TEXT]\nC\nthree\n[not a header]\nmore\n"), std::runtime_error);
  ASSERT_FALSE(reports.empty());
  EXPECT_EQ(reports.back(), "[TEXT] header hot found");
  reports.clear();
  EXPECT_THROW(text.Parse("Welcome\n[TEXT]\nA\n"), std::runtime_error);
  EXPECT_EQ(reports, Lines{"[TEXT] header hot found"});
  // An empty file is an empty table.
  text.Parse("");
  EXPECT_EQ(text.Count(), 0);
}

TEST_F(GameTextTest, ReadsTheFileThroughTheCheckedReader) {
  UseProgramFolder();
  std::filesystem::create_directories("Data/Text");
  std::ofstream("Data/Text/GameText.txt", std::ios::binary) << "[TEXT]\nCaf\xE9\nCr\xE8me \x80 5\n";
  // The file is found whatever the letter case of its folder and name.
  auto text = TGameText::Create("Data/text/gametext.txt");
  EXPECT_EQ(text->FindString("caf\xE9"), "Cr\xE8me \x80 5") << "bytes kept as they are";
  reports.clear();
  EXPECT_THROW(TGameText::Create("Data/text/missing.txt"), std::runtime_error);
  EXPECT_EQ(reports, Lines{"Error loading file Data/text/missing.txt"});
}

// The shipped table is in the program's code page: no UTF-8 sequences, every
// block opens with its header, and the sentences the screens ask for are there.
TEST_F(GameTextTest, ShippedFileIsWindows1252AndComplete) {
  std::ifstream in(std::string(TV_SOURCE_DIR) + "/data/text/gametext.txt", std::ios::binary);
  ASSERT_TRUE(in) << "data/text/gametext.txt";
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (size_t i = 0; i + 1 < bytes.size(); ++i) {
    auto lead = static_cast<unsigned char>(bytes[i]), next = static_cast<unsigned char>(bytes[i + 1]);
    EXPECT_FALSE(lead >= 0xC2 && lead <= 0xF4 && next >= 0x80 && next <= 0xBF)
        << "byte " << i << " starts a UTF-8 sequence; save the file as Windows-1252";
  }
  TGameText text;
  text.Parse(bytes);
  for (const char* key : {"Welcome", "Level", "Set Wallpaper", "Click Anywhere", "No More Moves", "Hint"})
    EXPECT_NE(text.FindString(key), "") << key;
}
