#include "gfx/Sprite.h"

#include <cctype>
#include <cmath>

#include "core/DataPaths.h"
#include "core/GameClock.h"
#include "core/Text.h"
#include "gfx/Animation.h"
#include "gfx/GameImage.h"
#include "core/Globals.h"
#include "platform/Random.h"

std::shared_ptr<TSprite> TSprite::Create(std::shared_ptr<TGameImage> image, float x, float y) {
  auto s = std::make_shared<TSprite>();
  s->SetImage(std::move(image));
  s->SetPosition(x, y);
  return s;
}

std::shared_ptr<TSprite> TSprite::CreateFromFile(const std::string& file, float x, float y, int centre, int flags) {
  auto img = TGameImage::Create(DataPaths().ImagePath + file + ".png", flags, centre);
  auto s = Create(img, x, y);
  if (centre == 1) s->SetPosition(static_cast<float>(ScreenWidth / 2), static_cast<float>(ScreenHeight / 2));
  return s;
}

void TSprite::SetImage(std::shared_ptr<TGameImage> img) {
  image = std::move(img);
  GetSize();
}

void TSprite::GetSize() {
  if (!image) return;
  w = image->w;
  h = image->h;
  w2 = image->w2;
  h2 = image->h2;
}

void TSprite::SetName(const std::string& n) {
  name = UpperCase(n);
}

void TSprite::SetPosition(float px, float py) {
  x = px;
  y = py;
}

void TSprite::SetShadow(int on, float sx, float sy, float alpha) {
  Shadow = on;
  ShadowX = sx;
  ShadowY = sy;
  ShadowAlpha = alpha;
}

void TSprite::SetScaleXY(float sx, float sy) {
  ScaleX = sx;
  ScaleY = sy == 0.0f ? sx : sy;
}

void TSprite::ClearScale() {
  ScaleX = 1.0f;
  ScaleY = 1.0f;
}

void TSprite::ClearRotation() { Rotation = 0.0f; }

void TSprite::ClearTransformations() {
  ClearScale();
  ClearRotation();
}

void TSprite::Centre() {
  // The handle lives on the shared bank image, so every sprite using it is centred too.
  if (image) image->MidHandle(1);
  SetPosition(static_cast<float>(ScreenWidth / 2), static_cast<float>(ScreenHeight / 2));
}

void TSprite::CentreX(float py) {
  if (image) image->MidHandle(1);
  SetPosition(static_cast<float>(ScreenWidth / 2), py);
}

void TSprite::StoreCentreCoords() {
  cx = x;
  cy = y;
}

void TSprite::StoreOriginalCoords() {
  ox = x;
  oy = y;
}

void TSprite::ScaleOriginalCoords() {
  x = ox * BaseScaleX;
  y = oy * BaseScaleY;
}

float TSprite::Width() { return static_cast<float>(w) * ScaleX; }
float TSprite::Height() { return static_cast<float>(h) * ScaleY; }

void TSprite::Init() {}

// ---- animation -------------------------------------------------------------

void TSprite::SetupAnim(int frames, float ms, int counterDir, int reverse, int randomStart, int pingPong,
                        int loop) {
  frame = 0;
  FramesTotal = frames;
  AnimLength = static_cast<int>(std::trunc(Clock().CalcAnimLengthFromFloat(ms)));
  AnimCounterDir = counterDir;
  AnimReverse = reverse;
  PingPong = pingPong;
  Loop = loop;
  FrameLength = frames > 0 ? static_cast<float>(AnimLength) / static_cast<float>(frames) : 0.0f;
  if (randomStart) {
    RandomiseAnimPos();
  } else if (counterDir == 1 && reverse == 0) {
    AnimCounter = 0.0f;
  } else if (counterDir == 0 && reverse == 1) {
    AnimCounter = 0.01f;
  } else {
    AnimCounter = static_cast<float>(AnimLength);
  }
}

void TSprite::RandomiseAnimPos() {
  const float len = static_cast<float>(AnimLength);
  AnimCounter = len > 0.01f ? Rnd(0.01f, len) : 0.01f;
}

void TSprite::StopAnim() {
  AnimCounter = 0.0f;
  FramesTotal = 1;
}

