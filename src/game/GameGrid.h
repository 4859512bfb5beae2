// The board of the level being played and the rules that act on it: loading a
// level file, the initial fill, swapping and matching, falling and refilling,
// cascades, and the search for a legal move. Runs on plain data: drawing, sound,
// particles and the screen around it are reached only through small seams.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "game/Board.h"
#include "game/Gem.h"
#include "gfx/SineCounter.h"

class TLevelFile;
class TGameImage;
class TMousePointer;

class TGameGrid {
 public:
  explicit TGameGrid(std::shared_ptr<TBoard> board = std::make_shared<TBoard>()) : board_(std::move(board)) {}
  // The board this grid plays: its cells, gems and seams.
  TBoard& Board() const { return *board_; }

  int sx = 0, sy = 0;
  int w = 0, h = 0;
  int cx = -1, cy = -1;
  int dx = -1, dy = -1;
  int mx = -1, my = -1;
  int selectedX = -1, selectedY = -1;
  int levelwidth = 0, levelheight = 0;
  float yacc = 0;
  float alpha = 1.0f;
  std::string LevelName;
  float TimeLimit = 0;
  int Gold = 0;
  int Locked = 0;
  int LevelOffsetX = 0, LevelOffsetY = 0;
  int TargetMet = 0;
  int Mode = 0;
  int MouseUpFlag = 1;
  int BlockInput = 0;
  int PointerAnimated = 0;
  float PointerAnimCounter = 0;
  int PointerAnimLength = 0;
  int PointerGemType = 0;
  int PointerGemTypeStored = 0;
  float PointerAnimCounterStored = 0;
  float SwapCounter = 0;
  float SwapTime = 200;
  TGemRef SwapSource, SwapDest;
  int FailedMove = 0;
  // Pulsing highlights: the cursor's glow, and the bonus pieces' and creatures' glow.
  TSineCounter glow, glow2;
  float JiggleOffset = 0;
  int JiggleDirection = 0;
  float JiggleMax = 4;
  int Exploded = 0;
  float HintCounter = 0;
  float HintLength = 2000;
  int HintCurrent = 1;
  int HintX = -1, HintY = -1;
  int HintGemType = 0;
  int DebugX = -1, DebugY = -1;
  std::shared_ptr<TGameImage> CursorImage, BonusHighlightMidImage, MagicHighlightImage;

  // Sound-bank names of the board's sounds (played through BoardSound).
  std::string ClickSound, ClickReverseSound, InvalidSound, SwapSound, FailedSound, MatchSound;
  float MatchPitch = 0.8f;
  std::string MatchNoBrickSound, LockedSound, UnlockSound, LandSound, HintSound, SoundNoMore,
      SoundExplode;
  int MunchkinPlaying = 0;
  std::string ExplodeSound, StarSound, BrushSound, BrushInvalidSound, PaintpotSound, HornSound,
      TornadoSound, MagicSound;

  float IntroCounter = 0;
  float IntroLimit = 50;
  int IntroColumn = 0;
  float FallCounter = 0;
  int NoMore = 0;
  float NoMoreCounter = 0;
  int MoveNeedsMatchFlag = 1;
  int DropGemsFlag = 1;
  int MakeNewGems = 1;
  int DiagonalMoves = 0;
  float DiagonalGauge = 0;
  float DiagonalGaugeMax = 10;
  float DiagonalTextCounter = 0;
  int DiagonalTextLength = 0;
  int BonusPower = 1;
  int DynamicDebug = 0;

  // Refills that FillUntilMove tries before it gives up on a board that can never hold a move.
  static constexpr int MaxFills = 1000;

  static std::shared_ptr<TGameGrid> Create(std::shared_ptr<TBoard> board = std::make_shared<TBoard>());
  void Init();
  void SetSounds();
  // Takes the cursor and highlight pictures from the image bank (none when it lacks them).
  void SetImages();

  // Reads level N of LevelPack from the data folder (fatal when missing).
  void Load(int level);
  static std::string LevelPath(int pack, int level);
  // Reads a level from a file; 0 when it cannot be opened.
  int LoadFile(const std::string& path);
  // Builds the board from level text (tests and the level checker use this directly).
  void LoadText(std::string_view text);
  void Clear();
  void CreateCells();
  void Centre();
  void FindEdges();

