#include <gtest/gtest.h>

#include <cmath>

#include "core/DateTime.h"
#include "core/VirtualLayout.h"

TEST(WindowSize, FitsTheDesktopLessTitleAndTaskBarWhenWindowed) {
  int w = 0, h = 0;
  ASSERT_TRUE(ChooseGraphicsSize(800, 600, 1280, 1024, 0, true, false, w, h));
  EXPECT_EQ(w * 10000 + h, 800 * 10000 + 600);
  ASSERT_TRUE(ChooseGraphicsSize(800, 600, 1024, 600, 0, true, false, w, h));
  EXPECT_EQ(w * 10000 + h, 640 * 10000 + 480);
  ASSERT_TRUE(ChooseGraphicsSize(800, 600, 800, 600, 0, true, false, w, h));
  EXPECT_EQ(w * 10000 + h, 640 * 10000 + 480);
  // Full screen needs no room for bars.
  ASSERT_TRUE(ChooseGraphicsSize(800, 600, 1024, 600, 0, false, false, w, h));
  EXPECT_EQ(w * 10000 + h, 800 * 10000 + 600);
  ASSERT_TRUE(ChooseGraphicsSize(800, 600, 640, 550, 0, true, false, w, h));
  EXPECT_FALSE(ChooseGraphicsSize(800, 600, 640, 549, 0, true, false, w, h));
  EXPECT_FALSE(ChooseGraphicsSize(800, 600, 639, 1000, 0, true, false, w, h));
  EXPECT_FALSE(ChooseGraphicsSize(800, 600, 700, 500, 2, true, false, w, h));
  ASSERT_TRUE(ChooseGraphicsSize(800, 600, 1000, 560, 1, true, false, w, h));
  EXPECT_EQ(w * 10000 + h, 848 * 10000 + 480);
  ASSERT_TRUE(ChooseGraphicsSize(800, 600, 1920, 1080, 0, false, true, w, h));
  EXPECT_EQ(w * 10000 + h, 1920 * 10000 + 1080);
  // The first window is the largest whole multiple of the picture that fits.
  ASSERT_TRUE(ChooseGraphicsSize(800, 600, 2560, 1440, 0, true, false, w, h));
  EXPECT_EQ(w * 10000 + h, 1600 * 10000 + 1200);
  ASSERT_TRUE(ChooseGraphicsSize(800, 600, 3840, 2160, 0, true, false, w, h));
  EXPECT_EQ(w * 10000 + h, 2400 * 10000 + 1800);
  ASSERT_TRUE(ChooseGraphicsSize(800, 600, 1920, 1080, 0, true, false, w, h));
  EXPECT_EQ(w * 10000 + h, 800 * 10000 + 600);
}

