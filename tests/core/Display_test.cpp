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
}

TEST(VirtualLayout, ScalingBarsAndMouseMapping) {
  // A window the logical size: nothing to do.
  auto same = TVirtualLayout::Compute(800, 600, 1280, 1024, 800, 600, false, false);
  EXPECT_EQ(same.UsingVirtualResolution, 0);

  // A smaller window scales the picture down; the mouse is scaled back up.
  auto small = TVirtualLayout::Compute(800, 600, 1024, 600, 640, 480, false, false);
  EXPECT_EQ(small.UsingVirtualResolution, 1);
  EXPECT_FLOAT_EQ(small.RatioX, 1.25f);
  int x, y;
  small.DeviceToLogical(639, 479, x, y);
  EXPECT_EQ(x, 799);
  EXPECT_EQ(y, 599);
  small.LogicalToDevice(400, 300, x, y);
  EXPECT_EQ(x, 320);
  EXPECT_EQ(y, 240);

  // 16:9 display, 800 x 600 mode, wide on: side bars.
  auto wide = TVirtualLayout::Compute(800, 600, 1920, 1080, 800, 600, true, false);
  EXPECT_EQ(wide.UsingVirtualResolution, 1);
  EXPECT_FLOAT_EQ(wide.VirtualWidth, 1064);
  EXPECT_FLOAT_EQ(wide.vxOff, 132);
  EXPECT_EQ(wide.ViewportX, 133);
  EXPECT_EQ(wide.ViewportW, 798);
  EXPECT_EQ(wide.ViewportH, 600);
  EXPECT_FLOAT_EQ(wide.OriginX, 132);
  wide.DeviceToLogical(400, 300, x, y);  // the middle of the display is the middle of the picture
  EXPECT_EQ(x, 401);
  EXPECT_EQ(y, 300);
  wide.DeviceToLogical(0, 0, x, y);  // the left bar lies left of the picture
  EXPECT_EQ(x, -132);
  // Kept on the picture (the custom pointer in a wide full screen), and said so.
  EXPECT_TRUE(wide.DeviceToLogical(0, 0, x, y, true));
  EXPECT_EQ(x, 0);
  EXPECT_TRUE(wide.DeviceToLogical(799, 599, x, y, true));
  EXPECT_EQ(x, 799);
  EXPECT_EQ(y, 599);
  EXPECT_FALSE(wide.DeviceToLogical(400, 300, x, y, true));
  EXPECT_EQ(x, 401);

  // 5:4 display: bars top and bottom.
  auto tall = TVirtualLayout::Compute(800, 600, 1280, 1024, 800, 600, true, false);
  EXPECT_TRUE(tall.Narrower);
  EXPECT_FLOAT_EQ(tall.VirtualHeight, 638);
  EXPECT_FLOAT_EQ(tall.vyOff, 19);
  EXPECT_EQ(tall.ViewportY, 20);
  EXPECT_EQ(tall.ViewportH, 598);
  EXPECT_EQ(tall.ViewportW, 800);

  // Desktop-size modes: bars without scaling, or nothing when the sizes match.
  auto desk = TVirtualLayout::Compute(800, 600, 1066, 600, 1066, 600, true, true);
  EXPECT_FALSE(desk.SetsResolution);
  EXPECT_FLOAT_EQ(desk.vxOff, 133);
  EXPECT_EQ(desk.ViewportX, 133);
  EXPECT_EQ(TVirtualLayout::Compute(800, 600, 800, 600, 800, 600, true, true).UsingVirtualResolution, 0);

  // A borderless window of the picture's own shape keeps it unscaled and without bars
  // (the window, not the wide desktop behind it, is what is shown).
  auto borderless = TVirtualLayout::Compute(800, 600, 800, 600, 800, 600, true, false);
  EXPECT_EQ(borderless.UsingVirtualResolution, 0);
  auto smallBorderless = TVirtualLayout::Compute(800, 600, 640, 480, 640, 480, true, false);
  EXPECT_FALSE(smallBorderless.Narrower);
  EXPECT_FLOAT_EQ(smallBorderless.VirtualWidth, 800);
  EXPECT_FLOAT_EQ(smallBorderless.vxOff, 0);

  // Zero sizes never divide by zero.
  auto none = TVirtualLayout::Compute(800, 600, 0, 0, 0, 0, true, false);
  EXPECT_EQ(none.UsingVirtualResolution, 0);
  auto noDesktop = TVirtualLayout::Compute(800, 600, 0, 0, 640, 480, true, false);
  EXPECT_EQ(noDesktop.UsingVirtualResolution, 1);
  EXPECT_TRUE(std::isfinite(noDesktop.RatioX));
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
