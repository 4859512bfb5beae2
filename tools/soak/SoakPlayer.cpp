#include "SoakPlayer.h"

#include <SDL.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>

#include "LevelPlayer.h"
#include "core/Game.h"
#include "core/Globals.h"
#include "frontend/GameMenu.h"
#include "frontend/OptionsScreen.h"
#include "game/Board.h"
#include "game/Cell.h"
#include "game/GameGrid.h"
#include "game/GameScreen.h"
#include "game/HintScroll.h"
#include "game/LevelCompleteScreen.h"
#include "game/LevelSelectScreen.h"
#include "gfx/Animation.h"
#include "screens/LoadingScreen.h"
#include "ui/DialogTextInput.h"
#include "ui/FocusRing.h"
#include "screens/ScreenRegistry.h"
#include "screens/ScreenSwitch.h"
#include "ui/Menu.h"
#include "ui/MousePointer.h"

namespace {
double Seconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

bool Is(TScreen* screen, TScreenId id) { return IsScreenRegistered(id) && screen == FindScreen(id); }

bool Targeting(int type) { return type == 11 || type == 13 || type == 14; }

// The middle of a board cell in logical pixels.
int CellX(int x) { return Grid->sx + x * CellSize + CellSize / 2; }
int CellY(int y) { return Grid->sy + y * CellSize + CellSize / 2; }

// Frames to let the game answer before the next decision (a fade is half a second).
constexpr int kSettle = 3;
constexpr int kScreenChange = 8;
}  // namespace

TSoakPlayer::TSoakPlayer(const TSoakOptions& options) : options_(options), choice_(options.Seed) {}

void TSoakPlayer::Fail(const std::string& why) {
  faults_.push_back(why);
  done_ = true;
}

void TSoakPlayer::Snapshot(const std::string& label) {
  Last = TakeSoakFigures();
  std::printf("%s\n", FormatSoakFigures(label, Last).c_str());
  std::fflush(stdout);
}

void TSoakPlayer::Frame() {
  if (Game->MainLogicLoop() == -1) {
    Fail("the game asked to end (frame " + std::to_string(frames_) + ")");
    return;
  }
  Game->ScreenDraw();
  ++frames_;
}

std::vector<std::string> TSoakPlayer::Run() {
  while (!done_) {
    if (!input_.Step()) {
      Fail(input_.Failure);
      break;
    }
    Frame();
    if (done_) break;
    // A game that pauses or suspends itself (lost focus) would wait for ever.
    if (Game->Paused || Game->Suspended) {
      if (++stillFrames_ > 400) Fail("the game stays paused or suspended");
      continue;
    }
    stillFrames_ = 0;
    if (boardLevel_ > 0 && frames_ - levelStartFrame_ > options_.MaxFramesPerLevel)
      Fail("level " + std::to_string(boardLevel_) + " not won within " + std::to_string(options_.MaxFramesPerLevel) +
           " frames (" + std::to_string(moves_) + " moves, " + std::to_string(restarts_) + " restarts)");
    if (!input_.Busy() && !done_) Decide();
  }
  return faults_;
}

void TSoakPlayer::ClickButtonOf(TMenu* menu, const char* name) {
  auto button = menu ? menu->FindButton(name) : nullptr;
  if (!button) {
    Fail(std::string("no button \"") + name + "\" on the screen " + Screens().CurrentTScreen->name);
    return;
  }
  float x = button->x + button->offx + float(button->w) / 2, y = button->y + button->offy + float(button->h) / 2;
  if (button->BoundingBox) {
    const TBox& box = *button->BoundingBox;
    x = box.X + button->offx + box.W / 2;
    y = box.Y + button->offy + box.H / 2;
  }
  if (!button->HitTest(int(x), int(y))) {
    Fail(std::string("the middle of the button \"") + name + "\" does not hit it");
    return;
  }
  PressAt(int(x), int(y));
}

void TSoakPlayer::Nav(int direction) {
  static const int keys[4] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT};
  static const int pad[4] = {SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_CONTROLLER_BUTTON_DPAD_DOWN,
                             SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_RIGHT};
  Either(keys[direction], pad[direction]);
}

void TSoakPlayer::Either(int sdlKey, int padButton) {
  if (options_.Hands == TSoakOptions::THands::Pad)
    input_.PadButton(padButton);
  else
    input_.Key(sdlKey);
}

