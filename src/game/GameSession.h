// What the screens around the board may ask of the game being played: the level and
// where it stands, the player with their scores, the board's effects (the level-end
// snow falls among them) and a new game. The game screen answers; other screens find
// it through the registry and never see the screen itself.
#pragma once
#include <memory>

class TPlayer;
class TBoardParticles;

class TGameSession {
 public:
  // The level being played, its chapter of five and its place in the chapter.
  virtual int CurrentLevel() const = 0;
  virtual int GetChapter() const = 0;
  virtual int GetSubLevel() const = 0;
  // Moves on after a won level; 1 when the pack was finished and starts again.
  virtual int AdvanceLevel() = 0;
  // A new game for the current profile (the title screen's "play").
  virtual void GameStart() = 0;
  virtual TPlayer* SessionPlayer() const = 0;
  virtual TBoardParticles* SessionParticles() const = 0;
  // The player's last life is gone / a life was lost and play goes on.
  virtual void GameOver() = 0;
  virtual void ResumeAfterDeath() = 0;

  // The level's background picture (numbered from 1).
  static int BackgroundNumber(int level);
  static constexpr int BackgroundCount = 10;

 protected:
  ~TGameSession() = default;
};

// The game screen's session; none before start-up registered the game screen.
TGameSession* GameSession();
