// Buttons: hit areas, hover and click, keys, pressed pictures, growth, dragging, loading.
#include <gtest/gtest.h>

#include <stdexcept>

#include "ui/Button.h"
#include "ui/MousePointer.h"
#include "ui/WidgetFixture.h"

namespace {
// Counts the sounds a button asks for, then plays them as usual.
class TCountingButton : public TButton {
 public:
  int hovers = 0, clicks = 0;
  void PlayMouseOver() override {
    ++hovers;
    TButton::PlayMouseOver();
  }
  void PlayClick() override {
    ++clicks;
    TButton::PlayClick();
  }
};

}  // namespace

class ButtonTest : public WidgetTest {
 protected:
  std::shared_ptr<TCountingButton> MakeButton(int w, int h, float x, float y) {
    auto b = std::make_shared<TCountingButton>();
    b->SetImages(BankPicture(w, h));
    b->MoveTo(x, y);
    return b;
  }
};

TEST_F(ButtonTest, HitAreasEndExactlyAtTheirEdges) {
  auto b = MakeButton(100, 40, 10, 10);
  EXPECT_TRUE(b->HitTest(10, 10));
  EXPECT_TRUE(b->HitTest(109, 49));
  EXPECT_FALSE(b->HitTest(110, 49));
  EXPECT_FALSE(b->HitTest(109, 50));
  EXPECT_FALSE(b->HitTest(9, 30));
  // The menu's offset moves the hit area with the picture.
  b->offx = 50;
  EXPECT_FALSE(b->HitTest(20, 20));
  EXPECT_TRUE(b->HitTest(60, 20));
  EXPECT_TRUE(b->HitTest(159, 20));
  b->offx = 0;

  // A round hit area about the picture's centre, its rim included.
  auto round = MakeButton(40, 40, 0, 0);
  round->SetCircularCollision(20);
  EXPECT_TRUE(round->HitTest(34, 20));
  EXPECT_TRUE(round->HitTest(40, 20));
  EXPECT_FALSE(round->HitTest(41, 20));
  EXPECT_FALSE(round->HitTest(3, 3)) << "a corner of the picture is outside the circle";

  // An explicit box replaces the picture's rectangle and travels with the button.
  b->SetBoundingBox(10, 5, 30, 25, 1, 1);
  EXPECT_TRUE(b->HitTest(20, 15));
  EXPECT_TRUE(b->HitTest(39, 34));
  EXPECT_FALSE(b->HitTest(40, 34));
  EXPECT_FALSE(b->HitTest(12, 12));
  b->MoveBy(100, 0);
  EXPECT_TRUE(b->HitTest(120, 15));
  b->SetBoundingBoxAuto(0.5f, 0.5f);
  EXPECT_TRUE(b->HitTest(110 + 25, 10 + 10));
  EXPECT_FALSE(b->HitTest(110 + 24, 10 + 10));
  EXPECT_TRUE(b->HitTest(110 + 74, 10 + 29));
  EXPECT_FALSE(b->HitTest(110 + 75, 10 + 29));

  // Through Manage the pointer lights the button up, on the same edges.
  auto m = MakeButton(100, 40, 10, 10);
  PointAt(109, 49);
  m->Manage();
  EXPECT_EQ(m->MouseOver, 1);
  PointAt(110, 49);
  m->Manage();
  EXPECT_EQ(m->MouseOver, 0);
}

