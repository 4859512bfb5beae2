#include "SoakInput.h"

#include <SDL.h>

#include <cstring>

#include "app/GameDisplay.h"
#include "ui/MousePointer.h"

namespace {
// Frames a press waits for the window system to report the pointer at its place.
constexpr int kPointerPatience = 30;

uint32_t WindowId() {
  SDL_Window* window = SDL_GL_GetCurrentWindow();
  return window ? SDL_GetWindowID(window) : 0;
}

void PushButton(bool down) {
  // The press carries the window position the pointer really has, as a person's does.
  int x = 0, y = 0;
  SDL_GetMouseState(&x, &y);
  SDL_Event e{};
  e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  e.button.timestamp = SDL_GetTicks();
  e.button.windowID = WindowId();
  e.button.button = SDL_BUTTON_LEFT;
  e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.button.clicks = 1;
  e.button.x = x;
  e.button.y = y;
  SDL_PushEvent(&e);
}

void PushKey(int sym, bool down) {
  SDL_Event e{};
  e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  e.key.timestamp = SDL_GetTicks();
  e.key.windowID = WindowId();
  e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.key.keysym.sym = sym;
  e.key.keysym.scancode = SDL_GetScancodeFromKey(sym);
  SDL_PushEvent(&e);
}

void PushText(const std::string& text) {
  SDL_Event e{};
  e.type = SDL_TEXTINPUT;
  e.text.timestamp = SDL_GetTicks();
  e.text.windowID = WindowId();
  std::strncpy(e.text.text, text.c_str(), sizeof e.text.text - 1);
  SDL_PushEvent(&e);
}
}  // namespace

void TSoakInput::Click(int x, int y) {
  Push(TKind::Point, x, y);
  Push(TKind::Down);
  Push(TKind::Up);
}

void TSoakInput::Drag(int x1, int y1, int x2, int y2) {
  Push(TKind::Point, x1, y1);
  Push(TKind::Down);
  Push(TKind::Point, x2, y2);
  Push(TKind::Up);
}

void TSoakInput::Key(int sdlKey) {
  Push(TKind::KeyDown);
  steps_.back().Key = sdlKey;
  Push(TKind::KeyUp);
  steps_.back().Key = sdlKey;
}

void TSoakInput::PadButton(int sdlButton) {
  Push(TKind::PadDown);
  steps_.back().Key = sdlButton;
  Push(TKind::PadUp);
  steps_.back().Key = sdlButton;
}

void TSoakInput::Type(const std::string& text) {
  Push(TKind::Text);
  steps_.back().Text = text;
}

void TSoakInput::Wait(int frames) {
  if (frames <= 0) return;
  Push(TKind::Wait);
  steps_.back().Frames = frames;
}

bool TSoakInput::Step() {
  if (steps_.empty()) return true;
  TStep& step = steps_.front();
  switch (step.Kind) {
    case TKind::Point:
      // The real pointer moves (through the game's own warp), and the window system
      // reports the motion to the game like any other.
      targetX_ = step.X;
      targetY_ = step.Y;
      waitedForPointer_ = 0;
      GameDisplay().DoMoveMouse(step.X, step.Y);
      break;
    case TKind::Down:
    case TKind::Up:
      if (Pointer().x != targetX_ || Pointer().y != targetY_) {
        if (++waitedForPointer_ > kPointerPatience) {
          Failure = "the pointer never reached (" + std::to_string(targetX_) + ", " + std::to_string(targetY_) +
                    "); it stays at (" + std::to_string(Pointer().x) + ", " + std::to_string(Pointer().y) + ")";
          steps_.clear();
          return false;
        }
        return true;
      }
      PushButton(step.Kind == TKind::Down);
      break;
    case TKind::KeyDown: PushKey(step.Key, true); break;
    case TKind::KeyUp: PushKey(step.Key, false); break;
    case TKind::PadDown:
    case TKind::PadUp:
      if (!pad_) {
        // Plugged in as a person plugs in a pad: the game hears of it through the window
        // system's own hot-plug event, a frame before the first press.
        if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
          Failure = std::string("no controller layer: ") + SDL_GetError();
          steps_.clear();
          return false;
        }
        const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                                    SDL_CONTROLLER_BUTTON_MAX, 0);
        pad_ = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
        if (!pad_) {
          Failure = std::string("no virtual pad: ") + SDL_GetError();
          steps_.clear();
          return false;
        }
        return true;
      }
      SDL_JoystickSetVirtualButton(pad_, step.Key, step.Kind == TKind::PadDown ? SDL_PRESSED : SDL_RELEASED);
      break;
    case TKind::Text: PushText(step.Text); break;
    case TKind::Wait:
      if (--step.Frames > 0) return true;
      break;
  }
  steps_.pop_front();
  return true;
}
