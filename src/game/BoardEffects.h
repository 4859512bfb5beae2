// The pictures the board rules leave behind (score pictures, debris, sprays,
// freed creatures, the bonus pieces' bursts). The rules only announce them
// here; the game screen makes its boards with a sink that makes the particles. Positions
// are logical pixels; counts are before the effects-quality setting scales them.
#pragma once
#include <memory>
#include <string>

class TBoardEffects {
 public:
  virtual ~TBoardEffects() = default;
  // A rising score picture ("score10" ... "score100") centred at (x, y).
  virtual void ScorePicture(float x, float y, const std::string& picture) {}
  // Three pieces of a cleared brick layer thrown up from the cell's centre.
  virtual void BrickDebris(float x, float y, int armour) {}
  // A gem bursting in a line: coloured flakes and flame puffs.
  virtual void GemBurst(float x, float y, int flakes, int puffs) {}
  virtual void FlamePuffs(float x, float y, int count) {}
  // Ice splinters of a lock breaking.
  virtual void UnlockSplinters(float x, float y, int flakes, int shards) {}
  // A hidden creature leaves its gem: the glow (always) and the stream of gold
  // dust to the gauge (streamCount particles, 0 while the level's outro runs).
  virtual void CreatureFreed(float x, float y, int streamCount) {}
  // Bonus pieces: the paint pot's ice sparks, the star's and the key's fireballs,
  // and the crackers flying out of a row (horizontal) or a column.
  virtual void IceSparks(float x, float y, int count) {}
  virtual void Fireballs(float x, float y, int count) {}
  virtual void CrackerFlyers(float x, float y, int horizontal) {}
  // Whether gems cast their soft shadow (the effects-quality setting decides in the game).
  virtual bool GemShadows() const { return true; }
};

