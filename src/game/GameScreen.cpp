#include "game/GameScreen.h"

#include <algorithm>
#include <cmath>

#include "audio/ChannelArray.h"
#include "audio/GameSound.h"
#include "audio/Mixer.h"
#include "audio/SoundBank.h"
#include "core/DataPaths.h"
#include "core/ErrorReport.h"
#include "core/Game.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "core/Input.h"
#include "core/Settings.h"
#include "game/Board.h"
#include "game/BoardClock.h"
#include "game/BoardHost.h"
#include "game/BoardParticles.h"
#include "game/BoardResources.h"
#include "game/BoardSound.h"
#include "game/Cell.h"
#include "game/GameGrid.h"
#include "game/GemList.h"
#include "game/GridSounds.h"
#include "game/HintPage.h"
#include "game/PointerSparkle.h"
#include "game/ScreenSounds.h"
#include "gfx/Animation.h"
#include "gfx/Draw.h"
#include "gfx/GameFonts.h"
#include "gfx/GameImage.h"
#include "gfx/ImageBank.h"
#include "platform/Random.h"
#include "player/Profile.h"
#include "screens/GameFade.h"
#include "screens/LoadingScreen.h"
#include "screens/Overlay.h"
#include "screens/ScreenRegistry.h"
#include "screens/ScreenSwitch.h"
#include "ui/GameText.h"
#include "ui/Menu.h"
#include "ui/MousePointer.h"

namespace {
class TScreenHost : public TBoardHost {
 public:
  explicit TScreenHost(TGameScreen& screen) : screen_(screen) {}
  int OutroRunning() override { return screen_.OutroRunning(); }
  int CurrentLevel() override { return screen_.CurrentLevel(); }
  void AddScore(int points) override { screen_.Player->Score += points; }
  void KillsAdd(int count) override { screen_.Player->KillsAdd(count); }
  void MunchkinFreed() override { screen_.CreatureFreed(); }
  void ResetHintShowCounter() override { screen_.HintShowCounter = 0; }
  void FewBricksLeft() override { screen_.FewBricksLeft(); }
  void Quit() override { screen_.Quit(); }
  int NextLevel() override { return screen_.NextLevel(); }
  void HintShown() override { screen_.HintShown(); }
  void NoMovesMusic(float ratio) override {
    if (TMixer::Current()) Mixer().MusicApplyVolume(ratio);
  }
  void NoMovesOver() override { screen_.RestartPending = 1; }
  void FatalError(const char* text) override { ::FatalError(text); }
  TMousePointer* Pointer() override { return TMousePointer::Current(); }

 private:
  TGameScreen& screen_;
};

std::shared_ptr<TGameImage> Bank(const char* name) { return ImageBank ? ImageBank->Find(name, 1) : nullptr; }

bool CtrlHeld() { return InputKeyDown(17) || InputKeyDown(162) || InputKeyDown(163); }
}  // namespace

TGameScreen::TGameScreen()
    : Player(std::make_shared<TPlayer>()),
      Particles(std::make_shared<TBoardParticles>()),
      Sounds(std::make_shared<TGridSounds>()),
      host_(std::make_shared<TScreenHost>(*this)) {
  name = "game";
  Player->Screen = this;
}

TGameScreen::~TGameScreen() = default;

int TGameScreen::MusicTrackNumber(int level) { return (level - 1) % MusicTrackCount + 1; }

int TGameScreen::StartHintRecord(int pack, int level) {
  if (level < 1 || level > 9) return -1;
  // The gold pack shares the classic pack's records but keeps record 8 for
  // its own ninth page.
  if (pack == 1 && level == 9) return 9;
  return level - 1;
}

int TGameScreen::CurrentPack() { return LevelPack >= 0 && LevelPack < TProfileGameData::PacksInUse ? LevelPack : 0; }

int TGameScreen::CurrentLevel() const {
  const int level = Player->Level[size_t(CurrentPack())];
  return level >= 1 && level <= LevelsPerPack ? level : 1;
}

int TGameScreen::GetChapter() const { return (CurrentLevel() - 1) / 5 + 1; }

