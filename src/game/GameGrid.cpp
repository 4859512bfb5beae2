#include "game/GameGrid.h"

#include <string>

#include "core/Globals.h"
#include "game/BoardClock.h"
#include "game/BoardHost.h"
#include "game/Cell.h"
#include "game/GemList.h"
#include "game/LevelFile.h"
#include "ui/MousePointer.h"
#include "platform/Files.h"
#include "platform/Random.h"

std::shared_ptr<TGameGrid> TGameGrid::Create(std::shared_ptr<TBoard> board) {
  auto g = std::make_shared<TGameGrid>(std::move(board));
  g->Init();
  return g;
}

void TGameGrid::Init() {
  SetImages();
  SetSounds();
  TGem::InitIdleAnims();
  glow.Init(0, 180, 1.0f, 0);
  glow2.Init(0, 180, 0.75f, 0);
  SwapTime = Board().Clock().AnimLength(200);
  HintLength = Board().Clock().AnimLength(2000);
  TopRowClear();
  DiagonalTextLength = int(Board().Clock().AnimLength(2000));
}

void TGameGrid::SetSounds() {
  ClickSound = "click";
  ClickReverseSound = "clickrev";
  InvalidSound = "invalid";
  SwapSound = "swap";
  FailedSound = "failed";
  MatchSound = "matchbrick";
  MatchNoBrickSound = "matchnobrick";
  LockedSound = "lockedclick";
  UnlockSound = "unlock";
  LandSound = "land";
  HintSound = "hint";
  SoundNoMore = "alarm";
  SoundExplode = "echopop";
  ExplodeSound = "explode";
  StarSound = "star";
  BrushSound = "brush";
  BrushInvalidSound = "invalid";
  PaintpotSound = "paintpot";
  HornSound = "cracker";
  TornadoSound = "cracker";
  MagicSound = "magic";
}

std::string TGameGrid::LevelPath(int pack, int level) {
  return std::string(pack == 1 ? "data/levelsGold/" : "data/levels/") + std::to_string(level) + ".txt";
}

void TGameGrid::Load(int level) {
  std::string path = LevelPath(LevelPack, level);
  if (!LoadFile(path)) Board().Host().FatalError(("Error loading file " + path).c_str());
}

int TGameGrid::LoadFile(const std::string& path) {
  std::string text;
  if (!ReadDataFile(path, text)) return 0;
  LoadText(text);
  return 1;
}

void TGameGrid::LoadText(std::string_view text) {
  // Parsing draws nothing at random, so reading the whole file first keeps the
  // palette draw in its place between the time line and the bonus line.
  ApplyLevel(TLevelFile::Parse(text));
}

void TGameGrid::ApplyLevel(const TLevelFile& file) {
  Clear();
  for (int& b : Board().LevelBonuses) b = 0;
  Board().LevelBonusCount = 0;
  LevelName = file.LevelName;
  TimeLimit = Board().Clock().AnimLength(float(file.TimeSeconds) * 1000.0f);

  int chosen = 0;
  while (chosen < GemTypeCount) {
    int t = Rand(1, 7);
    bool fresh = true;
    for (int i = 0; i < chosen; ++i) fresh = fresh && Board().GemTypes[i] != t;
    if (fresh) Board().GemTypes[chosen++] = t;
  }

  for (int b : file.Bonuses) Board().LevelBonuses[Board().LevelBonusCount++] = b;
  levelwidth = file.Width;
  levelheight = file.Height;
  Centre();
  CreateCells();
  LevelOffsetX = file.OffsetX;
  LevelOffsetY = file.OffsetY;

  Gold = Locked = TargetMet = 0;
  for (int y = 0; y < levelheight; ++y)
    for (int x = 0; x < levelwidth; ++x) {
      TCellCode code = TLevelFile::Decode(file.Codes[x][y]);
      TCell& c = *Board().Cells[x][y];
      c.active = code.active;
      c.gold = code.gold;
      c.armour = code.armour;
      c.gemlocked = code.gemlocked;
      c.bonus = code.bonus;
      Gold += code.GoldAdded;
      Locked += code.LockedAdded;
    }
  TopRowYCalc();
  FindEdges();
}

