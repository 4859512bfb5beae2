#include <cstdio>

#include "app/GameDisplay.h"
#include "audio/Mixer.h"
#include "core/DataPaths.h"
#include "core/Game.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "core/Input.h"
#include "core/Settings.h"
#include "gfx/BitmapFile.h"
#include "gfx/Draw.h"
#include "gfx/Sprite.h"
#include "platform/Clock.h"
#include "platform/Events.h"
#include "platform/Process.h"
#include "screens/ScreenSwitch.h"
#include "ui/MousePointer.h"
#include "platform/Window.h"
#include "player/Profile.h"
#include "screens/GameFade.h"
#include "screens/Screen.h"

namespace {
// The key a keyboard player presses for each pad button, so that every screen reads
// one set of keys: the D-pad and stick are the arrows, A is Return, B and Start are
// Escape, Y asks for a hint as H does, Back and Guide pause as P does.
int KeyForPad(int button) {
  switch (TPadButton(button)) {
    case TPadButton::A: return 13;
    case TPadButton::B: return 27;
    case TPadButton::Y: return 72;
    case TPadButton::Start: return 27;
    case TPadButton::Back: return 80;
    case TPadButton::Guide: return 80;
    case TPadButton::Up: return 38;
    case TPadButton::Down: return 40;
    case TPadButton::Left: return 37;
    case TPadButton::Right: return 39;
    default: return 0;
  }
}
}  // namespace

void TGame::DoPeekEvent() {
  TPlatformEvent e;
  while (PlatformPollEvent(e)) {
    switch (e.type) {
      case TEventType::KeyDown:
        InputRecordKey(e.key, e.key2, true);
        // These three arrive as typed characters too, so text fields can read them.
        if (e.key == 8 || e.key == 13 || e.key == 27) InputQueueChar(e.key);
        break;
      case TEventType::KeyUp: InputRecordKey(e.key, e.key2, false); break;
      case TEventType::Char: InputQueueChar(e.ch); break;
      case TEventType::MouseDown:
        if (e.button < 1 || e.button > 3) break;
        Pointer().Resting = 0;
        Pointer().MoveTo(e.x, e.y);
        Pointer().ButtonDown(e.button);
        break;
      case TEventType::MouseUp:
        if (e.button >= 1 && e.button <= 3) Pointer().ButtonUp(e.button);
        break;
      case TEventType::MouseMove:
        Pointer().Resting = 0;
        Pointer().MoveTo(e.x, e.y);
        break;
      case TEventType::PadDown:
        if (int key = KeyForPad(e.button)) {
          // A pad drives the pointer's place from now on, until the mouse moves.
          Pointer().Resting = 1;
          InputRecordKey(key, 0, true);
        }
        break;
      case TEventType::PadUp:
        if (int key = KeyForPad(e.button)) InputRecordKey(key, 0, false);
        break;
      case TEventType::PadRemoved:
        // A player whose pad came loose must not lose the level meanwhile.
        if (!Paused && !Suspended) {
          Paused = 1;
          Pause();
        }
        break;
      case TEventType::MouseWheel: Pointer().Wheel(e.wheel); break;
      case TEventType::Quit:
      case TEventType::WindowClose: TerminatedEvent = 1; break;
      case TEventType::FocusLost:
        if (SuspendOnLossOfFocus == 1) SuspendedEvent = 1;
        break;
      case TEventType::FocusGained: SuspendedEvent = 0; break;
      default: break;
    }
  }
  // A focus gain whose event was missed.
  if (!Settings().FullScreen && Suspended && SuspendedEvent == 1 && PlatformWindowHasFocus()) SuspendedEvent = 0;
}