  // Initial random fill: no three ordinary gems in a line, start pieces kept,
  // 15 % of the ordinary gems hide a creature.
  void FillGrid();
  // FillGrid until the board has a legal move, at most MaxFills times; 1 when a move exists.
  int FillUntilMove();

  void SetupIntroFlash();
  void IntroFlash();
  void FlashColumn(int column);
  void RandomFlash();
  void ManageFlash();

  // Frame, cells, pointer highlight, gems and cursor, in that order.
  void Draw();
  // The frame and cells, which change only when a cell does (a brick broken, a flash),
  // and a key that changes whenever what they show does.
  void DrawStanding();
  uint64_t StandingKey() const;
  // What moves over them: the pointer highlight, gems and cursor.
  void DrawMoving();

  // One logic step of the board, in its fixed order.
  void Manage();
  void DeleteGem(int x, int y);

  // Moves and lines.
  void StartSwap();
  void SwapManage();
  void SwapGems();
  void SwapReverse();
  int DoMatches(int countOnly, int includeSwapping);
  void ClearMatches();
  void ScoreSpriteCreate(int x, int y, int total, int creature);
  int RemoveGold(int x, int y);
  int DestroySquare(int x, int y);
  void PlayMunchkinSound();
  // Points and picture for one burst gem of a search that found `total`.
  static int ScoreFor(int total);

  // Falling and refilling.
  void TopRowYCalc();
  void TopRowClear();
  void CheckTopRow();
  int DropGems();

  // Legal moves.
  int NoMoreMoves(int n);
  int TestMove(int n, int x1, int y1, int x2, int y2, const TGemRef& gem, int& swapped, int& found,
               int& count);
  int DoQuickMatchHoriz(int x, int y);
  int DoQuickMatch(int x, int y, bool horizontal);
  int DoQuickMatchVert(int x, int y);
  // Hints: the Hint button's next legal move wobbles for a while; 0 when no hint
  // can be given now (the board is busy, or one is showing already).
  int HintStart();
  void HintManage();
  void HintEnd();
  // The no-moves sequence: alarm, a second of shaking while the board and the
  // music fade, three seconds of gems flying apart, then the screen rebuilds the level.
  void StartNoMoreMoves();
  void ManageNoMoreMoves();

  // Board input, read from the game's mouse pointer once per step.
  int CheckMouse();
  int CheckDrag();
  void CursorClear();
  void CursorSet(int x, int y);
  void ClearBonus();
  // The pointer's look: the normal arrow, or the small arrow carrying a bonus piece.
  void SetBonusPointer(int type, int resume);
  void InitPointerAnim();
  void AnimatePointer();
  void SetPointerFrame();
  void RestorePointer();
  // 2: the in-game menu opens (the carried piece is put aside); 3: it closes.
  void TogglePointer(int kind);

  // Bonus pieces. UseBonus acts with a piece pressed with nothing selected (8, 9,
  // 10, 12); UseTarget applies the armed piece (11, 13, 14) to a cell and returns
  // 0 when the piece refused and stays armed.
  void UseBonus(int x, int y, int type);
  int UseTarget(int x, int y, int type);
  // Power 1: the 3 x 3 square; power 2: the 5 x 5 square without its corners;
  // clipped to the level, holes left out. Cells as (x, y) pairs in column order.
  int BonusArea(int x, int y, int power, int (&cells)[25][2]) const;
  // The type 15 piece's draw: 8-14, with 14 only while a locked gem stands.
  int RandomBonusType() const;
  void LevelEndTest();
  // The level is won: when the screen accepts, every gem bursts where it stands
  // and input stays blocked. 1 when it started.
  int LevelEndStart();
  void DiagonalManage();
  void EmptyGauge();
  void Kill() {}

  // 1 when any locked gem stands on the board.
  int AnyLockedGem() const;
  // Ordinary gems burst in a line get a random bonus piece now and then.
  void BonusRoll(int x, int y);

 private:
  std::shared_ptr<TBoard> board_;
  void ApplyLevel(const TLevelFile& file);
  bool Selected(int x, int y) const { return Mode == 1 && cx == x && cy == y; }
};
