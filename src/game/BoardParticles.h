// The particles the board leaves behind, made for real: brick debris and creature
// glows, flakes and sparks, the bonus pieces' effects, creature figures and the
// rising score pictures, each kind in the list the game screen draws it from.
#pragma once
#include <memory>
#include <string>

#include "game/BoardEffects.h"
#include "gfx/ParticleList.h"

class TGameImage;

class TBoardParticles : public TBoardEffects {
 public:
  TParticleList BoardParticles;
  TParticleList EffectParticles;
  TParticleList BonusParticles;
  TParticleList CreatureParticles;
  TParticleList ScoreParticles;
  // The picture that rides the pointer's sparkle trail.
  std::shared_ptr<TGameImage> SparkleImage;

  // Number made of n at the game's effects-quality setting.
  static int Scaled(int n);

  void ScorePicture(float x, float y, const std::string& picture) override;
  void BrickDebris(float x, float y, int armour) override;
  void GemBurst(float x, float y, int flakes, int puffs) override;
  void FlamePuffs(float x, float y, int count) override;
  void UnlockSplinters(float x, float y, int flakes, int shards) override;
  void CreatureFreed(float x, float y, int streamCount) override;
  void IceSparks(float x, float y, int count) override;
  void Fireballs(float x, float y, int count) override;
  void CrackerFlyers(float x, float y, int horizontal) override;
  bool GemShadows() const override;

  // Moves every list one step.
  void Manage();
  void Clear();

 private:
  // n coloured flakes and sparks spreading from (x, y) and fading.
  void Flakes(float x, float y, int n);
};

// Where freed creatures' gold dust flies to: the power gauge on the side panel.
constexpr float GaugeTargetX = 59, GaugeTargetY = 452;

// n motes of gold dust (now and then a bright, spinning sparkle) rising from around
// (x, y), flying to (tx, ty) over `steps` logic steps and fading there: a freed
// creature's power going to the gauge, on the board and in the instructions.
void GoldDustStream(TParticleList& list, float x, float y, float tx, float ty, int n, float steps,
                    const std::shared_ptr<TGameImage>& sparkle);
