#include "ui/Button.h"

#include <cmath>

#include "audio/Mixer.h"
#include "core/DataPaths.h"
#include "core/Game.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "core/Input.h"
#include "audio/ChannelArray.h"
#include "audio/GameSound.h"
#include "gfx/Draw.h"
#include "gfx/GameImage.h"
#include "platform/Files.h"
#include "ui/MousePointer.h"

namespace {
constexpr int kKeyEnter = 13;
constexpr int kKeySpace = 32;

float Round(float v) { return std::floor(v + 0.5f); }

// Takes the pointer's latest press when it was the left button, so that no other
// widget sees the same press.
int TakeLeftPress(TMousePointer& mouse) {
  if (mouse.h1 <= 0) return 0;
  mouse.GetMh(1);
  return 1;
}
}  // namespace

TButton::~TButton() {
  if (DraggedButton == this) DraggedButton = nullptr;
}

TButtonPtr TButton::CreateSpecial(const std::string& file, const std::string& moFile, const std::string& moSound,
                                  const std::string& clickSound) {
  auto button = std::make_shared<TButton>();
  button->Load(file, moFile, moSound, clickSound, 0, 0, 1);
  return button;
}

// ---- loading ------------------------------------------------------------------

void TButton::Load(const std::string& file, const std::string& moFile, const std::string& moSound,
                   const std::string& clickSound, int cellWidth, int cellHeight, int frames) {
  SetName(file);
  if (!Mixer().Channels) {
    ChannelMouseOver = AllocChannel();
    ChannelClick = AllocChannel();
  }
  LoadImages(file, moFile, cellWidth, cellHeight, frames);
  if (!moSound.empty()) SoundMouseOver = TGameSound::Create(ResolveDataPath(DataPaths().SoundPath + moSound + ".wav"), 0);
  if (!clickSound.empty()) SoundClick = TGameSound::Create(ResolveDataPath(DataPaths().SoundPath + clickSound + ".wav"), 0);
  Init();
}

std::string TButton::GetPath() const { return UseMenuPath ? DataPaths().MenuPath : DataPaths().ImagePath; }

std::shared_ptr<TGameImage> TButton::LoadPicture(const std::string& file, int cellWidth, int cellHeight,
                                                 int frames) const {
  // Names in the code and files on disk do not always agree on letter case.
  std::string path = ResolveDataPath(GetPath() + file + ".png");
  auto picture = frames > 1 ? TGameImage::CreateAuto(path, cellWidth, cellHeight, 0, frames, -1, 0)
                            : TGameImage::Create(path, -1, 0);
  // Hit areas and placement assume the top-left corner.
  picture->MidHandle(0);
  return picture;
}

void TButton::LoadImages(const std::string& file, const std::string& moFile, int cellWidth, int cellHeight,
                         int frames) {
  SetImage(LoadPicture(file, cellWidth, cellHeight, frames));
  if (moFile.empty()) return;
  if (PathExists(ResolveDataPath(GetPath() + moFile + ".png")))
    ImageMouseOver = LoadPicture(moFile, cellWidth, cellHeight, frames);
  else
    ImageMouseOver = image;
}

void TButton::LoadDisabled(const std::string& file, int clickDisabled) {
  ImageDisabled = LoadPicture(file, 0, 0, 1);
  ClickDisabled = clickDisabled;
}

void TButton::LoadMouseClick(const std::string& file, int ms) {
  ImageMouseClick = LoadPicture(file, 0, 0, 1);
  MouseClickDuration = Clock().CalcAnimLength(ms);
}

void TButton::SetImages(std::shared_ptr<TGameImage> normal, std::shared_ptr<TGameImage> mouseOver,
                        std::shared_ptr<TGameImage> click) {
  for (auto* p : {&normal, &mouseOver, &click})
    if (*p) (*p)->MidHandle(0);
  SetImage(std::move(normal));
  ImageMouseOver = std::move(mouseOver);
  ImageMouseClick = std::move(click);
  MouseClickDuration = ImageMouseClick ? Clock().CalcAnimLength(200) : 0;
  Init();
}

void TButton::SetImageScaled(std::shared_ptr<TGameImage> picture) {
  ImageScaled = std::move(picture);
  if (ImageScaled && w > 0) ScaleOnMOMax = float(ImageScaled->w) / float(w);
}

