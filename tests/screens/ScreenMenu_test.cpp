// The screen base runs its menu: lit up on entry without a sound, managed every
// update, drawn every frame, killed when the screen is left.
#include <gtest/gtest.h>

#include "screens/Screen.h"
#include "screens/ScreenSwitch.h"
#include "ui/Menu.h"
#include "ui/WidgetFixture.h"

namespace {
class TQuietButton : public TButton {
 public:
  int hovers = 0;
  void PlayMouseOver() override { ++hovers; }
};
}  // namespace

class ScreenMenuTest : public WidgetTest {};

TEST_F(ScreenMenuTest, TheBaseScreenRunsItsMenu) {
  TScreen screen;
  screen.Menu = TMenu::Create("", "");
  auto button = std::make_shared<TQuietButton>();
  button->SetImages(BankPicture(100, 40));
  button->name = "GO";
  button->MoveTo(200, 200);
  screen.Menu->Buttons.push_back(button);

  PointAt(210, 210);
  screen.CoreStart();
  EXPECT_EQ(Screens().CurrentTScreen, &screen);
  EXPECT_EQ(button->MouseOver, 1) << "the button under the pointer lights up at once";
  EXPECT_EQ(button->hovers, 0) << "without a hover sound";

  Press();
  screen.Logic();
  EXPECT_EQ(screen.Menu->Clicked("go"), 1);

  rec->Clear();
  screen.Draw();
  EXPECT_EQ(rec->recorded.size(), 1u);
  EXPECT_FLOAT_EQ(X(0), 200);

  button->SetupCaption("x", nullptr);
  screen.Kill();
  EXPECT_EQ(screen.Menu, nullptr);
  EXPECT_EQ(button->Caption, nullptr) << "the buttons were killed with the menu";
  rec->Clear();
  screen.Logic();
  screen.Draw();
  EXPECT_TRUE(rec->recorded.empty());
  Screens().CurrentTScreen = nullptr;
}
