#include "gfx/Particle.h"

#include <cmath>

#include "core/GameClock.h"
#include "gfx/Draw.h"
#include "gfx/GameImage.h"
#include "gfx/Image.h"
#include "core/Globals.h"
#include "gfx/ParticleList.h"
#include "platform/Recycling.h"

std::shared_ptr<TParticle> TParticle::CreateSpecial(std::shared_ptr<TGameImage> img, float px, float py, float vx,
                                                    float vy, float gravity, float fadeMS, int lightBlend, int rotate,
                                                    float rotationSpeed, float scale, float scaleSpeed, float lifeMS) {
  auto p = MakeRecycled<TParticle>();
  p->SetImage(std::move(img));
  p->SetPosition(px, py);
  p->dx = vx;
  p->dy = vy;
  p->ygravity = gravity;
  if (lifeMS > 0.0f) p->LifeCounter = Clock().CalcAnimLengthFromFloat(lifeMS);
  p->FadeLength = Clock().CalcAnimLengthFromFloat(std::trunc(fadeMS));
  p->FadeCounter = p->FadeLength;
  if (p->FadeLength > 0.0f) p->UseAlpha = 1;
  p->DoLightBlend = lightBlend;
  p->DoRotate = rotate;
  p->RotationSpeed = rotationSpeed;
  p->ScaleX = scale;
  p->ScaleY = scale;
  if (scaleSpeed != 0.0f) {
    p->ScaleXSpeed = scaleSpeed;
    p->ScaleYSpeed = scaleSpeed;
    p->DoScale = 1;
  }
  p->active = 1;
  return p;
}

void TParticle::SetDelay(float ms) {
  DelayCounter = Clock().CalcAnimLengthFromFloat(ms);
  if (DelayCounter > 0.0f) Hidden = 1;
}

std::shared_ptr<TParticlePhase> TParticle::AddPhase(float ms) {
  auto phase = MakeRecycled<TParticlePhase>();
  phase->Length = Clock().CalcAnimLengthFromFloat(ms);
  PhaseList.push_back(phase);
  return phase;
}

void TParticle::StartPhases() {
  if (PhaseList.empty()) return;
  CurrentPhaseIndex = 0;
  ApplyPhase(PhaseList.front());
}

void TParticle::ApplyPhase(const std::shared_ptr<TParticlePhase>& phase) {
  if (!phase) return;
  PhaseCounter = 0.0f;
  CurrentPhase = phase;
  const TParticlePhase& p = *phase;
  Hidden = p.Hidden;
  dx = p.dx;
  dy = p.dy;
  if (p.SetCoords == 1) SetPosition(p.SetX, p.SetY);
  xgravity = p.xgravity;
  ygravity = p.ygravity;
  SetFade(std::trunc(p.FadeInMS), std::trunc(p.FadeSustainMS), std::trunc(p.FadeMS), p.Alpha, 1.0f);
  DoRotate = p.DoRotate;
  RotationSpeed = p.RotationSpeed;
  if (p.DoScale) {
    DoScale = 1;
    ScaleXSpeed = p.ScaleSpeed;
    ScaleYSpeed = p.ScaleSpeed;
    if (p.Scale != 0.0f) SetScaleXY(p.Scale, p.Scale);
  } else if (p.DoScale2) {
    DoScale = 1;
    ScaleXSpeed = p.ScaleXSpeed;
    ScaleYSpeed = p.ScaleYSpeed;
    if (p.ScaleX != 0.0f || p.ScaleY != 0.0f) {
      ScaleX = p.ScaleX;
      ScaleY = p.ScaleY;
    }
  }
  if (p.Alpha != -1.0f) Alpha = p.Alpha;
  if (p.SetAngle) Rotation = p.Angle;
}

void TParticle::SetColorFade(const TColor& color, float dR, float dG, float dB) {
  // Its own copy: a colour shared with other particles must not drift with this one.
  Color = MakeRecycled<TColor>(color);
  ColorFade = 1;
  ColorDeltaR = dR;
  ColorDeltaG = dG;
  ColorDeltaB = dB;
  ColorCurrentR = static_cast<float>(color.R);
  ColorCurrentG = static_cast<float>(color.G);
  ColorCurrentB = static_cast<float>(color.B);
}