void TButton::Init() {
  TSprite::Init();
  GetSize();
  ClearClick();
}

void TButton::Precache() {
  for (const auto& p : {image, ImageMouseOver, ImageDisabled, ImageMouseClick})
    if (p) p->Precache();
}

// ---- caption and settings -----------------------------------------------------------

void TButton::SetupCaption(const std::string& text, TImageFontPtr imageFont, std::shared_ptr<TColor> color,
                           std::shared_ptr<TShadow> shadow, TBitmapFontPtr bitmapFont,
                           std::shared_ptr<TColor> inverseColor) {
  Caption = TLabel::CreateSpecial(text, x + w2, y + h2, 1, 0, 1);
  Caption->Init(std::move(imageFont), std::move(color), std::move(shadow), 0, std::move(bitmapFont),
                std::move(inverseColor), "");
  Caption->PreCalcWordWrap();
  Caption->CalcSize();
}

void TButton::SetupCaptionDown(std::shared_ptr<TColor> color, float scale, float offsetX, float offsetY) {
  CaptionDownColor = std::move(color);
  CaptionDownScale = scale;
  CaptionDownOffsetX = offsetX;
  CaptionDownOffsetY = offsetY;
}

void TButton::SetupMouseRepeat(int initialDelayMS, int delayMS) {
  MouseRepeat = TMouseRepeat::Create(initialDelayMS, delayMS);
}

void TButton::SetupScaleOnMO(float max, float upSpeed, float downSpeed, int delayMS) {
  ScaleOnMOMax = max;
  ScaleOnMOUpSpeed = upSpeed;
  ScaleOnMODownSpeed = downSpeed;
  ScaleOnMODelayFrames = Clock().CalcAnimLength(delayMS);
}

void TButton::SetFixedGlowOnMO(float max, float speed, int useMO) {
  FixedGlowOnMO = 1;
  FixedGlowOnMOUseMO = useMO;
  GlowMax = max;
  GlowSpeed = speed;
}

void TButton::SetAutoGlow(float min, float max, float speed, int onMO) {
  SetGlow(3, max, speed, min, max);
  AutoGlowOnMO = onMO;
}

void TButton::SetCircularCollision(int radius) { CircularCollisionRadius = radius; }

void TButton::SetDoubleClickTime(int ms) { DoubleClickTime = Clock().CalcAnimLength(ms); }

void TButton::SetBoundingBox(float x1, float y1, float x2, float y2, int corners, int relative) {
  if (relative) {
    float bx = std::trunc(x), by = std::trunc(y);
    x1 += bx;
    y1 += by;
    if (corners) {
      x2 += bx;
      y2 += by;
    }
  }
  BoundingBox = corners ? TBox::Create(x1, y1, x2 - x1, y2 - y1) : TBox::Create(x1, y1, x2, y2);
}

void TButton::SetBoundingBoxAuto(float sx, float sy) {
  float bx = std::trunc((float(w) - sx * float(w)) / 2);
  float by = std::trunc((float(h) - sy * float(h)) / 2);
  BoundingBox = TBox::Create(std::trunc(x + bx), std::trunc(y + by), float(w) - 2 * bx, float(h) - 2 * by);
}

// ---- position -----------------------------------------------------------------

void TButton::MoveBy(float dx, float dy) {
  x += dx;
  y += dy;
  if (Caption) Caption->MoveLabelBy(dx, dy);
  if (BoundingBox) {
    BoundingBox->X += dx;
    BoundingBox->Y += dy;
  }
}

void TButton::MoveTo(float nx, float ny) { MoveBy(nx - x, ny - y); }

void TButton::CentreX(float ny) { MoveTo(float((ScreenWidth - w) / 2), ny); }

// ---- state ----------------------------------------------------------------------

int TButton::GetDoubleClicked() {
  int result = DoubleClicked;
  ClearDoubleClick();
  return result;
}

void TButton::ClearClick() {
  Clicked = 0;
  MouseClickCounter = 0;
  MouseOver = 0;
  Glow = 0;
  Dragging = 0;
}

void TButton::ClearMouseOver() {
  MouseOver = 0;
  Clicked = 0;
  ScaleOnMODelayCounter = 0;
}

void TButton::ClearDoubleClick() {
  DoubleClicked = 0;
  DoubleClickCounter = 0;
}