int TGameScreen::GetSubLevel() const { return (CurrentLevel() - 1) % 5 + 1; }

TOverlay* TGameScreen::GameMenu() const {
  return IsScreenRegistered(TScreenId::GameMenu) ? FindOverlay(TScreenId::GameMenu) : nullptr;
}

TOverlay* TGameScreen::HintScroll() const {
  return IsScreenRegistered(TScreenId::HintScroll) ? FindOverlay(TScreenId::HintScroll) : nullptr;
}

TOverlay* TGameScreen::LevelCompletePanel() const {
  return IsScreenRegistered(TScreenId::LevelComplete) ? FindOverlay(TScreenId::LevelComplete) : nullptr;
}

int TGameScreen::PanelShowing() const {
  TOverlay* panel = LevelCompletePanel();
  return panel && panel->Active ? 1 : 0;
}

int TGameScreen::OpenHintPage(int page, int record, int sound) {
  TOverlay* scroll = HintScroll();
  THintPage* hint = FindHintPage();
  if (!scroll || !hint || scroll->Active || !Game->CurrentProfile) return 0;
  if (!Game->CurrentProfile->ShowHint(record, 1)) return 0;
  hint->LoadSpecial(page, 0);
  hint->Show(sound);
  return 1;
}

int TGameScreen::OutroRunning() const { return OutroAnim && OutroAnim->Active ? 1 : 0; }

// ---------------------------------------------------------------- entering and leaving

void TGameScreen::GameStart() {
  Player->Load();
  Player->InitStats();
  Player->ReadProfile(Game->CurrentProfile.get(), 0);
}

void TGameScreen::Load() {
  name = "game";
  if (Screens().LoadingScreen) Screens().LoadingScreen->DrawLoading(1);
  Chapter = GetChapter();
  // The banks were filled by the start-up loading.
  TakeBoardPictures();
  if (!Sounds->GridChannels) Sounds->CreateChannels();
  if (!Pointer().ParticleFunc) Pointer().ParticleFunc = PointerSparkle;
  const int level = CurrentLevel();
  // A new picture may take the old one's address: the kept board must not outlive it.
  standing_.Forget();
  ImageLoad("bg" + std::to_string(BackgroundNumber(level)) + ".jpg", 0, 1);
  Mixer().MusicLoad("level" + std::to_string(MusicTrackNumber(level)) + ".ogg", 1);
  Mixer().FadeMusic = 1;
  IntroAnim = TAnimation::Create(1000, 0, 0, 0, 0);
  OutroAnim = TAnimation::Create(4500, 1, 0, 0, 0);
  Go = TSprite::CreateFromFile("Localised/go", 0, 0, 1, -1);
  WellDone = TSprite::CreateFromFile("Localised/welldone", 0, 0, 1, -1);
  SoundLevelStart = BankSoundOrNone("levelstart");
  SoundLevelEnd = BankSoundOrNone("levelend");
  SoundGaugeFull = BankSoundOrNone("gaugefull");
  noMoreMovesText_ = GameText ? GameText->FindString("No More Moves") : std::string();
  gaugeFullText_ = GameText ? GameText->FindString("Gauge Full") : std::string();
  PrepareGlyphs();
  Menu = TMenu::Create("buttonMO", "buttonclick");
  Menu->AddPair("Hint", "Menu", 50);
  for (auto& button : Menu->Buttons) button->SetFixedGlowOnMO(0.5f, 0.005f, 0);
  Menu->ShareOnePage();
  SetMenuCoords();
  // The in-game menu loads itself when first opened (TGameMenu::Open).
  LoadParticles();
  PanelImage = Bank("panel");
  XInactiveImage = Bank("gaugeempty");
  XActive1Image = Bank("gaugefull");
  XActive2Image = Bank("gaugemax");
  for (auto* picture : {&PanelImage, &XInactiveImage, &XActive1Image, &XActive2Image})
    if (*picture) (*picture)->Precache();
  if (TOverlay* panel = LevelCompletePanel()) panel->Load();
}

