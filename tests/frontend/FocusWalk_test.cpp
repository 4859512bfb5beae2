// The keyboard's and a pad's focus on every screen around the game: Down walks every
// widget once in screen order (rows top to bottom, each left to right) and comes
// round to the first; the resting pointer stands on the focused one, so it lights up;
// Return presses a button, left and right move a slider by 5 and apply it at once;
// and the mouse's first motion forgets the focus.
#include <cmath>

#include "FrontendFixture.h"
#include "core/Settings.h"
#include "frontend/CreditsScreen.h"
#include "frontend/GalleryScreen.h"
#include "frontend/InstructionsScreen.h"
#include "frontend/OptionsScreen.h"
#include "player/NameDialog.h"
#include "ui/DialogTextInput.h"
#include "ui/FocusRing.h"
#include "ui/Slider.h"

class FocusWalkTest : public FrontendTest {
 protected:
  void SetUp() override {
    FrontendTest::SetUp();
    if (IsSkipped()) return;
    UseProfile("Tester");
    LoadBank();
  }
  void TearDown() override {
    Pointer().Resting = 0;
    FrontendTest::TearDown();
  }
  static void Press(TScreen& screen, int key) {
    InputRecordKey(key, 0, true);
    InputRecordKey(key, 0, false);
    screen.RunLogic();
  }
  // Walks the whole order with Down; the centres of the widgets visited, in order.
  static std::vector<TFocusTarget> Walk(TScreen& screen, const std::string& name) {
    std::vector<TFocusTarget> visited;
    Press(screen, 40);
    const size_t count = screen.Focus.Targets().size();
    EXPECT_GT(count, 0u) << name;
    std::vector<int> seen;
    for (size_t i = 0; i < count; ++i) {
      const TFocusTarget* t = screen.Focus.Current();
      if (!t) {
        ADD_FAILURE() << name << ": no focus after " << i << " steps";
        return visited;
      }
      EXPECT_EQ(Pointer().Resting, 1) << name;
      EXPECT_EQ(Pointer().x, int(t->CentreX())) << name << " step " << i;
      EXPECT_EQ(Pointer().y, int(t->CentreY())) << name << " step " << i;
      seen.push_back(screen.Focus.Index());
      visited.push_back(*t);
      Press(screen, 40);
    }
    EXPECT_EQ(screen.Focus.Index(), seen.empty() ? -1 : seen.front()) << name << ": the walk comes round";
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(std::unique(seen.begin(), seen.end()), seen.end()) << name << ": a widget visited twice";
    // Screen order: nothing visited lies wholly above the row before it, and within a
    // row the walk goes rightwards.
    for (size_t i = 1; i < visited.size(); ++i) {
      const TFocusTarget &a = visited[i - 1], &b = visited[i];
      EXPECT_GE(b.y + b.h, a.y) << name << " step " << i;
      if (std::fabs(a.CentreY() - b.CentreY()) < 2) {
        EXPECT_GT(b.x, a.x) << name << " step " << i;
      }
    }
    return visited;
  }
  static bool Over(const TButtonPtr& button) { return button && button->HitTest(Pointer().x, Pointer().y); }
};

TEST_F(FocusWalkTest, EveryScreenIsWalkedInScreenOrderAndPressedFromTheKeyboard) {
  TScreen back;
  {
    // Options: the three sliders first; left and right move one by 5 and apply it.
    TOptionsScreen options;
    RegisterScreen(TScreenId::Options, &options);
    options.Destination = &back;
    Settings().MusicVolume = 50;
    Enter(options);
    const auto order = Walk(options, "options");
    ASSERT_EQ(order.size(), 8u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(order[size_t(i)].Kind, TFocusTarget::Slider);
    ASSERT_EQ(options.Focus.Current()->Kind, TFocusTarget::Slider);
    Press(options, 39);
    EXPECT_EQ(options.MusicSlider->Value, 55);
    EXPECT_EQ(Settings().MusicVolume, 55);
    Press(options, 37);
    Press(options, 37);
    EXPECT_EQ(Settings().MusicVolume, 45) << "left and right on a slider do not move the focus";
    // Return on a slider does not set it to where the pointer stands.
    Press(options, 13);
    EXPECT_EQ(Settings().MusicVolume, 45);
    // Up from the first slider comes round to the last widget, OK, which Return presses.
    Press(options, 38);
    EXPECT_TRUE(Over(options.Menu->FindButton("ok")));
    Press(options, 13);
    EXPECT_EQ(Screens().DestinationTScreen, &back);
    options.Kill();
    Screens().DestinationTScreen = nullptr;
  }
  {
    TCreditsScreen credits;
    credits.Destination = &back;
    Enter(credits);
    Walk(credits, "credits");
    credits.Kill();
  }
  {
    TInstructionsScreen instructions;
    instructions.Destination = &back;
    Enter(instructions);
    Walk(instructions, "instructions");
    instructions.Kill();
  }
  {
    TGalleryScreen gallery;
    RegisterScreen(TScreenId::Gallery, &gallery);
    gallery.Destination = &back;
    Enter(gallery);
    Walk(gallery, "gallery");
    gallery.Kill();
  }
  {
    // A dialog over a screen is walked instead of the screen; the mouse's first motion
    // forgets the focus, and the next arrow starts the walk again from the first.
    Enter(back);
    back.Dialogs.Open(CreateNameDialog(1));
    for (int i = 0; i < 30; ++i) back.RunLogic();  // the dialog slides in
    const auto order = Walk(back, "name prompt");
    ASSERT_EQ(order.size(), 2u) << "OK and Cancel";
    Press(back, 39);
    EXPECT_EQ(back.Focus.Index(), 1);
    Pointer().Resting = 0;
    back.RunLogic();
    EXPECT_EQ(back.Focus.Current(), nullptr);
    Press(back, 39);
    EXPECT_EQ(back.Focus.Index(), 0);
    back.Dialogs.Kill();
  }
}
