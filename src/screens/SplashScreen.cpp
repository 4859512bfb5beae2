#include "screens/SplashScreen.h"

#include "audio/Mixer.h"
#include "audio/SoundLoader.h"
#include "core/DataPaths.h"
#include "core/ErrorReport.h"
#include "core/Game.h"
#include "core/Globals.h"
#include "core/Input.h"
#include "core/Text.h"
#include "gfx/CheckedLoaders.h"
#include "gfx/Draw.h"
#include "platform/Files.h"

namespace {
void ResetDrawState() {
  SetBlend(BLEND_SOLID);
  SetAlpha(1.0f);
  SetColor(255, 255, 255);
}
}  // namespace

void TSplashScreen::Init(const std::string& image, const std::string& sample, int sound, int fadeSound,
                         float timeIn, float timeFull, float timeOut) {
  Image = LoadImageChecked(image, -1);
  PrecacheImage(Image);
  if (!sample.empty()) Sample = LoadSoundChecked(sample, fadeSound == 1 ? 1 : 0);
  if (timeIn != 0) TimeIn = timeIn;
  if (timeFull != 0) TimeFull = timeFull;
  if (timeOut != 0) TimeOut = timeOut;
  Sound = sound;
  FadeSound = fadeSound;
  InputFlush();
  OriginalPolledInputState = PolledInputMode;
  InputPollingOn();
}

void TSplashScreen::InitTimes(float timeIn, float timeFull, float timeOut) {
  TimeIn = timeIn;
  TimeFull = timeFull;
  TimeOut = timeOut;
}

int TSplashScreen::DoSplash() {
  Cls();
  Flip(1);
  if (Sound == 1 && Sample) {
    Channel = CueSound(Sample, nullptr);
    if (FadeSound == 1) {
      SetChannelRate(Channel, SampleRate);
      Mixer().SetChannelGain(Channel, TAudioGroup::Effects, 0);
    }
    ResumeChannel(Channel);
  }
  if (background) {
    fade.Background = background;
    fade.BackgroundXSpeed = BackgroundXSpeed;
    fade.BackgroundYSpeed = BackgroundYSpeed;
    fade.BackgroundZoomSpeed = BackgroundZoomSpeed;
    fade.BackgroundFadeTime = BackgroundFadeTime;
  }
  fade.Init(TimeIn, Image, FadeSound == 1 ? Channel : nullptr);
  fade.CentreImage();
  if (fade.FadeDo(0) == -1 || fade.WaitForTime(int(TimeFull)) == -1) {
    CleanUp();
    return -1;
  }
  fade.Reset();
  fade.Length = TimeOut;
  if (fade.FadeDo(1) == -1) {
    CleanUp();
    return -1;
  }
  fade.Zero();
  ResetDrawState();
  CleanUp();
  return 0;
}

void TSplashScreen::CleanUp() {
  if (Sound == 1 && Channel) StopChannel(Channel);
  ResetDrawState();
  InputFlush();
  if (OriginalPolledInputState != 1) InputPollingOff();
  InputFlush();
}

std::string SplashPictureName(const std::vector<std::string>& entries, int number) {
  const std::string stem = "splash" + std::to_string(number);
  for (const std::string& entry : entries)
    if (entry == stem + ".png" || entry == stem + ".jpg") return entry;
  return "";
}

int ShowSplashFolder(const std::string& folder, float timeIn, float timeFull, float timeOut) {
  const std::string path = DataPaths().DataPrefix + "data/" + AddSlash(folder);
  for (int i = 1;; ++i) {
    // A close request ends the whole run of pictures, not just the one showing.
    if (Game->TerminatedEvent) return 0;
    std::vector<std::string> entries;
    if (!ListDirectory(ResolveDataPath(path), entries)) {
      ShowError("Failed to read splash folder '" + path + "'", 1, 1);
      return 0;
    }
    const std::string entry = SplashPictureName(entries, i);
    if (entry.empty()) return 0;
    TSplashScreen splash;
    splash.InitTimes(timeIn != 0 ? timeIn : splash.TimeIn, timeFull != 0 ? timeFull : splash.TimeFull,
                     timeOut != 0 ? timeOut : splash.TimeOut);
    splash.Init(path + entry, "", 1, 0, 0, 0, 0);
    splash.DoSplash();
  }
}

int ShowLogoSplash(int sound, int useBackground, float rate) {
  if (Game->TerminatedEvent) return 0;
  TSplashScreen splash;
  splash.Init(DataPaths().DataPrefix + "data/quillmoth.png", DataPaths().DataPrefix + "data/splashsound.wav", sound, 1, 0, 0, 0);
  const std::string backgroundPath = DataPaths().DataPrefix + "data/splashbg.jpg";
  if (useBackground == 1 && PathExists(ResolveDataPath(backgroundPath))) {
    splash.background = LoadImageChecked(backgroundPath, -1);
    PrecacheImage(splash.background);
  }
  splash.BackgroundXSpeed = 20;
  splash.BackgroundYSpeed = 10;
  splash.BackgroundZoomSpeed = 0.02f;
  splash.BackgroundFadeTime = 250;
  splash.SampleRate = rate;
  splash.InitTimes(1750, 750, 1500);
  splash.DoSplash();
  return 0;
}

int ShowPortalSplash(float timeIn, float timeFull, float timeOut, int number) {
  if (Game->TerminatedEvent) return 0;
  const std::string stem = DataPaths().DataPrefix + "data/portallogo" + (number != 0 ? std::to_string(number) : "");
  std::string path = stem + ".png";
  if (!PathExists(ResolveDataPath(path))) path = stem + ".jpg";
  if (!PathExists(ResolveDataPath(path))) return 0;
  TSplashScreen splash;
  splash.Init(path, "", 1, 0, timeIn, timeFull, timeOut);
  splash.DoSplash();
  return 0;
}

int ShowSplash(const std::string& image, const std::string& sample, int sound, int fadeSound, float timeIn,
               float timeFull, float timeOut) {
  TSplashScreen splash;
  splash.Init(image, sample, sound, fadeSound, timeIn, timeFull, timeOut);
  splash.DoSplash();
  return 0;
}
