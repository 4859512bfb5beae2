#include "ui/Menu.h"

#include <algorithm>
#include <cmath>

#include "core/DataPaths.h"
#include "core/ScreenFade.h"
#include "core/Text.h"
#include "core/Globals.h"
#include "core/TextLines.h"
#include "gfx/Atlas.h"
#include "gfx/GameImage.h"
#include "gfx/Image.h"
#include "audio/GameSound.h"
#include "audio/SoundBank.h"
#include "platform/Files.h"
#include "ui/MousePointer.h"

namespace {
// Every menu clicks with the same two sounds: one decoded copy in the sound bank serves them all.
std::shared_ptr<TGameSound> MenuSound(const std::string& name) {
  if (name.empty()) return nullptr;
  if (SoundBank && SoundBank->Contains(name)) return SoundBank->Find(name);
  auto sound = TGameSound::Create(ResolveDataPath(DataPaths().SoundPath + name + ".wav"), 0);
  if (sound && SoundBank) {
    sound->name = UpperCase(name);
    SoundBank->Insert(sound);
  }
  return sound;
}
}  // namespace

TMenuPtr TMenu::Create(const std::string& moSound, const std::string& clickSound, float x, float y, int gap) {
  auto menu = std::make_shared<TMenu>();
  menu->Init(moSound, clickSound, x, y, gap);
  return menu;
}

void TMenu::Init(const std::string& moSound, const std::string& clickSound, float nx, float ny, int gap) {
  Buttons.clear();
  x = nx;
  y = ny;
  Gap = gap;
  AddGap = 0;
  h = 0;
  NextY = int(std::trunc(ny));
  MouseOverName.clear();
  ClickedName.clear();
  SoundMouseOver = MenuSound(moSound);
  SoundClick = MenuSound(clickSound);
}

void TMenu::Kill() {
  for (auto& b : Buttons) b->Kill();
  Buttons.clear();
}

// ---- settings handed to the buttons ---------------------------------------------------

void TMenu::SetButtonCaptionRoundCoords(int round, int roundX, int roundY) {
  for (auto& b : Buttons) {
    if (!b->Caption) continue;
    b->Caption->RoundCoords = round;
    b->Caption->RoundXCoord = roundX;
    b->Caption->RoundYCoord = roundY;
  }
}

void TMenu::SetShadow(int on, float sx, float sy, float alpha) {
  Shadow = on;
  ShadowX = sx;
  ShadowY = sy;
  ShadowAlpha = alpha;
}

void TMenu::ResetShadow(int on, float sx, float sy, float alpha) {
  for (auto& b : Buttons) b->SetShadow(on, sx, sy, alpha);
}

void TMenu::ChangeShadow(int on, float sx, float sy, float alpha) {
  ResetShadow(on, sx, sy, alpha);
  SetShadow(on, sx, sy, alpha);
}

void TMenu::SetAlpha(float alpha) {
  for (auto& b : Buttons) b->Alpha = alpha;
}

void TMenu::SetColor(std::shared_ptr<TColor> color) {
  for (auto& b : Buttons) b->Color = color;
}

// ---- making and filling ------------------------------------------------------------

TButtonPtr TMenu::DoAddNew(const std::string& file, const std::string& moFile, const std::string& name,
                           int cellWidth, int cellHeight, int frames) {
  auto b = std::make_shared<TButton>();
  b->UseMenuPath = 1;
  b->Load(file, moFile, "", "", cellWidth, cellHeight, frames);
  b->CentreX(float(NextY));
  b->SoundMouseOver = SoundMouseOver;
  b->SoundClick = SoundClick;
  b->SetShadow(Shadow, ShadowX, ShadowY, ShadowAlpha);
  if (!name.empty()) b->name = UpperCase(name);
  Buttons.push_back(b);
  return b;
}

TButtonPtr TMenu::AddNew(const std::string& file, const std::string& moFile, const std::string& name,
                         int cellWidth, int cellHeight, int frames) {
  auto b = DoAddNew(file, moFile, name, cellWidth, cellHeight, frames);
  IncreaseHeight(*b);
  return b;
}

