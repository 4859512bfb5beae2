// The one screen fade: the old screen darkens to the clear colour, the switch
// happens on black, the new screen brightens again. Timed in logic ticks, so it
// runs at the same speed at any frame rate; any key or click skips it.
#pragma once

class TGameFade {
 public:
  // Starts a fade; ignored (returns 0) while one runs.
  int Init(float lengthMs, int out, int allowAnim = 0, int startCounter = 0);
  void Finish();
  // One logic update: -1 cut short by the player, 1 ended now, else 0.
  int Manage();
  void CalcRatio();
  void Draw();
  // 1 once after a fade has finished, then 0 until the next one finishes.
  int GetDone();

  int Length = 0;
  float Counter = 0;
  int Active = 0;
  int Out = 1;
  float Ratio = 0;
  int Done = 0;
  int AllowAnim = 0;
  int FadeInAborted = 0;
  float FadeCounterBeforeAbort = 0;
  int SetToFullOnAbort = 1;
  int AbortKey = 0;
};
