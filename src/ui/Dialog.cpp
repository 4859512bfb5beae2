#include "ui/Dialog.h"

#include <algorithm>
#include <cmath>

#include "audio/GameSound.h"
#include "audio/Mixer.h"
#include "core/DataPaths.h"
#include "core/Game.h"
#include "core/Globals.h"
#include "core/Input.h"
#include "core/SettingLimits.h"
#include "core/Settings.h"
#include "gfx/Animation.h"
#include "gfx/Draw.h"
#include "gfx/GameFonts.h"
#include "gfx/GameImage.h"
#include "gfx/Sprite.h"
#include "platform/Files.h"
#include "platform/Random.h"
#include "ui/MousePointer.h"

namespace {
// A box sized to its caption grows no wider than this; a longer caption wraps into a
// few lines instead of stretching across (or off) the screen.
constexpr int kWidestAutomaticBox = 560;

void PlayOn(const std::shared_ptr<TGameSound>& sound, TChannelPtr& channel) {
  if (sound && Game) sound->PlayInChannel(channel, 0);
}
}  // namespace

void ClearPendingInput() {
  InputFlushKeys();
  InputFlushMouse();
}

void DimScreen(float alpha) {
  SetBlend(BLEND_ALPHA);
  SetColor(0, 0, 0);
  SetAlpha(alpha);
  DrawRect(0, 0, float(ScreenWidth), float(ScreenHeight));
  SetColor(255, 255, 255);
  SetAlpha(1);
}

void TDialog::Init(const std::string& caption, std::shared_ptr<TGameImage> background, int nw, int nh, int nx,
                   int ny) {
  Caption = TLabel::CreateSpecial(caption, 0, 0, 1);
  Background = std::move(background);
  DialogColor = TColor::Create(150, 150, 150, 1);
  w = nw;
  h = nh;
  x = nx;
  y = ny;
  FixedWidth = nw != 0 ? 1 : 0;
  Active = 0;
  Transitioning = 0;
  Alpha = 1;
}

void TDialog::Start() {
  CalcAll();
  MenuPosition();
  OldIgnoreEscapeKey = Game->IgnoreEscapeKey;
  Game->IgnoreEscapeKey = 1;
  Active = 1;
  if (Slide == 5) Slide = Rand(1, 4);
  CalcOffset();
}

void TDialog::SetupCaption(TImageFontPtr font, std::shared_ptr<TColor> colour, std::shared_ptr<TShadow> shadow,
                           TBitmapFontPtr bitmapFont) {
  if (!colour) colour = Caption->Color;
  Caption->Init(std::move(font), std::move(colour), std::move(shadow), 0, std::move(bitmapFont));
  Caption->PreCalcWordWrap();
  CalcAll();
  MenuPosition();
}

void TDialog::SetupTextHeader(const std::string& text, TImageFontPtr font, std::shared_ptr<TColor> colour,
                              std::shared_ptr<TShadow> shadow, TBitmapFontPtr bitmapFont, float tx, float ty) {
  TextHeader = TLabel::CreateSpecial(text, tx, ty, 1);
  if (!colour) colour = TextHeader->Color;
  TextHeader->Init(std::move(font), std::move(colour), std::move(shadow), 0, std::move(bitmapFont));
  TextHeader->CalcSize();
}

void TDialog::SetSlide(int direction, int sine) {
  Slide = direction == 5 ? Rand(1, 4) : direction;
  SlideSine = sine;
  SnapLabels();
}

void TDialog::SetTransitions(int inMs, int outMs, float dim, int fade, int direction, int sine, int playSound) {
  SetSlide(direction, sine);
  if (inMs > 0) {
    TransitionIn = TAnimation::Create(float(inMs), 0, 0, 0, 0);
    TransitionIn->Start();
    Transitioning = 1;
    CalcOffset();
    if (playSound) PlayOn(SlideInSound, FadeChannel);
  }
  if (outMs > 0) TransitionOut = TAnimation::Create(float(outMs), 0, 0, 0, 0);
  DimBackground = dim;
  FadeDialog = fade;
}

void TDialog::CalcAll() {
  CalcSize();
  SetLabelsXY();
}

