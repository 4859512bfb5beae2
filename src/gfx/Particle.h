// A sprite with a life cycle: an optional start delay, gravity or a caller's move
// function, a fade in / sustain / fade out envelope, spin, growth, colour drift, an
// optional destination and a chain of phases that change its motion part-way. It
// leaves its list when it dies (faded, shrunk away, off screen, out of time, arrived).
#pragma once
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "gfx/Sprite.h"
#include "platform/Recycling.h"

class TParticle;
class TParticleList;
class TTexturePage;

using TParticleFunction = std::function<void(TParticle&)>;

// One stage of a particle's life: how long it lasts and what it changes on entry.
class TParticlePhase {
 public:
  float Length = 0.0f;  // delta units
  int Hidden = 0;
  float dx = 0.0f, dy = 0.0f;
  int SetCoords = 0;
  float SetX = 0.0f, SetY = 0.0f;
  float xgravity = 0.0f, ygravity = 0.0f;
  float FadeInMS = 0.0f, FadeSustainMS = 0.0f, FadeMS = 0.0f;
  int DoRotate = 0;
  float RotationSpeed = 0.0f;
  int SetAngle = 0;
  float Angle = 0.0f;
  int DoScale = 0;  // uniform
  float ScaleSpeed = 0.0f, Scale = 0.0f;
  int DoScale2 = 0;  // per axis
  float ScaleXSpeed = 0.0f, ScaleYSpeed = 0.0f, ScaleX = 0.0f, ScaleY = 0.0f;
  float Alpha = -1.0f;  // -1 = keep
  TParticleFunction UserFunction;

  void SetFade(float inMS, float sustainMS, float outMS) {
    FadeInMS = inMS;
    FadeSustainMS = sustainMS;
    FadeMS = outMS;
  }
};

class TParticle : public TSprite {
 public:
  TParticleList* Particles = nullptr;  // the list it belongs to (the list owns it)
  int Hidden = 0;
  float LifeCounter = 0.0f;  // 0 = unlimited
  float FadeIn = 0.0f;
  float FadeSustainCounter = 0.0f;
  float FadeCounter = 0.0f;
  float FadeInLength = 0.0f;
  float FadeLength = 0.0f;
  float SustainAlpha = 1.0f;
  float InitialAlpha = 1.0f;
  int DoLightBlend = 0;
  int DoOverlayBlend = 0;
  int DoRotate = 0;  // > 0 clockwise, < 0 anticlockwise
  int DoScale = 0;
  int Data1 = 0, Data2 = 0, Data3 = 0;
  std::shared_ptr<void> DataObject;
  float FloatData1 = 0.0f;
  int ColorFade = 0;
  float ColorDeltaR = 0.0f, ColorDeltaG = 0.0f, ColorDeltaB = 0.0f;
  float ColorCurrentR = 0.0f, ColorCurrentG = 0.0f, ColorCurrentB = 0.0f;
  std::vector<std::shared_ptr<TParticlePhase>, TRecycling<std::shared_ptr<TParticlePhase>>> PhaseList;  // empty = none
  std::shared_ptr<TParticlePhase> CurrentPhase;
  int CurrentPhaseIndex = 0;
  float PhaseCounter = 0.0f;
  int NoOutOfBounds = 0;
  int KillOnFade = 1;
  int KillAfterAnim = 0;
  int KillOnDestinationReached = 0;
  int KillOnScaleZero = 1;
  float DelayCounter = 0.0f;
  TParticleFunction DelayFinished;
  int UpdateOriginalCoords = 0;
  TParticleFunction UserMove;
  TParticleFunction DestinationReached;
  int DestX = 0, DestY = 0;
  TParticleFunction UserDraw;
  TParticleFunction UserKill;
  std::shared_ptr<TParticle> AttachedParticle;
  int KillAttachedParticle = 1;

  static std::shared_ptr<TParticle> CreateSpecial(std::shared_ptr<TGameImage> image, float x, float y, float dx,
                                                  float dy, float ygravity, float fadeMS, int lightBlend, int rotate,
                                                  float rotationSpeed, float scale, float scaleSpeed, float lifeMS);
  void SetDelay(float ms);
  // Appends a phase for the caller to fill in.
  std::shared_ptr<TParticlePhase> AddPhase(float ms);
  void StartPhases();
  void ApplyPhase(const std::shared_ptr<TParticlePhase>& phase);
  // Tints with its own copy of color, which then drifts by (dR, dG, dB) per delta unit.
  void SetColorFade(const TColor& color, float dR, float dG, float dB);
  void SetFade(float inMS, float sustainMS, float outMS, float startAlpha = -1.0f, float peakAlpha = 1.0f);
  // 0 while the phase runs, 1 when the next one began, -1 when the last one ended.
  int ManagePhases();
  void KillPhases();
  void StopAtDestination();
  float GetFadeRatio() const;
  int IsFadingOut() const;
  // True once Kill has run.
  bool IsDead() const { return dead_; }
  // Whether everything it draws is added to the screen (light blend, its own picture,
  // no glow, label or drawing hook): such particles may be drawn in any order.
  bool DrawsOnlyLight() const;
  // The texture page its picture is drawn from now (nullptr when it has none).
  const TTexturePage* DrawPage();

  void Move() override;
  void Draw() override;
  // Dies once; later calls do nothing.
  void Kill() override;

 private:
  friend class TParticleList;
  void CallPhaseFunction();
  bool dead_ = false;
  std::size_t listIndex_ = 0;  // where its list last saw it
};
