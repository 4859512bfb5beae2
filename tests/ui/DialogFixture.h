// Dialogs under test: the widget fixture in a program folder of the test's own holding
// the button pictures and the two menu sounds every dialog loads, and one logic update
// as the main loop runs it (presses last only for the update they are read in).
#pragma once
#include <gtest/gtest.h>

#include <vector>

#include "audio/AudioTestKit.h"
#include "core/Game.h"
#include "core/Input.h"
#include "ui/Dialog.h"
#include "ui/MousePointer.h"
#include "ui/WidgetFixture.h"

class DialogTest : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    UseMenuFolders();
    Game->SetImagePath("Data/graphics");
    for (const char* name : {"OK", "Yes", "No", "Cancel", "Create", "Delete"}) {
      WritePicture(std::string("Data/menus/") + name + ".png", 100, 40);
      WritePicture(std::string("Data/menus/") + name + "MO.png", 100, 40);
    }
    WritePicture("Data/menus/OK2.png", 120, 40);
    WritePicture("Data/menus/OK2MO.png", 120, 40);
    std::filesystem::create_directories("Data/sound");
    for (const char* name : {"Data/sound/buttonMO.wav", "Data/sound/buttonclick.wav"})
      audiotest::WriteBytes(name, audiotest::MakeWav(1, 16, 22050, std::vector<int16_t>(64, 0)));
    Game->IgnoreEscapeKey = 0;
    Game->BlockKeys = 0;
  }
  void TearDown() override {
    InputFlushKeys();
    WidgetTest::TearDown();
  }
  // One update of the dialog, as the loop runs it.
  template <class T>
  int Step(T& dialog) {
    const int result = dialog.Manage();
    Pointer().ClearMouseHit();
    return result;
  }
  // A left click at the middle of the named button of the dialog's row.
  void PointAtButton(const TDialog& dialog, const std::string& name) {
    auto button = dialog.Menu->FindButton(name);
    ASSERT_NE(button, nullptr) << name;
    PointAt(int(button->x) + button->w / 2, int(button->y) + button->h / 2);
  }
  template <class T>
  int Click(T& dialog, const std::string& name) {
    PointAtButton(dialog, name);
    Press();
    return Step(dialog);
  }
  template <class T>
  int KeyStep(T& dialog, int key) {
    Key(key);
    return Step(dialog);
  }
};