void TSoakPlayer::Confirm() { Either(SDLK_RETURN, SDL_CONTROLLER_BUTTON_A); }
void TSoakPlayer::Back() { Either(SDLK_ESCAPE, SDL_CONTROLLER_BUTTON_B); }
void TSoakPlayer::OpenGameMenu() { Either(SDLK_ESCAPE, SDL_CONTROLLER_BUTTON_START); }
void TSoakPlayer::AskHint() { Either(SDLK_h, SDL_CONTROLLER_BUTTON_Y); }

void TSoakPlayer::PressAt(int x, int y, int slide) {
  if (!Hands()) {
    input_.Click(x, y);
    input_.Wait(kScreenChange);
    return;
  }
  goals_.push_back({x, y, slide});
}

void TSoakPlayer::FocusStep() {
  const TGoal goal = goals_.front();
  TScreen* screen = Screens().CurrentTScreen;
  const TFocusTarget* t = screen->Focus.Current();
  const bool there = t && Pointer().Resting && t->x <= float(goal.X) && float(goal.X) < t->x + t->w &&
                     t->y <= float(goal.Y) && float(goal.Y) < t->y + t->h;
  if (there) {
    goals_.erase(goals_.begin());
    goalSteps_ = 0;
    if (goal.Slide == 0) {
      Confirm();
      input_.Wait(goals_.empty() ? kScreenChange : kSettle);
    }
    for (int i = 0; i < goal.Slide; ++i) Nav(3);
    for (int i = 0; i > goal.Slide; --i) Nav(2);
    return;
  }
  // Screen order runs through every widget, so walking on always comes round to it.
  if (++goalSteps_ > 200) {
    Fail("the focus never reached (" + std::to_string(goal.X) + ", " + std::to_string(goal.Y) + ") on the screen " +
         screen->name);
    return;
  }
  Nav(1);
  input_.Wait(1);
}

bool TSoakPlayer::CursorTo(int x, int y) {
  auto* game = dynamic_cast<TGameScreen*>(Screens().CurrentTScreen);
  if (!game) return false;
  const int cx = game->Cursor.X(), cy = game->Cursor.Y();
  if (cx == x && cy == y && Pointer().Resting) {
    cursorSteps_ = 0;
    return true;
  }
  if (++cursorSteps_ > 100) {
    Fail("the board's cursor never reached (" + std::to_string(x) + ", " + std::to_string(y) + "); it stands at (" +
         std::to_string(cx) + ", " + std::to_string(cy) + ")" + (Pointer().Resting ? "" : ", hidden"));
    return false;
  }
  int direction = 3;  // the first press only shows the cursor
  if (cx >= 0) {
    // The first step of the fewest presses there, the cursor jumping holes as it does.
    static const int dxs[4] = {0, 0, -1, 1}, dys[4] = {-1, 1, 0, 0};
    int first[MaxColumns][MaxRows];
    for (auto& column : first)
      for (int& f : column) f = -1;
    std::vector<std::pair<int, int>> queue{{cx, cy}};
    first[cx][cy] = 4;
    for (size_t i = 0; i < queue.size() && first[x][y] < 0; ++i) {
      const auto [qx, qy] = queue[i];
      for (int d = 0; d < 4; ++d) {
        int nx = qx, ny = qy;
        TBoardCursor::Step(nx, ny, dxs[d], dys[d]);
        if (first[nx][ny] >= 0) continue;
        first[nx][ny] = first[qx][qy] == 4 ? d : first[qx][qy];
        queue.emplace_back(nx, ny);
      }
    }
    if (first[x][y] < 0) {
      Fail("the board's cursor cannot reach (" + std::to_string(x) + ", " + std::to_string(y) + ")");
      return false;
    }
    direction = first[x][y];
  }
  Nav(direction);
  input_.Wait(1);
  return false;
}

void TSoakPlayer::ClickAway(int avoidX, int avoidY, int avoidW, int avoidH) {
  if (Hands()) {
    // The tally and the pages go on at the press as at a click anywhere.
    Confirm();
    input_.Wait(kScreenChange);
    return;
  }
  // A click in a corner, clear of the area named (the picture page's wallpaper line).
  const int points[4][2] = {{30, 30}, {770, 30}, {30, 570}, {770, 570}};
  for (const auto& p : points) {
    if (avoidX <= p[0] && p[0] < avoidX + avoidW && avoidY <= p[1] && p[1] < avoidY + avoidH) continue;
    input_.Click(p[0], p[1]);
    input_.Wait(kScreenChange);
    return;
  }
}