void TGame::ReadKeys() {
  if (CheckWindow() == -1) {
    // A paused or suspended game runs no fade, so the closing fade would never end:
    // then the request ends the program at once.
    if (Screens().FadeOnExit == 1 && !Paused && !Suspended) {
      Screens().InstantExit = 0;
      Screens().GameFade->Init(float(StandardFadeLength), 1, Mixer().MusicChannel, 1, 0);
      Screens().DestinationTScreen = Screens().ExitScreen.get();
    } else {
      return;
    }
  }
  if (Paused && Pointer().GetMh(1) != 0) TogglePause();
  if (BlockKeys) return;
  if (IgnorePauseKey == 0 && InputKeyHit(80)) TogglePause();
  if (InputKeyHit(27)) {
    if (Screens().Fading()) {
      if (Screens().GameFade->Out == 0) {
        Screens().GameFade->FadeInAborted = 1;
        Screens().GameFade->AbortKey = 0;
      }
      Screens().GameFade->Finish();
    } else if (Paused) {
      Paused = 0;
      UnPause();
      InputFlush();
    } else if (IgnoreEscapeKey == 0) {
      Mixer().EscapeSoundPlay();
      int length = Screens().CurrentTScreen ? Screens().CurrentTScreen->SetEscDestination() : 0;
      if (length == 0) length = StandardFadeLength;
      if (Mixer().FadeMusic == 1) {
        Screens().GameFade->Init(float(length), 1, Mixer().MusicChannel, 1, 0);
      } else {
        // This one fade leaves the music playing.
        Screens().GameFade->Init(float(length), 1, nullptr, 1, 0);
        Mixer().FadeMusic = 1;
      }
    } else {
      KeyHits[27] = 1;
    }
  }
  // Alt+Enter or Super+Shift+F: held-key tests, so the flush keeps the toggle from repeating.
  bool alt = InputKeyDown(164) || InputKeyDown(165);
  bool super = InputKeyDown(91) || InputKeyDown(92);
  bool shift = InputKeyDown(160) || InputKeyDown(161);
  if ((alt && InputKeyDown(13)) || (super && shift && InputKeyDown(70))) {
    GameDisplay().ToggleFullScreen();
    InputFlushKeys();
  }
  // The quit combination is a held-key test, made after the whole queue is read.
  if (InputKeyDown(81) && (InputKeyDown(91) || InputKeyDown(92))) {
    Screens().InstantExit = 1;
    if (UserExitKeyFunction) UserExitKeyFunction();
    SaveProfileIfPlaying();
  }
  if (IgnoreFrameworkKeys == 0) FrameworkKeys();
  if (IgnoreDebugKey == 0) DebugKeys();
  if (!Paused && !Suspended && Screens().CurrentTScreen) Screens().CurrentTScreen->SpecificKeys();
}

int TGame::TakeScreenshot() {
  SaveScreenshot(DataPaths().UseCorrectPath == 1 ? DataPaths().SubPath : "");
  InputFlushKeys();
  Clock().FixedRateLogic.Init();
  return 0;
}

void TGame::FrameworkKeys() {
  // Every action but Ctrl+X, C, O and the arrows ends with a key flush.
  auto act = [](auto&& action) {
    action();
    InputFlushKeys();
  };
  if (InputKeyHit(189)) act([this] {
    Mixer().SoundChangeVolume(-10);
    Mixer().MusicChangeVolume(-10);
    Mixer().SpeechChangeVolume(-10);
  });
  if (InputKeyHit(187)) act([this] {
    Mixer().SoundChangeVolume(10);
    Mixer().MusicChangeVolume(10);
    Mixer().SpeechChangeVolume(10);
  });
  if (InputKeyDown(17) && InputKeyHit(88)) {
    Screens().InstantExit = 1;
    if (UserExitKeyFunction) UserExitKeyFunction();
  }
  if (InputKeyHit(70)) act([this] { GameDisplay().ToggleFullScreen(); });
  if (InputKeyHit(66)) act([] {
    PlatformMinimiseWindow();
    Flip(-1);
  });
  // While the game is paused the music stays as the pause left it.
  if (InputKeyHit(77)) act([this] {
    if (!Paused) Mixer().ToggleMusic();
  });
  if (InputKeyHit(83)) act([this] { Mixer().ToggleSound(); });
  if (Debug && InputKeyHit(84)) act([this] {
    if (Clock().Fast) {
      Clock().FastOff();
    } else {
      Clock().SlowMotionOff();
      Clock().FastOn();
    }
  });
  if (Debug && InputKeyHit(76)) act([this] {
    if (Clock().SlowMotion) {
      Clock().SlowMotionOff();
    } else {
      Clock().FastOff();
      Clock().SlowMotionOn();
    }
  });
  if (InputKeyHit(123)) TakeScreenshot();
  if (Debug && InputKeyHit(73)) act([] { FlipSync = FlipSync + 1 == 2 ? -1 : FlipSync + 1; });
  if (Debug && InputKeyHit(78)) act([this] { NoTiming = NoTiming ? 0 : 1; });
  if (InputKeyHit(86)) act([this] { GameDisplay().ToggleVSync(); });
  if (InputKeyHit(71)) act([this] { GameDisplay().SetDriver(Settings().Driver == 0 ? 1 : 0); });
  if (InputKeyHit(72)) act([this] {
    std::string next = Settings().SoundDriver == "FreeAudio"     ? "DirectSound"
                       : Settings().SoundDriver == "DirectSound" ? "OpenAL Generic Software"
                                                      : "FreeAudio";
    Mixer().ChangeSoundDriver(next, 1);
  });
  if (InputKeyHit(67)) {
    storedX = Pointer().x;
    storedY = Pointer().y;
  }
  if (InputKeyHit(79)) {
    std::printf("%d,%d\n", Pointer().x, Pointer().y);
    std::fflush(stdout);
    Mixer().EscapeSoundPlay();
  }
}