TEST(VirtualLayout, ScalingBarsAndMouseMapping) {
  // A window the logical size: nothing to do.
  auto same = TVirtualLayout::Compute(800, 600, 800, 600, 800, 600);
  EXPECT_EQ(same.UsingVirtualResolution, 0);
  EXPECT_TRUE(same.PixelExact());

  // A smaller window scales the picture down; the pointer is scaled back up.
  auto small = TVirtualLayout::Compute(800, 600, 640, 480, 640, 480);
  EXPECT_EQ(small.UsingVirtualResolution, 1);
  EXPECT_FLOAT_EQ(small.RatioX, 1.25f);
  EXPECT_FALSE(small.HasBars());
  EXPECT_FALSE(small.PixelExact());
  int x, y;
  small.DeviceToLogical(639, 479, x, y);
  EXPECT_EQ(x, 799);
  EXPECT_EQ(y, 599);
  small.LogicalToDevice(400, 300, x, y);
  EXPECT_EQ(x, 320);
  EXPECT_EQ(y, 240);

  // 16:9 full screen at the desktop's own mode: scaled by 1.8, bars of whole logical units.
  auto wide = TVirtualLayout::Compute(800, 600, 1920, 1080, 1920, 1080);
  EXPECT_FLOAT_EQ(wide.Scale, 1.8f);
  EXPECT_NEAR(wide.VirtualWidth, 1066.667f, 0.01f);
  EXPECT_FLOAT_EQ(wide.VirtualHeight, 600);
  EXPECT_FLOAT_EQ(wide.vxOff, 133);
  EXPECT_FLOAT_EQ(wide.vyOff, 0);
  EXPECT_EQ(wide.ViewportX, 133);
  EXPECT_EQ(wide.ViewportW, 800);
  EXPECT_FLOAT_EQ(wide.OriginX, 133);
  EXPECT_FALSE(wide.PixelExact()) << "a fractional scale wants linear filtering";
  wide.DeviceToLogical(960, 540, x, y);  // the middle of the display is the middle of the picture
  EXPECT_EQ(x, 400);
  EXPECT_EQ(y, 300);
  wide.DeviceToLogical(0, 0, x, y);  // the left bar lies left of the picture: nothing is there
  EXPECT_EQ(x, -133);
  EXPECT_TRUE(wide.DeviceToLogical(0, 0, x, y, true));
  EXPECT_EQ(x, 0);
  EXPECT_TRUE(wide.DeviceToLogical(1919, 1079, x, y, true));
  EXPECT_EQ(x, 799);
  EXPECT_EQ(y, 599);

  // 21:9 and a portrait monitor: bars beside, or above and below.
  auto ultra = TVirtualLayout::Compute(800, 600, 2560, 1080, 2560, 1080);
  EXPECT_FLOAT_EQ(ultra.vxOff, 311);
  EXPECT_FALSE(ultra.Narrower);
  auto portrait = TVirtualLayout::Compute(800, 600, 1080, 1920, 1080, 1920);
  EXPECT_TRUE(portrait.Narrower);
  EXPECT_FLOAT_EQ(portrait.vxOff, 0);
  EXPECT_FLOAT_EQ(portrait.vyOff, 411);
  EXPECT_EQ(portrait.ViewportY, 411);
  EXPECT_EQ(portrait.ViewportH, 600);

  // Whole multiples stay pixel-exact, with bars or without.
  EXPECT_TRUE(TVirtualLayout::Compute(800, 600, 1600, 1200, 1600, 1200).PixelExact());
  auto triple = TVirtualLayout::Compute(800, 600, 3200, 1800, 3200, 1800);
  EXPECT_FLOAT_EQ(triple.Scale, 3);
  EXPECT_TRUE(triple.HasBars());
  EXPECT_TRUE(triple.PixelExact());

  // A high-density drawable of twice the window's pixels: the pointer arrives in window
  // pixels and still lands on the logical pixel under it.
  auto dense = TVirtualLayout::Compute(800, 600, 1600, 1200, 800, 600);
  EXPECT_TRUE(dense.PixelExact());
  dense.DeviceToLogical(400, 300, x, y);
  EXPECT_EQ(x, 400);
  EXPECT_EQ(y, 300);
  auto denseWide = TVirtualLayout::Compute(800, 600, 3840, 2160, 1920, 1080);
  denseWide.DeviceToLogical(960, 540, x, y);
  EXPECT_EQ(x, 400);
  EXPECT_EQ(y, 300);

  // Every logical pixel, sent to the window and read back, is itself at every size that
  // enlarges (the pointer would otherwise creep when the game moves it and reads it again).
  const int sizes[][4] = {{1024, 768, 1024, 768},   {1600, 900, 1600, 900},
                          {1920, 1200, 1920, 1200}, {2560, 1080, 2560, 1080}, {3840, 2160, 3840, 2160},
                          {1080, 1920, 1080, 1920}, {3840, 2160, 1920, 1080}, {1366, 768, 1366, 768}};
  for (const auto& size : sizes) {
    auto l = TVirtualLayout::Compute(800, 600, size[0], size[1], size[2], size[3]);
    int bad = 0;
    for (int lx = 0; lx < 800; ++lx) {
      const int ly = lx * 599 / 799;
      int dx, dy, rx, ry;
      l.LogicalToDevice(lx, ly, dx, dy);
      l.DeviceToLogical(dx, dy, rx, ry);
      if (rx != lx || ry != ly || dx < 0 || dy < 0 || dx >= size[2] || dy >= size[3]) ++bad;
    }
    EXPECT_EQ(bad, 0) << size[0] << "x" << size[1];
  }

  // Zero sizes never divide by zero.
  auto none = TVirtualLayout::Compute(800, 600, 0, 0, 0, 0);
  EXPECT_EQ(none.UsingVirtualResolution, 0);
  auto noWindow = TVirtualLayout::Compute(800, 600, 640, 480, 0, 0);
  EXPECT_EQ(noWindow.UsingVirtualResolution, 1);
  EXPECT_TRUE(std::isfinite(noWindow.RatioX));
}

TEST(DateTime, FormatsByRunsWithEnglishNames) {
  TDateTime d;
  d.Year = 2016;
  d.Month = 3;
  d.Day = 5;
  d.Hour = 14;
  d.Minute = 25;
  d.Second = 3;
  EXPECT_EQ(TDateTime::Get_String(d, "YYYY-MM-DD HHNNSS screenshot.png"), "2016-03-05 142503 screenshot.png");
  EXPECT_EQ(TDateTime::Get_String(d, "D/M/YY"), "5/3/16");
  EXPECT_EQ(TDateTime::Get_String(d, "MMMM, DDDD"), "March, Saturday");
  EXPECT_EQ(TDateTime::Get_String(d, "MMM DDD Y YYY yyyy"), "Mar Sat   yyyy");
  d.Year = 12345;
  d.Month = 13;  // out of range: no name, no crash
  EXPECT_EQ(TDateTime::Get_String(d, "YYYY YY MMM"), "2345 45 ");
  TDateTime now;
  now.Set_DateTimeCurrent();
  EXPECT_GE(now.Year, 2024);
  EXPECT_GE(now.Month, 1);
  EXPECT_LE(now.Month, 12);
  std::string text = CurrentDateText();
  ASSERT_EQ(text.size(), 11u);
  EXPECT_EQ(text.substr(3, 3), TDateTime::ShortMonths[now.Month - 1]);
}
