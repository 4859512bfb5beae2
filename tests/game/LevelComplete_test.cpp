// What follows a won level: the panel's progress and where it leads, the closing
// screen after a pack's last level, the one-time gallery page, and the wallpaper
// file with what the player is told about it.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "RoadFixture.h"
#include "core/DataPaths.h"
#include "gfx/Animation.h"
#include "gfx/Pixmap.h"
#include "screens/ScreenSwitch.h"
#include "ui/Label.h"
#include "ui/Menu.h"

namespace fs = std::filesystem;

namespace {
std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

uint32_t U32(const std::string& b, size_t at) {
  return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 | uint32_t(uint8_t(b[at + 2])) << 16 |
         uint32_t(uint8_t(b[at + 3])) << 24;
}

class TitleScreen : public TScreen {};

// Points at the middle of the panel's "Set Wallpaper" text and clicks it.
void ClickWallpaper(TLevelCompleteScreen& panel) {
  RoadTest::ClickAt(float(panel.LabelX + panel.LabelW / 2), float(panel.LabelY + panel.LabelH / 2));
}
}  // namespace

TEST_F(RoadTest, AWonLevelIsSavedAtOnceAndTheScrollLeadsToTheMap) {
  Win(12, 40);
  EXPECT_EQ(panel.Level, 12);
  EXPECT_EQ(panel.GameFinished, 0);
  EXPECT_EQ(Screens().DestinationTScreen, nullptr) << "the game screen stays under the panel";
  PlayerProgress.Level[0] = 0;
  auto saved = Saved();
  EXPECT_EQ(PlayerProgress.Level[0], 13) << "saved before the tally shows";
  EXPECT_EQ(PlayerProgress.Unlocked[0], 13);
  EXPECT_EQ(saved->Score, 190);

  // Clicks while it unrolls are ignored; once open, Escape rolls it away.
  ClickAnywhere();
  Step(game, 1);
  EXPECT_EQ(panel.Unroll->Reverse, 0);
  Step(game, 90);
  KeyHits[27] = 1;
  Step(game, 1);
  EXPECT_EQ(panel.Unroll->Reverse, 1);
  for (int i = 0; i < 200 && panel.Active == 1; ++i) Step(game, 1);
  EXPECT_EQ(panel.Active, 2);
  EXPECT_FALSE(scroll.Active) << "level 12 unlocks no picture";
  // In the picture state Escape continues.
  KeyHits[27] = 1;
  Step(game, 1);
  EXPECT_EQ(Screens().DestinationTScreen, &map);
}

TEST_F(RoadTest, WinningTheLastLevelEndsThePackAndTheClosingScreenLeadsToTheTitle) {
  LevelPack = 1;
  PlayerProgress.Unlocked[1] = 55;
  Win(55, 900);
  EXPECT_EQ(panel.GameFinished, 1);
  EXPECT_EQ(panel.Level, 55) << "the tally names the level just won";
  EXPECT_EQ(PlayerProgress.Level[1], 1);
  EXPECT_EQ(PlayerProgress.Unlocked[1], 56);
  EXPECT_EQ(LevelPack, 1) << "no jump to the other pack";
  PlayerProgress = {};
  auto saved = Saved();
  EXPECT_EQ(PlayerProgress.Level[1], 1);
  EXPECT_EQ(PlayerProgress.Unlocked[1], 56);
  EXPECT_EQ(saved->Score, 0);
  EXPECT_EQ(saved->Kills, 0);
  EXPECT_EQ(saved->TimeTaken, 0);
  RollAway();
  EXPECT_FALSE(scroll.Active) << "gold levels unlock no pictures";
  KeyHits[13] = 1;
  Step(game, 1);
  EXPECT_EQ(Screens().DestinationTScreen, &finished);

  // The closing screen: the figure fades in, a click leaves slowly for the title,
  // or for the map while there is no title screen.
  game.Kill();
  gameStarted = false;
  Screens().DestinationTScreen = nullptr;
  finished.Load();
  finished.Start();
  EXPECT_FLOAT_EQ(finished.SantaFade->GetRatioInv(), 0);
  Step(finished, 120);
  EXPECT_GT(finished.SantaFade->GetRatioInv(), 0.4f);
  ClickAnywhere();
  Step(finished, 1);
  EXPECT_EQ(Screens().DestinationTScreen, &map);
  TitleScreen title;
  RegisterScreen(TScreenId::Title, &title);
  EXPECT_EQ(finished.SetEscDestination(), 1500);
  EXPECT_EQ(Screens().DestinationTScreen, &title);
  finished.Kill();
}