void TButton::ResetScaleOnMO() {
  ScaleOnMO = 1;
  ScaleOnMODelayCounter = 0;
}

void TButton::ClearDrag() {
  Dragging = 0;
  if (DraggedButton == this) DraggedButton = nullptr;
  DragStartX = DragStartY = -1;
}

void TButton::SimulateClick() {
  FixedGlowOnMOActivate();
  if (Click(0)) MouseOver = 1;
}

int TButton::Click(int repeat) {
  if (MouseClickCounter > 0 && ClickWhenDown == 0) return 0;
  if (Clicked == 0 && NoSound == 0) {
    if (repeat == 1 && SoundClick2) PlayClick2();
    else PlayClick();
  }
  Clicked = 1;
  if (ImageMouseClick) MouseClickCounter = MouseClickDuration;
  return 1;
}

void TButton::Kill() {
  if (ChannelMouseOver) StopChannel(ChannelMouseOver);
  if (ChannelClick) StopChannel(ChannelClick);
  ChannelMouseOver.reset();
  ChannelClick.reset();
  Caption.reset();
  MouseRepeat.reset();
  ClearDrag();
  TSprite::Kill();
}

// ---- one logic update -------------------------------------------------------------

bool TButton::HitTest(int mx, int my) const {
  const float px = float(mx), py = float(my);
  if (BoundingBox) {
    // The box travels with the menu's offset like the picture does.
    const float bx = BoundingBox->X + offx, by = BoundingBox->Y + offy;
    return bx <= px && px < bx + BoundingBox->W && by <= py && py < by + BoundingBox->H;
  }
  const float left = x + offx, top = y + offy;
  if (CircularCollisionRadius < 1)
    return left <= px && px < left + float(w) && top <= py && py < top + float(h);
  const float dx = px - (left + w2), dy = py - (top + h2);
  const float r = float(CircularCollisionRadius);
  return dx * dx + dy * dy <= r * r;
}

void TButton::Manage() {
  TMousePointer& mouse = Pointer();
  bool shrink = true;
  if (Active == 1 && (Disabled == 0 || ClickDisabled == 1)) {
    ManageAnim();
    if (GlowMode > 0) ManageGlow();
    bool hit = false;
    if (!DraggedButton || DraggedButton == this) {
      hit = HitTest(mouse.x, mouse.y);
      if (hit && MouseOverUserFunction && MouseOverUserFunction() != 0) hit = false;
    }
    if (hit) {
      if (MouseClickCounter == 0) {
        if (MouseOver == 0 && NoSound == 0) PlayMouseOver();
        MouseOver = 1;
      }
      FixedGlowOnMOActivate();
      const int repeat = MouseRepeat ? MouseRepeat->GetButton() : 0;
      const int pressed = TakeLeftPress(mouse);
      if (!Draggable && (repeat != 0 || pressed)) Click(repeat == 2 ? 1 : 0);
      else Clicked = 0;
      if (DoubleClickTime > 0 && pressed) {
        if (DoubleClickCounter > 0) {
          DoubleClicked = 1;
          DoubleClickCounter = 0;
        } else {
          DoubleClickCounter = DoubleClickTime;
        }
      }
      shrink = ManageMouseOverScale() == 0;
    } else {
      ClearMouseOver();
    }
    if (Draggable) ManageDrag();
    if (OKButton == 1 && (InputKeyHit(kKeyEnter) || (OKButtonUseSpace == 1 && InputKeyHit(kKeySpace))))
      SimulateClick();
    if (DoubleClickCounter > 0) DoubleClickCounter -= Delta;
  } else {
    ClearMouseOver();
    Dragging = 0;
    // A button switched off mid-drag must not leave every other button frozen.
    if (DraggedButton == this) ClearDrag();
    if (FixedGlowOnMO == 1) ManageGlow();
  }
  if (shrink) ManageScaleOnMO();
  if (Dragging) ManageScaleOnMO();
  if (MouseClickCounter > 0 && StayDown == 0) {
    MouseClickCounter -= Delta;
    if (MouseClickCounter < 0) MouseClickCounter = 0;
  }
}

void TButton::ManageNoSound() {
  NoSound = 1;
  Manage();
  NoSound = 0;
}