void TGameScreen::PrepareGlyphs() {
  // A glyph is rendered the first time it is measured or drawn; doing it now keeps
  // that work (and its memory) out of the frames in which a new digit first shows.
  const TImageFontPtr before = GetImageFont();
  SetImageFont(HudFont());
  TextWidth("0123456789: ");
  SetImageFont(Font48);
  TextWidth(noMoreMovesText_);
  TextWidth(gaugeFullText_);
  SetImageFont(before);
}

void TGameScreen::LoadParticles() { sparkleImage_ = Bank("sparkle"); }

void TGameScreen::SetMenuCoords() {
  if (!Menu) return;
  if (auto hint = Menu->FindButton("Hint")) hint->SetPosition(4, 600 - 110);
  if (auto menu = Menu->FindButton("Menu")) menu->SetPosition(4, 600 - 59);
}

void TGameScreen::Start() {
  TScreen::Start();
  Mixer().MusicPlay(1, 0, 0);
  LevelStart();
  Screens().GameFade->Init(float(StandardFadeLength), 0);
}

void TGameScreen::CoreStart() {
  TScreen::CoreStart();
  Game->IgnoreEscapeKey = 1;
  ResetStops();
  if (TOverlay* menu = GameMenu()) {
    // The button that took the player away must not still glow, or answer, on the way back.
    if (menu->Menu) menu->Menu->ClearStates();
    // Back from the options or instructions opened over the level: it fades in again.
    if (menu->Active && !Screens().Fading()) Screens().GameFade->Init(float(StandardFadeLength), 0);
  }
  // The detail setting may have changed in the options meanwhile.
  if (Board().Gems) Board().Gems->SetShadow();
  Clock().FixedRateLogic.Init();
}

void TGameScreen::PostFadeIn() {
  // Faded in under the menu, back from the options or instructions: the level is not starting.
  if (TOverlay* menu = GameMenu(); menu && menu->Active) return;
  TOverlay* scroll = HintScroll();
  THintPage* hint = FindHintPage();
  if (scroll && scroll->Active && hint)
    hint->PlayActivateSound();
  else
    StartSound();
}

void TGameScreen::StartSound() { PlayThroughPool(SoundLevelStart); }

void TGameScreen::Kill() {
  // Whichever way the level is left, a targeting piece must not stay as the pointer.
  if (Grid) Grid->RestorePointer();
  KillGameObjects();
  standing_.Forget();
  ClearParticles();
  ClearCounters();
  if (TOverlay* scroll = HintScroll(); scroll && scroll->Active) {
    scroll->Active = 0;
    scroll->Kill();
  }
  if (TOverlay* panel = LevelCompletePanel()) panel->Kill();
  if (TOverlay* menu = GameMenu()) menu->Kill();
  Go.reset();
  WellDone.reset();
  SoundLevelStart.reset();
  SoundLevelEnd.reset();
  SoundGaugeFull.reset();
  TScreen::Kill();
}

int TGameScreen::SetEscDestination() {
  Screens().DestinationTScreen =
      IsScreenRegistered(TScreenId::Title) ? FindScreen(TScreenId::Title) : Screens().ExitScreen.get();
  return 0;
}

// ---------------------------------------------------------------- a level

void TGameScreen::LevelStart() {
  Cursor.Reset();
  TGem::MidHandle(0);
  ClearCounters();
  Player->NewLevelStats();
  LevelLoad();
  FillGrid();
  Grid->DiagonalMoves = 0;
  Grid->DiagonalGauge = 0;
  Grid->BonusPower = 1;
  Board().Gems->SortAll();
  ClearParticles();
  IntroAnim->Start();
  Clock().FixedRateLogic.Init();
  Grid->RestorePointer();
  const int record = StartHintRecord(CurrentPack(), CurrentLevel());
  if (record >= 0) OpenHintPage(CurrentLevel(), record, 0);
}