TEST_F(ButtonTest, HoverSoundOncePerEntryAndOneClickPerPress) {
  auto b = MakeButton(100, 40, 10, 10);
  PointAt(50, 20);
  b->Manage();
  b->Manage();
  b->Manage();
  EXPECT_EQ(b->hovers, 1) << "staying over the button does not repeat the sound";
  PointAt(500, 20);
  b->Manage();
  EXPECT_EQ(b->MouseOver, 0);
  PointAt(50, 20);
  b->Manage();
  EXPECT_EQ(b->hovers, 2) << "leaving and coming back plays it again";
  PointAt(500, 20);
  b->Manage();
  PointAt(50, 20);
  b->ManageNoSound();
  EXPECT_EQ(b->hovers, 2);
  EXPECT_EQ(b->MouseOver, 1);

  // Two buttons on top of each other: the press reaches only the first one asked.
  auto under = MakeButton(100, 40, 10, 10);
  Press();
  b->Manage();
  under->Manage();
  EXPECT_EQ(b->Clicked, 1);
  EXPECT_EQ(b->clicks, 1);
  EXPECT_EQ(under->Clicked, 0);
  EXPECT_EQ(Pointer().GetMh(0), 0) << "the press was taken";
  // The click lasts one update.
  b->Manage();
  EXPECT_EQ(b->Clicked, 0);
  EXPECT_EQ(b->clicks, 1);

  // A right-button press clicks nothing; a press elsewhere is left for others.
  Pointer().ButtonDown(2);
  Pointer().ButtonUp(2);
  b->Manage();
  EXPECT_EQ(b->Clicked, 0);
  PointAt(500, 300);
  Press();
  b->Manage();
  EXPECT_EQ(b->Clicked, 0);
  EXPECT_EQ(Pointer().GetMh(0), 1);
}

TEST_F(ButtonTest, EnterAndSpaceClickTheOKButton) {
  auto b = MakeButton(100, 40, 10, 10);
  PointAt(500, 500);
  b->Manage();
  Key(13);
  b->Manage();
  EXPECT_EQ(b->Clicked, 0) << "only the OK button answers keys";
  b->OKButton = 1;
  Key(13);
  b->Manage();
  EXPECT_EQ(b->Clicked, 1);
  EXPECT_EQ(b->clicks, 1);
  b->Manage();
  EXPECT_EQ(b->Clicked, 0);
  Key(32);
  b->Manage();
  EXPECT_EQ(b->Clicked, 1);
  // Without Space (a name field wants it), Space is left for the typing.
  b->OKButtonUseSpace = 0;
  Key(32);
  b->Manage();
  EXPECT_EQ(b->Clicked, 0);
  EXPECT_EQ(InputKeyHit(32), 1);
  // A disabled button that does not take clicks ignores the keys too.
  b->OKButtonUseSpace = 1;
  b->Disabled = 1;
  b->ClickDisabled = 0;
  Key(13);
  b->Manage();
  EXPECT_EQ(b->Clicked, 0);
  // Disabled with the default ClickDisabled still reacts.
  b->ClickDisabled = 1;
  b->Manage();
  EXPECT_EQ(b->Clicked, 1);
}

