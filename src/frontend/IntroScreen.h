// The first screen of every run: the branding and logo splashes, then (when the
// "Intro" setting is on) a timed slide show of story pictures with a ticking clock,
// and on its end or a skip it loads everything behind the loading bar and hands over
// to the loading screen. It is never entered again.
#pragma once
#include <array>
#include <memory>

#include "gfx/Image.h"
#include "platform/Audio.h"
#include "screens/Screen.h"

class TAnimation;
class TCrossFade;
class TGameSound;

class TIntroScreen : public TScreen {
 public:
  static constexpr int MAX_FRAMES = 10;

  void Load() override;
  void Start() override;
  void PostFadeIn() override;
  void Kill() override;
  void Logic() override;
  void Draw() override;
  int SetEscDestination() override;
  // Stops the tick (starting the music when it has not yet), then loads everything.
  void Close(int skipped);

  std::shared_ptr<TGameSound> ClickSound, TickSound, TickSoundNoLoop;
  TChannelPtr TickChannel;
  std::shared_ptr<TCrossFade> crossfade;
  std::array<TImagePtr, MAX_FRAMES> Intro{};
  std::shared_ptr<TAnimation> Anim;

 private:
  // Closes and switches to the loading screen within this update.
  void Leave(int skipped);
  // The program is ending: the intro loads nothing more.
  bool Leaving() const;
  // What starts as the slide show reaches a new phase.
  void PhaseStarted(int phase);
  int skipAsked_ = 0;
};