TEST_F(RoadTest, ClassicLevelTenShowsItsGalleryPageOnlyTheFirstTime) {
  LevelPack = 1;
  Win(10);
  RollAway();
  EXPECT_FALSE(scroll.Active) << "the gold pack's tenth level unlocks nothing";
  EXPECT_EQ(Saved()->HintsShown[90], 0);

  LevelPack = 0;
  Win(10);
  RollAway();
  ASSERT_TRUE(scroll.Active);
  EXPECT_EQ(scroll.Hint, 21);
  EXPECT_EQ(THintScroll::PagePicture(21, panel.Level), "thumb2.png");
  EXPECT_EQ(Saved()->HintsShown[90], 1) << "the gallery's second picture is unlocked";
  // The page is over the picture: a click closes the page, not the panel.
  Step(game, 90);
  ClickAnywhere();
  Step(game, 1);
  for (int i = 0; i < 200 && scroll.Active; ++i) Step(game, 1);
  EXPECT_FALSE(scroll.Active);
  EXPECT_EQ(Screens().DestinationTScreen, nullptr);
  EXPECT_EQ(panel.Active, 2);

  Win(10);
  RollAway();
  EXPECT_FALSE(scroll.Active) << "a second win shows nothing";
}

TEST_F(RoadTest, TheWallpaperIsTheLevelsPictureAsABottomUpBitmap) {
  Win(11);
  RollAway();
  EXPECT_EQ(panel.GetPicName(), "bg1.jpg");
  ClickWallpaper(panel);
  Step(game, 1);
  ASSERT_TRUE(panel.DialogOK);
  EXPECT_EQ(panel.DialogOK->Caption->Text, GameText->FindString("Wallpaper Done"));
  const fs::path file = folder / "Tinselvale.bmp";
  EXPECT_EQ(desktop, fs::absolute(file).string()) << "the desktop is given the written file";

  const std::string b = Bytes(file);
  ASSERT_GE(b.size(), 54u);
  EXPECT_EQ(b.substr(0, 2), "BM");
  EXPECT_EQ(U32(b, 2), 54u + 800 * 3 * 600) << "the size field matches the file";
  EXPECT_EQ(b.size(), 54u + 800 * 3 * 600);
  EXPECT_EQ(U32(b, 10), 54u);
  EXPECT_EQ(U32(b, 18), 800u);
  EXPECT_EQ(U32(b, 22), 600u) << "a positive height: the bottom row comes first";
  EXPECT_EQ(uint8_t(b[28]), 24);
  auto picture = LoadPixmap(DataPaths().ImagePath + "bg1.jpg");
  ASSERT_TRUE(picture);
  const int bpp = picture->BytesPerPixel();
  for (int fileRow : {0, 299, 599}) {
    const uint8_t* row = picture->Row(599 - fileRow);
    for (int x : {0, 401, 799}) {
      const size_t at = 54 + size_t(fileRow) * 2400 + size_t(x) * 3;
      const uint8_t* p = row + x * bpp;
      EXPECT_EQ(uint8_t(b[at]), p[2]) << "blue first, row " << fileRow << " x " << x;
      EXPECT_EQ(uint8_t(b[at + 1]), p[1]);
      EXPECT_EQ(uint8_t(b[at + 2]), p[0]);
    }
  }

  // The message holds the panel until it is answered; then the player may go on.
  ClickAnywhere();
  Step(game, 1);
  KeyHits[13] = 1;
  Step(game, 1);
  EXPECT_FALSE(panel.DialogOK);
  EXPECT_EQ(Screens().DestinationTScreen, nullptr);
  KeyHits[32] = 1;
  Step(game, 1);
  EXPECT_EQ(Screens().DestinationTScreen, &map);
}

TEST_F(RoadTest, AWallpaperThatCannotBeWrittenIsReportedAndNotHandedOn) {
  Win(2);
  RollAway();
  // The shared folder is a file: nothing can be written under it.
  std::ofstream(folder / "blocked") << "x";
  DataPaths().SubPath = (folder / "blocked").string() + "/";
  ClickWallpaper(panel);
  Step(game, 1);
  ASSERT_TRUE(panel.DialogOK);
  EXPECT_EQ(panel.DialogOK->Caption->Text, "Failed to save file " + DataPaths().SubPath + "Tinselvale.bmp");
  ASSERT_TRUE(panel.DialogOK->Caption->Color);
  EXPECT_EQ(panel.DialogOK->Caption->Color->G, 0) << "in the error colour";
  EXPECT_EQ(desktop, "") << "the desktop is not pointed at a missing file";
  EXPECT_FALSE(fs::exists(folder / "Tinselvale.bmp"));
}
