#include "game/LevelSelectScreen.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "audio/Mixer.h"
#include "core/DataPaths.h"
#include "core/Display.h"
#include "core/Game.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "core/Input.h"
#include "game/Board.h"
#include "game/GameSession.h"
#include "game/Player.h"
#include "game/PlayerProgress.h"
#include "game/ScreenSounds.h"
#include "gfx/Animation.h"
#include "gfx/Draw.h"
#include "gfx/GameFonts.h"
#include "gfx/GameImage.h"
#include "gfx/ImageBank.h"
#include "gfx/Sprite.h"
#include "gfx/TextDraw.h"
#include "player/Profile.h"
#include "screens/GameFade.h"
#include "screens/LoadingScreen.h"
#include "screens/ScreenRegistry.h"
#include "screens/ScreenSwitch.h"
#include "ui/GameText.h"
#include "ui/Menu.h"
#include "ui/MousePointer.h"

namespace {
// The centre of every star on the map picture, level 1 first; both packs share the path.
constexpr float kStarPoints[TLevelSelectScreen::MapLevels][2] = {
    {87, 693},  {121, 698}, {152, 712}, {181, 725}, {212, 740}, {241, 755}, {271, 769}, {300, 781},
    {334, 788}, {370, 788}, {404, 781}, {438, 771}, {471, 761}, {503, 750}, {536, 746}, {519, 691},
    {489, 681}, {460, 665}, {432, 648}, {401, 636}, {368, 627}, {333, 626}, {300, 629}, {270, 635},
    {237, 642}, {205, 649}, {174, 652}, {141, 646}, {111, 627}, {87, 601},  {71, 567},  {98, 494},
    {149, 474}, {197, 493}, {244, 520}, {291, 544}, {344, 555}, {397, 542}, {449, 527}, {441, 474},
    {399, 435}, {348, 407}, {286, 408}, {232, 425}, {177, 413}, {150, 366}, {193, 286}, {261, 294},
    {318, 339}, {386, 317}, {364, 256}, {300, 213}, {227, 191}, {277, 139}, {289, 48}};

std::shared_ptr<TGameImage> Bank(const char* name) { return ImageBank ? ImageBank->Find(name, 1) : nullptr; }

std::string Text(const char* key) { return GameText ? GameText->FindString(key) : std::string(); }

int PackSlot() { return LevelPack >= 0 && LevelPack < TProfileGameData::PacksInUse ? LevelPack : 0; }

TScreen* Registered(TScreenId id) { return IsScreenRegistered(id) ? FindScreen(id) : nullptr; }
}  // namespace

TLevelSelectScreen::TLevelSelectScreen() {
  name = "levelselect";
  CreateCoords();
  FillCoords();
}

int TLevelSelectScreen::StarUnlocked(int number) { return number <= PlayerProgress.Unlocked[size_t(PackSlot())]; }

int TLevelSelectScreen::Zooming() const { return Zoom && Zoom->Active ? 1 : 0; }

int TLevelSelectScreen::MapWidth() const { return Image ? ImageWidth(Image) : ScreenWidth; }

int TLevelSelectScreen::MapHeight() const { return Image ? ImageHeight(Image) : ScreenHeight; }

TScreen* TLevelSelectScreen::BackDestination() const { return Registered(TScreenId::Title); }

// ---------------------------------------------------------------- entering and leaving

