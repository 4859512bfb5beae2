#include "gfx/GameImage.h"

#include "ToolkitTest.h"
#include "gfx/Shadow.h"
#include "gfx/TrimData.h"

class GameImageTest : public RecordingTest {};

TEST_F(GameImageTest, TrimmedPictureDrawsAtItsOriginalPlace) {
  auto img = TGameImage::CreateFromImage(Picture(10, 6), "CROPPED", 1);
  EXPECT_EQ(img->midhandled, 1);
  auto trim = std::make_shared<TTrimData>();
  trim->xOffset = 5;
  trim->yOffset = 7;
  trim->originalWidth = 40;
  trim->originalHeight = 30;
  img->SetTrimHandle(trim);
  EXPECT_EQ(img->GetWidth(), 40);
  EXPECT_EQ(img->GetHeight(), 30);
  EXPECT_EQ(img->w, 10);
  img->Draw(100, 200);
  ASSERT_EQ(rec->recorded.size(), 1u);
  EXPECT_FLOAT_EQ(X(0), 105.0f);
  EXPECT_FLOAT_EQ(Y(0), 207.0f);
  EXPECT_FLOAT_EQ(rec->recorded[0].vertices[2].x, 115.0f);
  EXPECT_FLOAT_EQ(rec->recorded[0].vertices[2].y, 213.0f);
}

TEST_F(GameImageTest, ShadowDrawsBlackFirstAndLeavesWhiteOpaque) {
  auto img = TGameImage::CreateFromImage(Picture(8, 8), "DOT", 0);
  SetColor(10, 20, 30);
  SetAlpha(0.3f);
  TShadow shadow;
  shadow.Init(2, 3, 0.5f);
  img->Draw(50, 60, 0, &shadow);
  ASSERT_EQ(rec->recorded.size(), 2u);
  EXPECT_FLOAT_EQ(X(0), 52.0f);
  EXPECT_FLOAT_EQ(Y(0), 63.0f);
  EXPECT_EQ(Red(0), 0);
  EXPECT_EQ(AlphaByte(0), 127);
  EXPECT_FLOAT_EQ(X(1), 50.0f);
  EXPECT_EQ(Red(1), 255);
  EXPECT_EQ(AlphaByte(1), 255);
  EXPECT_EQ(img->CalcRAM(), 8 * 8 * 4);

  auto odd = TGameImage::CreateFromImage(Picture(33, 21, 2), "ODD", 0);
  EXPECT_EQ(odd->CalcVRAM(), 64 * 32 * 4 * 2);
  odd->MidHandle(1);
  rec->Clear();
  odd->Draw(100, 100, 1);
  EXPECT_FLOAT_EQ(X(0), 100.0f - 16.5f);
}
