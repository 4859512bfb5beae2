// The toolkit's positioned picture: a bank image with a position, velocity and
// gravity, frame animation over a strip, timed scaling and rotation, opacity, a
// tint, a drop shadow, an additive glow, an attached label and an attached sprite.
// Gems, buttons, particles and the other moving pictures extend it.
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "gfx/Box.h"
#include "gfx/Color.h"
#include "gfx/SineCounter.h"
#include "gfx/SpriteLabel.h"

class TGameImage;

class TSprite : public std::enable_shared_from_this<TSprite> {
 public:
  std::string name;
  int active = 0;  // free for the owner; the sprite never reads it
  int visible = 1;
  float x = 0.0f, y = 0.0f;
  float offx = 0.0f, offy = 0.0f;
  int UseOffset = 0;
  float dx = 0.0f, dy = 0.0f;
  float xspeed = 0.0f, yspeed = 0.0f;
  float speed = 0.0f;
  float xgravity = 0.0f, ygravity = 0.0f;
  int w = 0, h = 0;
  float w2 = 0.0f, h2 = 0.0f;
  std::shared_ptr<TGameImage> image;
  int RoundCoords = 0;
  int ImageFrame = 0;
  std::shared_ptr<TColor> Color;  // tint, applied without its alpha
  int MouseOver = 0;
  int Shadow = 0;
  float ShadowX = 3.0f, ShadowY = 3.0f;
  float ShadowAlpha = 0.5f;
  std::shared_ptr<TBox> BoundingBox;
  int frame = 0;
  int FramesTotal = 1;
  float AnimCounter = 0.0f;  // 0 = not animating
  int AnimLength = 1000;
  int AnimCounterDir = 0;
  int AnimReverse = 0;
  int PingPong = 0;
  float FrameLength = 0.0f;
  int Loop = 1;
  int LoopCount = 0;  // passes still to play; 0 = endless
  float ScaleX = 1.0f, ScaleY = 1.0f;
  float BaseScaleX = 1.0f, BaseScaleY = 1.0f;
  float ScaleXSpeed = 0.1f, ScaleYSpeed = 0.1f;
  float ScaleCounter = 0.0f;
  int ScaleLength = 1000;
  float Rotation = 0.0f;
  float RotationSpeed = 1.0f;
  float RotationCounter = 0.0f;
  int RotationLength = 1000;
  int RotationLoop = 0;
  int UseAlpha = 1;
  float Alpha = 1.0f;
  int GlowMode = 0;  // 0 none, 2 fading, 3 pulsing
  float Glow = 0.0f;
  float GlowSpeed = 0.0f;
  float GlowMin = 0.0f, GlowMax = 1.0f;
  float GlowRange = 1.0f;
  TSineCounter GlowCounter;
  std::shared_ptr<TGameImage> AlternativeImage;
  std::shared_ptr<TSineCounter> MiscSineCounter;
  float cx = 0.0f, cy = 0.0f;
  // Called whenever an animation pass ends (on every tick once a non-looping pass is over).
  std::function<void(TSprite&)> AnimStoppedFunction;
  float ox = 0.0f, oy = 0.0f;
  std::shared_ptr<TSprite> AttachedSprite;
  int KillAttachedSprite = 1;
  std::shared_ptr<TSpriteLabel> Label;

  TSprite() = default;
  virtual ~TSprite() = default;

  static std::shared_ptr<TSprite> Create(std::shared_ptr<TGameImage> image, float x, float y);
  // Loads the picture file + ".png" from the image folder; centre 1 centres both
  // the picture's handle and the sprite on the screen.
  static std::shared_ptr<TSprite> CreateFromFile(const std::string& file, float x, float y, int centre, int flags);

  // Animation bounds; each returns 1 when an animation pass ended.
  virtual int AnimBoundsCheckLower();
  virtual int AnimBoundsCheckUpper();
  virtual void BoundsCheck();
  virtual void CalcBoundingBox();
  virtual void Centre();
  virtual void CentreX(float y);
  virtual void ClearRotation();
  virtual void ClearScale();
  virtual void ClearTransformations();
  virtual int CollideWithPixel(float px, float py);
  virtual void DoDraw();
  virtual void Draw();
  // Draws the sprite again additively, brightened by intensity (picture none = its own).
  virtual void DrawLight(float intensity, float r, float g, float b, std::shared_ptr<TGameImage> picture);
  virtual void DrawNormal();
  virtual void DrawRounded();
  virtual void DrawShadow(const std::shared_ptr<TGameImage>& picture, int frame, int useScroll);
  virtual void DrawWithOffset();
  virtual int GetAnimFrame();
  virtual void GetSize();
  virtual float Height();
  virtual void Init();
  virtual void Kill();
  // Advances the frame animation; 1 when a pass ended in this call.
  virtual int ManageAnim();
  virtual void ManageGlow();
  virtual void ManageRotation();
  virtual void ManageScale();
  virtual void Move();
  virtual void MoveAttachedSprite();
  virtual void MoveDown();
  virtual void MoveForward();
  virtual void MoveLeft();
  virtual void MoveOriginalCoords();
  virtual void MoveRight();
  virtual void MoveUp();
  virtual int OutOfBounds();
  virtual void RandomiseAnimPos();
  virtual void ScaleOriginalCoords();
  virtual void SetGlow(int mode, float glow, float speed, float min, float max);
  virtual void SetImage(std::shared_ptr<TGameImage> image);
  virtual void SetName(const std::string& name);
  virtual void SetPosition(float x, float y);
  virtual void SetScaleXY(float sx, float sy);
  virtual void SetShadow(int on, float x, float y, float alpha);
  virtual void SetupAnim(int frames, float ms, int counterDir, int reverse, int randomStart, int pingPong, int loop);
  virtual void SetupRotation(float speed, float ms, int loop, int randomStart);
  virtual void SetupScale(float xspeed, float yspeed, float ms);
  virtual void Stop();
  virtual void StopAnim();
  virtual void StoreCentreCoords();
  virtual void StoreOriginalCoords();
  virtual float Width();

 protected:
  // Draws the picture (and label) at the sprite's place, with round rounding coordinates.
  void DrawAt(bool round);
  // Moves one coordinate by speed this frame, kept on the screen.
  void Nudge(float& coordinate, float speed);
};
