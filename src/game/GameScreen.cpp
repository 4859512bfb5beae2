#include "game/GameScreen.h"

#include <filesystem>

#include "core/Game.h"
#include "core/Globals.h"
#include "audio/SoundBank.h"
#include "game/Board.h"
#include "game/BoardHost.h"
#include "game/BoardParticles.h"
#include "game/BoardResources.h"
#include "game/Cell.h"
#include "game/GameGrid.h"
#include "game/GemList.h"
#include "game/GridSounds.h"
#include "game/PlayerProgress.h"
#include "game/PointerSparkle.h"
#include "gfx/Draw.h"
#include "core/ErrorReport.h"
#include "gfx/ImageBank.h"
#include "player/Profile.h"
#include "screens/GameFade.h"
#include "ui/MousePointer.h"

namespace {
constexpr int BackgroundCount = 10;

class TScreenHost : public TBoardHost {
 public:
  explicit TScreenHost(TGameScreen& screen) : screen_(screen) {}
  int CurrentLevel() override { return screen_.Level; }
  void AddScore(int points) override { screen_.Score += points; }
  void KillsAdd(int count) override { screen_.Kills += count; }
  void Quit() override { screen_.RestartPending = 1; }
  void LevelEndStart() override { screen_.LevelWon = 1; }
  void FatalError(const char* text) override { ::FatalError(text); }

 private:
  TGameScreen& screen_;
};

std::string OrDefault(const std::string& path, const char* fallback) { return path.empty() ? fallback : path; }
}  // namespace

TGameScreen::TGameScreen()
    : Particles(std::make_shared<TBoardParticles>()),
      Sounds(std::make_shared<TGridSounds>()),
      host_(std::make_shared<TScreenHost>(*this)) {
  name = "game";
}

TGameScreen::~TGameScreen() = default;

void TGameScreen::Load() {
  name = "game";
  // The banks were filled by the start-up loading.
  TakeBoardPictures();
  if (!Sounds->GridChannels) Sounds->CreateChannels();
  if (!Game->Mouse->ParticleFunc) Game->Mouse->ParticleFunc = PointerSparkle;
  LoadBackground();
}

void TGameScreen::LoadBackground() {
  const std::string background =
      OrDefault(Game->ImagePath, "Data/graphics/") + "bg" + std::to_string((Level - 1) % BackgroundCount + 1) + ".jpg";
  Image = LoadImage(background, 0);
  if (!Image) FatalError("Error loading bitmap " + background);
  PrecacheImage(Image);
}

void TGameScreen::NextLevel() {
  LevelWon = 0;
  // The next level opens; after a pack's last one the pack starts again from level 1
  // with every level left open, and play goes on in the other pack where it was left.
  int32_t& next = PlayerProgress.Level[size_t(LevelPack)];
  int32_t& unlocked = PlayerProgress.Unlocked[size_t(LevelPack)];
  next = Level + 1;
  if (unlocked < next) unlocked = next;
  if (next > LevelsPerPack) {
    next = 1;
    LevelPack = 1 - LevelPack;
  }
  ReadProgress();
  if (Game->CurrentProfile) Game->CurrentProfile->Save();
  LoadBackground();
  LevelStart();
}

void TGameScreen::ReadProgress() {
  Level = PlayerProgress.Level[size_t(LevelPack)];
  if (Level < 1 || Level > LevelsPerPack) Level = 1;
}

void TGameScreen::Start() {
  SetBoardHost(host_);
  SetBoardEffects(Particles);
  SetBoardSoundSink(Sounds);
  TScreen::Start();
  LevelStart();
  Game->Mouse->On();
  Game->GameFade->Init(float(StandardFadeLength), 0);
}

void TGameScreen::LevelStart() {
  RestartPending = 0;
  TGem::MidHandle(0);
  if (Grid) Grid->Clear();
  Grid = TGameGrid::Create();
  // A missing or unreadable level file is fatal, with the file named.
  const std::string path = Game->DataPrefix + TGameGrid::LevelPath(LevelPack, Level);
  if (!Grid->LoadFile(path)) BoardHost().FatalError(("Error loading file " + path).c_str());
  // A board that can never hold a move is played as it is; the settled-board
  // test then starts it again.
  Grid->FillUntilMove();
  Grid->DiagonalMoves = 0;
  Grid->DiagonalGauge = 0;
  Grid->BonusPower = 1;
  Gems->SortAll();
  Particles->Clear();
  Grid->SetupIntroFlash();
  Grid->RestorePointer();
  Game->FixedRateLogic.Init();
}

void TGameScreen::Logic() {
  if (Grid) Grid->Manage();
  Particles->Manage();
  Sounds->Manage();
  if (LevelWon)
    NextLevel();
  else if (RestartPending)
    LevelStart();
}

void TGameScreen::Draw() {
  SetColor(255, 255, 255);
  SetAlpha(1);
  TScreen::Draw();
  SetBlend(BLEND_ALPHA);
  if (Grid) Grid->Draw();
  Particles->BoardParticles.Draw();
  Particles->EffectParticles.Draw();
  Particles->BonusParticles.Draw();
  Particles->CreatureParticles.Draw();
  Particles->ScoreParticles.Draw();
}

void TGameScreen::Kill() {
  if (Grid) Grid->Clear();
  Grid.reset();
  Gems.reset();
  Particles->Clear();
  SetBoardHost(nullptr);
  SetBoardEffects(nullptr);
  SetBoardSoundSink(nullptr);
  TScreen::Kill();
}