void TMenu::IncreaseHeight(const TButton& button) {
  NextY += button.h + Gap;
  h += button.h + (AddGap == 1 ? Gap : 0);
  AddGap = 1;
}

TButtonPtr TMenu::AddQuick(const std::string& file, const std::string& name) {
  return AddNew(file, file + "MO", name, 0, 0, 1);
}

TButtonPtr TMenu::AddQuickAuto(const std::string& file, const std::string& name) {
  auto b = AddQuick(file, name);
  if (PathExists(ResolveDataPath(b->GetPath() + file + "_disabled.png"))) b->LoadDisabled(file + "_disabled", 1);
  if (PathExists(ResolveDataPath(b->GetPath() + file + "_down.png"))) b->LoadMouseClick(file + "_down", 200);
  return b;
}

void TMenu::AddPair(const std::string& leftFile, const std::string& rightFile, int gap, const std::string& name) {
  auto left = DoAddNew(leftFile, leftFile + "MO", "", 0, 0, 1);
  auto right = DoAddNew(rightFile, rightFile + "MO", "", 0, 0, 1);
  if (!name.empty()) {
    left->name = UpperCase(name) + left->name;
    right->name = UpperCase(name) + right->name;
  }
  right->x = left->x + float(left->w + gap);
  IncreaseHeight(left->h > right->h ? *left : *right);
}

void TMenu::RemoveButton(const std::string& name) {
  auto b = FindButton(name);
  if (!b) return;
  b->Kill();
  Buttons.erase(std::find(Buttons.begin(), Buttons.end(), b));
}

TButtonPtr TMenu::FindButton(const std::string& name) const {
  const std::string wanted = UpperCase(name);
  for (const auto& b : Buttons)
    if (b->name == wanted) return b;
  return nullptr;
}

void TMenu::ShareOnePage() {
  std::vector<TImagePtr> pictures;
  int widest = 0;
  for (const auto& button : Buttons)
    for (const auto& picture : {button->image, button->ImageMouseOver, button->ImageDisabled, button->ImageMouseClick})
      if (picture && picture->image &&
          std::find(pictures.begin(), pictures.end(), picture->image) == pictures.end()) {
        pictures.push_back(picture->image);
        widest = std::max(widest, picture->image->width);
      }
  if (pictures.size() < 2) return;
  PackImages(pictures, int(std::clamp<int64_t>(NextPow2(2 * (widest + 2)), 64, 2048)));
}

void TMenu::Precache() {
  for (auto& b : Buttons) b->Precache();
}

// ---- layout ---------------------------------------------------------------------

void TMenu::StoreOriginalCoords() {
  for (auto& b : Buttons) b->StoreOriginalCoords();
  OX = x;
  OY = y;
}

void TMenu::ScaleMenu(float sx, float sy) {
  for (auto& b : Buttons) {
    b->ScaleX = sx;
    b->ScaleY = sy;
    b->MoveTo(sx * (b->ox - x) + x, sy * (b->oy - y) + y);
  }
}

void TMenu::CalcLeft() {
  x = 10000;
  for (auto& b : Buttons) x = std::min(x, b->x);
}

void TMenu::CalcTop() {
  y = 10000;
  for (auto& b : Buttons) y = std::min(y, b->y);
}

void TMenu::CalcCoords() {
  CalcLeft();
  CalcTop();
}

int TMenu::CalcWidth() {
  int left = 10000, right = -10000;
  for (auto& b : Buttons) {
    if (b->x < float(left)) left = int(std::trunc(b->x));
    if (b->x + float(b->w) > float(right)) right = int(std::trunc(b->x + float(b->w)));
  }
  w = right - left;
  return w;
}

int TMenu::CalcHeight() {
  int top = 10000, bottom = -10000;
  for (auto& b : Buttons) {
    if (b->y < float(top)) top = int(std::trunc(b->y));
    if (b->y + float(b->h) > float(bottom)) bottom = int(std::trunc(b->y + float(b->h)));
  }
  h = bottom - top;
  return h;
}