void TSoakPlayer::Decide() {
  TScreen* screen = Screens().CurrentTScreen;
  if (!screen || Screens().Fading()) return;
  if (!goals_.empty()) return FocusStep();
  if (screen == Screens().LoadingScreen.get()) {
    // "Click to Play".
    if (Hands()) {
      Confirm();
    } else {
      input_.Click(400, 300);
    }
    input_.Wait(kScreenChange);
  } else if (Is(screen, TScreenId::Intro)) {
    input_.Wait(kSettle);
  } else if (Is(screen, TScreenId::Title)) {
    OnTitle();
  } else if (Is(screen, TScreenId::LevelSelect)) {
    OnMap();
  } else if (Is(screen, TScreenId::Instructions)) {
    if (plan_ == TMenuPlan::Help && menuStage_ == 2 && boardLevel_ > 0) ++helpVisits_;
    if (Hands()) Back(); else input_.Key(SDLK_ESCAPE);
    input_.Wait(kScreenChange);
  } else if (Is(screen, TScreenId::Gallery)) {
    if (!galleryVisited_) std::printf("gallery visited from the title\n");
    galleryVisited_ = true;
    ClickButtonOf(screen->Menu.get(), "ok");
  } else if (Is(screen, TScreenId::Options)) {
    OnOptions();
  } else if (Is(screen, TScreenId::Game)) {
    OnGame();
  } else {
    Fail("the game went to a screen the soak does not expect: " + screen->name);
  }
}

void TSoakPlayer::OnTitle() {
  TScreen* title = Screens().CurrentTScreen;
  if (!startFiguresTaken_) {
    startFiguresTaken_ = true;
    Snapshot("start (title screen)");
  }
  if (!title->Dialogs.Empty()) {
    // The first start asks for a name.
    if (nameTyped_) {
      Fail("the name prompt stays open after the name was typed");
      return;
    }
    nameTyped_ = true;
    auto* prompt = dynamic_cast<TDialogTextInput*>(title->Dialogs.Top());
    if (options_.Hands == TSoakOptions::THands::Pad && prompt && prompt->LetterRowShown()) {
      // Letter by letter from the row under the box, then OK.
      const std::string letters = TDialogTextInput::Letters;
      for (char c : options_.Player) {
        const size_t i = letters.find(char(std::tolower(static_cast<unsigned char>(c))));
        if (i == std::string::npos) {
          Fail(std::string("the letter row has no ") + c);
          return;
        }
        float x, y, w, h;
        prompt->LetterCell(int(i), x, y, w, h);
        PressAt(int(x + w / 2), int(y + h / 2));
      }
      ClickButtonOf(prompt->Menu.get(), "OK");
      return;
    }
    if (options_.Hands == TSoakOptions::THands::Pad) {
      Fail("the name prompt shows no letter row with a pad plugged in");
      return;
    }
    input_.Type(options_.Player);
    input_.Wait(kSettle);
    input_.Key(SDLK_RETURN);
    input_.Wait(kScreenChange);
    return;
  }
  if (!galleryVisited_) {
    ClickButtonOf(title->Menu.get(), "mygallery");
    return;
  }
  ClickButtonOf(title->Menu.get(), "play");
}

void TSoakPlayer::OnMap() {
  auto* map = dynamic_cast<TLevelSelectScreen*>(Screens().CurrentTScreen);
  if (!map || map->Zooming()) return;
  if (levelsWon_ > snapshotsTaken_) {
    snapshotsTaken_ = levelsWon_;
    const int baseline = options_.Levels >= 10 ? 5 : 1;
    if (levelsWon_ == 1) Snapshot("after level 1");
    if (levelsWon_ == baseline) {
      if (levelsWon_ != 1) Snapshot("after level " + std::to_string(baseline));
      Baseline = Last;
      BaselineLevel = baseline;
    }
    if (levelsWon_ >= options_.Levels) {
      Snapshot("after level " + std::to_string(levelsWon_) + " (end)");
      done_ = true;
      return;
    }
  }
  if (map->Level != levelsWon_ + 1) {
    Fail("the map offers level " + std::to_string(map->Level) + " after " + std::to_string(levelsWon_) +
         " levels were won");
    return;
  }
  if (Hands()) {
    // The focus lands on the level Play starts: the first press of a direction shows
    // it, and the star is pressed.
    const int i = map->Level - 1;
    PressAt(int(map->StarScreenX(i)), int(map->StarScreenY(i)));
    return;
  }
  input_.Key(SDLK_RETURN);
  input_.Wait(kScreenChange);
}

