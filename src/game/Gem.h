// One piece on the board: an ordinary gem (types 1-7), a bonus piece (8-15) or
// a gem that is bursting (-1). Holds its cell, its fall speed (dy) and the
// burst, lock, creature and hint state the rules act on.
#pragma once
#include <memory>

#include "gfx/Sprite.h"

class TGameImage;

class TGem : public TSprite {
 public:
  // A gem always covers one cell, whatever its picture.
  static constexpr int w = 50, h = 50, w2 = 25, h2 = 25;
  static constexpr int TypeCount = 16;

  int MOAnim = 0;
  float MOAnimCounter = 0;
  int gx = -1, gy = -1;
  int GemType = 0;
  int OrigGemType = 0;
  int Swapping = 0;
  float glow = 0;
  int locked = 0;
  int Munchkin = 0;
  int HintWobble = 0;
  int AnimActive = 0;
  float ExplosionCounter = 0;
  float ExplosionLength = 300;
  int ExplosionShow = 1;
  float MunchkinCounter = 0;
  float MunchkinLength = 1500;

  // Type-level tables for the bonus pieces 8-15.
  static int IdleFrames[TypeCount];
  static int IdleLengths[TypeCount];
  static int ActivateFrames[TypeCount];
  static int PointerAnimLengths[TypeCount];
  static float IdleTicks[TypeCount];
  static float IdleCounters[TypeCount];
  // Period of the ordinary gems' mouse-over animation, in steps.
  static int AnimCycle;

  // Pictures, taken from the image bank by Load: the gem strip, each bonus
  // piece's idle and activation strips, each gem's mouse-over strip, the lock
  // and the burst ring.
  static std::shared_ptr<TGameImage> GemsImage, LockedGemImage, RingImage;
  static std::shared_ptr<TGameImage> IdleImages[TypeCount], ActivateImages[TypeCount], AnimImages[TypeCount];

  static std::shared_ptr<TGem> Make(int x, int y, int type, int falling);
  static void Load();
  // Handles of the gem strip, the lock and the creature glow at their centres
  // (1, so the gems spin about their middles) or top-left corners (0).
  static void MidHandle(int flag);
  // A random one of the level's palette types.
  static int Random();
  static void InitArrays();
  static void InitIdleAnims();
  // Whole-step period of the mouse-over animation.
  static int CalcAnimCycle();

  void CalcCoords(int x, int y);
  // Starts the burst; the gem no longer counts as any type.
  void Explode(int full);
  // Bursts the gem for a bonus piece; 1 when it was locked (and is unlocked).
  int Destroy();
  void Unlock();
  void CreateMunchkin();
  void MakeMunchkinParticle();
  // Advances the hidden creature's cycle.
  void Manage();
  void SetHintWobble(int on);
  // The drop shadow the detail setting calls for, on or off.
  void ApplyShadow();
  // Puts a new gem one cell above its entry cell.
  void SetDropInY();
  // Draws the gem with its highlights, lock, shadow, wobble and burst ring.
  void DrawGem();

  bool Falling() const { return dy > 0; }
  bool Bursting() const { return ExplosionCounter > 0; }
  bool Ordinary() const { return GemType >= 1 && GemType <= 7; }
  float MidX() const { return x + w2; }
  float MidY() const { return y + h2; }
};

using TGemRef = std::shared_ptr<TGem>;
