// The 4:3 picture keeps its shape on a display of any other; with the wide display on,
// the side pictures cover the bars in their own shape against the picture's edges, and
// nothing is drawn there for a display of the picture's own shape.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/GameDisplay.h"
#include "core/Settings.h"
#include "gfx/GameImage.h"
#include "gfx/ToolkitTest.h"

class WidescreenBordersTest : public GameRecordingTest {
 protected:
  void Wide(int w, int h, int wide = 1) {
    rec = UseRecordingScreen(w, h);
    ASSERT_NE(rec, nullptr);
    Settings().FullScreen = 1;
    Settings().WideScreen = wide;
    GameDisplay().DrawWidescreenBorders = 1;
    GameDisplay().DoSetVirtualResolution(0);
  }
  // The side pictures are drawn scaled alike both ways: the far edge of quad i.
  float Right(size_t i, float pictureW) const { return X(i) + pictureW * Scale(i); }
  float Scale(size_t i) const {
    const auto& v = rec->recorded.at(i).vertices;
    float x0 = v.at(0).x, x1 = x0;
    for (const auto& p : v) x1 = std::max(x1, p.x);
    return (x1 - x0) / 140.0f;
  }
};

TEST_F(WidescreenBordersTest, SidePicturesCoverTheBarsInShape) {
  GameDisplay().LeftBorderImage = TGameImage::CreateFromImage(Picture(140, 600), "LEFT", 0);
  GameDisplay().RightBorderImage = TGameImage::CreateFromImage(Picture(140, 600), "RIGHT", 0);
  Wide(1920, 1080);
  ASSERT_EQ(GameDisplay().UsingVirtualResolution, 1);
  rec->Clear();
  GameDisplay().DoDrawWidescreenBorders();
  ASSERT_EQ(rec->recorded.size(), 2u);
  EXPECT_FLOAT_EQ(Right(0, 140), 133) << "the left one ends where the picture begins";
  EXPECT_FLOAT_EQ(X(1), 133 + 800) << "the right one begins where the picture ends";
  EXPECT_FLOAT_EQ(Y(0), 0);
  int x, y, w, h;
  GetViewport(x, y, w, h);
  EXPECT_EQ(x, 133) << "the picture's own viewport is back afterwards";
  EXPECT_EQ(w, 800);
  // Opened to the bars, the viewport reaches the last column of a fractional virtual width.
  GameDisplay().ResetVRViewport();
  GetViewport(x, y, w, h);
  EXPECT_GE(float(w), VirtualResolutionWidth());
  GameDisplay().RestoreVRViewPort();

  // 21:9: a bar wider than the picture; it is enlarged alike both ways, never stretched.
  Wide(2560, 1080);
  rec->Clear();
  GameDisplay().DoDrawWidescreenBorders();
  ASSERT_EQ(rec->recorded.size(), 2u);
  EXPECT_GE(Scale(0) * 140, 311.0f) << "the whole bar is covered";
  EXPECT_FLOAT_EQ(Right(0, 140), 311);
  EXPECT_FLOAT_EQ(Y(0), 300 - 300 * Scale(0)) << "centred up and down, cut at the bar's ends";

  // A portrait monitor: the bars above and below are covered too.
  Wide(1080, 1920);
  rec->Clear();
  GameDisplay().DoDrawWidescreenBorders();
  ASSERT_EQ(rec->recorded.size(), 2u);
  EXPECT_FLOAT_EQ(Y(0), 0);
  EXPECT_GE(Scale(0) * 140, 800.0f);

  // A 4:3 display has no bars to draw in, and with the wide display off they keep the clear colour.
  Wide(1600, 1200);
  rec->Clear();
  GameDisplay().DoDrawWidescreenBorders();
  EXPECT_TRUE(rec->recorded.empty());
  Wide(1920, 1080, 0);
  rec->Clear();
  GameDisplay().DoDrawWidescreenBorders();
  EXPECT_TRUE(rec->recorded.empty());
  Settings().FullScreen = 0;
}