void TParticle::SetFade(float inMS, float sustainMS, float outMS, float startAlpha, float peakAlpha) {
  FadeInLength = Clock().CalcAnimLengthFromFloat(inMS);
  FadeSustainCounter = Clock().CalcAnimLengthFromFloat(sustainMS);
  FadeLength = Clock().CalcAnimLengthFromFloat(outMS);
  if (inMS > 0.0f) {
    FadeIn = 1.0f;
    UseAlpha = 1;
    Alpha = 0.0f;
    FadeCounter = 0.0f;
    if (peakAlpha != 1.0f) {
      SustainAlpha = peakAlpha;
      InitialAlpha = peakAlpha;
    }
  } else {
    FadeIn = 0.0f;
    FadeCounter = FadeLength;
    UseAlpha = 1;
    if (startAlpha != -1.0f) InitialAlpha = startAlpha;
  }
}

int TParticle::ManagePhases() {
  if (!CurrentPhase) return 0;  // phases not started yet
  PhaseCounter += Delta;
  if (PhaseCounter < CurrentPhase->Length) return 0;
  auto ended = CurrentPhase;
  if (ended->UserFunction) ended->UserFunction(*this);
  if (dead_ || PhaseList.empty()) return -1;
  if (CurrentPhaseIndex + 1 >= static_cast<int>(PhaseList.size())) return -1;
  ++CurrentPhaseIndex;
  ApplyPhase(PhaseList[static_cast<std::size_t>(CurrentPhaseIndex)]);
  return 1;
}

void TParticle::KillPhases() {
  PhaseList.clear();
  CurrentPhase.reset();
  CurrentPhaseIndex = 0;
  PhaseCounter = 0.0f;
}

void TParticle::StopAtDestination() {
  dx = dy = 0.0f;
  xgravity = ygravity = 0.0f;
  const float mx = static_cast<float>(DestX) - x, my = static_cast<float>(DestY) - y;
  x = static_cast<float>(DestX);
  y = static_cast<float>(DestY);
  if (Label) Label->MoveLabelBy(mx, my);
}

float TParticle::GetFadeRatio() const { return FadeInLength != 0.0f ? FadeCounter / FadeInLength : 0.0f; }

int TParticle::IsFadingOut() const { return (FadeIn == 0.0f && FadeSustainCounter <= 0.0f) ? 1 : 0; }

void TParticle::CallPhaseFunction() {
  if (CurrentPhase && CurrentPhase->UserFunction) {
    auto phase = CurrentPhase;  // the function may end the phases
    phase->UserFunction(*this);
  }
}

