// Menus: stacking and layout, names and clicks, what a fade or a hidden pointer stops.
#include <gtest/gtest.h>

#include "audio/AudioTestKit.h"
#include "screens/GameFade.h"
#include "screens/ScreenSwitch.h"
#include "ui/Menu.h"
#include "ui/MousePointer.h"
#include "ui/WidgetFixture.h"

class MenuTest : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    UseMenuFolders();
    WritePicture("Data/menus/a.png", 100, 40);
    WritePicture("Data/menus/b.png", 120, 50);
    WritePicture("Data/menus/c.png", 80, 60);
    WritePicture("Data/menus/OK.png", 60, 40);
    WritePicture("Data/menus/OKMO.png", 60, 40);
  }
};

TEST_F(MenuTest, ButtonsStackDownTheScreen) {
  auto menu = TMenu::Create("", "", 0, 100, 10);
  auto a = menu->AddNew("a", "aMO");
  auto b = menu->AddNew("b", "bMO", "second");
  auto c = menu->AddQuick("c");
  EXPECT_FLOAT_EQ(a->y, 100);
  EXPECT_FLOAT_EQ(b->y, 150);
  EXPECT_FLOAT_EQ(c->y, 210);
  EXPECT_EQ(menu->h, 170);
  EXPECT_EQ(menu->NextY, 280);
  EXPECT_FLOAT_EQ(a->x, 350) << "centred across the screen";
  EXPECT_FLOAT_EQ(b->x, 340);
  EXPECT_EQ(b->name, "SECOND");
  EXPECT_EQ(menu->FindButton("Second"), b);
  EXPECT_EQ(menu->FindButton("c"), c);
  EXPECT_EQ(menu->FindButton("b"), nullptr);

  // A pair on one line: the right one beside the left, the taller one sets the step.
  menu->AddPair("c", "a", 7, "pair");
  auto left = menu->FindButton("PAIRC"), right = menu->FindButton("paira");
  ASSERT_NE(left, nullptr);
  ASSERT_NE(right, nullptr);
  EXPECT_FLOAT_EQ(left->y, 280);
  EXPECT_FLOAT_EQ(right->y, 280);
  EXPECT_FLOAT_EQ(right->x, left->x + 80 + 7);
  EXPECT_EQ(menu->NextY, 280 + 60 + 10);

  // The outline of the group, and moving it by its top-left corner.
  EXPECT_EQ(menu->CalcWidth(), int(right->x + 100 - 340));
  menu->MoveTo(20, 30);
  EXPECT_FLOAT_EQ(b->x, 20);
  EXPECT_FLOAT_EQ(a->y, 30);
  menu->MakeColumn(5);
  EXPECT_FLOAT_EQ(b->y - a->y, 45);
  menu->CalcCoords();
  EXPECT_FLOAT_EQ(menu->y, float((600 - menu->CalcHeight()) / 2));
  menu->SetPairX("pairc", "paira", 100);
  EXPECT_FLOAT_EQ(left->x, 100);
  menu->RemoveButton("second");
  EXPECT_EQ(menu->Count(), 4);
  EXPECT_EQ(menu->FindButton("second"), nullptr);

  // An empty menu has no outline and still answers.
  auto empty = TMenu::Create("", "", 0, 0, 0);
  empty->CalcCoords();
  EXPECT_EQ(empty->x, 10000);
  EXPECT_EQ(empty->y, 10000);
  EXPECT_EQ(empty->CalcWidth(), -20000);
  EXPECT_EQ(empty->CalcHeight(), -20000);
  EXPECT_EQ(empty->Manage(), 1);
  EXPECT_EQ(empty->ClickedName, "");
}

TEST_F(MenuTest, AClickIsAnsweredOnce) {
  auto menu = TMenu::Create("", "", 0, 100, 10);
  auto a = menu->AddNew("a", "aMO");
  auto ok = AddOKButton(*menu);
  EXPECT_EQ(ok->name, "OK");
  EXPECT_FLOAT_EQ(ok->y, 600 - 40 - 15);
  EXPECT_FLOAT_EQ(ok->x, 370);
  EXPECT_EQ(ok->OKButton, 1);

  PointAt(int(ok->x) + 5, int(ok->y) + 5);
  Press();
  EXPECT_EQ(menu->Manage(), 1);
  EXPECT_EQ(menu->MouseOverName, "OK");
  EXPECT_EQ(menu->Clicked("a"), 0);
  EXPECT_EQ(menu->Clicked(""), 0);
  EXPECT_EQ(menu->Clicked("ok"), 1);
  EXPECT_EQ(menu->Clicked("OK"), 0) << "answered once";
  EXPECT_EQ(menu->MouseOver("ok"), 1);
  EXPECT_EQ(menu->MouseOver("ok"), 1) << "hover answers as often as asked";
  menu->Manage();
  EXPECT_EQ(menu->ClickedName, "");

  // Enter clicks the OK button wherever the pointer is.
  PointAt(0, 0);
  Key(13);
  menu->Manage();
  EXPECT_EQ(menu->Clicked("ok"), 1);

  // While the screen fades, buttons are left alone and the names keep their values.
  PointAt(int(a->x) + 1, int(a->y) + 1);
  Press();
  menu->Manage();
  ASSERT_EQ(menu->ClickedName, "A");
  Screens().GameFade->Active = 1;
  Press();
  EXPECT_EQ(menu->Manage(), 0);
  EXPECT_EQ(menu->ClickedName, "A");
  EXPECT_EQ(Pointer().GetMh(0), 1) << "the press waits for the screen";
  Screens().GameFade->Active = 0;
  menu->AcceptInput = 0;
  EXPECT_EQ(menu->Manage(), 0);
  menu->AcceptInput = 1;
  Pointer().Off();
  EXPECT_EQ(menu->Manage(), 0);
  Pointer().On();
  EXPECT_EQ(menu->Manage(), 1);
  EXPECT_EQ(menu->Clicked("a"), 1);

  // A menu offset slides the hit areas and the pictures together.
  PointAt(int(a->x) + 1, int(a->y) + 1);
  menu->Manage(200, 0);
  EXPECT_EQ(menu->MouseOverName, "");
  PointAt(int(a->x) + 201, int(a->y) + 1);
  menu->Manage(200, 0);
  EXPECT_EQ(menu->MouseOverName, "A");
  rec->Clear();
  menu->Draw(200, 0);
  ASSERT_FALSE(rec->recorded.empty());
  EXPECT_FLOAT_EQ(X(0), a->x + 200);

  menu->Kill();
  EXPECT_EQ(menu->Count(), 0);
}

TEST_F(MenuTest, MenuSoundsAreSharedByItsButtons) {
  std::filesystem::create_directories("Data/sound");
  audiotest::WriteBytes("Data/sound/buttonClick.wav", audiotest::MakeWav(1, 16, 22050, std::vector<int16_t>(64, 0)));
  auto menu = TMenu::Create("", "buttonclick", 0, 0, 0);
  EXPECT_EQ(menu->SoundMouseOver, nullptr);
  ASSERT_NE(menu->SoundClick, nullptr);
  auto a = menu->AddQuick("a");
  EXPECT_EQ(a->SoundClick, menu->SoundClick);
  EXPECT_EQ(a->SoundMouseOver, nullptr);
  EXPECT_THROW(TMenu::Create("buttonMO", "", 0, 0, 0), std::runtime_error);
}
