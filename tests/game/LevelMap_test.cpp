// The level map as the player meets it: which stars may be played, hovering a star
// on its exact edges, switching packs, and where choosing a level leads.
#include "RoadFixture.h"

#include <algorithm>
#include <functional>

#include "gfx/Image.h"
#include "screens/LoadingScreen.h"
#include "support/RecordingScreen.h"
#include "gfx/GameImage.h"
#include "screens/ScreenSwitch.h"
#include "ui/Menu.h"
#include "ui/MousePointer.h"

namespace {
void PressKey(int key) { KeyHits[key] = 1; }

// Clicks the middle of one of the map's buttons.
void ClickButton(TLevelSelectScreen& map, const char* name) {
  auto b = map.Menu->FindButton(name);
  ASSERT_TRUE(b);
  RoadTest::ClickAt(b->x + float(b->w) / 2, b->y + float(b->h) / 2);
  RoadTest::Step(map, 1);
}

int ActiveStars() {
  int n = 0;
  for (int number = 1; number <= TLevelSelectScreen::MapLevels; ++number) n += TLevelSelectScreen::StarUnlocked(number);
  return n;
}

class FirstChoiceScreen : public TScreen {};
}  // namespace

TEST_F(RoadTest, ANewPlayerHasOneStarPerPackAndAFinishedPackIsOpenThroughout) {
  EnterMap();
  EXPECT_TRUE(map.Zooming()) << "the camera flies in first";
  EXPECT_FALSE(map.Menu->FindButton("start")->Active) << "no buttons during the zoom";
  PressKey(13);
  Step(map, 1);
  EXPECT_EQ(map.ClickedIndex, -1) << "Enter waits for the zoom to end";
  MapReady();
  EXPECT_TRUE(map.Menu->FindButton("start")->Active);
  EXPECT_EQ(Pointer().x, 700);
  for (int pack : {0, 1}) {
    LevelPack = pack;
    EXPECT_EQ(ActiveStars(), 1) << "pack " << pack;
    EXPECT_TRUE(TLevelSelectScreen::StarUnlocked(1));
  }
  LevelPack = 0;
  const int first = map.StarAt(int(map.StarScreenX(0)), int(map.StarScreenY(0)));
  EXPECT_EQ(first, 0);

  // A pack played to its end: every star stays open and play starts again at 1.
  PlayerProgress.Unlocked[0] = 56;
  PlayerProgress.Level[0] = 1;
  EXPECT_EQ(ActiveStars(), 55);
  PressKey(13);
  Step(map, 1);
  EXPECT_EQ(map.ClickedIndex, 0) << "Enter plays the current level";
  EXPECT_TRUE(map.Zooming()) << "and the camera flies out";
  EXPECT_FALSE(map.Menu->FindButton("back")->Active);
  PlayerProgress.Unlocked[0] = 0;
  Saved();
  EXPECT_EQ(PlayerProgress.Unlocked[0], 56) << "the choice is saved with the progress";
}

