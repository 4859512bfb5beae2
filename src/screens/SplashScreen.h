// The short full-screen picture fades that open the game before anything else loads:
// the numbered pictures of the branding folder and the maker's logo with its sound.
// Each runs its own draw-and-present loop on the wall clock, outside the main loop;
// a key or click ends the picture showing, a request to close ends them all.
#pragma once
#include <string>
#include <vector>

#include "gfx/Image.h"
#include "platform/Audio.h"
#include "screens/Fade.h"

class TSplashScreen {
 public:
  // Picture (fatal when unreadable) and optional sound (looping when fadeSound, so its
  // loudness can follow the picture); each time that is not 0 replaces the default.
  void Init(const std::string& image, const std::string& sample, int sound, int fadeSound, float timeIn,
            float timeFull, float timeOut);
  void InitTimes(float timeIn, float timeFull, float timeOut);
  // 0 when it ran to its end, -1 when the player or a close request cut it short.
  int DoSplash();
  void CleanUp();

  TImagePtr Image;
  TSoundPtr Sample;
  int Sound = 1;
  float SampleRate = 1.0f;
  int FadeSound = 0;
  TChannelPtr Channel;
  TFade fade;
  float TimeIn = 2000, TimeFull = 1000, TimeOut = 2000;
  int OriginalPolledInputState = 0;
  TImagePtr background;
  float BackgroundXSpeed = 0, BackgroundYSpeed = 0, BackgroundZoomSpeed = 0, BackgroundFadeTime = 0;
};

// Of a folder's entries, in listing order, the first named exactly "splash<number>.png"
// or ".jpg"; "" when there is none.
std::string SplashPictureName(const std::vector<std::string>& entries, int number);

// Every numbered picture of data/<folder>, from 1 up to the first missing number.
int ShowSplashFolder(const std::string& folder, float timeIn, float timeFull, float timeOut);
int ShowLogoSplash(int sound, int useBackground, float rate);
int ShowPortalSplash(float timeIn, float timeFull, float timeOut, int number);
int ShowSplash(const std::string& image, const std::string& sample, int sound, int fadeSound, float timeIn,
               float timeFull, float timeOut);
