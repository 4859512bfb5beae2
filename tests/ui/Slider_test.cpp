// The slider: values along the track, at both ends and beside it, where presses are
// caught, and a track too narrow for its margins.
#include <gtest/gtest.h>

#include "ui/MousePointer.h"
#include "ui/Slider.h"
#include "ui/WidgetFixture.h"

class SliderTest : public WidgetTest {
 protected:
  // A 200 x 20 track at (100, 50) with side margins of 8 and a 10 x 20 knob.
  TSliderPtr MakeSlider(int trackWidth = 200, int border = 8) {
    auto slider = std::make_shared<TSlider>();
    slider->x = 100;
    slider->y = 50;
    slider->Border = border;
    slider->BorderY = 5;
    slider->SetImages(BankPicture(trackWidth, 20, "TRACK"), BankPicture(10, 20, "DOT"));
    slider->Init();
    return slider;
  }
  int HoldAt(TSlider& slider, int x, int y) {
    PointAt(x, y);
    Pointer().ButtonDown(1);
    return slider.Manage();
  }
  // The button still held from an earlier update, the pointer moved to (x, y).
  int DragTo(TSlider& slider, int x, int y) {
    PointAt(x, y);
    Pointer().ClearMouseHit();
    return slider.Manage();
  }
};

TEST_F(SliderTest, ValueFollowsThePointerAlongTheUsableTrack) {
  auto slider = MakeSlider();
  EXPECT_EQ(slider->Value, 50);
  EXPECT_EQ(slider->DotX, 100 + 8 + 92);
  EXPECT_EQ(HoldAt(*slider, 108, 60), 1);
  EXPECT_EQ(slider->Value, 0) << "at the start of the usable track";
  HoldAt(*slider, 101, 60);
  EXPECT_EQ(slider->Value, 0);
  HoldAt(*slider, 292, 60);
  EXPECT_EQ(slider->Value, 100) << "at its end";
  EXPECT_EQ(slider->DotX, 100 + 8 + 184);
  HoldAt(*slider, 200, 60);
  EXPECT_EQ(slider->Value, 50);
  HoldAt(*slider, 109, 60);
  EXPECT_EQ(slider->Value, 1) << "0.54 rounds to 1";
  EXPECT_EQ(HoldAt(*slider, 200, 60), 1) << "held over it: 1 every update, changed or not";

  // Beside the track, within the catch: pinned to the nearer end.
  HoldAt(*slider, 91, 46);
  EXPECT_EQ(slider->Value, 0);
  HoldAt(*slider, 309, 74);
  EXPECT_EQ(slider->Value, 100);
  // Beyond the catch: nothing happens.
  EXPECT_EQ(HoldAt(*slider, 89, 60), 0);
  EXPECT_EQ(HoldAt(*slider, 310, 60), 0);
  EXPECT_EQ(HoldAt(*slider, 200, 44), 0);
  EXPECT_EQ(HoldAt(*slider, 200, 75), 0);
  EXPECT_EQ(slider->Value, 100);
  EXPECT_EQ(slider->MouseOver, 0);
  // Over it without the button: hovering only.
  Pointer().ButtonUp(1);
  PointAt(150, 60);
  EXPECT_EQ(slider->Manage(), 0);
  EXPECT_EQ(slider->MouseOver, 1);
  EXPECT_EQ(slider->Value, 100);
  // Switched off, it takes nothing.
  slider->active = 0;
  EXPECT_EQ(HoldAt(*slider, 150, 60), 0);

  slider->SetValue(130);
  EXPECT_EQ(slider->Value, 100);
  slider->SetValue(-4);
  EXPECT_EQ(slider->Value, 0);
  EXPECT_EQ(slider->DotX, 108);
}

TEST_F(SliderTest, APressHoldsTheSliderUntilReleasedSoAFastDragReachesEitherEnd) {
  auto slider = MakeSlider();
  HoldAt(*slider, 200, 60);
  // One update later the pointer is far past the right end, and off the track's height.
  EXPECT_EQ(DragTo(*slider, 700, 200), 1);
  EXPECT_EQ(slider->Value, 100);
  EXPECT_EQ(DragTo(*slider, 0, 5), 1);
  EXPECT_EQ(slider->Value, 0);
  // Let go far away: the slider no longer follows.
  Pointer().ButtonUp(1);
  EXPECT_EQ(slider->Manage(), 0);
  PointAt(700, 60);
  EXPECT_EQ(slider->Manage(), 0);
  EXPECT_EQ(slider->Value, 0);

  // A button pressed elsewhere and dragged across moves it only while over it.
  HoldAt(*slider, 700, 300);
  EXPECT_EQ(DragTo(*slider, 200, 60), 1);
  EXPECT_EQ(slider->Value, 50);
  EXPECT_EQ(DragTo(*slider, 700, 300), 0);
  EXPECT_EQ(slider->Value, 50);
  Pointer().ButtonUp(1);
  slider->Manage();
}

TEST_F(SliderTest, TrackWithNoUsableWidthGivesZero) {
  for (int width : {16, 10}) {
    auto slider = MakeSlider(width, 8);
    for (int x : {95, 100, 108, 109, 112, 115}) {
      EXPECT_EQ(HoldAt(*slider, x, 60), 1);
      EXPECT_EQ(slider->Value, 0) << "width " << width << " at " << x;
    }
    slider->SetValue(100);
    EXPECT_EQ(slider->DotX, 108) << "the knob stays at the margin";
  }
}

TEST_F(SliderTest, DrawsTrackThenKnob) {
  auto slider = MakeSlider();
  slider->SetValue(25);
  slider->Draw();
  ASSERT_EQ(rec->recorded.size(), 2u);
  EXPECT_FLOAT_EQ(X(0), 100);
  EXPECT_FLOAT_EQ(Y(0), 50);
  EXPECT_FLOAT_EQ(X(1), 100 + 8 + 46);
}