void TMenu::SetX(float newX) {
  CalcLeft();
  for (auto& b : Buttons) b->MoveBy(newX - x, 0);
  x = newX;
}

void TMenu::SetY(float newY) {
  CalcTop();
  for (auto& b : Buttons) b->MoveBy(0, newY - y);
  y = newY;
}

void TMenu::MoveTo(float nx, float ny) {
  SetX(nx);
  SetY(ny);
}

void TMenu::CentreHoriz() {
  CalcWidth();
  SetX(float((ScreenWidth - w) / 2));
}

void TMenu::CentreVert() {
  CalcHeight();
  SetY(float((ScreenHeight - h) / 2));
}

void TMenu::Centre() {
  CentreHoriz();
  CentreVert();
}

void TMenu::MakeColumn(int gap) {
  int offset = 0;
  for (auto& b : Buttons) {
    b->MoveTo(0, float(offset));
    offset += b->h + gap;
  }
  Centre();
}

void TMenu::MakeRow(int gap) {
  int offset = 0;
  for (auto& b : Buttons) {
    b->MoveTo(float(offset), 0);
    offset += b->w + gap;
  }
  Centre();
}

void TMenu::SetPairX(const std::string& leftName, const std::string& rightName, int newX) {
  auto left = FindButton(leftName), right = FindButton(rightName);
  if (!left || !right) return;
  float d = std::trunc(float(newX) - left->x);
  left->x = float(newX);
  right->x += d;
}

// ---- state ----------------------------------------------------------------------

void TMenu::ClearScale() {
  for (auto& b : Buttons) b->ScaleOnMO = 1;
}

void TMenu::ClearGlow() {
  for (auto& b : Buttons) b->Glow = 0;
}

void TMenu::ClearMouseClick() {
  for (auto& b : Buttons) {
    b->Clicked = 0;
    b->MouseClickCounter = 0;
  }
}

void TMenu::ClearMouseOver() {
  for (auto& b : Buttons) b->MouseOver = 0;
}

void TMenu::ClearStates() {
  ClearGlow();
  ClearMouseClick();
  ClearMouseOver();
  ClearScale();
}

int TMenu::Clicked(const std::string& name) {
  // Nothing clicked must not answer for an empty name.
  if (ClickedName.empty() || UpperCase(name) != ClickedName) return 0;
  if (ClearClickedName == 1) ClickedName.clear();
  return 1;
}

int TMenu::MouseOver(const std::string& name) {
  if (MouseOverName.empty() || UpperCase(name) != MouseOverName) return 0;
  if (ClearMouseOverName == 1) MouseOverName.clear();
  return 1;
}

// ---- per update and per frame ---------------------------------------------------------

int TMenu::ManageNoSound(float offx, float offy) {
  NoSound = 1;
  Manage(offx, offy);
  NoSound = 0;
  return 0;
}

int TMenu::Manage(float offx, float offy) {
  if (ScreenFading() || AcceptInput == 0) {
    ManageFixedGlowOnly();
    return 0;
  }
  if (!Pointer().Active) return 0;
  MouseOverName.clear();
  ClickedName.clear();
  for (auto& b : Buttons) {
    b->offx = offx;
    b->offy = offy;
    if (NoSound == 1) b->ManageNoSound();
    else b->Manage();
    if (b->MouseOver) MouseOverName = b->name;
    if (b->Clicked) ClickedName = b->name;
  }
  return 1;
}

void TMenu::ManageFixedGlowOnly() {
  for (auto& b : Buttons)
    if (b->FixedGlowOnMO == 1) b->ManageGlow();
}

void TMenu::ManageScaleOnMO() {
  for (auto& b : Buttons) b->ManageScaleOnMO();
}

void TMenu::Draw(float offx, float offy) {
  for (auto& b : Buttons) {
    b->offx = offx;
    b->offy = offy;
    b->Draw();
  }
}

TButtonPtr AddOKButton(TMenu& menu) {
  auto b = menu.AddNew("OK", "OKMO");
  b->OKButton = 1;
  b->SetAutoGlow(0, 0.3f, 1, 1);
  b->CentreX(float(ScreenHeight - b->h - 15));
  return b;
}
