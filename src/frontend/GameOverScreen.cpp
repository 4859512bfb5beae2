#include "frontend/GameOverScreen.h"

#include "audio/Mixer.h"
#include "core/Game.h"
#include "core/Globals.h"
#include "core/Input.h"
#include "game/GameSession.h"
#include "game/GameTotals.h"
#include "game/Player.h"
#include "gfx/Draw.h"
#include "gfx/GameFonts.h"
#include "player/HighScoreEntry.h"
#include "player/HighScoreList.h"
#include "screens/GameFade.h"
#include "screens/LoadingScreen.h"
#include "screens/ScreenRegistry.h"
#include "screens/ScreenSwitch.h"
#include "ui/Menu.h"

namespace {
TScreen* TitleOrExit() {
  return IsScreenRegistered(TScreenId::Title) ? FindScreen(TScreenId::Title) : Screens().ExitScreen.get();
}
}  // namespace

TGameOverScreen::TGameOverScreen() { name = "gameover"; }

TGameOverScreen::~TGameOverScreen() = default;

namespace {
// The screen the game was played on, whose player holds the finished game.
TGameSession* PlayedOn() { return GameSession(); }
}  // namespace

TPlayer* TGameOverScreen::FinishedPlayer() {
  TGameSession* session = PlayedOn();
  return session ? session->SessionPlayer() : nullptr;
}

void TGameOverScreen::Load() {
  name = "gameover";
  if (Screens().LoadingScreen) Screens().LoadingScreen->DrawLoading(1);
  Mixer().MusicLoad("gameover.ogg", 1);
  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
  auto ok = AddOKButton(*Menu);
  Mixer().FadeMusic = 1;
  TPlayer* player = FinishedPlayer();
  TPlayer none;
  const TPlayer& finished = player ? *player : none;
  const int level = PlayedOn() ? PlayedOn()->CurrentLevel() : 1;
  High = THighScoreEntry::Create(*Game->HighScores, finished.Score, level);
  InputName.reset();
  if (High->HighScore == 1) {
    InputName = TTextInput::Create(Font60, "", 250, High->TopY + 60);
    InputName->DrawDots = 0;
    InputName->AllowEscToAbort = 0;
    // A space belongs to the name, not to the button.
    ok->OKButtonUseSpace = 0;
  }
  GameTotals = TGameTotals::Create(finished);
  // Without a name to type below them the totals sit in the middle.
  if (High->HighScore == 0) GameTotals->CentreVert();
  GameTotals->SetSlideLines();
}

void TGameOverScreen::Start() {
  TScreen::Start();
  Mixer().MusicPlay(1, 0, 0);
  if (TPlayer* player = FinishedPlayer(); player && Game->CurrentProfile)
    player->ProfileGameOver(Game->CurrentProfile.get(), 1, 1);
}

void TGameOverScreen::Kill() {
  TScreen::Kill();
  High.reset();
  GameTotals.reset();
  InputName.reset();
}

void TGameOverScreen::ManageEntry() {
  if (!High || !InputName || !High->Active()) return;
  const int result = InputName->Manage();
  High->Name = InputName->Text;
  if (result == 1) High->FinishAndAdd();
}

void TGameOverScreen::Logic() {
  TScreen::Logic();
  if (GameTotals) GameTotals->Manage();
  if (Menu && Menu->Clicked("ok")) {
    Screens().GameFade->Init(float(StandardFadeLength), 1, Mixer().MusicChannel, 1);
    Screens().DestinationTScreen = TitleOrExit();
    Game->BlockKeys = 0;
    if (High) {
      if (InputName) High->Name = InputName->Text;
      High->FinishAndAdd();
    }
    // Enter clicked the button: the field must not read it again.
    InputFlush();
  }
  ManageEntry();
}

int TGameOverScreen::SetEscDestination() {
  Screens().DestinationTScreen = TitleOrExit();
  return 0;
}

void TGameOverScreen::Draw() {
  Cls();
  const TImageFontPtr before = GetImageFont();
  SetImageFont(Font60);
  SetBlend(BLEND_ALPHA);
  if (GameTotals) GameTotals->Draw();
  SetImageFont(Font30);
  if (High) High->Draw();
  if (High && High->Active() && InputName && InputName->CursorOn) {
    SetImageFont(Font60);
    SetColor(150, 255, 150);
    DrawText("_", float(250 + TextWidth(High->Name)), float(High->TopY + 60));
  }
  SetImageFont(before);
  SetColor(255, 255, 255);
  if (Menu) Menu->Draw(0, 0);
}
