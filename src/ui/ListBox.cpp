#include "ui/ListBox.h"

#include <algorithm>
#include <cmath>

#include "audio/ChannelArray.h"
#include "audio/GameSound.h"
#include "audio/Mixer.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "core/Input.h"
#include "gfx/Draw.h"
#include "gfx/GameImage.h"
#include "gfx/TextDraw.h"
#include "ui/MousePointer.h"

namespace {
constexpr int kKeyUp = 38;
constexpr int kKeyDown = 40;

// A line wider than the box (a long name planted in the profile folder) is cut to fit,
// with "..." saying that it goes on. Widths grow with every character, so the longest
// start that fits is found by halving.
std::string FitToWidth(const std::string& line, float maxWidth, float scale) {
  // A box not laid out yet has no width to fit.
  if (maxWidth <= 0 || float(TextWidth(line)) * scale <= maxWidth) return line;
  const std::string more = "...";
  size_t fits = 0, tooLong = line.size();
  while (tooLong - fits > 1) {
    const size_t mid = (fits + tooLong) / 2;
    if (float(TextWidth(line.substr(0, mid) + more)) * scale <= maxWidth) fits = mid;
    else tooLong = mid;
  }
  return line.substr(0, fits) + more;
}
}  // namespace

TListBoxPtr TListBox::Create(int gap, int centred, int drawBox, int doubleClickMs) {
  auto list = std::make_shared<TListBox>();
  list->Init(gap, centred, drawBox, doubleClickMs);
  return list;
}

void TListBox::Init(int gap, int centred, int drawBox, int doubleClickMs) {
  Gap = gap;
  Centred = centred;
  DrawBox = drawBox;
  Font.Init(nullptr, TColor::Create(255, 255, 255));
  Box.Init(0, 0, 0, 0, TColor::Create(0, 0, 0));
  HighlightCol = TColor::Create(0, 0, 150);
  Strings.clear();
  ClearIndex();
  TopIndex = 0;
  DoubleClickTime = Clock().CalcAnimLength(doubleClickMs);
  UpKeyRepeat = TKeyRepeat::Create(400, 100);
  DownKeyRepeat = TKeyRepeat::Create(400, 100);
  if (!Mixer().Channels) ClickChannel = AllocChannel();
  CalcLineHeight();
}

void TListBox::Kill() {
  Font.Kill();
  Box.Kill();
  Background.reset();
  ClickSound.reset();
  if (ClickChannel) StopChannel(ClickChannel);
  ClickChannel.reset();
  Strings.clear();
}

void TListBox::SetCoords(float x, float y, float w, float h) {
  Box.X = x;
  Box.Y = y;
  Box.W = w;
  Box.H = h;
  CalcLineHeight();
}

void TListBox::SetupBox(std::shared_ptr<TColor> colour) { Box.Color = std::move(colour); }

void TListBox::SetupFont(TImageFontPtr font, std::shared_ptr<TColor> colour, std::shared_ptr<TShadow> shadow,
                         TBitmapFontPtr bitmapFont, std::shared_ptr<TColor> inverseColour) {
  Font.Init(std::move(font), colour ? std::move(colour) : TColor::Create(255, 255, 255), std::move(shadow), 0,
            std::move(bitmapFont), std::move(inverseColour));
  CalcLineHeight();
}

void TListBox::SetClickSound(std::shared_ptr<TGameSound> sound) { ClickSound = std::move(sound); }

void TListBox::CalcLineHeight() {
  LineHeight = int(std::lround(Font.LineHeight())) + 2 * Gap;
  if (LineHeight < 1) {
    DisplayLines = 0;
    return;
  }
  if (RoundHeight) Box.H = float(int(Box.H) / LineHeight * LineHeight);
  DisplayLines = int(Box.H) / LineHeight;
}

int TListBox::GetTempLimit() const {
  const int count = int(Strings.size());
  if (Limit > 0 && TopIndex + Limit <= count) return TopIndex + Limit;
  return count;
}

void TListBox::SetIndex(int i) {
  if (i < 0 || i >= int(Strings.size())) {
    ClearIndex();
    return;
  }
  Index = i;
  Value = Strings[size_t(i)];
  if (i < TopIndex) TopIndex = i;
  if (Limit > 0 && i >= TopIndex + Limit) TopIndex = i - Limit + 1;
}

void TListBox::SetTopIndex(int i) {
  const int last = Limit > 0 ? int(Strings.size()) - Limit : int(Strings.size()) - 1;
  TopIndex = std::max(0, std::min(i, last));
}

void TListBox::ClearIndex() {
  Index = -1;
  Clicked = -1;
  Value.clear();
}

int TListBox::GetIndexY() const {
  if (Index < 0) return 0;
  return int(Box.Y + float(Index - TopIndex) * float(LineHeight) * Scale);
}

int TListBox::GetDoubleClicked() {
  const int line = DoubleClicked;
  DoubleClicked = -1;
  return line;
}