void TParticle::Move() {
  if (dead_) return;
  // 1. Start delay: hidden and still.
  if (DelayCounter > 0.0f) {
    DelayCounter -= Delta;
    if (DelayCounter > 0.0f) {
      Hidden = 1;
      return;
    }
    DelayCounter = 0.0f;
    Hidden = 0;
    StartPhases();
    if (DelayFinished) DelayFinished(*this);
    if (dead_) return;
  }
  // 2. Phases.
  if (!PhaseList.empty() && ManagePhases() == -1) {
    Kill();
    return;
  }
  // 3. Movement.
  if (UserMove) {
    UserMove(*this);
  } else if (UpdateOriginalCoords) {
    MoveOriginalCoords();
  } else {
    TSprite::Move();
  }
  if (dead_) return;
  // 4. Destination, reached once both coordinates have got there in their direction of travel.
  if (DestinationReached || KillOnDestinationReached == 1) {
    const float tx = static_cast<float>(DestX), ty = static_cast<float>(DestY);
    const bool atX = dx <= 0.0f ? x <= tx : x >= tx;
    const bool atY = dy <= 0.0f ? y <= ty : y >= ty;
    if (atX && atY) {
      if (DestinationReached) DestinationReached(*this);
      if (KillOnDestinationReached == 1) {
        Kill();
        return;
      }
    }
  }
  // 5. Off screen.
  if (!NoOutOfBounds && OutOfBounds()) {
    Kill();
    return;
  }
  // 6. Fade envelope.
  if (FadeIn != 0.0f) {
    FadeCounter += Delta;
    if (FadeCounter >= FadeInLength) {
      FadeCounter = FadeLength;
      FadeIn = 0.0f;
      Alpha = 1.0f;
    }
  } else if (FadeSustainCounter > 0.0f) {
    FadeSustainCounter -= Delta;
    if (FadeSustainCounter <= 0.0f) {
      FadeSustainCounter = 0.0f;
      FadeCounter = FadeLength;
    }
  } else if (FadeCounter > 0.0f) {
    FadeCounter -= Delta;
    if (FadeCounter <= 0.0f) {
      Alpha = 0.0f;
      if (KillOnFade && !dead_) {
        CallPhaseFunction();
        Kill();
      }
    }
  }
  // 7. Spin.
  if (DoRotate > 0) {
    Rotation += RotationSpeed * Delta;
    if (Rotation >= 360.0f) Rotation -= 360.0f;
  } else if (DoRotate < 0) {
    Rotation -= RotationSpeed * Delta;
    if (Rotation < 0.0f) Rotation += 360.0f;
  }
  // 8. Growth.
  if (DoScale == 1) {
    ScaleX += ScaleXSpeed * Delta;
    ScaleY += ScaleYSpeed * Delta;
    if (KillOnScaleZero && (ScaleX <= 0.0f || ScaleY <= 0.0f) && !dead_) {
      CallPhaseFunction();
      Kill();
    }
  }
  // 9. Life time.
  if (LifeCounter > 0.0f) {
    LifeCounter -= Delta;
    if (LifeCounter <= 0.0f && !dead_) {
      CallPhaseFunction();
      Kill();
    }
  }
  // 10. Colour drift.
  if (ColorFade) {
    ColorCurrentR += ColorDeltaR * Delta;
    ColorCurrentG += ColorDeltaG * Delta;
    ColorCurrentB += ColorDeltaB * Delta;
    if (!Color) Color = MakeRecycled<TColor>();
    Color->R = static_cast<int>(std::trunc(ColorCurrentR));
    Color->G = static_cast<int>(std::trunc(ColorCurrentG));
    Color->B = static_cast<int>(std::trunc(ColorCurrentB));
  }
}

void TParticle::Draw() {
  if (!active || Hidden) return;
  if (FadeCounter > 0.0f) {
    if (FadeIn != 0.0f) {
      Alpha = FadeInLength > 0.0f ? FadeCounter / FadeInLength * SustainAlpha : SustainAlpha;
    } else {
      Alpha = FadeLength > 0.0f ? FadeCounter / FadeLength * InitialAlpha : InitialAlpha;
    }
  }
  if (DoLightBlend) SetBlend(BLEND_LIGHT);
  if (DoOverlayBlend) SetBlend(BLEND_MODULATE2X);
  if (UserDraw) {
    UserDraw(*this);
  } else {
    TSprite::Draw();
  }
  if (DoLightBlend || DoOverlayBlend) SetBlend(BLEND_ALPHA);
}

bool TParticle::DrawsOnlyLight() const {
  return DoLightBlend && !DoOverlayBlend && !UserDraw && GlowMode == 0 && !Label;
}

const TTexturePage* TParticle::DrawPage() {
  const std::shared_ptr<TGameImage>& picture = AlternativeImage ? AlternativeImage : image;
  if (!picture || !picture->image) return nullptr;
  const TImageFrame* frame = picture->image->Frame(AnimCounter > 0.0f ? GetAnimFrame() : ImageFrame);
  return frame ? frame->page.get() : nullptr;
}

void TParticle::Kill() {
  if (dead_) return;
  dead_ = true;
  TSprite::Kill();
  if (UserKill) UserKill(*this);
  active = 0;
  if (Particles) {
    TParticleList* list = Particles;
    Particles = nullptr;
    list->Remove(this);
  }
  if (AttachedParticle) {
    auto attached = std::move(AttachedParticle);
    if (KillAttachedParticle == 1) attached->Kill();
  }
  DataObject.reset();
}
