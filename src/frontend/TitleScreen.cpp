#include "frontend/TitleScreen.h"

#include "audio/Mixer.h"
#include "core/DataPaths.h"
#include "core/ErrorReport.h"
#include "core/Game.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "core/Input.h"
#include "core/Settings.h"
#include "game/NewGame.h"
#include "game/PlayerProgress.h"
#include "gfx/Animation.h"
#include "gfx/CheckedLoaders.h"
#include "gfx/Color.h"
#include "gfx/Draw.h"
#include "gfx/GameFonts.h"
#include "gfx/GameImage.h"
#include "gfx/ImageBank.h"
#include "gfx/Particle.h"
#include "gfx/Shadow.h"
#include "gfx/Sprite.h"
#include "gfx/TextDraw.h"
#include "platform/Files.h"
#include "platform/Random.h"
#include "player/NameDialog.h"
#include "player/PlayerManager.h"
#include "player/Profile.h"
#include "screens/GameFade.h"
#include "screens/LoadingScreen.h"
#include "screens/ScreenRegistry.h"
#include "screens/ScreenSwitch.h"
#include "ui/DialogTextInput.h"
#include "ui/GameText.h"
#include "ui/Menu.h"
#include "ui/MousePointer.h"
#include "ui/TextInput.h"

namespace {
const char* const kButtons[] = {"changeplayer", "play", "titleoptions", "mygallery", "exit"};

constexpr int kSparklePoints[TTitleScreen::SparkleCount][2] = {
    {131, 136}, {112, 141}, {124, 157}, {134, 26},  {38, 122},  {170, 26},  {431, 65},  {480, 82},  {490, 118},
    {756, 66},  {727, 117}, {554, 34},  {217, 69},  {386, 151}, {549, 340}, {717, 391}, {717, 427}, {256, 354},
    {256, 411}, {311, 240}, {477, 243}, {107, 179}, {142, 211}, {143, 280}, {77, 271},  {159, 229}, {192, 323},
    {107, 324}, {151, 363}, {87, 339},  {24, 431},  {211, 431}, {125, 401}, {38, 366},  {217, 483}, {190, 489},
    {189, 456}, {121, 485}, {167, 537}, {337, 570}, {413, 535}, {463, 537}, {633, 569}};

// The greeting may not run off the screen, however long the name.
constexpr float kWelcomeMaxWidth = 760;

TScreen* Registered(TScreenId id) { return IsScreenRegistered(id) ? FindScreen(id) : nullptr; }

bool FromPlay(const TScreen* last) {
  for (TScreenId id : {TScreenId::Game, TScreenId::GameOver, TScreenId::GameFinished, TScreenId::LevelSelect})
    if (last && last == Registered(id)) return true;
  return false;
}

bool ComesFromLevelMap() {
  const TScreen* map = Registered(TScreenId::LevelSelect);
  return map && Screens().LastTScreen == map;
}
}  // namespace

bool TTitleScreen::HoldsPlayer(const std::vector<std::string>& entries) {
  for (const std::string& entry : entries) {
    if (entry == "." || entry == ".." || entry == ".dat" || entry.size() < 4) continue;
    if (entry.compare(entry.size() - 4, 4, ".dat") != 0) continue;
    bool clean = true;
    for (unsigned char c : entry)
      if (c < 32 || c == 127) clean = false;
    if (clean) return true;
  }
  return false;
}

std::vector<std::string> TTitleScreen::PictureFiles() {
  std::vector<std::string> files;
  for (const char* file : {"title.jpg", "mainlogo.png", "copyright.png", "fireanim.png"})
    files.push_back(DataPaths().ImagePath + file);
  for (const char* button : kButtons) {
    files.push_back(DataPaths().MenuPath + button + ".png");
    files.push_back(DataPaths().MenuPath + button + "MO.png");
  }
  return files;
}

void TTitleScreen::PreStart() {
  const TScreen* last = Screens().CurrentTScreen;
  if (last != Screens().LoadingScreen.get()) {
    const int f = FromPlay(last) ? 1 : 0;
    SpecialLoad(0, f);
    SpecialStart(f);
  } else {
    SpecialStart(0);
  }
}