int TListBox::LineAt(int mx, int my) const {
  const float px = float(mx), py = float(my);
  if (px < Box.X || px >= Box.X + Box.W * Scale) return -1;
  const float step = float(LineHeight) * Scale;
  for (int i = TopIndex; i < GetTempLimit(); ++i) {
    const float top = Box.Y + float(i - TopIndex) * step;
    if (py > top && py < top + step) return i;
  }
  return -1;
}

void TListBox::Manage() {
  TMousePointer& mouse = Pointer();
  if (mouse.h1 > 0) {
    const int line = LineAt(mouse.x, mouse.y);
    // A press beside the lines is left for the widgets around the list.
    if (line >= 0) {
      mouse.GetMh(1);
      if (DoubleClickCounter > 0 && line == Index) {
        DoubleClicked = line;
        DoubleClickCounter = 0;
      } else {
        PlayClick();
        DoubleClickCounter = DoubleClickTime;
      }
      SetIndex(line);
      Clicked = line;
    }
  }
  if (ArrowKeysMoveHighlight && !Strings.empty()) {
    const int last = int(Strings.size()) - 1;
    int move = 0;
    if (UpKeyRepeat->GetKey(kKeyUp)) move = -1;
    if (DownKeyRepeat->GetKey(kKeyDown)) move = 1;
    if (move != 0) {
      const int target = std::max(0, std::min(Index + move, last));
      if (target != Index) {
        SetIndex(target);
        PlayClick();
      }
    }
  }
  if (DoubleClickCounter > 0) DoubleClickCounter = std::max(0.0f, DoubleClickCounter - Delta);
}

void TListBox::PlayClick() {
  if (!ClickSound) return;
  if (Mixer().Channels) Mixer().Channels->PlayGameSound(*ClickSound, nullptr, 1.0f, 0);
  else ClickSound->PlayInChannel(ClickChannel, 0);
}

void TListBox::DrawHighlight() {
  if (Index < TopIndex || Index >= GetTempLimit() || !HighlightCol) return;
  const float step = float(LineHeight) * Scale;
  const float top = Box.Y + float(Index - TopIndex) * step + float(HighlightTopBorder);
  HighlightCol->Apply();
  DrawRect(Box.X, top, Box.W * Scale, step - float(HighlightTopBorder) - float(HighlightBottomBorder));
  TColor::Restore();
}

void TListBox::Draw() {
  int r = 255, g = 255, b = 255;
  GetColor(r, g, b);
  const float alphaBefore = GetAlpha();
  const TImageFontPtr fontBefore = GetImageFont();
  SetBlend(BLEND_ALPHA);

  if (Background) Background->Draw(Box.X + float(BackgroundOffsetX), Box.Y + float(BackgroundOffsetY));
  if (DrawBox) Box.Draw();
  if (HighlightUnder) DrawHighlight();

  const float x = Centred ? Box.X + Box.W * Scale / 2 : Box.X + float(TextBorder) * Scale;
  float y = Box.Y + float(Gap + LineYOffset) * Scale;
  const int alignment = Centred ? 1 : 0;
  const float step = float(LineHeight) * Scale;
  if (Font.BitmapFont) Font.ApplyScale(float(Font.BitmapFont->ScaleFactor) * Scale * FontScale);
  else SetScale(Scale, Scale);
  // A little under the box: the last glyph's ink may reach past its advance.
  const float textRoom = (Box.W - 2 * float(TextBorder) - float(LineHeight) / 4) * Scale;
  for (int i = TopIndex; i < GetTempLimit(); ++i, y += step) {
    const std::string& whole = Strings[size_t(i)];
    const bool selected = i == Index;
    const bool locked = size_t(i) < LockedArray.size() && LockedArray[size_t(i)] != 0;
    const TColor* colour = Font.Color.get();
    if (selected && Font.InverseColor) colour = Font.InverseColor.get();
    else if (locked && LockedColor) colour = LockedColor.get();
    Font.ApplyCustomColor(colour);
    const bool shadow = Font.Shadow && !(selected && NoShadowOnHighlighted);
    const TTextStyle style = Font.TextStyle(colour);
    if (Font.BitmapFont) {
      if (shadow) Font.BitmapFont->DrawAligned(whole, x, y, alignment, RoundTextX, RoundTextY, &style);
      Font.BitmapFont->DrawAligned(whole, x, y, alignment, RoundTextX, RoundTextY);
      continue;
    }
    const std::string line = FitToWidth(whole, textRoom, Scale);
    float lx = AlignedX(x, float(TextWidth(line)) * Scale, alignment);
    float ly = y;
    if (RoundTextX) lx = std::floor(lx + 0.5f);
    if (RoundTextY) ly = std::floor(ly + 0.5f);
    if (shadow) DrawTextShadowed(lx, ly, line, 0, Scale, style);
    else DrawText(line, lx, ly);
  }
  if (Font.BitmapFont) Font.RestoreScale();
  else SetScale(1, 1);

  if (!HighlightUnder) DrawHighlight();
  SetImageFont(fontBefore);
  SetColor(r, g, b);
  SetAlpha(alphaBefore);
}