int TSprite::GetAnimFrame() {
  return FrameFromClock(AnimCounter, static_cast<float>(AnimLength), FramesTotal, AnimCounterDir);
}

int TSprite::ManageAnim() {
  if (FramesTotal < 2) return 0;
  const bool up = (AnimCounterDir == 1 && AnimReverse == 0) || (AnimCounterDir != 1 && AnimReverse == 1);
  int ended = 0;
  if (up) {
    AnimCounter += Delta;
    ended = AnimBoundsCheckUpper();
  } else {
    AnimCounter -= Delta;
    ended = AnimBoundsCheckLower();
  }
  frame = GetAnimFrame();
  return ended;
}

int TSprite::AnimBoundsCheckUpper() {
  const float len = static_cast<float>(AnimLength);
  if (AnimCounter < len) return 0;
  if (PingPong) {
    // Mirror the overshoot back and skip a frame so the end frame is not shown twice.
    AnimCounter = len - (AnimCounter - len) - FrameLength;
    AnimReverse = AnimReverse ? 0 : 1;
    return 0;
  }
  if (Loop) {
    if (LoopCount > 0) {
      --LoopCount;
      if (LoopCount == 0) {
        Loop = 0;
        AnimCounter = len;
        return 1;
      }
    }
    AnimCounter -= len;
    if (AnimStoppedFunction) AnimStoppedFunction(*this);
    return 1;
  }
  AnimCounter = len;
  if (AnimStoppedFunction) AnimStoppedFunction(*this);
  return 1;
}

int TSprite::AnimBoundsCheckLower() {
  if (AnimCounter > 0.0f) return 0;
  const float len = static_cast<float>(AnimLength);
  if (PingPong) {
    AnimCounter = -AnimCounter + FrameLength;
    if (AnimCounter == 0.0f) AnimCounter = 0.01f;
    AnimReverse = AnimReverse ? 0 : 1;
    return 0;
  }
  if (Loop) {
    if (LoopCount > 0) {
      --LoopCount;
      if (LoopCount == 0) {
        Loop = 0;
        AnimCounter = 0.01f;
        return 1;
      }
    }
    AnimCounter += len;
    if (AnimStoppedFunction) AnimStoppedFunction(*this);
    return 1;
  }
  // 0.01, not 0: the sprite still counts as animating and keeps showing its end frame.
  AnimCounter = 0.01f;
  if (AnimStoppedFunction) AnimStoppedFunction(*this);
  return 1;
}

// ---- scale, rotation, glow -----------------------------------------------

void TSprite::SetupScale(float xs, float ys, float ms) {
  ScaleXSpeed = xs;
  ScaleYSpeed = ys;
  ScaleLength = static_cast<int>(std::trunc(Clock().CalcAnimLengthFromFloat(ms)));
  ScaleCounter = static_cast<float>(ScaleLength);
}

void TSprite::ManageScale() {
  if (ScaleCounter > 0.0f) {
    ScaleCounter -= Delta;
    ScaleX += ScaleXSpeed * Delta;
    ScaleY += ScaleYSpeed * Delta;
  }
}

void TSprite::SetupRotation(float spd, float ms, int loop, int randomStart) {
  RotationSpeed = spd;
  if (loop) {
    RotationLoop = 1;
    if (randomStart) Rotation = Rnd(0.0f, 360.0f);
  } else {
    RotationLength = static_cast<int>(std::trunc(Clock().CalcAnimLengthFromFloat(ms)));
    RotationCounter = static_cast<float>(RotationLength);
  }
}

void TSprite::ManageRotation() {
  if (RotationLoop) {
    Rotation += Delta * RotationSpeed;
    if (Rotation >= 360.0f) {
      Rotation -= 360.0f;
    } else if (Rotation < 0.0f) {
      Rotation += 360.0f;
    }
  } else if (RotationCounter > 0.0f) {
    RotationCounter -= Delta;
    Rotation += RotationSpeed * Delta;
  }
}

void TSprite::SetGlow(int mode, float glow, float spd, float min, float max) {
  GlowMode = mode;
  Glow = glow;
  GlowSpeed = spd;
  GlowMin = min;
  GlowMax = max;
  GlowRange = max - min;
  if (mode == 3) GlowCounter.Init(0.0f, 360.0f, spd, 0);
}

