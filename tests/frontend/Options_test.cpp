// The options screen: a slider or switch changed takes effect at once and is read
// back from the settings file after "ok" or Escape; a slider moved before leaving
// by "credits" is not yet written then, but the program's ending writes it.
#include "FrontendFixture.h"
#include "core/Settings.h"
#include "frontend/CreditsScreen.h"
#include "frontend/OptionsScreen.h"
#include "screens/ScreenSwitch.h"
#include "ui/MousePointer.h"
#include "ui/Slider.h"

class OptionsTest : public FrontendTest {
 protected:
  void SetUp() override {
    FrontendTest::SetUp();
    if (IsSkipped()) return;
    RegisterScreen(TScreenId::Options, &options);
    RegisterScreen(TScreenId::Credits, &credits);
    options.Destination = &back;
    Settings().MusicVolume = 100;
    Settings().SoundVolume = 100;
    Settings().Particles = 80;
    Game->IniUpdate(1);
    Enter(options);
  }
  void TearDown() override {
    options.Kill();
    FrontendTest::TearDown();
  }
  // Holds the button on slider at the given share of its usable track for one step.
  void Drag(TSlider& slider, float share) {
    const float left = slider.x + float(slider.Border), width = float(slider.w - 2 * slider.Border);
    HoldAt(int(left + share * width), int(slider.y) + slider.h / 2);
    options.RunLogic();
    Pointer().ClearButtons();
  }

  TOptionsScreen options;
  TCreditsScreen credits;
  TScreen back;
};

TEST_F(OptionsTest, ChangesTakeEffectAtOnceAndAreReadBackFromTheSettingsFile) {
  Drag(*options.MusicSlider, 0.0f);
  Drag(*options.DetailSlider, 1.0f);
  Drag(*options.SoundSlider, 0.5f);
  EXPECT_EQ(Settings().MusicVolume, 0) << "the left end is 0";
  EXPECT_EQ(Settings().Particles, 100) << "the right end is 100";
  EXPECT_NEAR(Settings().SoundVolume, 50, 1);
  EXPECT_EQ(Setting("MUSIC VOLUME"), "100") << "nothing written while the screen shows";

  const int pointer = Settings().CustomMousePointer;
  ClickButton(options, "customcursor");
  EXPECT_EQ(Settings().CustomMousePointer, 1 - pointer);
  EXPECT_EQ(Game->SettingsUnsaved, 1) << "written at the latest when the program ends";

  ClickButton(options, "ok");
  EXPECT_EQ(Screens().DestinationTScreen, &back);
  EXPECT_EQ(Setting("MUSIC VOLUME"), "0");
  EXPECT_EQ(Setting("PARTICLES"), "100");
  EXPECT_EQ(Setting("SOUND VOLUME"), std::to_string(Settings().SoundVolume));
  EXPECT_EQ(Setting("CUSTOM MOUSE POINTER"), std::to_string(1 - pointer));

  // Escape writes like "ok".
  Screens().GameFade->Finish();
  options.Kill();
  Enter(options);
  Drag(*options.MusicSlider, 1.0f);
  options.SetEscDestination();
  EXPECT_EQ(Screens().DestinationTScreen, &back);
  EXPECT_EQ(Setting("MUSIC VOLUME"), "100");
}

TEST_F(OptionsTest, ASliderMovedBeforeLeavingByCreditsIsWrittenWhenTheProgramEnds) {
  Drag(*options.MusicSlider, 0.25f);
  const int moved = Settings().MusicVolume;
  ASSERT_LT(moved, 100);
  ClickButton(options, "credits");
  EXPECT_EQ(Screens().DestinationTScreen, &credits);
  EXPECT_EQ(Setting("MUSIC VOLUME"), "100") << "credits does not write at that moment";

  // The credits lead back to the options screen.
  EXPECT_EQ(credits.SetEscDestination(), 0);
  EXPECT_EQ(Screens().DestinationTScreen, &options);

  // What the exit routine does first.
  Game->SaveUnsavedSettings();
  EXPECT_EQ(Setting("MUSIC VOLUME"), std::to_string(moved));
  EXPECT_EQ(Game->SettingsUnsaved, 0);

  // Nothing pending: ending the program writes nothing.
  std::filesystem::remove(Game->Ini->FileName + ".ini");
  Game->SaveUnsavedSettings();
  EXPECT_FALSE(std::filesystem::exists(Game->Ini->FileName + ".ini"));

  // A slider held without moving changes nothing and leaves nothing to write.
  Drag(*options.MusicSlider, 0.25f);
  EXPECT_EQ(Game->SettingsUnsaved, 0);
}