int TDialog::MenuHeight() const { return Menu && Menu->Count() > 0 ? Menu->CalcHeight() : 0; }

int TDialog::ContentHeight() {
  return int(std::trunc(float(MenuHeight()) + Caption->CalcHeight() + float(2 * Border)));
}

void TDialog::CalcSize() {
  Caption->CalcSize();
  if (Background) {
    Background->MidHandle(0);
    w = Background->w;
    h = Background->h;
  } else if (!FixedWidth) {
    w = int(std::trunc(Caption->CalcWidth() + float(2 * Border)));
    const int widest = std::min(kWidestAutomaticBox, ScreenWidth);
    if (w > widest && CallPreCalcWordWrap) {
      Caption->WordWrap = widest - 2 * Border;
      Caption->PreCalcWordWrap();
      w = int(std::trunc(Caption->CalcWidth() + float(2 * Border)));
    }
  }
  if (FixedWidth && CallPreCalcWordWrap) {
    const float captionW = Caption->CalcWidth();
    if (WordWrapWidth > 0 && captionW > float(WordWrapWidth)) {
      Caption->WordWrap = WordWrapWidth;
      Caption->PreCalcWordWrap();
    } else if (WordWrapWidth == 0 && captionW + float(2 * Border) > float(w)) {
      Caption->WordWrap = w - 2 * Border;
      Caption->PreCalcWordWrap();
    }
  }
  if (!Background) h = ContentHeight();
  CalcXY();
}

void TDialog::CalcXY() {
  if (!Centre) return;
  x = (ScreenWidth - w) / 2;
  y = (ScreenHeight - h) / 2;
}

void TDialog::CalcOffset() {
  if (Transitioning == 0) {
    OffsetX = OffsetY = 0;
    return;
  }
  if (Slide <= 0) return;
  float c = 0;
  if (Transitioning == 1 && TransitionIn) {
    c = SlideSine ? 1 - TransitionIn->GetRatioInvSine() : TransitionIn->GetRatio();
  } else if (Transitioning == 2 && TransitionOut) {
    c = SlideSine ? 1 - TransitionOut->GetRatioSine() : TransitionOut->GetRatioInv();
  }
  switch (Slide) {
    case 1: OffsetY = c * float(-y - h - SlideExtra); break;
    case 2: OffsetX = c * float(ScreenWidth + SlideExtra - x); break;
    case 3: OffsetY = c * float(ScreenHeight + SlideExtra - y); break;
    case 4: OffsetX = c * float(-x - w - SlideExtra); break;
    default: break;
  }
}

float TDialog::CaptionGetCentredX() const { return float(x) + float(w) / 2; }

void TDialog::HeaderLoad(const std::string& name, float hx, float hy) {
  auto picture = TGameImage::Create(ResolveDataPath(DataPaths().ImagePath + name + Ext), -1, 1);
  Header = TSprite::Create(picture, hx, hy);
}

void TDialog::SetLabelsXY() {
  if (CaptionOX == 0 && CaptionOY == 0) {
    Caption->X = CaptionGetCentredX();
    // A box built around its caption already has the caption's height in it: only a box
    // of fixed size (its picture's) centres a wrapped caption, or the text would sit
    // on the buttons.
    const bool wrapped = Caption->TotalLines > 1 && Background;
    if (wrapped || CaptionCentreVert) Caption->Y = float(y) + float(h) / 2 - Caption->CalcHeight() / 2;
    else Caption->Y = float(y + Border);
  } else {
    Caption->X = float(x + CaptionOX);
    Caption->Y = float(y + CaptionOY);
  }
  Caption->X += float(CaptionOffsetX);
  Caption->Y += float(CaptionOffsetY);
}

int TDialog::MenuGetCentredX() const { return Menu ? x + (w - Menu->CalcWidth()) / 2 : x; }

void TDialog::MenuPosition() {
  if (!Menu || Menu->Count() == 0) return;
  if (MenuOX == 0 && MenuOY == 0) Menu->MoveTo(float(MenuGetCentredX()), float(y + h - Border - MenuHeight()));
  else Menu->MoveTo(float(x + MenuOX), float(y + MenuOY));
  // The button already under the pointer lights up, without its hover sound.
  Menu->ManageNoSound(OffsetX, OffsetY);
}

