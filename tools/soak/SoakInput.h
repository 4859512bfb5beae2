// The soak player's hands: what a player does with the mouse, keyboard or a game
// controller, queued as
// steps and played out one per drawn frame through the window system's own queue
// (the pointer is moved in the real window; presses, releases, keys and typed text
// arrive as window events), so the game reads them exactly as it reads a person's.
#pragma once
#include <deque>
#include <string>

class TSoakInput {
 public:
  // Queues a press and release at a logical point (the pointer moves there first).
  void Click(int x, int y);
  // Queues a press at one point, a move to the other while held, and the release there.
  void Drag(int x1, int y1, int x2, int y2);
  void Key(int sdlKey);
  // Queues a press and release of a controller button (an SDL_GameControllerButton) on
  // a virtual pad, which is plugged in at the first such press.
  void PadButton(int sdlButton);
  void Type(const std::string& text);
  // Queues a pause of that many frames.
  void Wait(int frames);

  bool Busy() const { return !steps_.empty(); }
  // Plays the next step before a frame; false when the pointer never arrived where a
  // press or release was meant to land (the reason is in Failure).
  bool Step();
  std::string Failure;

 private:
  enum class TKind { Point, Down, Up, KeyDown, KeyUp, PadDown, PadUp, Text, Wait };
  struct TStep {
    explicit TStep(TKind kind, int x = 0, int y = 0) : Kind(kind), X(x), Y(y) {}
    TKind Kind;
    int X = 0, Y = 0;
    int Key = 0;
    std::string Text;
    int Frames = 0;
  };
  void Push(TKind kind, int x = 0, int y = 0) { steps_.emplace_back(kind, x, y); }
  std::deque<TStep> steps_;
  int targetX_ = -1, targetY_ = -1;
  int waitedForPointer_ = 0;
  struct _SDL_Joystick* pad_ = nullptr;
};
