// A list of text lines in a box, one of which may be selected: the player names of
// the "Choose Player" dialog. A click selects a line, a second click on it soon after
// counts as a double click, the arrow keys can move the selection, and only Limit lines
// show at once, the shown part following the selection.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "gfx/Box.h"
#include "gfx/Font.h"
#include "platform/Audio.h"

class TGameImage;
class TGameSound;
class TKeyRepeat;
class TListBox;
using TListBoxPtr = std::shared_ptr<TListBox>;

class TListBox {
 public:
  TFont Font;                   // white unless styled
  int DrawBox = 0;
  TBox Box;                     // the list area; drawn in its colour when DrawBox
  std::shared_ptr<TGameImage> Background;
  int BackgroundOffsetX = 0, BackgroundOffsetY = 0;
  int TextBorder = 0;           // left margin of the text
  int Gap = 0;                  // above and below each line
  int LineYOffset = 0;
  int LineHeight = 0;           // font height, rounded, + 2 x Gap
  int Centred = 0;
  std::vector<std::string> Strings;
  int Index = -1;               // the selected line, -1 for none
  int TopIndex = 0;             // the first line shown
  std::string Value;            // the selected line's text
  int Clicked = -1;             // the line taken by the last click
  std::shared_ptr<TColor> HighlightCol;
  int HighlightUnder = 0;       // the selection bar under the text, else over it
  int HighlightTopBorder = 0, HighlightBottomBorder = 0;
  int DoubleClicked = -1;       // the line clicked twice in time, until read
  float DoubleClickTime = 0;    // in logic ticks
  float DoubleClickCounter = 0;
  int Limit = 0;                // lines shown at once; 0 = all
  int RoundHeight = 0;          // shrink the box to whole lines
  int DisplayLines = 0;
  std::shared_ptr<TGameSound> ClickSound;
  TChannelPtr ClickChannel;
  int NoShadowOnHighlighted = 0;
  int ArrowKeysMoveHighlight = 0;
  std::vector<int> LockedArray;  // per line, non-zero = drawn in LockedColor
  std::shared_ptr<TColor> LockedColor;
  float Scale = 1;
  float FontScale = 1;          // extra scale of bitmap-font text
  double OldScale = 1;
  std::shared_ptr<TKeyRepeat> UpKeyRepeat, DownKeyRepeat;
  int RoundTextX = 0, RoundTextY = 0;

  static TListBoxPtr Create(int gap, int centred, int drawBox, int doubleClickMs);
  void Init(int gap, int centred, int drawBox, int doubleClickMs);
  void Kill();

  void SetCoords(float x, float y, float w, float h);
  void SetupBox(std::shared_ptr<TColor> colour);
  void SetupFont(TImageFontPtr font, std::shared_ptr<TColor> colour = nullptr, std::shared_ptr<TShadow> shadow = nullptr,
                 TBitmapFontPtr bitmapFont = nullptr, std::shared_ptr<TColor> inverseColour = nullptr);
  void SetClickSound(std::shared_ptr<TGameSound> sound);
  void CalcLineHeight();

  // One past the last line shown.
  int GetTempLimit() const;
  // Selects line i (-1, or a line that does not exist, clears the selection) and scrolls
  // it into view.
  void SetIndex(int i);
  void SetTopIndex(int i);
  void ClearIndex();
  // Screen y of the selected line's top; 0 when none.
  int GetIndexY() const;
  // The line double-clicked since the last call, or -1.
  int GetDoubleClicked();
  // The shown line under the point, or -1.
  int LineAt(int mx, int my) const;

  void Manage();
  void PlayClick();
  void Draw();
  void DrawHighlight();
};