TEST_F(RoadTest, AStarIsHoveredFromItsLeftAndTopEdgeButNotFromItsRightOrBottom) {
  PlayerProgress.Unlocked[0] = 20;
  PlayerProgress.Level[0] = 12;
  EnterMap();
  MapReady();
  map.ScrollX = -100;
  map.ScrollY = -300;
  const int i = 11;  // star 12 at (438, 771) on the map
  const int cx = 438 - 100, cy = 771 - 300 + map.YOffset;
  EXPECT_EQ(map.StarScreenX(i), float(cx));
  EXPECT_EQ(map.StarAt(cx - 10, cy - 10), i);
  EXPECT_EQ(map.StarAt(cx + 9, cy + 9), i);
  EXPECT_EQ(map.StarAt(cx + 10, cy), -1);
  EXPECT_EQ(map.StarAt(cx, cy + 10), -1);
  EXPECT_EQ(map.StarAt(cx - 11, cy), -1);

  // Pointing names the star's level in the panel; clicking a locked one does nothing.
  map.ScrollX = -100;
  map.ScrollY = -300;
  Pointer().x = 200;
  Pointer().y = 300;  // inside the edges: the map keeps still
  const int locked = 20;  // star 21 at (368, 627)
  ClickAt(map.StarScreenX(locked), map.StarScreenY(locked));
  Step(map, 1);
  EXPECT_EQ(map.MOIndex, locked);
  EXPECT_EQ(map.LastMOIndex, locked);
  EXPECT_EQ(map.ClickedIndex, -1);
  EXPECT_FALSE(map.Zooming());
  // Off the stars the panel names the level that Play starts again.
  Pointer().x = 400;
  Pointer().y = 120;
  ASSERT_EQ(map.StarAt(400, 120), -1);
  Step(map, 1);
  EXPECT_EQ(map.LastMOIndex, map.Level - 1);
  // An open one is chosen.
  ClickAt(map.StarScreenX(4), map.StarScreenY(4));
  Step(map, 1);
  EXPECT_EQ(map.ClickedIndex, 4);
  EXPECT_EQ(PlayerProgress.Level[0], 5);
  // Zooming out towards the game, the map and its backdrop cover the screen in every frame.
  const float mapW = float(ImageWidth(map.Image)), mapH = float(ImageHeight(map.Image));
  const float backW = float(map.Background->w), backH = float(map.Background->h);
  float smallest = 1;
  for (int i = 0; i < 120 && map.Zooming(); ++i) {
    map.CalcScrollCoords();
    const float s = 1 - map.Scale;
    smallest = std::min(smallest, s);
    EXPECT_LE(map.ScrollX, 0.01f) << i;
    EXPECT_GE(map.ScrollX + mapW * s, 799.99f) << i;
    EXPECT_GE(map.ScrollY + mapH * s, 599.99f) << i;
    EXPECT_LE(map.BackdropX(s), 0.01f) << i;
    EXPECT_LE(map.BackdropY(s), 0.01f) << i;
    EXPECT_GE(map.BackdropX(s) + backW * s, 799.99f) << i;
    EXPECT_GE(map.BackdropY(s) + backH * s, 599.99f) << i;
    Step(map, 1);
  }
  EXPECT_LT(smallest, 0.95f) << "it does zoom out";
  EXPECT_EQ(PlayerProgress.Unlocked[0], 20) << "choosing never unlocks";
  PlayerProgress.Level[0] = 0;
  Saved();
  EXPECT_EQ(PlayerProgress.Level[0], 5) << "and the choice is in the file";
}

TEST_F(RoadTest, SwitchingPacksChangesTheStarsTheLevelAndTheMarkedButton) {
  PlayerProgress.Level[0] = 7;
  PlayerProgress.Unlocked[0] = 9;
  PlayerProgress.Level[1] = 3;
  PlayerProgress.Unlocked[1] = 4;
  EnterMap();
  MapReady();
  auto picture = [&](const char* button) { return map.Menu->FindButton(button)->image->name; };
  EXPECT_EQ(picture("ClassicLevels"), ImageKey("ClassicLevels_selected"));
  EXPECT_EQ(picture("GoldLevels"), ImageKey("GoldLevels"));
  EXPECT_EQ(map.Level, 7);

  ClickButton(map, "GoldLevels");
  EXPECT_EQ(LevelPack, 1);
  EXPECT_EQ(map.Level, 3);
  EXPECT_EQ(map.LastMOIndex, 2) << "the panel names the pack's current level";
  EXPECT_EQ(ActiveStars(), 4);
  EXPECT_EQ(picture("GoldLevels"), ImageKey("GoldLevels_selected"));
  EXPECT_EQ(picture("ClassicLevels"), ImageKey("ClassicLevels"));
  EXPECT_TRUE(map.Menu->FindButton("GoldLevels")->Active);

  ClickButton(map, "ClassicLevels");
  EXPECT_EQ(LevelPack, 0);
  EXPECT_EQ(map.Level, 7);
  EXPECT_EQ(ActiveStars(), 9);
  EXPECT_EQ(Saved()->HintsShown[19], 0) << "nothing is saved until a level is chosen";
}