void TSoakPlayer::OnOptions() {
  auto* options = dynamic_cast<TOptionsScreen*>(Screens().CurrentTScreen);
  if (!options || !options->MusicSlider) {
    Fail("the options screen has no music slider");
    return;
  }
  if (!sliderMoved_) {
    // Pressed on the knob's value, dragged to another and let go, as a player would.
    TSlider& slider = *options->MusicSlider;
    const int target = slider.Value >= 50 ? 30 : 70;
    auto xFor = [&](int value) {
      for (int x = int(slider.x); x < int(slider.x) + slider.w; ++x)
        if (slider.ValueAt(x) >= value) return x;
      return int(slider.x) + slider.w / 2;
    };
    const int y = int(slider.y) + slider.h / 2;
    if (Hands()) {
      // Walked to and moved by steps of 5.
      PressAt(int(slider.x) + slider.w / 2, y, (target - slider.Value) / 5);
      sliderMoved_ = true;
      return;
    }
    input_.Drag(xFor(slider.Value), y, xFor(target), y);
    input_.Wait(kSettle);
    sliderMoved_ = true;
    return;
  }
  musicVolume_ = options->MusicSlider->Value;
  sliderMoved_ = false;
  ++menuVisits_;
  ClickButtonOf(options->Menu.get(), "ok");
}

void TSoakPlayer::StartLevel(int level) {
  if (level != levelsWon_ + 1) {
    Fail("the board shows level " + std::to_string(level) + " after " + std::to_string(levelsWon_) +
         " levels were won");
    return;
  }
  boardLevel_ = level;
  levelStartFrame_ = frames_;
  levelStartSeconds_ = Seconds();
  moves_ = bonusPresses_ = restarts_ = 0;
  menuStage_ = menuRetries_ = 0;
  hintAsked_ = false;
  plan_ = TMenuPlan::None;
  if (options_.MenuEvery > 0 && level % options_.MenuEvery == 0)
    plan_ = (level / options_.MenuEvery) % 2 == 1 ? TMenuPlan::Options : TMenuPlan::Help;
  if (options_.SaveExitEvery > 0 && level % options_.SaveExitEvery == 0) plan_ = TMenuPlan::SaveExit;
}

void TSoakPlayer::OnGame() {
  auto* game = dynamic_cast<TGameScreen*>(Screens().CurrentTScreen);
  auto* panel = dynamic_cast<TLevelCompleteScreen*>(FindScreen(TScreenId::LevelComplete));
  auto* scroll = dynamic_cast<THintScroll*>(FindScreen(TScreenId::HintScroll));
  auto* menu = dynamic_cast<TGameMenu*>(FindScreen(TScreenId::GameMenu));
  if (!game || !panel || !scroll || !menu) {
    Fail("the game screen or one of its overlays is missing");
    return;
  }
  if (panel->Active) {
    if (!panelSeen_) {
      panelSeen_ = true;
      ++levelsWon_;
      std::printf("level %d won: %d moves, %d bonus presses, %d restarts, %lld frames, %.1f s\n", boardLevel_, moves_,
                  bonusPresses_, restarts_, static_cast<long long>(frames_ - levelStartFrame_),
                  Seconds() - levelStartSeconds_);
      std::fflush(stdout);
      if (plan_ != TMenuPlan::None && menuStage_ != 3)
        Fail("level " + std::to_string(boardLevel_) + " was won before its visit to the in-game menu");
      boardLevel_ = 0;
    }
    // The tally, then the picture page ("Click Anywhere"), and on every fifth level the
    // gallery page over it; the picture page's wallpaper line is left alone.
    if (scroll->Active || panel->Active == 1)
      ClickAway(0, 0, 0, 0);
    else
      ClickAway(panel->LabelX, panel->LabelY, panel->LabelW, panel->LabelH);
    return;
  }
  panelSeen_ = false;
  if (!Grid) return;
  if (boardLevel_ == 0 || boardLevel_ != game->CurrentLevel()) {
    StartLevel(game->CurrentLevel());
    if (done_) return;
  }
  if (scroll->Active) {
    // A level's tutorial or hint page.
    ClickAway(0, 0, 0, 0);
    return;
  }
  if (menu->Active) {
    if (!menu->Sliding()) OnMenu();
    return;
  }
  if ((game->IntroAnim && game->IntroAnim->Active) || game->OutroRunning()) return;
  OnBoard();
}

