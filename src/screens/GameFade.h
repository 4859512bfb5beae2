// The one screen fade: the old screen darkens to the clear colour, the switch
// happens on black, the new screen brightens again. Timed in logic ticks, so it
// runs at the same speed at any frame rate; a key (not a lone modifier) or click skips it.
#pragma once
#include <memory>

#include "platform/Audio.h"

class TGameChannel;

class TGameFade {
 public:
  // Starts a fade; ignored (returns 0) while one runs. channel fades at music volume,
  // channel2 (an effects channel) at sound volume and stops at the end of a fade-out.
  // startCounter (ticks) starts the fade part-way.
  int Init(float lengthMs, int out, TChannelPtr channel = nullptr, int allowAnim = 0, int startCounter = 0,
           std::shared_ptr<TGameChannel> channel2 = nullptr);
  // Ends the running fade at once, with all its end effects (channels, the covered
  // frame of a fade-out, the screen's PostFadeIn/PostFadeOut).
  void Finish();
  // One logic update: -1 cut short by the player, 1 ended now, else 0.
  int Manage();
  void CalcRatio();
  // Volumes follow the picture: music at Ratio x music volume, speech always.
  void FadeChannels();
  // The veil over the whole picture, in the clear colour.
  void Draw();
  // 1 once after a fade has finished, then 0 until the next one finishes.
  int GetDone();

  int Length = 0;
  float Counter = 0;
  int Active = 0;
  int Out = 1;
  float Ratio = 0;
  int Done = 0;
  TChannelPtr Channel;
  std::shared_ptr<TGameChannel> Channel2;
  int Channel2IsGameChannelArray = 1;
  int AllowAnim = 0;
  int FadeInAborted = 0;
  float FadeCounterBeforeAbort = 0;
  int SetToFullOnAbort = 1;
  int AbortKey = 0;

 private:
  // A fade-out asked for while a fade-in runs is ignored like any second fade, except
  // when it is the way out of the program (the destination is the exit screen): a
  // close request must never be lost, so it is kept and acted on at once.
  struct TLeaveRequest {
    bool Asked = false;
    float LengthMs = 0;
    TChannelPtr Channel;
    int AllowAnim = 0;
    std::shared_ptr<TGameChannel> Channel2;
  };
  bool ExitRequested() const;
  TLeaveRequest leave_;
};