void TTitleScreen::SpecialLoad(int firstLoad, int fromPlay) {
  name = "title";
  if (!firstLoad && Screens().LoadingScreen) Screens().LoadingScreen->DrawLoading(1);
  if (fromPlay && !ComesFromLevelMap()) Mixer().MusicLoad("title.ogg", 1);
  ImageLoad("title.jpg", 0, 1);
  HeaderLoad("mainlogo", float(ScreenWidth / 2), 115, 1);
  Copyright = LoadImageChecked(DataPaths().ImagePath + "copyright.png", -1);
  SetImageHandle(Copyright, 0, 0);
  FireAnim = LoadAnimImageChecked(DataPaths().ImagePath + "fireanim.png", 137, 128, 0, 17, -1);
  SetImageHandle(FireAnim, 0, 0);
  FireCounter = TAnimation::Create(2000, 0, 1, 1, 0);

  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
  for (const char* button : kButtons) Menu->AddNew(button, std::string(button) + "MO");
  auto change = Menu->FindButton("changeplayer");
  auto play = Menu->FindButton("play");
  auto options = Menu->FindButton("titleoptions");
  auto gallery = Menu->FindButton("mygallery");
  auto exit = Menu->FindButton("exit");
  play->OKButton = 1;
  Menu->CentreHoriz();
  play->SetAutoGlow(0, 0.3f, 1, 0);
  play->MoveTo(play->x, 510);
  for (auto& button : {change, options, gallery, exit}) button->SetFixedGlowOnMO(0.5f, 0.005f, 0);
  change->MoveTo(16, 530);
  gallery->MoveTo(float(16 + change->w + 10), 530);
  options->MoveTo(float(ScreenWidth - 2 * 10 - 2 * gallery->w - 6), 530);
  exit->MoveTo(options->x + float(options->w + 10), 530);

  FillCoords();
  // Escape here leaves the program: the music fades out with the picture.
  Mixer().FadeMusic = 1;
  if (firstLoad) PromptForName();
}

void TTitleScreen::FillCoords() {
  for (int i = 0; i < SparkleCount; ++i) Coords[i].Set(kSparklePoints[i][0], kSparklePoints[i][1]);
}

void TTitleScreen::PromptForName() {
  std::vector<std::string> entries;
  const std::string folder = DataPaths().ProfilePath;
  if (!ListDirectory(folder, entries)) {
    ShowError("Failed to read directory '" + folder + "'", 1, 1);
    return;
  }
  // A remembered name that names no file (none, or one that would leave the folder) is
  // no player: loading it would only make the hidden ".dat".
  const std::string& name = Settings().ProfileName;
  if (HoldsPlayer(entries) && !name.empty() && IsSafeProfileName(name)) {
    LoadCurrentProfile();
    NeedName = 0;
  } else {
    SetupPrompt();
  }
}

void TTitleScreen::SetupPrompt() { NeedName = 1; }

void TTitleScreen::SetupWelcome() {
  if (!Game->CurrentProfile) return;
  const std::string greeting = GameText ? GameText->FindString("Welcome") : std::string();
  Welcome = TLabel::CreateSpecial(greeting + " " + Game->CurrentProfile->Name, float(ScreenWidth / 2 + 15), 448, 1);
  Welcome->Init(Font48, TColor::Create(255, 255, 255), TShadow::Create(1, 1, 0.6f));
  Welcome->Scale = 0.75f;
  if (Welcome->CalcWidth() * Welcome->Scale > kWelcomeMaxWidth) {
    // Centred on the middle of the screen so that both ends stay on it.
    Welcome->X = float(ScreenWidth / 2);
    Welcome->Scale = kWelcomeMaxWidth / Welcome->CalcWidth();
  }
}

void TTitleScreen::SpecialStart(int fromPlay) {
  TScreen::Start();
  if (fromPlay && !ComesFromLevelMap()) Mixer().MusicPlay(1, 0, 0);
  if (NeedName) {
    NeedName = 0;
    auto prompt = CreateNameDialog(0);
    Dialogs.Open(prompt, [this, prompt](int result) {
      if (result == 1 && prompt->TextInput) {
        SetCurrentPlayer(prompt->TextInput->Text);
        SetupWelcome();
      }
    });
    // Lower than centre, clear of the logo.
    prompt->y += 20;
    prompt->SetLabelsXY();
    prompt->MenuPosition();
  } else {
    SetupWelcome();
  }
  if (FireCounter) FireCounter->Start();
  Screens().GameFade->Init(float(StandardFadeLength), 0, nullptr, 0, 0, nullptr);
  Clock().FixedRateLogic.Init();
}