void TGameScreen::LevelLoad() {
  Grid = TGameGrid::Create(std::make_shared<TBoard>(
      TBoardSeams{std::make_shared<TGameTimerClock>(), Particles, Sounds, host_}));
  // A missing or unreadable level file is fatal, with the file named.
  LevelPack = CurrentPack();
  const std::string path = DataPaths().DataPrefix + TGameGrid::LevelPath(LevelPack, CurrentLevel());
  if (!Grid->LoadFile(path)) Board().Host().FatalError(("Error loading file " + path).c_str());
  Player->Target = Grid->Gold;
}

void TGameScreen::FillGrid() { Unplayable = Grid->FillUntilMove() ? 0 : 1; }

int TGameScreen::LeaveUnplayableLevel() {
  const std::string file = TGameGrid::LevelPath(CurrentPack(), CurrentLevel());
  TScreen* map = IsScreenRegistered(TScreenId::LevelSelect) ? FindScreen(TScreenId::LevelSelect) : nullptr;
  DebugOutput(file + ": no fill of this board ever holds a move; " +
              (map ? "back to the level map" : "the level starts again"));
  if (!map) return 0;
  Screens().DestinationTScreen = map;
  Screens().GameFade->Init(float(StandardFadeLength), 1, Mixer().MusicChannel);
  return 1;
}

void TGameScreen::RestartLevel() {
  ClearLists();
  KillGameObjects();
  LevelStart();
  TOverlay* scroll = HintScroll();
  TOverlay* menu = GameMenu();
  if (!(scroll && scroll->Active) && !(menu && menu->Active)) StartSound();
  SetMenuCoords();
}

void TGameScreen::KillGameObjects() {
  if (Grid) {
    Grid->Kill();
    Grid->Clear();
  }
  Grid.reset();
}

void TGameScreen::ClearCounters() {
  if (IntroAnim) IntroAnim->Clear();
  if (OutroAnim) {
    // Clearing forgets that the outro stays shown once it has run.
    OutroAnim->Clear();
    OutroAnim->LeaveActive = 1;
  }
  GaugeFillDelay.Clear();
  HintShowCounter = 0;
}

void TGameScreen::ClearParticles() { Particles->Clear(); }

int TGameScreen::AdvanceLevel() {
  const int pack = CurrentPack();
  int32_t& next = Player->Level[size_t(pack)];
  int32_t& unlocked = Player->Unlocked[size_t(pack)];
  next = CurrentLevel() + 1;
  if (unlocked < next) unlocked = next;
  if (next > LevelsPerPack) {
    // The pack is finished: it starts again at its first level, every level of it
    // left open (the unlocked number stays past the last level).
    next = 1;
    LevelPack = pack;
    Player->ProfileGameOver(Game->CurrentProfile.get(), 1, 1);
    return 1;
  }
  Player->WriteProfile(Game->CurrentProfile.get());
  return 0;
}

// ---------------------------------------------------------------- every step

void TGameScreen::Logic() {
  TOverlay* scroll = HintScroll();
  if (TOverlay* panel = LevelCompletePanel(); panel && panel->Active) {
    // The won level's panel (and the gallery page it may open) is all that runs now.
    if (scroll && scroll->Active) scroll->OverlayLogic();
    panel->OverlayLogic();
    return;
  }
  if (TOverlay* menu = GameMenu(); menu && Grid) {
    // Escape opens the menu over a tutorial page as well; the level and the page stand
    // still while it shows (and while it slides). The menu hands its opening and closing
    // to the board's pointer itself.
    menu->OverlayLogic();
    if (menu->Active) return;
  }
  if (scroll && scroll->Active) {
    if (scroll->OverlayLogic() == 1 && IntroAnim && IntroAnim->Active) StartSound();
    if (scroll->Active) return;
  }
  if (!Grid) return;
  if (!IntroAnim->Active) {
    const float hudX = GetHUDX();
    Menu->Manage(hudX, 0);
    if (Menu->Clicked("Menu")) {
      if (TOverlay* menu = GameMenu()) {
        menu->Open();
        // A targeting piece waits out of the pointer while the menu shows.
        Grid->TogglePointer(2);
      }
      return;
    }
    if (Menu->Clicked("Hint") || HintKey) {
      if (!Grid->HintStart()) Board().Sound().Play(Grid->InvalidSound);
      return;
    }
    if (Player->Manage() == -1) return;
    Grid->Manage();
    if (RestartPending) {
      RestartPending = 0;
      if (Unplayable && LeaveUnplayableLevel()) return;
      RestartLevel();
      Mixer().MusicPlay(1, 0, 0);
      return;
    }
    HUDEffects();
    Particles->BoardParticles.Move();
    ManageMunchkins();
    Particles->EffectParticles.Move();
    Particles->BonusParticles.Manage();
    Particles->ScoreParticles.Move();
    Sounds->Manage();
  }
  IntroCheck();
  LevelCheck();
}