int TButton::ManageMouseOverScale() {
  if (DraggedButton) {
    ScaleOnMODelayCounter = 0;
    return 0;
  }
  if (ScaleOnMODelayCounter < ScaleOnMODelayFrames) {
    ScaleOnMODelayCounter += Delta;
    return 0;
  }
  if (ScaleOnMOMax > 1) ScaleOnMO = std::min(ScaleOnMO + ScaleOnMOUpSpeed * Delta, ScaleOnMOMax);
  return 1;
}

void TButton::ManageScaleOnMO() {
  if (ScaleOnMO > 1) ScaleOnMO = std::max(ScaleOnMO - ScaleOnMODownSpeed * Delta, 1.0f);
}

void TButton::ManageDrag() {
  if (DraggedButton && DraggedButton != this) return;
  TMousePointer& mouse = Pointer();
  if (mouse.GetMb() == 0) {
    LastMouseDown = 0;
    ClearDrag();
    return;
  }
  auto beyondDeadZone = [&] {
    return std::abs(mouse.x - DragStartX) > DragDeadZone || std::abs(mouse.y - DragStartY) > DragDeadZone;
  };
  if (Dragging) {
    MoveTo(float(mouse.x - DragOffsetX), float(mouse.y - DragOffsetY));
    MouseOver = 1;
    FixedGlowOnMOActivate();
  } else if (MouseOver) {
    if (LastMouseDown == 0) {
      DragStartX = mouse.x;
      DragStartY = mouse.y;
      if (DragDeadZone == 0) StartDrag();
    } else if (DragStartX != -1 && beyondDeadZone()) {
      StartDrag();
    }
  } else if (DragStartX != -1) {
    if (beyondDeadZone()) StartDrag();
  } else {
    ClearDrag();
  }
  LastMouseDown = 1;
}

void TButton::StartDrag() {
  Dragging = 1;
  DraggedButton = this;
  DragOffsetX = int(std::trunc(float(DragStartX) - x));
  DragOffsetY = int(std::trunc(float(DragStartY) - y));
}

float TButton::GetMOScale() const {
  if (ImageScaled && image && ImageScaled->w > w && ScaleOnMOMax > 1) {
    float ratio = float(w) / float(ImageScaled->w);
    return 1 - (1 - ratio) * (1 - (ScaleOnMO - 1) / (ScaleOnMOMax - 1));
  }
  return ScaleOnMO;
}

void TButton::ClampScaledCoords(float& px, float& py, float scale) const {
  const auto& picture = ImageScaled ? ImageScaled : (MouseOver && ImageMouseOver ? ImageMouseOver : image);
  if (!picture) return;
  const float pw = scale * float(picture->w), ph = scale * float(picture->h);
  if (px + pw > float(ScreenWidth)) px = float(ScreenWidth) - pw;
  if (px < 0) px = 0;
  if (py + ph > float(ScreenHeight)) py = float(ScreenHeight) - ph;
  if (py < 0) py = 0;
}

void TButton::FixedGlowOnMOActivate() {
  if (FixedGlowOnMO == 1 && MouseClickCounter == 0 && (ScaleOnMOUseGlow == 1 || ScaleOnMO == 1))
    SetGlow(2, GlowMax, GlowSpeed, 0, GlowMax);
}

// ---- sounds ---------------------------------------------------------------------

void TButton::PlaySound(const std::shared_ptr<TGameSound>& sound, TChannelPtr& channel) {
  if (!sound || !Game) return;
  if (Disabled == 1 && SoundsWhenDisabled == 0) return;
  if (Mixer().Channels) Mixer().Channels->PlayGameSound(*sound, nullptr, 1.0f, 0);
  else sound->PlayInChannel(channel, 0);
}

void TButton::PlayMouseOver() { PlaySound(SoundMouseOver, ChannelMouseOver); }
void TButton::PlayClick() { PlaySound(SoundClick, ChannelClick); }
void TButton::PlayClick2() { PlaySound(SoundClick2, ChannelClick); }

// ---- drawing ----------------------------------------------------------------------

void TButton::Draw() { DrawButton(); }