void TLevelSelectScreen::Load() {
  name = "levelselect";
  if (Screens().LoadingScreen) Screens().LoadingScreen->DrawLoading(1);
  TScreen* title = Registered(TScreenId::Title);
  // Coming from the title the title's music goes on; from anywhere else it starts.
  if (!title || Screens().LastTScreen != title) Mixer().MusicLoad("title.ogg", 1);
  ImageLoad("levelselect.png", IMAGE_FILTERED, 1);
  HeaderLoad("localised/selectlevel", float(ScreenWidth / 2), 50, 1);
  Background = TGameImage::Create(DataPaths().ImagePath + "mapbackground.jpg", IMAGE_FILTERED, 0);

  Menu = TMenu::Create("buttonMO", "buttonclick");
  auto back = Menu->DoAddNew("arrowleft", "arrowleftMO", "back");
  back->SetPosition(20, float(ScreenHeight - 60 - back->h));
  back->SetFixedGlowOnMO(0.5f, 0.005f, 0);
  auto start = Menu->DoAddNew("arrowright", "arrowrightMO", "start");
  start->SetPosition(float(ScreenWidth - start->w - 20), float(ScreenHeight - 60 - start->h));
  start->SetFixedGlowOnMO(0.5f, 0.005f, 0);
  start->SetAutoGlow(0, 0.3f, 1, 0);
  LoadLevelPackButtons();
  SetButtonsActive(0);

  FillCoords();
  Locked = Bank("starinactive");
  Unlocked = Bank("staractive");
  LockedMO = Bank("starinactiveMO");
  UnlockedMO = Bank("staractiveMO");
  ZoomInSound = BankSoundOrNone("wind");
  Invalid = BankSoundOrNone("invalid");
  ZoomOut = BankSoundOrNone("wind");
  Glow.Init(0, 180, 1, 0);
  Glow2.Init(0, 180, 0.5f, 0);
  ScrollX = ScrollY = 0;
  Zoom = TAnimation::Create(500, 0, 0, 0, 0);
  ZoomIn = 1;
  Angle = 0;
  MOIndex = ClickedIndex = -1;
  Scale = 1;
  Mixer().FadeMusic = 0;
}

void TLevelSelectScreen::LoadLevelPackButtons() {
  Level = std::clamp(PlayerProgress.Level[size_t(PackSlot())], 1, MapLevels);
  LastMOIndex = Level - 1;
  if (!Menu) return;
  // Buttons that were hidden stay hidden when the pictures change.
  auto classic = Menu->FindButton("ClassicLevels");
  const int active = classic ? classic->Active : 1;
  Menu->RemoveButton("ClassicLevels");
  Menu->RemoveButton("GoldLevels");
  const bool gold = PackSlot() == 1;
  auto c = gold ? Menu->DoAddNew("ClassicLevels", "ClassicLevelsMO", "ClassicLevels")
                : Menu->DoAddNew("ClassicLevels_selected", "ClassicLevels_selected", "ClassicLevels");
  auto g = gold ? Menu->DoAddNew("GoldLevels_selected", "GoldLevels_selected", "GoldLevels")
                : Menu->DoAddNew("GoldLevels", "GoldLevelsMO", "GoldLevels");
  const float top = float(ScreenHeight - LevelPackPanelYOffset);
  c->SetPosition(float(ScreenWidth - 180), top + 70);
  g->SetPosition(float(ScreenWidth - 180), top + 130);
  for (auto& b : {c, g}) {
    b->SetFixedGlowOnMO(0.5f, 0.005f, 0);
    b->Active = active;
  }
}

void TLevelSelectScreen::Start() {
  TScreen::Start();
  TScreen* title = Registered(TScreenId::Title);
  if (!title || Screens().LastTScreen != title) Mixer().MusicPlay(1, 0, 0);
  // No pointer while the camera flies in; it comes back where the map expects it.
  Pointer().Off();
  Level = std::clamp(PlayerProgress.Level[size_t(PackSlot())], 1, MapLevels);
  LastMOIndex = Level - 1;
  Zoom->Start();
  Logic();
  CalcScrollCoords();
  Screens().GameFade->Init(float(StandardFadeLength), 0);
  Clock().FixedRateLogic.Init();
}

void TLevelSelectScreen::PostFadeIn() { PlayThroughPool(ZoomInSound); }

int TLevelSelectScreen::SetEscDestination() {
  // Before the title screen exists, Escape is the way out of the program, as on the game screen.
  TScreen* back = BackDestination();
  Screens().DestinationTScreen = back ? back : Screens().ExitScreen.get();
  return 0;
}

void TLevelSelectScreen::Kill() {
  TScreen::Kill();
  KillCoords();
  Background.reset();
  Locked.reset();
  Unlocked.reset();
  LockedMO.reset();
  UnlockedMO.reset();
  ZoomInSound.reset();
  Invalid.reset();
  ZoomOut.reset();
  Zoom.reset();
}

void TLevelSelectScreen::CreateCoords() { Coords = {}; }

void TLevelSelectScreen::FillCoords() {
  for (int i = 0; i < MapLevels; ++i) Coords[size_t(i)].Set(kStarPoints[i][0], kStarPoints[i][1]);
}

// The points are a fixed table; nothing is held that needs letting go.
void TLevelSelectScreen::KillCoords() {}

// ---------------------------------------------------------------- the camera