TEST_F(ButtonTest, PressedPictureDoubleClickAndDisabledPicture) {
  auto normal = BankPicture(100, 40, "N"), over = BankPicture(100, 40, "O"), down = BankPicture(100, 40, "D");
  auto b = std::make_shared<TCountingButton>();
  b->SetImages(normal, over, down);
  EXPECT_FLOAT_EQ(b->MouseClickDuration, 40) << "200 ms of 5 ms ticks";
  for (const auto& p : {normal, over, down}) p->Precache();
  auto pageOf = [](const std::shared_ptr<TGameImage>& p) { return p->image->Frame(0)->page.get(); };
  auto drawn = [&] {
    rec->Clear();
    b->Draw();
    return rec->recorded.empty() ? nullptr : rec->recorded.back().page;
  };
  EXPECT_EQ(drawn(), pageOf(normal));
  PointAt(5, 5);
  b->Manage();
  EXPECT_EQ(drawn(), pageOf(over));
  Press();
  b->Manage();
  EXPECT_EQ(b->Clicked, 1);
  EXPECT_EQ(drawn(), pageOf(down));
  // While the pressed picture shows a new click is ignored, and so is the hover sound.
  EXPECT_EQ(b->Click(0), 0);
  for (int i = 0; i < 38; ++i) b->Manage();
  EXPECT_GT(b->MouseClickCounter, 0);
  b->Manage();
  EXPECT_EQ(b->MouseClickCounter, 0);
  EXPECT_EQ(b->Click(0), 1);
  b->ClickWhenDown = 1;
  EXPECT_EQ(b->Click(0), 1);
  // Kept down until the owner clears it.
  b->ClearClick();
  b->ClickWhenDown = 0;
  b->StayDown = 1;
  b->Click(0);
  for (int i = 0; i < 100; ++i) b->Manage();
  EXPECT_FLOAT_EQ(b->MouseClickCounter, 40);
  b->ClearClick();
  EXPECT_EQ(b->MouseClickCounter, 0);
  b->StayDown = 0;

  // Two presses within the double-click time.
  b->SetImages(normal, over);
  b->SetDoubleClickTime(500);
  Press();
  b->Manage();
  for (int i = 0; i < 50; ++i) b->Manage();
  Press();
  b->Manage();
  EXPECT_EQ(b->GetDoubleClicked(), 1);
  EXPECT_EQ(b->GetDoubleClicked(), 0);
  // Too slow: no double click.
  Press();
  b->Manage();
  for (int i = 0; i < 101; ++i) b->Manage();
  Press();
  b->Manage();
  EXPECT_EQ(b->GetDoubleClicked(), 0);

  // A disabled button shows its disabled picture; an inactive one shows nothing.
  auto off = BankPicture(100, 40, "X");
  off->Precache();
  b->ImageDisabled = off;
  b->Disabled = 1;
  PointAt(500, 500);
  b->Manage();
  EXPECT_EQ(drawn(), pageOf(off));
  b->Active = 0;
  EXPECT_EQ(drawn(), nullptr);
  b->AlwaysDraw = 1;
  EXPECT_EQ(drawn(), pageOf(off));
}

TEST_F(ButtonTest, GrowsAboutItsCentreOnHover) {
  auto b = MakeButton(100, 40, 10, 10);
  b->SetupScaleOnMO(1.2f, 0.03f, 0.01f, 0);
  PointAt(50, 20);
  b->Manage();
  EXPECT_FLOAT_EQ(b->ScaleOnMO, 1.03f);
  for (int i = 0; i < 20; ++i) b->Manage();
  EXPECT_FLOAT_EQ(b->ScaleOnMO, 1.2f);
  rec->Clear();
  b->Draw();
  ASSERT_FALSE(rec->recorded.empty());
  const auto& v = rec->recorded.back().vertices;
  EXPECT_NEAR(v[0].x, 0, 1e-3);
  EXPECT_NEAR(v[0].y, 6, 1e-3);
  EXPECT_NEAR(v[2].x - v[0].x, 120, 1e-3);
  EXPECT_NEAR(v[2].y - v[0].y, 48, 1e-3);
  float sx, sy;
  GetScale(sx, sy);
  EXPECT_EQ(sx, 1) << "the drawing scale is put back";
  PointAt(500, 500);
  b->Manage();
  EXPECT_NEAR(b->ScaleOnMO, 1.19f, 1e-5);
  for (int i = 0; i < 30; ++i) b->Manage();
  EXPECT_FLOAT_EQ(b->ScaleOnMO, 1);

  // A delay holds the growth back.
  b->SetupScaleOnMO(1.2f, 0.03f, 0.01f, 50);
  PointAt(50, 20);
  for (int i = 0; i < 10; ++i) b->Manage();
  EXPECT_FLOAT_EQ(b->ScaleOnMO, 1);
  b->Manage();
  EXPECT_GT(b->ScaleOnMO, 1);
}

