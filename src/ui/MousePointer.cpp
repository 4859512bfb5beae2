#include "ui/MousePointer.h"

#include <cmath>

#include "core/DataPaths.h"
#include "core/Display.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "core/Input.h"
#include "core/Settings.h"
#include "gfx/Draw.h"
#include "core/ErrorReport.h"
#include "gfx/ParticleList.h"
#include "gfx/Shadow.h"
#include "platform/Events.h"
#include "platform/Window.h"

namespace {
// Lets the input code below this layer feed the game's pointer.
class TGamePointerInput : public TPointerInput {
 public:
  void MoveTo(int windowX, int windowY) override {
    if (TMousePointer* p = Pointer()) p->MoveTo(windowX, windowY);
  }
  void ClearButtons() override {
    if (TMousePointer* p = Pointer()) p->ClearButtons();
  }
  int TakeAnyPress() override {
    TMousePointer* p = Pointer();
    if (!p) return 0;
    int any = p->h1 || p->h2 || p->h3 ? 1 : 0;
    p->ClearMouseHit();
    return any;
  }

 private:
  static TMousePointer* Pointer() { return TMousePointer::Current(); }
} gamePointerInput;
}  // namespace

TMousePointer::TMousePointer() : ParticleList(std::make_unique<TParticleList>()) {
  SetPointerInput(&gamePointerInput);
}
TMousePointer::~TMousePointer() = default;

void TMousePointer::On() { Active = 1; }

void TMousePointer::Off() {
  Active = 0;
  ParticleList->Clear();
}

void TMousePointer::Load(const std::string& file) {
  std::string path = DataPaths().ImagePath + file + Ext;
  Image = LoadImage(path);
  if (!Image) FatalError("Error loading bitmap " + path);
  SetImageHandle(Image, float(offsetx), float(offsety));
  CalcSize();
}

void TMousePointer::CalcSize() {
  w = Image ? ImageWidth(Image) : 0;
  h = Image ? ImageHeight(Image) : 0;
}

int TMousePointer::GetMouseZSpeed() {
  int s = zSpeed;
  zSpeed = 0;
  return s;
}

void TMousePointer::Update() {
  int wx = 0, wy = 0, held = 0;
  if (!PlatformMouseState(wx, wy, &held)) return;
  MoveTo(wx, wy);
  b1 = held & 1 ? 1 : 0;
  b2 = held & 2 ? 1 : 0;
  b3 = held & 4 ? 1 : 0;
  h1 = InputTakePolledMouseHits(1);
  h2 = InputTakePolledMouseHits(2);
  h3 = InputTakePolledMouseHits(3);
  if (!OnPicture()) h1 = h2 = h3 = 0;
  CalcButtonTotals();
}

int TMousePointer::Manage() {
  if (!Active) return 0;
  if (ParticleFunc && !Resting) {
    ParticleFunc();
    ParticleList->Manage();
  }
  return 1;
}

bool TMousePointer::TrailAlive() const { return ParticleList && ParticleList->Count() > 0; }

void TMousePointer::MoveTo(int deviceX, int deviceY) {
  // Over a bar the position lies off the logical screen: the custom pointer is drawn
  // there too, and nothing on the picture answers a click there.
  Display().DeviceToLogical(deviceX, deviceY, x, y);
}

void TMousePointer::UpdateCoords() {
  int wx = 0, wy = 0;
  // Over the window its own motion events are the truth: some X servers stop
  // reporting the desktop-wide position after the game has moved the pointer.
  if (PlatformMouseInWindow(wx, wy)) {
    MoveTo(wx, wy);
    return;
  }
  PlatformGlobalMouseState(wx, wy);
  Display().SetClientCoords();
  MoveTo(wx - Display().ClientX, wy - Display().ClientY);
}

void TMousePointer::ClearButtons() {
  b1 = b2 = b3 = mb = 0;
  ClearMouseHit();
}

void TMousePointer::ClearMouseHit() { h1 = h2 = h3 = mh = 0; }

int TMousePointer::GetLeftClick() {
  int c = h1;
  h1 = 0;
  mh = 0;
  return c;
}

int TMousePointer::GetRightClick() {
  int c = h2;
  h2 = 0;
  mh = 0;
  return c;
}

