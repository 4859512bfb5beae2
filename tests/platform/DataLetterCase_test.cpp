// Data files beside the program are found whatever the letter case of their
// names, by every loader alike; files written by the game are not looked up
// that way.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/DataPaths.h"
#include "core/ErrorReport.h"
#include "audio/SoundLoader.h"
#include "game/GameGrid.h"
#include "gfx/GameImage.h"
#include "gfx/ImageBank.h"
#include "gfx/Pixmap.h"
#include "gfx/Sprite.h"
#include "platform/Files.h"
#include "screens/Screen.h"
#include "support/GameFixture.h"
#include "ui/MousePointer.h"

namespace fs = std::filesystem;

namespace {
// Runs the test inside its own folder, as the game runs inside the program folder.
class DataLetterCase : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    old = fs::current_path();
    fs::current_path(folder);
    ClearDataPathCache();
  }
  void TearDown() override {
    fs::current_path(old);
    ClearDataPathCache();
    GameTest::TearDown();
  }
  static void Write(const std::string& path, const std::string& bytes) {
    if (fs::path(path).has_parent_path()) fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
    // Folder listings are kept for the run; the game's data does not change under it.
    ClearDataPathCache();
  }
  fs::path old;
};

std::string Wav() {
  std::string b = "RIFF";
  auto u32 = [&b](uint32_t v) { for (int i = 0; i < 4; ++i) b += char(v >> (8 * i)); };
  auto u16 = [&b](uint16_t v) { b += char(v), b += char(v >> 8); };
  u32(36 + 4);
  b += "WAVEfmt ";
  u32(16), u16(1), u16(1), u32(22050), u32(44100), u16(2), u16(16);
  b += "data";
  u32(4), u32(0);
  return b;
}
}  // namespace

TEST_F(DataLetterCase, EveryLoaderFindsARenamedFile) {
  auto pixels = TPixmap::Create(4, 4, PF_RGBA8888);
  fs::create_directories("Data/graphics");
  ASSERT_TRUE(SavePixmapPNG(*pixels, "Data/graphics/Brick.png"));
  DataPaths().ImagePath = "Data/graphics/";

  auto image = TGameImage::Create("Data/graphics/brick.png", -1, 0);
  ASSERT_TRUE(image);
  EXPECT_TRUE(image->image) << "the game picture loader";
  TImageBank bank;
  bank.SetPath("Data/graphics");
  EXPECT_TRUE(bank.Load("BRICK.png")->image) << "the image bank";
  EXPECT_TRUE(TSprite::CreateFromFile("brick", 0, 0, 0, -1)->image->image) << "sprites from a file";
  TScreen screen;
  screen.Ext = ".png";
  screen.HeaderLoad("bRick", 0, 0, 0);
  EXPECT_TRUE(screen.Header->image->image) << "screen headers";
  TMousePointer pointer;
  pointer.Load("brick");
  EXPECT_TRUE(pointer.Image) << "the pointer picture";

  Write("Data/Sound/Click.wav", Wav());
  EXPECT_TRUE(LoadSound("data/sound/click.wav", 0)) << "sounds";
  Write("Data/Levels/1.txt", "0\n0\n1,1\n0,0\n-1\n");
  auto grid = std::make_shared<TGameGrid>();
  EXPECT_EQ(grid->LoadFile("data/levels/1.TXT"), 1) << "level files";
  std::string bytes;
  Write("Data/Text/Game.txt", "[A]\n");
  EXPECT_EQ(ReadFileChecked("data/text/game.txt"), "[A]\n") << "whole data files";
}

TEST_F(DataLetterCase, TheExactNameWinsAndNothingElseIsGuessed) {
  Write("Data/a.txt", "upper");
  Write("data/a.txt", "lower");
  EXPECT_EQ(ReadFileChecked("data/a.txt"), "lower");
  EXPECT_EQ(ReadFileChecked("Data/a.txt"), "upper");
  std::string bytes;
  EXPECT_TRUE(ReadDataFile("DATA/A.TXT", bytes)) << "some match is found";
  EXPECT_FALSE(ReadDataFile("data/b.txt", bytes));
  // Files the game writes and reads back by their own names are never matched loosely.
  Write("Settings.ini", "x");
  EXPECT_FALSE(ReadWholeFile("settings.ini", bytes));
}