void TTitleScreen::ShowPlayerManager() {
  auto manager = CreateChoosePlayerDialog([](const std::string& player) {
    SetCurrentPlayer(player);
    return 1;
  });
  Dialogs.Open(manager, [this](int result) {
    if (result != 0) SetupWelcome();
  });
}

void TTitleScreen::Logic() {
  TScreen::Logic();
  if (FireCounter) FireCounter->Manage();
  FirefliesManage();
  auto leaveTo = [this](TScreenId id, bool fadeMusic) {
    TScreen* next = Registered(id);
    // A screen this build does not have yet leaves the title where it is.
    if (!next) return;
    if (id != TScreenId::Game && id != TScreenId::LevelSelect) next->Destination = this;
    // A fade already running (the way out of the program) keeps its destination.
    if (Screens().GameFade->Init(float(StandardFadeLength), 1, fadeMusic ? Mixer().MusicChannel : nullptr, 0, 0, nullptr))
      Screens().DestinationTScreen = next;
  };
  if (Menu->Clicked("changeplayer")) ShowPlayerManager();
  if (Menu->Clicked("play")) {
    StartNewGame();
    leaveTo(TScreenId::LevelSelect, false);
  }
  if (Menu->Clicked("titleoptions")) leaveTo(TScreenId::Options, false);
  if (Menu->Clicked("help") || InputKeyHit(112)) leaveTo(TScreenId::Instructions, false);
  if (Menu->Clicked("mygallery")) leaveTo(TScreenId::Gallery, false);
  if (Menu->Clicked("exit")) {
    if (Screens().GameFade->Init(float(StandardFadeLength), 1, Mixer().MusicChannel, 0, 0, nullptr))
      Screens().DestinationTScreen = Screens().ExitScreen.get();
  }
}

void TTitleScreen::FirefliesManage() {
  if (float(Rand(1, 10000)) < 300.0f * Delta) FireflyCreate();
  Sparkles.Manage();
}

void TTitleScreen::FireflyCreate() {
  auto picture = ImageBank ? ImageBank->Find("sparkle", 1) : nullptr;
  if (!picture) return;
  const TPoint& at = Coords[Rand(0, SparkleCount - 1)];
  auto p = Sparkles.AddNew(at.X, at.Y, picture, 0, 0, 0, 1000, 1, 1, Rnd(0.2f, 0.5f), Rnd(0.4f, 1.0f), 0, 0);
  if (p) p->SetFade(Rnd(600, 1000), Rnd(300, 600), Rnd(600, 1000), 1.0f, 1.0f);
}

void TTitleScreen::Draw() {
  if (Image) {
    SetBlend(BLEND_SOLID);
    DrawImage(Image, 0, 0);
  }
  SetBlend(BLEND_ALPHA);
  if (Header) Header->Draw();
  if (Copyright) DrawImage(Copyright, 0, float(ScreenHeight - ImageHeight(Copyright)));
  SetImageFont(Font25);
  // The label ends in a space: its last figure and its shadow would otherwise run up
  // against the screen's edge, five pixels from it.
  const std::string version = std::string("V ") + VersionConstant + " ";
  DrawTextShadowed(float(ScreenWidth - 5 - TextWidth(version)), 1, version, 0, 1, TTextStyle{3, 3, 0.4f, 1});
  // An open dialog covers the rest; the dialog stack draws it over this picture.
  if (!Dialogs.Empty()) return;
  if (FireAnim && FireCounter) DrawImage(FireAnim, 335, 317, FireCounter->GetAnimFrame(17));
  DrawWelcome();
  if (Menu) Menu->Draw(0, 0);
  Sparkles.Draw();
}

void TTitleScreen::DrawWelcome() {
  if (!Welcome) return;
  SetColor(255, 255, 255);
  SetAlpha(1);
  Welcome->Draw();
}

void TTitleScreen::Kill() {
  TScreen::Kill();
  Copyright.reset();
  Welcome.reset();
  FireAnim.reset();
  FireCounter.reset();
  Sparkles.Clear();
  NeedName = 0;
}