void TGame::DebugKeys() {
  if (InputKeyHit(68)) {
    Debug = Debug ? 0 : 1;
    if (Debug) {
      DebugReset();
      LogicTime.Start();
      DebugShowFPSOnly = (InputKeyDown(160) || InputKeyDown(161)) ? 1 : 0;
    }
    InputFlushKeys();
  }
  if (GraphicPlacement) {
    if (InputKeyHit(37)) --gpX;
    if (InputKeyHit(39)) ++gpX;
    if (InputKeyHit(38)) --gpY;
    if (InputKeyHit(40)) ++gpY;
  }
}

int TGame::CheckWindow() {
  if (GameTerminated() == -1) return -1;
  if (SuspendedEvent == 1 && !Suspended) {
    if ((PauseOnLossOfFocus || (PauseOnLossOfFullScreenFocus && Settings().FullScreen)) && !Paused) {
      Paused = 1;
      Pause();
    }
    if (!Paused) Pause();
    Suspended = 1;
    if (UserSuspendFunction) UserSuspendFunction();
  }
  if (SuspendedEvent == 0 && Suspended) {
    if (!Paused) {
      if (PausedMusicState == 1) Mixer().MusicOn();
      if (PausedSpeechState == 1) Mixer().SpeechOn();
      SetPriority();
    }
    Clock().FixedRateLogic.Init();
    Suspended = 0;
    if (UserResumeFunction) UserResumeFunction();
    InputFlush();
  }
  if (!Suspended && !Paused) Mixer().AudioManage();
  return 1;
}

void TGame::TogglePause() {
  Paused = Paused ? 0 : 1;
  if (Paused) {
    Pause();
  } else {
    UnPause();
  }
  InputFlush();
}

void TGame::Pause() {
  PausedMusicState = Settings().Music;
  PausedSpeechState = Settings().Speech;
  if (Settings().Music) Mixer().MusicOff();
  if (Settings().Speech) Mixer().SpeechOff();
  if (PausedUserFunction) PausedUserFunction();
  SetProcessPriority(0, 0);
}

void TGame::UnPause() {
  if (PausedMusicState == 1) Mixer().MusicOn();
  if (PausedSpeechState == 1) Mixer().SpeechOn();
  if (UnPauseUserFunction) UnPauseUserFunction();
  SetPriority();
  Clock().FixedRateLogic.Init();
}

void TGame::SetPriority() {
  if (Settings().FullScreen) {
    SetProcessPriority(Settings().FullScreenProcess, Settings().FullScreenThread);
  } else {
    SetProcessPriority(Settings().WindowedProcess, Settings().WindowedThread);
  }
}

void TGame::ShowPaused() {
  if (!(Paused || Suspended) || !SpritePaused) return;
  SetBlend(BLEND_ALPHA);
  if (DimWhenPaused == 1) {
    SetColor(0, 0, 0);
    SetAlpha(0.5f);
    DrawRect(0, 0, float(ScreenWidth), float(ScreenHeight));
  }
  SetColor(255, 255, 255);
  SetAlpha(1);
  SpritePaused->Draw();
}

void TGame::SetGP(int x, int y) {
  gpX = x;
  gpY = y;
}
