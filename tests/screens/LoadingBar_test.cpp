// The start-up loading bar's arithmetic and the choice of branding pictures: the bar
// fills exactly at its last step and never divides by zero; the splash folder's
// pictures are picked by exact name and stop at the first missing number.
#include <gtest/gtest.h>

#include <cmath>

#include "core/Globals.h"
#include "gfx/Draw.h"
#include "screens/LoadingBar.h"
#include "screens/SplashScreen.h"

TEST(LoadingBar, FillsExactlyAtTheLastStepAndStaysFinished) {
  ScreenWidth = 800;
  TLoadingBar bar;
  bar.Init(CreateImage(301, 20, 1, 0), nullptr, nullptr);
  EXPECT_EQ(bar.w, 301);
  EXPECT_EQ(bar.h, 20);
  bar.Centre(490);
  EXPECT_EQ(bar.x, 249) << "(800 - 301) / 2, cut toward zero";
  EXPECT_EQ(bar.y, 490);
  bar.SetSteps(93);
  for (int i = 1; i < 93; ++i) bar.Progress();
  EXPECT_EQ(bar.Finished, 0) << "one step short of full";
  EXPECT_LT(bar.Position, 301.0f);
  bar.Progress();
  EXPECT_EQ(bar.Finished, 1);
  EXPECT_NEAR(bar.Position, 301.0f, 0.01f);
  bar.Progress();
  EXPECT_EQ(bar.Finished, 1) << "nothing clears Finished";

  // Init starts over: steps are set again afterwards.
  bar.Init(CreateImage(200, 10, 1, 0), nullptr, nullptr);
  EXPECT_EQ(bar.CurrentStep, 0);
  EXPECT_EQ(bar.Finished, 0);
  EXPECT_EQ(bar.Position, 0.0f);
}

TEST(LoadingBar, NoStepsOrNoPictureNeverDividesByZero) {
  TLoadingBar unset;
  unset.Init(CreateImage(300, 20, 1, 0), nullptr, nullptr);
  unset.Progress();
  EXPECT_EQ(unset.Position, 0.0f) << "a bar whose steps were never set stays empty";
  EXPECT_EQ(unset.Finished, 0);

  for (int steps : {0, -5}) {
    TLoadingBar bar;
    bar.Init(CreateImage(300, 20, 1, 0), nullptr, nullptr);
    bar.SetSteps(steps);
    EXPECT_EQ(bar.StepSize, 0.0f) << steps;
    for (int i = 0; i < 3; ++i) bar.Progress();
    EXPECT_EQ(bar.Position, 0.0f) << steps;
    EXPECT_FALSE(std::isnan(bar.Position)) << steps;
    EXPECT_EQ(bar.Finished, 0) << steps;
  }

  TLoadingBar pictureless;
  pictureless.Init(nullptr, nullptr, nullptr);
  pictureless.SetSteps(10);
  pictureless.Progress();
  EXPECT_EQ(pictureless.Position, 0.0f);
}

TEST(SplashFolder, PicturesAreChosenByExactNameInListingOrderUpToTheFirstGap) {
  const std::vector<std::string> folder = {"readme.txt", "splash2.jpg", "Splash3.png", "splash3.PNG",
                                           "splash1.jpg", "splash1.png", "splash4.png", "splash10.png"};
  EXPECT_EQ(SplashPictureName(folder, 1), "splash1.jpg") << "the first in listing order";
  EXPECT_EQ(SplashPictureName(folder, 2), "splash2.jpg");
  EXPECT_EQ(SplashPictureName(folder, 3), "") << "names are compared exactly, letter case too";
  EXPECT_EQ(SplashPictureName({"splash1.png", "splash2.gif", "splash2.png.bak"}, 2), "");
  EXPECT_EQ(SplashPictureName({}, 1), "");
  // What ShowSplashFolder shows: numbers from 1 while each has a picture.
  std::vector<std::string> shown;
  for (int i = 1; !SplashPictureName(folder, i).empty(); ++i) shown.push_back(SplashPictureName(folder, i));
  EXPECT_EQ(shown, (std::vector<std::string>{"splash1.jpg", "splash2.jpg"}));
}