float TLevelSelectScreen::CalcScale(int final) const {
  const float fit = float(ScreenWidth) / float(std::max(1, MapWidth()));
  const float r = final || !Zoom ? 0.0f : Zoom->GetRatio();
  if (ZoomIn) return r * (1 - fit);
  // Any smaller than the filling size and black bands would show beside the map.
  return std::min((1 - r) * (1 - fit) * 2, std::max(0.0f, 1 - FillScale()));
}

float TLevelSelectScreen::FillScale() const {
  const float W = float(ScreenWidth), H = float(ScreenHeight);
  float fill = std::max(W / float(std::max(1, MapWidth())), H / float(std::max(1, MapHeight())));
  if (Background && Background->w > 0 && Background->h > 0)
    fill = std::max({fill, W / float(Background->w), H / float(Background->h)});
  return fill;
}

float TLevelSelectScreen::BackdropX(float s) const {
  const float x = ScrollX / 2 - 50 * s;
  if (!Background) return x;
  return std::max(std::min(x, 0.0f), float(ScreenWidth) - float(Background->w) * s);
}

float TLevelSelectScreen::BackdropY(float s) const {
  const float y = ScrollY / 2 - 210 * s;
  if (!Background) return y;
  return std::max(std::min(y, 0.0f), float(ScreenHeight) - float(Background->h) * s);
}

void TLevelSelectScreen::CalcScrollCoords() {
  const float W = float(ScreenWidth), H = float(ScreenHeight);
  const float w = float(MapWidth()), h = float(MapHeight());
  const float s = 1 - Scale;
  const float t = 1 - (Zoom ? Zoom->GetRatio() : 0.0f);
  const int index = std::clamp(Level, 1, MapLevels) - 1;
  float px = Coords[size_t(index)].X;
  float py = Coords[size_t(index)].Y + float(YOffset);
  if (ZoomIn) {
    // A star near the map's edge must not pull the edge into view; max then min keeps
    // a map smaller than the screen centred instead of failing the clamp.
    px = std::min(std::max(px, w / 2 - (w - W) / 2), w / 2 + (w - W) / 2);
    py = std::min(std::max(py, h / 2 - (h - H) / 2), h / 2 + (h - H) / 2);
    ScrollX = (W - w * s) / 2 + t * (w / 2 - px) * s;
    ScrollY = (H - h * s) / 2 + t * (h / 2 - py) * s;
  } else {
    const float f = 1 - CalcScale(1);
    const float tx = std::max(std::min(W / 2 - px * f, 0.0f), W - w * f);
    const float ty = std::max(std::min(H / 2 - py * f, 0.0f), H - h * f);
    ScrollX = float(LastX) - t * (float(LastX) - tx);
    ScrollY = float(LastY) - t * (float(LastY) - ty);
    // On the way the map shrinks faster than the view slides: it stays over the screen.
    ScrollX = std::max(std::min(ScrollX, 0.0f), W - w * s);
    ScrollY = std::max(std::min(ScrollY, 0.0f), H - h * s);
  }
}

// ---------------------------------------------------------------- every step

float TLevelSelectScreen::StarScreenX(int i) const { return Coords[size_t(i)].X + ScrollX; }

float TLevelSelectScreen::StarScreenY(int i) const { return Coords[size_t(i)].Y + ScrollY + float(YOffset); }

void TLevelSelectScreen::ListFocus(TFocusRing& ring) {
  if (!Dialogs.Empty() || !Menu) return TScreen::ListFocus(ring);
  ring.Begin(this, Level - 1);
  // Locked stars are walked too: pressing one sounds as clicking it does.
  for (int i = 0; i < MapLevels; ++i) {
    TFocusTarget t;
    t.x = StarScreenX(i) - StarHalf;
    t.y = StarScreenY(i) - StarHalf;
    t.w = t.h = 2 * StarHalf;
    ring.Add(t);
  }
  ring.AddButtons(Menu->Buttons);
}

int TLevelSelectScreen::StarAt(int mx, int my) const {
  const float x = float(mx), y = float(my);
  for (int i = 0; i < MapLevels; ++i) {
    const float cx = StarScreenX(i), cy = StarScreenY(i);
    if (cx - StarHalf <= x && x < cx + StarHalf && cy - StarHalf <= y && y < cy + StarHalf) return i;
  }
  return -1;
}

