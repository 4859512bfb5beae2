// Texts against the pictures they sit on, as the built data lays them out: every page
// of the hint scroll ends above its OK button, and the panel's numbers stay in their boxes.
#include <filesystem>

#include "BoardPlayFixture.h"
#include "core/DataPaths.h"
#include "game/GameScreen.h"
#include "game/HintScroll.h"
#include "gfx/Draw.h"
#include "gfx/GameFonts.h"
#include "ui/GameText.h"

TEST_F(BoardPlayTest, EveryHintPageHasItsPictureAndFitsAboveTheOKButton) {
  const std::string built = std::string(TV_BUILD_DIR) + "/";
  if (!std::filesystem::exists(built + "Data/graphics/hintbody.png")) GTEST_SKIP() << "data tree not built";
  DataPaths().DataPrefix = built;
  Game->SetDefaultPaths();
  GameText = TGameText::Create(DataPaths().TextPath + "gametext.txt");
  const TImageFontPtr saved = Font31;
  Font31 = LoadImageFont(built + "Data/fonts/CARD1.dat", 31, 6);
  ASSERT_TRUE(Font31);
  THintScroll scroll;
  for (int page : {1, 2, 3, 4, 5, 6, 7, 8, 9, 15, 16, 17, 21}) {
    scroll.LoadSpecial(page, 5);
    ASSERT_TRUE(scroll.Icon) << page;
    EXPECT_GT(scroll.TotalLines, 0) << page;
    // Lines 30 pixels apart from 50 (or 70) below the picture row; the OK button's top is at 390.
    const int pictureRow = (600 - ImageHeight(scroll.Image)) / 2 + 120;
    const int first = pictureRow + (scroll.TotalLines < 4 ? 70 : 50);
    SetImageFont(Font31);
    const int bottom = first + 30 * (scroll.TotalLines - 1) + TextHeight("Ag");
    EXPECT_LE(bottom, 390) << "page " << page << " has " << scroll.TotalLines << " lines";
    for (const auto& line : scroll.Text) EXPECT_LE(TextWidth(line), scroll.PageWidth) << page << ": " << line;
    scroll.Kill();
  }
  SetImageFont(nullptr);
  Font31 = saved;
  GameText.reset();
}

TEST_F(BoardPlayTest, ThePanelsNumbersFitInsideTheirBoxes) {
  const std::string built = std::string(TV_BUILD_DIR) + "/";
  if (!std::filesystem::exists(built + "Data/fonts/CARD1.dat")) GTEST_SKIP() << "data tree not built";
  const TImageFontPtr saved = Font30;
  Font30 = LoadImageFont(built + "Data/fonts/CARD1.dat", 30, 6);
  ASSERT_TRUE(Font30);
  SetImageFont(TGameScreen::HudFont());
  // The boxes of the panel picture run from x 15 to 134 inside their frames.
  struct Case {
    const char* text;
    int x;
  } cases[] = {{"000000", 15}, {"999999", 15}, {"55", 57}, {"59: 59", 30}, {"99: 59", 30}};
  for (const auto& c : cases) EXPECT_LE(c.x + TextWidth(c.text), 134) << c.text;
  SetImageFont(nullptr);
  Font30 = saved;
}
