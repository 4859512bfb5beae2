// A game object fed with real SDL events: each test pushes keys, buttons and
// window events into SDL's queue and lets the game read them as in play.
#pragma once
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>

#include "core/Input.h"
#include "screens/Screen.h"
#include "support/GameFixture.h"

inline void PushKey(SDL_Keycode key, bool down = true, bool repeat = false) {
  SDL_Event e{};
  e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  e.key.keysym.sym = key;
  e.key.repeat = repeat ? 1 : 0;
  SDL_PushEvent(&e);
}

inline void PushSimple(Uint32 type, Uint8 windowEvent = 0) {
  SDL_Event e{};
  e.type = type;
  e.window.event = windowEvent;
  SDL_PushEvent(&e);
}

class EventGameTest : public GameTest {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(SDL_Init(SDL_INIT_EVENTS), 0); }
  void SetUp() override {
    GameTest::SetUp();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    PolledInputMode = 0;
    InputFlush();
    screen.PreStart();
  }
  TScreen screen;
};
