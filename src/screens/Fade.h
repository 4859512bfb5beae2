// A fade of one picture on the wall clock, over an optional drifting, zooming background:
// the splashes before the game starts. It draws and presents its own frames outside the
// main loop, so the caller re-arms the logic timer afterwards (FixedRateLogic.Init()).
#pragma once
#include <cstdint>

#include "gfx/Image.h"
#include "platform/Audio.h"

class TFade {
 public:
  // Takes the picture and the channel whose volume follows it, and starts the clock.
  void Init(float lengthMs, TImagePtr image, TChannelPtr channel);
  // Starts the clock again; called before each phase.
  void Reset();
  void CentreImage();
  // Runs one fade (out 0: in, 1: out) to its end, a frame at a time: 1 when it ran out,
  // -1 when a key, a click or a request to close the program ended it early.
  int FadeDo(int out);
  void MoveBackground(uint32_t now, float elapsed);
  // Holds the picture fully shown for ms: 0 when the time ran out, -1 when ended early.
  int WaitForTime(int ms);
  // Clears, draws the background and the picture, sets the channel's volume and presents.
  void Draw();
  void Full();
  void Zero();

  TChannelPtr Channel;
  TImagePtr Image;
  int X = 0, Y = 0;
  float Length = 0;
  // Clock readings are kept whole, so the difference stays exact however long the
  // program has run, and a clock that wraps still gives the time in between.
  uint32_t StartTime = 0;
  float Elapsed = 0;
  float Ratio = 0;
  uint32_t LastTime = 0;
  TImagePtr Background;
  float BackgroundX = 0, BackgroundY = 0;
  float BackgroundZoom = 1;
  // Per second.
  float BackgroundXSpeed = 0, BackgroundYSpeed = 0, BackgroundZoomSpeed = 0;
  float BackgroundFadeTime = 0;
  float BackgroundAlpha = 0;
  int Out = 0;  // 0 in, 1 out, -1 holding

 private:
  // A key, a click or a close request; a press is taken (flushed) with it.
  bool EndAsked();
};