TEST_F(ButtonTest, ADraggedButtonKeepsTheOthersStill) {
  auto dragged = MakeButton(50, 50, 100, 100);
  dragged->Draggable = 1;
  auto other = MakeButton(300, 300, 0, 0);
  other->SetupScaleOnMO(1.2f, 0.03f, 0.01f, 0);
  PointAt(110, 120);
  Pointer().ButtonDown(1);
  dragged->Manage();
  EXPECT_EQ(dragged->Dragging, 1);
  EXPECT_EQ(dragged->Clicked, 0) << "a draggable button is dragged, not clicked";
  EXPECT_EQ(TButton::DraggedButton, dragged.get());
  PointAt(210, 170);
  dragged->Manage();
  other->Manage();
  EXPECT_FLOAT_EQ(dragged->x, 200);
  EXPECT_FLOAT_EQ(dragged->y, 150);
  EXPECT_EQ(other->MouseOver, 0);
  EXPECT_EQ(other->ScaleOnMO, 1);
  Pointer().ButtonUp(1);
  dragged->Manage();
  other->Manage();
  EXPECT_EQ(TButton::DraggedButton, nullptr);
  EXPECT_EQ(other->MouseOver, 1);
  // A button killed mid-drag lets the others go.
  Pointer().ButtonDown(1);
  PointAt(210, 160);
  dragged->Manage();
  ASSERT_EQ(TButton::DraggedButton, dragged.get());
  dragged->Kill();
  EXPECT_EQ(TButton::DraggedButton, nullptr);
  Pointer().ButtonUp(1);
}

TEST_F(ButtonTest, PicturesAreFoundWhateverTheirLetterCase) {
  UseProgramFolder();
  Game->SetMenuPath("Data/menus");
  WritePicture("Data/Menus/OK.png", 60, 30);
  WritePicture("Data/Menus/OKMO.png", 60, 30);
  WritePicture("Data/Menus/ClassicLevels.png", 80, 20);
  WritePicture("Data/Menus/Menu.png", 70, 25);
  auto ok = std::make_shared<TButton>();
  ok->UseMenuPath = 1;
  ok->Load("ok", "okMO", "", "");
  EXPECT_EQ(ok->name, "OK");
  EXPECT_EQ(ok->w, 60);
  ASSERT_NE(ok->ImageMouseOver, nullptr);
  EXPECT_NE(ok->ImageMouseOver, ok->image);
  // A hover picture that does not exist is the normal picture.
  auto levels = std::make_shared<TButton>();
  levels->UseMenuPath = 1;
  levels->Load("classiclevels", "classiclevelsMO", "", "");
  EXPECT_EQ(levels->h, 20);
  EXPECT_EQ(levels->ImageMouseOver, levels->image);
  auto menu = std::make_shared<TButton>();
  menu->UseMenuPath = 1;
  menu->Load("menu", "", "", "");
  EXPECT_EQ(menu->w, 70);
  EXPECT_EQ(menu->ImageMouseOver, nullptr) << "no hover picture asked for";
  // A missing picture is fatal, named as asked for.
  auto missing = std::make_shared<TButton>();
  missing->UseMenuPath = 1;
  try {
    missing->Load("play", "", "", "");
    ADD_FAILURE() << "a missing picture must be reported";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Error loading bitmap Data/menus/play.png");
  }
}

TEST_F(ButtonTest, CaptionTravelsWithTheButton) {
  auto b = MakeButton(100, 40, 10, 10);
  b->SetupCaption("||", nullptr, TColor::Create(255, 0, 0));
  b->MoveTo(110, 110);
  EXPECT_FLOAT_EQ(b->Caption->X, 160);
  EXPECT_FLOAT_EQ(b->Caption->Y, 130);
  rec->Clear();
  b->Draw();
  // The picture, then two glyphs centred on the button in the caption's colour.
  ASSERT_EQ(rec->recorded.size(), 3u);
  EXPECT_FLOAT_EQ(X(1), 160 - 8);
  EXPECT_FLOAT_EQ(Y(1), 130 - 8);
  EXPECT_EQ(Red(1), 255);
  EXPECT_EQ(int((rec->recorded[1].vertices[0].rgba >> 8) & 0xff), 0);
}
