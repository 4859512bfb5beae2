// The instructions: four short texts, each beside a small board of six cells that
// acts out a rule of the game (a swap making a line, bricks cleared, a creature
// freed, a bonus piece) with the board's own pictures, over and over.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "gfx/ParticleList.h"
#include "screens/Screen.h"

class TAnimation;
class TSineCounter;

class TInstructionsScreen : public TScreen {
 public:
  // The demonstration's phases: start, swap, match, empty, gauge.
  enum { PhaseStart = 0, PhaseSwap = 1, PhaseMatch = 2, PhaseEmpty = 3, PhaseGauge = 4 };

  std::shared_ptr<TAnimation> Anim1;
  float MunchkinCounter = 0;
  float MunchkinLength = 0;
  std::shared_ptr<TSineCounter> glow, glow2;
  std::vector<std::string> Text;
  int PageWidth = 300;
  int TotalLines = 0;

  // The demonstration's own particles: brick debris and flashes, creature dust and
  // sparkles, creature figures.
  TParticleList BoardParticles, EffectParticles, CreatureParticles;

  TInstructionsScreen();

  void Load() override;
  void Kill() override;
  void Start() override;
  void Logic() override;
  void Draw() override;
  int SetEscDestination() override;

  void ManageMunchkins();
  void Close();
  void OutputText(int x, int y);
  void DrawCells(int x, int y, int bricks);
  void DrawRing(int x, int y);
  void DrawGauge(int x, int y);
  void MunchkinParticles(float x, float y, int count);
  void SparkleParticlesMake(float x, float y, int count);

  // The phase the demonstration shows.
  int Phase() const;
  // Its progress through the phase, 0 at the start and 1 at the end.
  float PhaseProgress() const;

 private:
  void PhaseTwoEffects();
  // The four texts wrapped once when the screen loads, in the order they are drawn.
  void WrapTexts();
  std::vector<std::vector<std::string>> wrapped_;
  void ClearParticles();
  void DrawPanelA(int x0, int y0);
  void DrawPanelB(int x0, int y0);
  void DrawPanelC(int x0, int y0);
  void DrawPanelD(int x0, int y0);
  // A swap panel: two rows of gems, the middle (or right) column swapping in phase 1.
  void DrawSwapPanel(int x0, int y0, const int top[3], const int bottom[3], int column, int survivor);
};