void TLevelSelectScreen::SetButtonsActive(int active) {
  if (!Menu) return;
  for (const char* b : {"back", "start", "ClassicLevels", "GoldLevels"})
    if (auto button = Menu->FindButton(b)) button->Active = active;
}

void TLevelSelectScreen::ChooseLevel(int level) {
  if (auto start = Menu ? Menu->FindButton("start") : nullptr) start->PlayClick();
  LevelSelected(level);
  ClickedIndex = level - 1;
}

void TLevelSelectScreen::LevelSelected(int level) {
  PlayThroughPool(ZoomOut);
  Zoom = TAnimation::Create(500, 1, 0, 0, 0);
  ZoomIn = 0;
  Zoom->Start();
  LastX = int(ScrollX);
  LastY = int(ScrollY);
  PlayerProgress.Level[size_t(PackSlot())] = level;
  // The choice (and the pack it was made in) is kept at once.
  TGameSession* session = GameSession();
  if (session && session->SessionPlayer())
    session->SessionPlayer()->WriteProfile(Game->CurrentProfile.get());
  else if (Game->CurrentProfile)
    Game->CurrentProfile->Save();
  Level = level;
  SetButtonsActive(0);
}

void TLevelSelectScreen::Logic() {
  if (Screens().Fading()) return;
  TScreen::Logic();
  const int ended = Zoom ? Zoom->Manage() : 0;
  if (ended && ZoomIn) {
    SetButtonsActive(1);
    Scale = 0;
    CalcScrollCoords();
    if (GraphicsReady) Display().DoMoveMouse(700, 500);
    Pointer().x = 700;
    Pointer().y = 500;
    Pointer().On();
    Menu->ManageNoSound(0, 0);
  } else if (ended && !ZoomIn && !Screens().Fading()) {
    const int firstChoice = Game->CurrentProfile ? Game->CurrentProfile->ShowHint(19, 1) : 0;
    TScreen* game = Registered(TScreenId::Game);
    TScreen* instructions = Registered(TScreenId::Instructions);
    if (firstChoice == 1 && PlayerProgress.Level[size_t(PackSlot())] == 1 && PackSlot() == 0 && instructions) {
      // The very first game is preceded by the instructions, which then lead on to it.
      Screens().DestinationTScreen = instructions;
      instructions->Destination = game;
      Screens().GameFade->Init(float(StandardFadeLength), 1, nullptr);
    } else if (game) {
      Screens().DestinationTScreen = game;
      Screens().GameFade->Init(float(StandardFadeLength), 1, Mixer().MusicChannel);
    }
  }
  Scale = CalcScale(0);
  const int mx = Pointer().x, my = Pointer().y;
  if (!Zooming()) {
    const float W = float(ScreenWidth), H = float(ScreenHeight), m = float(EdgeMargin);
    if (mx < EdgeMargin) ScrollX += (m - float(mx)) / m * EdgeSpeed * Delta;
    if (mx > ScreenWidth - EdgeMargin) ScrollX -= (m - (W - float(mx))) / m * EdgeSpeed * Delta;
    if (my < EdgeMargin) ScrollY += (m - float(my)) / m * EdgeSpeed * Delta;
    if (my > ScreenHeight - EdgeMargin) ScrollY -= (m - (H - float(my))) / m * EdgeSpeed * Delta;
    ScrollX = std::min(std::max(ScrollX, W - float(MapWidth())), 0.0f);
    ScrollY = std::min(std::max(ScrollY, H - float(MapHeight())), 0.0f);

    Glow.Manage();
    Glow2.Manage();
    Angle += 0.5f * Delta;
    if (Angle >= 360) Angle -= 360;

    const int before = MOIndex;
    MOIndex = StarAt(mx, my);
    // Off the stars the panel names the level that Play starts.
    if (MOIndex < 0) LastMOIndex = Level - 1;
    if (MOIndex >= 0) {
      auto start = Menu->FindButton("start");
      if (before < 0 && start) start->PlayMouseOver();
      LastMOIndex = MOIndex;
      if (Pointer().GetMh(1)) {
        const int number = MOIndex + 1;
        if (!StarUnlocked(number))
          PlayThroughPool(Invalid);
        else
          ChooseLevel(number);
      }
    }
  }
  if (!Zooming() && (InputKeyHit(32) || InputKeyHit(13))) ChooseLevel(Level);
  if (Menu->Clicked("back")) {
    // Without a title screen there is nowhere to go back to: the map stays.
    if (TScreen* back = BackDestination()) {
      Screens().DestinationTScreen = back;
      Screens().GameFade->Init(float(StandardFadeLength), 1, nullptr);
    }
  }
  if (!Zooming()) {
    if (Menu->Clicked("start")) ChooseLevel(Level);
    int pack = -1;
    if (Menu->Clicked("classiclevels")) pack = 0;
    if (Menu->Clicked("goldlevels")) pack = 1;
    if (pack >= 0) {
      LevelPack = pack;
      LoadLevelPackButtons();
    }
  }
}