TEST_F(RoadTest, TheFirstGameGoesThroughTheInstructionsOnceAndMenuNeedsATitle) {
  EnterMap();
  MapReady();
  ClickButton(map, "back");
  EXPECT_EQ(Screens().DestinationTScreen, nullptr) << "without a title screen the map stays";

  FirstChoiceScreen instructions, title;
  RegisterScreen(TScreenId::Instructions, &instructions);
  RegisterScreen(TScreenId::Title, &title);
  ClickButton(map, "back");
  EXPECT_EQ(Screens().DestinationTScreen, &title);

  EnterMap();
  MapReady();
  PressKey(32);
  Step(map, 1);
  for (int i = 0; i < 200 && !Screens().DestinationTScreen; ++i) Step(map, 1);
  EXPECT_EQ(Screens().DestinationTScreen, &instructions);
  EXPECT_EQ(instructions.Destination, &game) << "and the instructions lead on to the game";
  EXPECT_EQ(Saved()->HintsShown[19], 1);

  // The next choice, at level 1 again, goes straight to the game.
  EnterMap();
  MapReady();
  PressKey(13);
  Step(map, 1);
  for (int i = 0; i < 200 && !Screens().DestinationTScreen; ++i) Step(map, 1);
  EXPECT_EQ(Screens().DestinationTScreen, &game);

  // A first choice in the gold pack uses up the detour as well.
  Game->CurrentProfile->HintsShown[19] = 0;
  LevelPack = 1;
  EnterMap();
  MapReady();
  PressKey(13);
  Step(map, 1);
  for (int i = 0; i < 200 && !Screens().DestinationTScreen; ++i) Step(map, 1);
  EXPECT_EQ(Screens().DestinationTScreen, &game);
  EXPECT_EQ(Game->CurrentProfile->HintsShown[19], 1);
}

TEST_F(RoadTest, TheMapALevelAndTheClosingScreenShowTheLoadingPictureWhileTheyLoad) {
  TRecordingRenderDriver* rec = UseRecordingScreen();
  ASSERT_NE(rec, nullptr);
  Screens().LoadingScreen = std::make_shared<TLoadingScreen>();
  auto frames = [&](const std::function<void()>& load) {
    const int before = rec->flips;
    load();
    return rec->flips - before;
  };
  EXPECT_EQ(frames([&] { map.Load(); }), 1);
  map.Kill();
  PlayerProgress.Level[0] = 2;
  game.GameStart();
  EXPECT_EQ(frames([&] { game.Load(); }), 1);
  game.Kill();
  EXPECT_EQ(frames([&] { finished.Load(); }), 1);
  finished.Kill();
  Screens().LoadingScreen.reset();
  SetRenderDriver(nullptr);
}

TEST_F(RoadTest, TheKeysWalkTheStarsInLevelOrderFromTheLevelPlayStartsAndALockedOneStaysShut) {
  PlayerProgress.Unlocked[0] = 3;
  PlayerProgress.Level[0] = 2;
  EnterMap();
  MapReady();
  // The keys are read before the screen's logic, as the main loop runs it.
  auto key = [this](int code) {
    InputRecordKey(code, 0, true);
    InputRecordKey(code, 0, false);
    map.RunLogic();
    Pointer().ClearMouseHit();
    InputFlushKeys();
  };
  // The first arrow lands on the level Play starts, the pointer resting on its star.
  key(39);
  EXPECT_EQ(map.Focus.Index(), 1);
  EXPECT_EQ(map.MOIndex, 1);
  key(37);
  EXPECT_EQ(map.Focus.Index(), 0);
  key(40);
  key(40);
  key(40);
  EXPECT_EQ(map.Focus.Index(), 3);
  EXPECT_EQ(map.MOIndex, 3);
  key(13);
  EXPECT_EQ(map.ClickedIndex, -1) << "star 4 is locked";
  EXPECT_FALSE(map.Zooming());
  key(38);
  key(13);
  EXPECT_EQ(map.ClickedIndex, 2);
  EXPECT_EQ(PlayerProgress.Level[0], 3);
  Pointer().Resting = 0;
}
