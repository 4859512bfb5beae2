// A wide full screen keeps the 4:3 picture in shape between side bars; side pictures,
// when the game sets them, are drawn in the bars against the picture's edges, and
// nothing is drawn there for a display of the picture's own shape.
#include <gtest/gtest.h>

#include "app/GameDisplay.h"
#include "core/Settings.h"
#include "gfx/GameImage.h"
#include "gfx/ToolkitTest.h"

class WidescreenBordersTest : public GameRecordingTest {
 protected:
  void Wide(int desktopW, int desktopH) {
    Settings().FullScreen = 1;
    Settings().WideScreen = 1;
    GameDisplay().DrawWidescreenBorders = 1;
    GameDisplay().DesktopWidth = desktopW;
    GameDisplay().DesktopHeight = desktopH;
    GameDisplay().WindowWidth = 800;
    GameDisplay().WindowHeight = 600;
    GameDisplay().DoSetVirtualResolution(0);
  }
};

TEST_F(WidescreenBordersTest, SidePicturesSitInTheBarsAgainstThePicture) {
  GameDisplay().LeftBorderImage = TGameImage::CreateFromImage(Picture(140, 600), "LEFT", 0);
  GameDisplay().RightBorderImage = TGameImage::CreateFromImage(Picture(140, 600), "RIGHT", 0);
  Wide(1920, 1080);
  ASSERT_EQ(GameDisplay().UsingVirtualResolution, 1);
  rec->Clear();
  GameDisplay().DoDrawWidescreenBorders();
  ASSERT_EQ(rec->recorded.size(), 2u);
  EXPECT_FLOAT_EQ(X(0), 133 - 140) << "the left one ends where the picture begins";
  EXPECT_FLOAT_EQ(X(1), 133 + 800 - 3);
  int x, y, w, h;
  GetViewport(x, y, w, h);
  EXPECT_EQ(x, 133) << "the picture's own viewport is back afterwards";
  EXPECT_EQ(w, 798);

  // A 4:3 desktop has no bars to draw in.
  Wide(1600, 1200);
  rec->Clear();
  GameDisplay().DoDrawWidescreenBorders();
  EXPECT_TRUE(rec->recorded.empty());
  Settings().FullScreen = 0;
}