int TMousePointer::GetMh(int clear) {
  int c = mh;
  if (clear) ClearMouseHit();
  return c;
}

void TMousePointer::CalcButtonTotals() {
  mb = b1 + b2 + b3;
  mh = h1 + h2 + h3;
}

bool TMousePointer::OnPicture() const { return x >= 0 && y >= 0 && x < ScreenWidth && y < ScreenHeight; }

void TMousePointer::ButtonDown(int button) {
  ClearMouseHit();
  const int hit = OnPicture() ? 1 : 0;
  if (button == 1) b1 = 1, h1 += hit;
  if (button == 2) b2 = 1, h2 += hit;
  if (button == 3) b3 = 1, h3 += hit;
  CalcButtonTotals();
}

void TMousePointer::ButtonUp(int button) {
  if (button == 1) b1 = 0;
  if (button == 2) b2 = 0;
  if (button == 3) b3 = 0;
  CalcButtonTotals();
}

void TMousePointer::Wheel(int step) {
  zSpeed = step;
  z += zSpeed;
}

void TMousePointer::RestAt(int lx, int ly) {
  Resting = 1;
  x = lx;
  y = ly;
}

void TMousePointer::Tap() {
  ButtonDown(1);
  ButtonUp(1);
}

void TMousePointer::Draw() {
  if (!Settings().FullScreen && !Resting) UpdateCoords();
  if (!Active) return;
  ParticleList->Draw();
  SetBlend(BLEND_ALPHA);
  SetRotation(float(Rotation));
  if (UserPreDraw) UserPreDraw(x, y);
  if (Image2) {
    SetScale(Image2Scale, Image2Scale);
    if (Image2Shadow) {
      SetColor(0, 0, 0);
      SetAlpha(Image2Shadow->Alpha);
      DrawImage(Image2, float(x + Image2xoff) + Image2Shadow->X, float(y + Image2yoff) + Image2Shadow->Y, Image2Frame);
      SetAlpha(1);
      SetColor(255, 255, 255);
    }
    DrawImage(Image2, float(x + Image2xoff), float(y + Image2yoff), Image2Frame);
    SetScale(1, 1);
  }
  if (!Image) {
    if (!Resting) Plot(float(x), float(y));
  } else if (Settings().CustomMousePointer == 1 && !Resting) {
    DrawImage(Image, float(x), float(y), ImageFrame);
  }
  SetRotation(0);
  if (UserDraw) UserDraw(x, y);
}

std::shared_ptr<TMouseRepeat> TMouseRepeat::Create(int initialDelayMS, int delayMS) {
  auto r = std::make_shared<TMouseRepeat>();
  r->InitialDelayLength = initialDelayMS;
  r->DelayLength = delayMS;
  return r;
}

void TMouseRepeat::ClearDelays() {
  InitialDelayCounter = 0;
  DelayCounter = 0;
}

int TMouseRepeat::Step(bool held) {
  if (!held) {
    ClearDelays();
    LastState = 0;
    return 0;
  }
  int result = 0;
  if (LastState == 0) {
    InitialDelayCounter = Clock().CalcAnimLength(InitialDelayLength);
    result = 1;
  } else if (InitialDelayCounter > 0) {
    InitialDelayCounter -= Delta;
    if (InitialDelayCounter <= 0) {
      InitialDelayCounter = 0;
      DelayCounter = int(Clock().CalcAnimLength(DelayLength));
      result = 2;
    }
  } else if (DelayCounter > 0) {
    DelayCounter = int(float(DelayCounter) - Delta);
    if (DelayCounter <= 0) {
      DelayCounter = int(Clock().CalcAnimLength(DelayLength));
      result = 2;
    }
  }
  LastState = 1;
  return result;
}

int TMouseRepeat::GetButton() { return Step(Pointer().GetMb() != 0); }

std::shared_ptr<TKeyRepeat> TKeyRepeat::Create(int initialDelayMS, int delayMS) {
  auto r = std::make_shared<TKeyRepeat>();
  r->InitialDelayLength = initialDelayMS;
  r->DelayLength = delayMS;
  return r;
}

int TKeyRepeat::GetKey(int key) { return Step(InputKeyDown(key) != 0) != 0 ? 1 : 0; }