void TGameScreen::ManageMunchkins() { Particles->CreatureParticles.Move(); }

void TGameScreen::IntroCheck() {
  if (!IntroAnim || !IntroAnim->Active) return;
  if (IntroAnim->Manage() && !IntroAnim->Active && Grid) Grid->SetupIntroFlash();
}

void TGameScreen::LevelCheck() {
  if (!Screens().Fading()) NextLevelManage();
}

int TGameScreen::NextLevel() {
  if (IntroAnim && IntroAnim->Active) return 0;
  if (Player->Alive && OutroRunning()) return 0;
  OutroAnim->Start();
  Player->NoChecks = 1;
  PlayThroughPool(SoundLevelEnd);
  return 1;
}

void TGameScreen::NextLevelManage() {
  if (!OutroRunning() || OutroAnim->Finished) return;
  const float length = OutroAnim->Length[0];
  const float second = Clock().CalcAnimLengthFromFloat(1000);
  const float elapsedBefore = length - OutroAnim->Counter;
  if (elapsedBefore <= second + 1) Mixer().MusicApplyVolume(std::clamp(1.0f - elapsedBefore / second, 0.0f, 1.0f));
  const int ended = OutroAnim->Manage();
  if (Grid && OutroAnim->Counter < Clock().CalcAnimLengthFromFloat(2500)) {
    Grid->yacc += 0.04f * Delta;
    for (int x = 0; x < Grid->levelwidth; ++x)
      for (int y = 0; y < Grid->levelheight; ++y)
        if (TCell* c = CellAt(x, y)) c->sy += Grid->yacc * Delta;
  }
  if (ended) NextLevelEnd();
}

void TGameScreen::NextLevelEnd() {
  Player->UpdateTotals();
  InputFlush();
  if (TOverlay* panel = LevelCompletePanel()) {
    panel->Open();
    return;
  }
  // Without the panel the won level counts and the next one is entered at once.
  AdvanceLevel();
  Screens().DestinationTScreen = this;
  Screens().GameFade->Init(float(StandardFadeLength), 1, Mixer().MusicChannel);
}

void TGameScreen::CreatureFreed() {
  Player->MunchkinsFreed += 1;
  // The gold dust only flies while the level is still being played.
  if (!OutroRunning()) GaugeFillDelay.AddNew(1000);
}

void TGameScreen::HintShown() {
  if (Menu)
    if (auto button = Menu->FindButton("Menu")) button->PlayClick();
  HintShowCounter = 0;
}

void TGameScreen::FewBricksLeft() { OpenHintPage(16, 16, 1); }

void TGameScreen::HUDEffects() {
  // Only a board waiting for the player's move can leave them stuck: the level's
  // outro and the no-moves sequence would otherwise open the page over themselves.
  if (OutroRunning() || Grid->NoMore)
    HintShowCounter = 0;
  else
    HintShowCounter += Delta;
  if (HintShowCounter >= Clock().CalcAnimLengthFromFloat(20000)) {
    OpenHintPage(15, 15, 1);
    HintShowCounter = 0;
  }
  int arrived = 0;
  auto& items = GaugeFillDelay.Items;
  for (auto it = items.begin(); it != items.end();) {
    if ((*it)->Manage()) {
      ++arrived;
      it = items.erase(it);
    } else {
      ++it;
    }
  }
  for (int i = 0; i < arrived && Grid->DiagonalGauge < Grid->DiagonalGaugeMax; ++i) {
    Grid->DiagonalGauge += 1;
    if (Grid->DiagonalGauge >= Grid->DiagonalGaugeMax) GaugeFull();
  }
  if (Grid->DiagonalGauge >= Grid->DiagonalGaugeMax && !OutroRunning()) {
    DiagonalGaugeParticleCounter -= Delta;
    if (DiagonalGaugeParticleCounter <= 0) {
      DiagonalGaugeParticleCounter += float(DiagonalGaugeParticleCounterMax);
      MakeGaugeSparkle();
    }
  }
}

