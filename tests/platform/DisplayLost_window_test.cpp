// A display connection lost under the game ends through the game's own handler: what it
// saves gets saved and the process ends with code 0, where Xlib alone ends it with 1.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/socket.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/Process.h"
#include "platform/Window.h"
#include "support/TestFolder.h"

namespace {
std::string savedMarker;

void SaveMarker() {
  if (FILE* f = std::fopen(savedMarker.c_str(), "w")) std::fclose(f);
}

// In the child: the game's video set-up with the handler, then a connection of its own
// whose link breaks, which Xlib notices at the next round trip.
int LoseTheDisplay() {
  if (!PlatformVideoInit()) return 2;
  PlatformSetDisplayLostHandler(SaveMarker);
  void* lib = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
  if (!lib) return 3;
  // Xlib's header is left out: its macros clash with the test framework's names.
  auto open = reinterpret_cast<void* (*)(const char*)>(dlsym(lib, "XOpenDisplay"));
  auto sync = reinterpret_cast<int (*)(void*, int)>(dlsym(lib, "XSync"));
  auto number = reinterpret_cast<int (*)(void*)>(dlsym(lib, "XConnectionNumber"));
  void* display = open ? open(nullptr) : nullptr;
  if (!display || !sync || !number) return 4;
  shutdown(number(display), SHUT_RDWR);
  sync(display, 0);
  return 5;  // not reached: the handler ends the process
}
}  // namespace

TEST(DisplayLost, EndsThroughTheGameHandlerWithCodeZero) {
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no display";
  savedMarker = (TestFolder() / "saved").string();
  int code = -1;
  ASSERT_TRUE(RunInChildProcess(LoseTheDisplay, code));
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(std::filesystem::exists(savedMarker)) << "the handler ran before the end";
}