void TSoakPlayer::OnMenu() {
  TMenu* buttons = FindOverlay(TScreenId::GameMenu)->Menu.get();
  if (plan_ == TMenuPlan::Options && menuStage_ == 1) {
    menuStage_ = 2;
    ClickButtonOf(buttons, "options");
  } else if (plan_ == TMenuPlan::Help && menuStage_ == 1) {
    menuStage_ = 2;
    ClickButtonOf(buttons, "help");
  } else if (plan_ == TMenuPlan::SaveExit && menuStage_ == 1) {
    menuStage_ = 3;
    ++saveExits_;
    std::printf("level %d: Save & Exit from the in-game menu, back through Play\n", boardLevel_);
    ClickButtonOf(buttons, "saveandexit");
  } else {
    if (menuStage_ == 2 && plan_ == TMenuPlan::Options)
      std::printf("level %d: in-game menu, options (music volume %d), resume\n", boardLevel_, musicVolume_);
    if (menuStage_ == 2 && plan_ == TMenuPlan::Help)
      std::printf("level %d: in-game menu, help pages, resume\n", boardLevel_);
    menuStage_ = 3;
    ClickButtonOf(buttons, "resume");
  }
}

void TSoakPlayer::OnBoard() {
  TScreen* screen = Screens().CurrentTScreen;
  if (Grid->NoMore || Grid->NoMoreCounter > 0) {
    // No move left: the board shakes, scatters and is built again.
    if (!noMoreSeen_) ++restarts_;
    noMoreSeen_ = true;
    return;
  }
  noMoreSeen_ = false;
  if (!TLevelPlayer::Resting()) return;

  if (plan_ != TMenuPlan::None && moves_ >= 1 && menuStage_ < 2) {
    // Escape opens the in-game menu; pressed again if the first went unheard.
    if (menuStage_ == 1 && ++menuRetries_ > 5) {
      Fail("Escape on the board never opened the in-game menu");
      return;
    }
    menuStage_ = 1;
    if (Hands()) OpenGameMenu(); else input_.Key(SDLK_ESCAPE);
    input_.Wait(kScreenChange);
    return;
  }

  if (!hintAsked_ && moves_ >= 3) {
    // The hint button once a level: the next move wobbles for a while.
    hintAsked_ = true;
    if (Hands()) {
      AskHint();
      input_.Wait(kSettle);
    } else {
      ClickButtonOf(screen->Menu.get(), "Hint");
    }
    return;
  }

  if (Hands() && cursorPlan_.X >= 0) {
    // A move decided before: the cursor walks there, presses, and pushes the gem.
    if (!CursorTo(cursorPlan_.X, cursorPlan_.Y)) return;
    Confirm();
    if (cursorPlan_.Direction >= 0) {
      input_.Wait(1);
      Nav(cursorPlan_.Direction);
    }
    input_.Wait(kSettle);
    cursorPlan_ = TCursorPlan{};
    return;
  }
  auto press = [&](int x, int y, int direction) {
    if (Hands()) {
      cursorPlan_ = TCursorPlan{x, y, direction};
      cursorSteps_ = 0;
    } else {
      input_.Click(CellX(x), CellY(y));
      input_.Wait(kSettle);
    }
  };

  if (Grid->Mode == 1) {
    // A targeting piece carried from its cell goes where it does most; anything else
    // selected is put back with a second click on it.
    TCell* selected = CellAt(Grid->cx, Grid->cy);
    const int type = selected && selected->Gem ? selected->Gem->GemType : 0;
    if (Targeting(type)) {
      const TBonusChoice plan = TLevelPlayer::PlanBonus(Grid->cx, Grid->cy, type);
      if (plan.tx >= 0) {
        press(plan.tx, plan.ty, -1);
        return;
      }
    }
    press(Grid->cx, Grid->cy, -1);
    return;
  }

  std::vector<TPlayerMove> moves = TLevelPlayer::LegalMoves();
  bool clears = false;
  for (const auto& m : moves) clears = clears || m.Layers > 0;
  const TBonusChoice bonus = TLevelPlayer::ChooseBonus(clears, !moves.empty());
  if (bonus.type != 0) {
    ++bonusPresses_;
    ++moves_;
    press(bonus.x, bonus.y, -1);
    return;
  }
  if (moves.empty()) return;
  // The best-liked move, with a little chance in the choice between near equals.
  std::uniform_real_distribution<double> noise(0.0, 0.01);
  const TPlayerMove* best = nullptr;
  double bestScore = -1;
  for (const auto& m : moves) {
    const double s = m.Score + noise(choice_);
    if (s > bestScore) bestScore = s, best = &m;
  }
  ++moves_;
  if (Hands()) {
    const int dx = best->x2 - best->x1, dy = best->y2 - best->y1;
    press(best->x1, best->y1, dy < 0 ? 0 : dy > 0 ? 1 : dx < 0 ? 2 : 3);
    return;
  }
  input_.Drag(CellX(best->x1), CellY(best->y1), CellX(best->x2), CellY(best->y2));
  input_.Wait(kSettle);
}