void TGameGrid::Clear() {
  for (auto& column : Board().Cells)
    for (auto& c : column) c.reset();
}

void TGameGrid::CreateCells() {
  for (int x = 0; x < levelwidth; ++x)
    for (int y = 0; y < levelheight; ++y) Board().Cells[x][y] = TCell::Create(x, y);
}

void TGameGrid::Centre() {
  sx = (800 - levelwidth * CellSize) / 2 + 60;
  sy = (600 - levelheight * CellSize) / 2;
}

void TGameGrid::FindEdges() {
  auto playable = [&](int x, int y) -> TCell* {
    if (x < 0 || y < 0 || x >= levelwidth || y >= levelheight) return nullptr;
    return PlayableAt(x, y);
  };
  auto setRight = [](TCell* c) {
    c->DrawRight = 1;
    if (c->DrawBottom) c->DrawCorner = 1;
  };
  auto setBottom = [](TCell* c) {
    c->DrawBottom = 1;
    if (c->DrawRight) c->DrawCorner = 1;
  };
  for (int y = 0; y < levelheight; ++y)
    for (int x = 0; x < levelwidth; ++x) {
      if (playable(x, y)) continue;
      if (TCell* c = playable(x - 1, y)) setRight(c);
      if (TCell* c = playable(x, y - 1)) setBottom(c);
      if (TCell* c = playable(x + 1, y)) c->DrawLeft = 1;
      if (TCell* c = playable(x, y + 1)) c->DrawTop = 1;
    }
  const int lastX = levelwidth - 1, lastY = levelheight - 1;
  for (int y = 0; y < levelheight; ++y)
    for (int x = 0; x < levelwidth; ++x) {
      TCell* c = playable(x, y);
      if (!c) continue;
      if (x == 0) c->DrawLeft = 1;
      if (x == lastX) setRight(c);
      if (y == 0) c->DrawTop = 1;
      if (y == lastY) setBottom(c);
    }
  if (TCell* c = playable(lastX, lastY)) c->DrawCorner = 1;
  for (int y = 0; y < levelheight; ++y)
    for (int x = 0; x < levelwidth; ++x) {
      TCell* c = playable(x, y);
      if (!c) continue;
      if (c->DrawTop && c->DrawLeft && (x == 0 || y == 0 || !playable(x - 1, y - 1))) c->DrawTL = 1;
      if (c->DrawTop && c->DrawRight && (x == lastX || y == 0 || !playable(x + 1, y - 1))) c->DrawTR = 1;
      if (c->DrawBottom && c->DrawRight && (x == lastX || y == lastY || !playable(x + 1, y + 1)))
        c->DrawBR = 1;
      if (c->DrawBottom && c->DrawLeft && (x == 0 || y == lastY || !playable(x - 1, y + 1))) c->DrawBL = 1;
    }
}

void TGameGrid::FillGrid() {
  Board().Gems = std::make_shared<TGemList>();
  for (int y = 0; y < levelheight; ++y) {
    int previous = 0, run = 0;
    for (int x = 0; x < levelwidth; ++x) {
      TCell* c = PlayableAt(x, y);
      if (!c) {
        previous = run = 0;
        continue;
      }
      int type;
      if (c->bonus > 0) {
        type = c->bonus;
        // An ordinary start piece counts towards the run, so that the gems after
        // it cannot complete a line with it.
        run = type <= 7 ? (type == previous ? run + 1 : 1) : 0;
      } else {
        for (;;) {
          type = TGem::Random();
          if (type == previous && run >= 2) continue;
          if (y >= 2) {
            TCell* a = CellAt(x, y - 1);
            TCell* b = CellAt(x, y - 2);
            if (a && b && a->Gem && b->Gem && a->Gem->GemType == type && b->Gem->GemType == type) continue;
          }
          break;
        }
        run = type == previous ? run + 1 : 1;
      }
      previous = type;
      TGemRef gem = TGem::Make(x, y, type, 0);
      if (c->gemlocked) gem->locked = 1;
      Board().Gems->Append(gem);
      c->Gem = gem;
    }
  }

  int ordinary = 0;
  for (auto& g : Board().Gems->Items)
    if (g->Ordinary()) ++ordinary;
  int creatures = ordinary * 15 / 100;
  for (int i = 0; i < creatures; ++i) {
    for (;;) {
      int x = Rand(0, levelwidth - 1);
      int y = Rand(0, levelheight - 1);
      TCell* c = PlayableAt(x, y);
      if (c && c->Gem && c->Gem->Ordinary() && !c->Gem->Munchkin) {
        c->Gem->CreateMunchkin();
        break;
      }
    }
  }
}

