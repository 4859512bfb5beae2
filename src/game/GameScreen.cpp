#include "game/GameScreen.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/Game.h"
#include "audio/SoundBank.h"
#include "game/Board.h"
#include "game/BoardHost.h"
#include "game/BoardParticles.h"
#include "game/BoardResources.h"
#include "game/Cell.h"
#include "game/GameGrid.h"
#include "game/GemList.h"
#include "game/GridSounds.h"
#include "game/PointerSparkle.h"
#include "gfx/Draw.h"
#include "gfx/FatalReport.h"
#include "gfx/ImageBank.h"
#include "platform/Window.h"
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
  void LevelEndStart() override { screen_.RestartPending = 1; }
  void FatalError(const char* text) override { FatalReport(text); }

 private:
  TGameScreen& screen_;
};

std::string OrDefault(const std::string& path, const char* fallback) { return path.empty() ? fallback : path; }
}  // namespace

// Eight by eight with a ring of armour, a few locked gems and one bomb.
const char* const TGameScreen::FallbackLevel =
    "REM,Frosty Square\n"
    "120\n"
    "8,9,10\n"
    "8,8\n"
    "0,0\n"
    "3,1,1,1,1,1,1,3\n"
    "1,1,1,2,2,1,1,1\n"
    "1,1,1,1,1,1,1,1\n"
    "1,1,-1,8,-1,-1,1,1\n"
    "1,1,-1,-1,-1,-1,1,1\n"
    "1,1,1,1,1,1,1,1\n"
    "1,1,1,1,1,1,1,1\n"
    "3,1,1,1,1,1,1,3\n";

TGameScreen::TGameScreen()
    : Particles(std::make_shared<TBoardParticles>()),
      Sounds(std::make_shared<TGridSounds>()),
      host_(std::make_shared<TScreenHost>(*this)) {
  name = "game";
}

TGameScreen::~TGameScreen() = default;

std::string TGameScreen::LevelText(int pack, int level) {
  std::string path = (Game ? Game->DataPrefix : std::string()) + TGameGrid::LevelPath(pack, level);
  std::ifstream in(path, std::ios::binary);
  if (!in) return FallbackLevel;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void TGameScreen::Load() {
  name = "game";
  if (!ImageBank) {
    ImageBank = std::make_unique<TImageBank>();
    ImageBank->SetPath(OrDefault(Game->ImagePath, "Data/graphics/"));
  }
  if (!ImageBank->Find("gems", 1)) {
    LoadBoardPictures(*ImageBank);
    ImageBank->Precache();
  }
  TakeBoardPictures();
  if (!SoundBank) {
    SoundBank = std::make_unique<TSoundBank>();
    SoundBank->SetPath(OrDefault(Game->SoundPath, "Data/sound/"));
  }
  if (!SoundBank->Contains("click")) LoadBoardSounds(*SoundBank);
  if (!Sounds->GridChannels) Sounds->CreateChannels();
  if (!Game->Mouse) {
    Game->Mouse = std::make_shared<TMousePointer>();
    Game->Mouse->offsetx = 4;
  }
  if (!Game->Mouse->ParticleFunc) Game->Mouse->ParticleFunc = PointerSparkle;

  const std::string background =
      OrDefault(Game->ImagePath, "Data/graphics/") + "bg" + std::to_string((Level - 1) % BackgroundCount + 1) + ".jpg";
  Image = LoadImage(background, 0);
  if (!Image) FatalReport("Error loading bitmap " + background);
  PrecacheImage(Image);
}

void TGameScreen::Start() {
  SetBoardHost(host_);
  SetBoardEffects(Particles);
  SetBoardSoundSink(Sounds);
  TScreen::Start();
  LevelStart();
  if (Game->CustomMousePointer) PlatformShowCursor(false);
  Game->Mouse->On();
}

void TGameScreen::LevelStart() {
  RestartPending = 0;
  TGem::MidHandle(0);
  if (Grid) Grid->Clear();
  Grid = TGameGrid::Create();
  Grid->LoadText(LevelText(LevelPack, Level));
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
  if (Game->Mouse) {
    Game->Mouse->Update();
    Game->Mouse->Manage();
  }
  if (Grid) Grid->Manage();
  Particles->Manage();
  Sounds->Manage();
  if (RestartPending) LevelStart();
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
  if (Game->Mouse) Game->Mouse->Draw();
}

void TGameScreen::Kill() {
  if (Grid) Grid->Clear();
  Grid.reset();
  Gems.reset();
  Particles->Clear();
  SetBoardHost(nullptr);
  SetBoardEffects(nullptr);
  SetBoardSoundSink(nullptr);
  PlatformShowCursor(true);
  TScreen::Kill();
}
