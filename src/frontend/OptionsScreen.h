// The options screen: music, sound and detail sliders and the full-screen,
// wide-screen and custom-pointer switches. Every change takes effect at once;
// the settings file is written when the player leaves (and, for a slider moved
// but not yet written, when the program ends).
#pragma once
#include <memory>

#include "platform/Audio.h"
#include "screens/Screen.h"
#include "ui/Slider.h"

class TButton;
class TGameImage;

class TOptionsScreen : public TScreen {
 public:
  std::shared_ptr<TGameImage> MusicLabel, SoundLabel, DetailLabel, FullscreenLabel, WidescreenLabel,
      CustomCursorLabel;
  std::shared_ptr<TGameImage> TagImage, Tag2Image;
  std::shared_ptr<TGameImage> BottomString, TopString;
  TChannelPtr ChannelClick;
  TSliderPtr MusicSlider, SoundSlider, DetailSlider;

  TOptionsScreen() { name = "options"; }

  void Load() override;
  void Start() override;
  void Kill() override;
  void Logic() override;
  void Draw() override;
  int SetEscDestination() override;
  void ListFocus(TFocusRing& ring) override;

  // A switch named name, showing "on" or "off" for state.
  std::shared_ptr<TButton> LoadToggle(int state, const std::string& name);
  void ReloadToggleButton(TButton& button, int state, const std::string& name);
  // Writes the settings and re-arms the timer (leaving takes the file write's time).
  void Close();
  // One test click at a time on its own channel, so a held slider is heard but not stacked.
  void ClickSound();

  // The switch's place across the screen for the custom pointer, by region.
  static float CustomCursorX(int region);
  // A slider's new value applied to the game; true when it changed the setting.
  static bool ApplyMusic(int value);
  static bool ApplySound(int value);
  static bool ApplyDetail(int value);

 private:
  // Leaving by "ok" or Escape: back to where the screen was opened from.
  void Leave();
};