int TDialog::Manage() { return ManageCore(); }

int TDialog::ManageCore() {
  if (!Active) return 0;
  if (ManageTransitions() == 1) return 1;
  if (Menu) {
    if (Disabled || Transitioning == 2) Menu->ManageFixedGlowOnly();
    else if (Transitioning == 0) Menu->Manage(OffsetX, OffsetY);
  }
  return 1;
}

void TDialog::SnapLabels() {
  const int still = Transitioning == 0 ? 1 : 0;
  const bool vertical = Slide == 1 || Slide == 3;
  for (const TLabelPtr& label : {Caption, TextHeader}) {
    if (!label) continue;
    label->RoundCoords = Slide == 0 ? 1 : 0;
    label->RoundXCoord = Slide != 0 && vertical ? still : 0;
    label->RoundYCoord = Slide != 0 && !vertical ? still : 0;
  }
}

int TDialog::ManageTransitions() {
  int closed = 0;
  if (Transitioning == 1 && TransitionIn) {
    if (TransitionIn->Manage() && TransitionIn->Finished) {
      Transitioning = 0;
      if (FadeDialog) SetAlphas(1);
      PlayOn(ActivateSound, FadeChannel);
      if (TransitionCompleteUserFunction) TransitionCompleteUserFunction(*this);
      ClearPendingInput();
    }
  } else if (Transitioning == 2 && TransitionOut) {
    Mixer().SetChannelGain(FadeChannel, TAudioGroup::Effects, TransitionOut->GetRatio());
    if (TransitionOut->Manage() && TransitionOut->Finished) {
      if (FadeDialog) SetAlphas(0);
      Transitioning = 0;
      ClearPendingInput();
      Finalise();
      if (FadeChannel) {
        Mixer().SetChannelGain(FadeChannel, TAudioGroup::Effects, 0);
        StopChannel(FadeChannel);
      }
      closed = 1;
    }
  }
  SnapLabels();
  CalcOffset();
  return closed;
}

void TDialog::SetAlphas(float alpha) {
  Alpha = alpha;
  if (Header) Header->Alpha = alpha;
  if (Menu) Menu->SetAlpha(alpha);
  if (Caption) Caption->Alpha = alpha;
  if (TextHeader) TextHeader->Alpha = alpha;
}

void TDialog::SetWordWrap(int width) {
  FixedWidth = 1;
  WordWrapWidth = width;
}

void TDialog::DoDrawHighlight(float alpha) {
  if (!DrawHighlight) return;
  const float left = float(x) + OffsetX, top = float(y) + OffsetY;
  SetColor(255, 255, 255);
  SetAlpha(0.5f * alpha);
  DrawLine(left, top, left + float(w - 1), top);
  DrawLine(left, top, left, top + float(h - 1));
  SetAlpha(1);
}

