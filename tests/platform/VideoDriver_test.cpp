// The game never runs on a video driver that shows nothing: without a display
// it must say so instead of running unseen while holding the one-copy lock.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/Process.h"
#include "platform/Window.h"

namespace {
bool DriverBuiltIn(const std::string& name) {
  for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i)
    if (name == SDL_GetVideoDriver(i)) return true;
  return false;
}
}  // namespace

TEST(VideoDriver, DriversThatShowNothingAreRefused) {
  int tried = 0;
  for (const char* name : {"offscreen", "dummy"}) {
    if (!DriverBuiltIn(name)) continue;
    ++tried;
    setenv("SDL_VIDEODRIVER", name, 1);
    EXPECT_FALSE(PlatformVideoInit()) << name;
    EXPECT_TRUE(PlatformDisplayModes().empty()) << name << ": no modes, so no window";
    EXPECT_FALSE(PlatformInit()) << name;
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u) << name;
    SDL_Quit();
  }
  unsetenv("SDL_VIDEODRIVER");
  if (tried == 0) GTEST_SKIP() << "this SDL has neither driver";
}