int TButton::DrawButton() {
  if (!visible || (Active == 0 && AlwaysDraw == 0)) return 0;
  const float keepX = x, keepY = y, keepScaleX = ScaleX, keepScaleY = ScaleY;
  SetBlend(BLEND_ALPHA);
  x += offx;
  y += offy;
  if (UseAlpha) SetAlpha(Alpha);
  if (Caption) {
    OldRoundedCoords = Caption->RoundCoords;
    Caption->Alpha = Alpha;
  }
  if (Color) Color->ApplyNoAlpha();

  const bool grown = ScaleOnMO > 1;
  float s = 1;
  if (grown) {
    s = GetMOScale();
    SetScale(s, s);
    // The picture grows about its centre.
    x += float(w) * (1 - ScaleOnMO) / 2;
    y += float(h) * (1 - ScaleOnMO) / 2;
    if (ScaleOnMORoundCoords) {
      x = Round(x);
      y = Round(y);
    }
    if (ScaleOnMOStayOnScreen) ClampScaledCoords(x, y, s);
    ScaleX = ScaleY = s;
  } else {
    SetScale(BaseScaleX * ScaleX, BaseScaleY * ScaleY);
  }

  const int animFrame = AnimCounter > 0 ? GetAnimFrame() : ImageFrame;
  const bool glowVisible = GlowMode > 0 && Glow > 0;
  std::shared_ptr<TGameImage> picture;
  int pictureFrame = 0;
  bool glowPass = false;
  const TColor* captionColour = Caption ? Caption->Color.get() : nullptr;
  float captionScale = s, captionDX = 0, captionDY = 0;
  if (MouseClickCounter > 0 && ImageMouseClick) {
    picture = ImageMouseClick;
    glowPass = glowVisible;
    if (CaptionDownColor) captionColour = CaptionDownColor.get();
    const bool imageFont = Caption && !Caption->BitmapFont;
    captionScale = CaptionDownScale * (imageFont ? s : 1);
    captionDX = CaptionDownOffsetX * s;
    captionDY = CaptionDownOffsetY * s;
  } else if ((MouseOver && ImageMouseOver) || (FixedGlowOnMOUseMO && glowVisible)) {
    picture = grown && ImageScaled ? ImageScaled : (ImageMouseOver ? ImageMouseOver : image);
    pictureFrame = animFrame;
    glowPass = glowVisible && (FixedGlowOnMO || AutoGlowOnMO) && UseGlowOnMO && (ScaleOnMOUseGlow || !grown);
    if (Caption && Caption->InverseColor) captionColour = Caption->InverseColor.get();
  } else if (Disabled) {
    picture = ImageDisabled ? ImageDisabled : image;
    if (CaptionDisabledColor) captionColour = CaptionDisabledColor.get();
  } else {
    picture = grown && ImageScaled ? ImageScaled : image;
    pictureFrame = animFrame;
    // A glow that belongs to the hover stays off the resting picture.
    glowPass = glowVisible && !AutoGlowOnMO;
  }

  if (picture && picture->image) {
    DrawShadow(picture, pictureFrame, 0);
    float px = x, py = y;
    if (RoundCoords == 1) {
      px = Round(px);
      py = Round(py);
    }
    DrawImage(picture->image, px, py, pictureFrame);
    if (glowPass) {
      // The glow is the same picture again, added; it casts no second shadow.
      const int shadow = Shadow;
      const int frameBefore = ImageFrame;
      Shadow = 0;
      ImageFrame = pictureFrame;
      DrawLight(Glow, 1, 1, 1, picture);
      Shadow = shadow;
      ImageFrame = frameBefore;
      if (UseAlpha) SetAlpha(Alpha);
    }
  }
  DrawCaption(captionColour, captionScale, captionDX, captionDY);

  if (UseAlpha) SetAlpha(1);
  if (Color) SetColor(255, 255, 255);
  ScaleX = keepScaleX;
  ScaleY = keepScaleY;
  SetScale(1, 1);
  if (ScaleOnMODrawUserFunction) ScaleOnMODrawUserFunction(*this, s, 0);
  x = keepX;
  y = keepY;
  return 1;
}

void TButton::DrawCaption(const TColor* color, float scale, float dx, float dy) {
  if (!Caption) return;
  const int roundX = Caption->RoundXCoord, roundY = Caption->RoundYCoord;
  // Rounding would make scaled text jitter.
  if (scale != 1) Caption->RoundCoords = Caption->RoundXCoord = Caption->RoundYCoord = 0;
  SetScale(scale, scale);
  Caption->Draw(offx + dx, offy + dy, 0, color);
  SetScale(1, 1);
  Caption->RoundCoords = OldRoundedCoords;
  Caption->RoundXCoord = roundX;
  Caption->RoundYCoord = roundY;
}