int TDialog::Draw() {
  if (!Active) return 0;
  float alpha = 1;
  float dim = DimBackground;
  if (Transitioning == 1 && TransitionIn) {
    const float r = TransitionIn->GetRatioInv();
    if (FadeDialog) alpha = r;
    dim = DimBackground * r;
  } else if (Transitioning == 2 && TransitionOut) {
    const float r = TransitionOut->GetRatio();
    if (FadeDialog) alpha = r;
    dim = DimBackground * r;
  }
  if (dim > 0) DimScreen(dim);
  if (alpha != 1 || FadeDialog) SetAlphas(alpha);
  else Alpha = 1;

  SetBlend(BLEND_ALPHA);
  const float left = float(x) + OffsetX, top = float(y) + OffsetY;
  if (!Background) {
    if (Shadow) {
      SetColor(0, 0, 0);
      SetAlpha(Shadow->Alpha * alpha);
      DrawRect(left + Shadow->X, top + Shadow->Y, float(w), float(h));
    }
    SetColor(DialogColor->R, DialogColor->G, DialogColor->B);
    SetAlpha(DialogColor->Alpha * alpha);
    DrawRect(left, top, float(w), float(h));
  } else if (Background->image) {
    if (Shadow) {
      SetColor(0, 0, 0);
      SetAlpha(Shadow->Alpha * alpha);
      DrawImage(Background->image, left + Shadow->X, top + Shadow->Y);
    }
    SetColor(255, 255, 255);
    SetAlpha(alpha);
    DrawImage(Background->image, left, top);
  }
  SetColor(255, 255, 255);
  DoDrawHighlight(alpha);

  if (Header) {
    const float hx = Header->x, hy = Header->y;
    Header->x += OffsetX;
    Header->y += OffsetY;
    Header->Draw();
    Header->x = hx;
    Header->y = hy;
    SetScale(1, 1);
    SetRotation(0);
  }
  if (TextHeader) TextHeader->Draw(OffsetX, OffsetY);
  if (Caption) Caption->Draw(OffsetX, OffsetY);

  auto picture = [&](const std::shared_ptr<TGameImage>& p, int px, int py, float scale, float angle,
                     const std::shared_ptr<TShadow>& shadow) {
    if (!p || !p->image) return;
    SetScale(scale, scale);
    SetRotation(angle);
    const float at = float(x + px) + OffsetX, atY = float(y + py) + OffsetY;
    if (shadow) {
      SetColor(0, 0, 0);
      SetAlpha(shadow->Alpha * alpha);
      DrawImage(p->image, at + shadow->X, atY + shadow->Y);
      SetColor(255, 255, 255);
    }
    SetAlpha(alpha);
    DrawImage(p->image, at, atY);
    SetScale(1, 1);
    SetRotation(0);
  };
  picture(Picture, PictureX, PictureY, PictureScale, PictureAngle, PictureShadow);
  picture(Picture2, Picture2X, Picture2Y, Picture2Scale, Picture2Angle, Picture2Shadow);

  if (MenuShow && Menu) Menu->Draw(OffsetX, OffsetY);
  SetColor(255, 255, 255);
  SetAlpha(1);
  return 1;
}

int TDialog::Close(int result) {
  CloseResultTemp = result;
  if (CloseUserFunction) CloseUserFunction(*this);
  if (!TransitionOut) {
    Finalise();
    return result;
  }
  Transitioning = 2;
  TransitionOut->Start();
  PlayOn(SlideOutSound, FadeChannel);
  return 0;
}

void TDialog::Finalise() {
  Active = 0;
  if (ReenableEscapeKey) Game->IgnoreEscapeKey = OldIgnoreEscapeKey;
  CloseResult = CloseResultTemp;
}

void TDialog::Kill() {
  // Killed while still open (its screen was left): the screen gets Escape back all the same.
  if (Active) {
    Active = 0;
    if (ReenableEscapeKey && Game) Game->IgnoreEscapeKey = OldIgnoreEscapeKey;
  }
  Caption.reset();
  TextHeader.reset();
  if (Menu) {
    Menu->Kill();
    Menu.reset();
  }
  Background.reset();
  Header.reset();
  Picture.reset();
  Picture2.reset();
  DialogColor.reset();
  Shadow.reset();
  ActivateSound.reset();
  SlideInSound.reset();
  SlideOutSound.reset();
  if (FadeChannel) StopChannel(FadeChannel);
  FadeChannel.reset();
}

TButtonPtr TDialog::AddRowButton(const std::string& file, const std::string& name, const std::string& buttonName) {
  const bool shared = !buttonName.empty();
  auto button = shared ? Menu->DoAddNew(buttonName, buttonName + "MO", name) : Menu->DoAddNew(file, file + "MO", name);
  // One picture for every button: the button's word is written on it.
  if (shared)
    button->SetupCaption(file, Font25, TColor::Create(255, 255, 255), TShadow::Create(1, 1, 0.6f));
  return button;
}

void TDialog::PressButton(const std::string& name) {
  if (!Menu) return;
  if (auto button = Menu->FindButton(name)) button->SimulateClick();
}

void TDialog::ListFocus(TFocusRing& ring) {
  ring.Begin(this);
  if (MenuShow && Menu) ring.AddButtons(Menu->Buttons);
}