// ---------------------------------------------------------------- drawing

void TLevelSelectScreen::DrawStar(int i) {
  const float x = StarScreenX(i), y = StarScreenY(i);
  const int number = i + 1;
  const bool current = number == Level, hovered = i == MOIndex;
  const float pulse = current ? 1.3f + 0.3f * SinDeg(2 * Angle) : 1.0f;
  SetAlpha(1);
  SetColor(255, 255, 255);
  SetBlend(BLEND_ALPHA);
  SetScale(pulse, pulse);
  if (Locked) {
    SetColor(0, 0, 0);
    SetAlpha(0.7f);
    Locked->Draw(x + 2, y + 2);
    SetColor(255, 255, 255);
    SetAlpha(1);
  }
  const auto& star = StarUnlocked(number) ? (hovered ? UnlockedMO : Unlocked) : (hovered ? LockedMO : Locked);
  if (star) star->Draw(x, y + 1);
  SetScale(1, 1);
  SetBlend(BLEND_LIGHT);
  SetAlpha(hovered ? Glow.ratio / 2 : (1 - Glow2.ratio) / 5);
  if (current) SetScale(pulse, pulse);
  if (star) star->Draw(x, y + 1);
  SetRotation(0);
  SetBlend(BLEND_ALPHA);
  SetAlpha(1);
  SetScale(1, 1);
}

void TLevelSelectScreen::Draw() {
  const float W = float(ScreenWidth), H = float(ScreenHeight);
  if (Zooming()) CalcScrollCoords();
  const float s = 1 - Scale;
  SetColor(255, 255, 255);
  SetAlpha(1);
  SetScale(s, s);
  if (Background) {
    SetBlend(BLEND_SOLID);
    Background->Draw(BackdropX(s), BackdropY(s));
  }
  if (Image) {
    SetBlend(BLEND_ALPHA);
    DrawImage(Image, ScrollX, ScrollY + float(YOffset));
  }
  SetScale(1, 1);
  SetBlend(BLEND_ALPHA);

  if (!Zooming()) {
    for (int i = 0; i < MapLevels; ++i) DrawStar(i);

    SetColor(0, 0, 0);
    SetAlpha(0.35f);
    DrawRect(0, 466, W, H - 466);
    DrawRect(W - 200, H - float(LevelPackPanelYOffset), 200, 205);
    SetAlpha(1);

    const TImageFontPtr font = GetImageFont();
    SetImageFont(Font48);
    const TTextStyle style{1, 1, 0.6f, 1};
    const std::string level = Text("Level") + " " + std::to_string(LastMOIndex + 1);
    SetColor(180, 180, 180);
    DrawText(level, std::round(W / 2 - float(TextWidth(level)) / 2) - 0.5f, 525 - 0.5f);
    SetColor(255, 255, 255);
    DrawTextShadowed(W / 2, 525, level, 1, 1, style);

    auto label = [&](const char* key, const char* button, float x) {
      if (Menu && Menu->MouseOver(button))
        SetColor(255, 255, 255);
      else
        SetColor(225, 225, 225);
      DrawTextShadowed(x, 525, Text(key), 1, 1, style);
    };
    label("Menu", "back", 96);
    label("Play", "start", 705);

    SetColor(225, 225, 225);
    SetScale(0.8f, 0.8f);
    DrawTextShadowed(W - 100, H - float(LevelPackPanelYOffset) + 11, Text("Choose Pack") + ":", 1, 0.8f, style);
    SetScale(1, 1);
    SetImageFont(font);
  }

  SetColor(255, 255, 255);
  SetAlpha(1);
  if (Menu) Menu->Draw(0, 0);
  if (Header) Header->Draw();
}