void TSprite::ManageGlow() {
  if (GlowMode == 2) {
    if (Glow > 0.0f) {
      Glow -= GlowSpeed * Delta;
      if (Glow < 0.0f) Glow = 0.0f;
    }
  } else if (GlowMode == 3) {
    GlowCounter.Manage();
    Glow = GlowMin + GlowRange * std::fabs(GlowCounter.ratio);
  }
}

// ---- movement ----------------------------------------------------------------

void TSprite::Move() {
  const float mx = dx * Delta, my = dy * Delta;
  x += mx;
  y += my;
  if (Label) Label->MoveLabelBy(mx, my);
  if (xgravity != 0.0f) dx += xgravity * Delta;
  if (ygravity != 0.0f) dy += ygravity * Delta;
}

void TSprite::MoveOriginalCoords() {
  ox += dx * Delta;
  oy += dy * Delta;
  if (xgravity != 0.0f) dx += xgravity * Delta;
  if (ygravity != 0.0f) dy += ygravity * Delta;
}

void TSprite::MoveAttachedSprite() {
  if (!AttachedSprite) return;
  AttachedSprite->x += dx * Delta;
  AttachedSprite->y += dy * Delta;
}

void TSprite::MoveLeft() { Nudge(x, -xspeed); }
void TSprite::MoveRight() { Nudge(x, xspeed); }
void TSprite::MoveUp() { Nudge(y, -yspeed); }
void TSprite::MoveDown() { Nudge(y, yspeed); }

void TSprite::Nudge(float& coordinate, float speed) {
  coordinate += speed * Delta;
  BoundsCheck();
}

void TSprite::MoveForward() {
  dx = SinDeg(Rotation) * speed;
  dy = -CosDeg(Rotation) * speed;
  Move();
}

void TSprite::Stop() {
  dx = 0.0f;
  dy = 0.0f;
}

void TSprite::BoundsCheck() {
  const float sw = static_cast<float>(ScreenWidth), sh = static_cast<float>(ScreenHeight);
  if (x < w2) x = w2;
  if (x > sw - w2) x = sw - w2;
  if (y < h2) y = h2;
  if (y > sh - h2) y = sh - h2;
}

int TSprite::OutOfBounds() {
  const float sw = static_cast<float>(ScreenWidth), sh = static_cast<float>(ScreenHeight);
  if (image && image->midhandled) {
    return (x < -w2 || x > sw + w2 || y < -h2 || y > sh + h2) ? 1 : 0;
  }
  const float fw = static_cast<float>(w), fh = static_cast<float>(h);
  return (x < -fw || x > sw || y < -fh || y > sh) ? 1 : 0;
}

// ---- collision ---------------------------------------------------------------

void TSprite::CalcBoundingBox() {
  if (!BoundingBox) BoundingBox = std::make_shared<TBox>();
  const float fw = static_cast<float>(w), fh = static_cast<float>(h);
  if (image && image->midhandled) {
    BoundingBox->Init(x - w2, y - h2, fw, fh, BoundingBox->Color);
  } else {
    BoundingBox->Init(x, y, fw, fh, BoundingBox->Color);
  }
}

int TSprite::CollideWithPixel(float px, float py) {
  const float ax = std::trunc(px), ay = std::trunc(py), aw = 1.0f, ah = 1.0f;
  float bx, by, bw, bh;
  if (BoundingBox) {
    bx = std::trunc(BoundingBox->X);
    by = std::trunc(BoundingBox->Y);
    bw = std::trunc(BoundingBox->W);
    bh = std::trunc(BoundingBox->H);
  } else {
    const bool mid = image && image->midhandled;
    bx = mid ? x - w2 : x;
    by = mid ? y - h2 : y;
    bw = static_cast<float>(w);
    bh = static_cast<float>(h);
  }
  return (ax < bx + bw && bx < ax + aw && ay < by + bh && by < ay + ah) ? 1 : 0;
}

// ---- lifecycle ---------------------------------------------------------------

void TSprite::Kill() {
  if (AttachedSprite) {
    if (KillAttachedSprite == 1) AttachedSprite->Kill();
    AttachedSprite.reset();
  }
  if (BoundingBox) {
    BoundingBox->Kill();
    BoundingBox.reset();
  }
}