int TGameGrid::FillUntilMove() {
  for (int i = 0; i < MaxFills; ++i) {
    FillGrid();
    if (NoMoreMoves(0) == 0) return 1;
  }
  return 0;
}

void TGameGrid::SetupIntroFlash() {
  IntroLimit = Board().Clock().AnimLength(50);
  IntroCounter = 0;
  IntroColumn = 0;
  FlashColumn(0);
}

void TGameGrid::IntroFlash() {
  if (IntroColumn >= levelwidth) return;
  IntroCounter += Delta;
  if (IntroCounter >= IntroLimit) {
    IntroColumn += 1;
    IntroCounter = 0;
    if (IntroColumn < levelwidth) FlashColumn(IntroColumn);
  }
}

void TGameGrid::FlashColumn(int column) {
  for (int y = 0; y < levelheight; ++y)
    if (TCell* c = CellAt(column, y)) c->glow = 0.5f;
}

void TGameGrid::RandomFlash() {
  if (IntroColumn < levelwidth) return;
  if (float(Rand(1, 100000)) < 15.0f * Delta) SetupIntroFlash();
}

void TGameGrid::ManageFlash() {
  for (int x = 0; x < levelwidth; ++x)
    for (int y = 0; y < levelheight; ++y)
      if (TCell* c = CellAt(x, y); c && c->glow > 0) c->glow = std::max(0.0f, c->glow - 0.02f * Delta);
}

void TGameGrid::Manage() {
  TBoardHost& host = Board().Host();
  CheckMouse();
  TMousePointer* mouse = Board().Host().Pointer();
  MouseUpFlag = mouse && mouse->GetMb() ? 0 : 1;
  AnimatePointer();
  IntroFlash();
  RandomFlash();
  glow.Manage();
  glow2.Manage();
  HintManage();
  SwapManage();
  DiagonalManage();
  ManageFlash();
  const int outro = host.OutroRunning();
  const int oldBlock = BlockInput;
  int bursting = Board().Gems ? Board().Gems->Manage() : 0;
  if (!outro) BlockInput = bursting;
  DropGems();
  if (SwapCounter > 0) BlockInput = 1;
  if (!outro && oldBlock == 1 && BlockInput == 0) LevelEndTest();
  ManageNoMoreMoves();
}

void TGameGrid::DeleteGem(int x, int y) {
  TCell* c = CellAt(x, y);
  if (!c || !c->Gem) return;
  if (Board().Gems) Board().Gems->Remove(c->Gem.get());
  c->Gem.reset();
}

void TGameGrid::LevelEndTest() {
  if (Gold <= 0) LevelEndStart();
}

void TGameGrid::DiagonalManage() {
  if (DiagonalTextCounter > 0) DiagonalTextCounter = std::max(0.0f, DiagonalTextCounter - Delta);
}

void TGameGrid::EmptyGauge() {
  if (BonusPower == 2) {
    BonusPower = 1;
    DiagonalGauge = 0;
  }
}

int TGameGrid::AnyLockedGem() const {
  for (int x = 0; x < levelwidth; ++x)
    for (int y = 0; y < levelheight; ++y)
      if (TCell* c = CellAt(x, y); c && c->Gem && c->Gem->locked) return 1;
  return 0;
}