void TGameScreen::MakeGaugeSparkle() {
  const float x = float(DiagonalGaugeX) + Rnd(-23, 23), y = float(DiagonalGaugeY) + Rnd(-46, 46);
  Particles->EffectParticles.AddNew(int(x), int(y), sparkleImage_, 0, Rnd(-0.3f, 0), 0, 600, 1, 1, Rnd(1, 3),
                                    Rnd(0.3f, 0.8f), 0, 0);
}

void TGameScreen::GaugeFull() {
  DiagonalGaugeParticleCounter = float(DiagonalGaugeParticleCounterMax);
  Grid->BonusPower = 2;
  PlayThroughPool(SoundGaugeFull);
  Grid->DiagonalTextCounter = float(Grid->DiagonalTextLength);
  OpenHintPage(17, 17, 1);
}

void TGameScreen::Quit() {
  Player->Lives = 0;
  if (Player->DeathCounter > 0 || Screens().Fading()) return;
  ClearCounters();
  Player->Die();
}

void TGameScreen::GameOver() {
  if (IsScreenRegistered(TScreenId::GameOver)) {
    Screens().DestinationTScreen = FindScreen(TScreenId::GameOver);
    Screens().GameFade->Init(float(3 * StandardFadeLength), 1, Mixer().MusicChannel);
    return;
  }
  // Without a game-over screen the game goes on with the level built again.
  Player->Lives = 3;
  RestartPending = 1;
}

void TGameScreen::ResumeAfterDeath() {
  ClearCounters();
  IntroAnim->Start();
  StartSound();
}

void TGameScreen::ListFocus(TFocusRing& ring) {
  if (!Dialogs.Empty()) return TScreen::ListFocus(ring);
  // The topmost of what runs over the board, as Logic steps them.
  TOverlay* panel = LevelCompletePanel();
  TOverlay* scroll = HintScroll();
  TOverlay* menu = GameMenu();
  if (panel && panel->Active) return scroll && scroll->Active ? scroll->ListFocus(ring) : panel->ListFocus(ring);
  if (menu && menu->Active) return menu->ListFocus(ring);
  if (scroll && scroll->Active) return scroll->ListFocus(ring);
  ring.Begin(this);
}

void TGameScreen::FocusKeys() {
  HintKey = 0;
  ListFocus(Focus);
  // Whatever runs over the board takes the keys, even with no button to walk (the
  // won level's picture page goes on at Return by itself).
  if (Focus.Owner() != this) return TScreen::FocusKeys();
  if (!Grid || (IntroAnim && IntroAnim->Active)) return;
  HintKey = InputKeyHit(72);
  Cursor.Keys();
}

void TGameScreen::SpecificKeys() {
  // The won level's panel takes Escape itself, and the level is over.
  if (PanelShowing()) return;
  // Escape belongs to the in-game menu (over a tutorial page too); without one it does nothing here.
  if (!GameMenu()) InputKeyHit(27);
  if (Settings().Region >= 1 || !Grid) return;
  // Nothing may change the level under the menu.
  if (TOverlay* menu = GameMenu(); menu && menu->Active) return;
  if (!(Game->Debug || CtrlHeld())) return;
  if (InputKeyHit(81)) Quit();
  if (Player->DeathCounter > 0 || Screens().Fading()) return;
  if (InputKeyHit(82)) {
    RestartLevel();
  } else if (InputKeyHit(74)) {
    if (Player->Alive) Grid->LevelEndStart();
  } else if (InputKeyHit(65)) {
    Grid->DiagonalGauge = Grid->DiagonalGaugeMax;
    GaugeFull();
  }
}
