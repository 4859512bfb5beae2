#include "ui/DialogYesNo.h"

#include <cmath>

#include "core/Input.h"

namespace {
constexpr int kEscape = 27;
constexpr int kKeyN = 78;
constexpr int kKeyY = 89;
}  // namespace

TDialogYesNoPtr TDialogYesNo::Create(const std::string& caption, std::shared_ptr<TGameImage> background, int nw,
                                     int nh, int nx, int makeMenu, int buttonGap, const std::string& buttonName) {
  auto dialog = std::make_shared<TDialogYesNo>();
  dialog->Init(caption, std::move(background), nw, nh, nx, 0);
  dialog->ButtonGap = buttonGap;
  if (makeMenu) dialog->MenuCreate(buttonName);
  return dialog;
}

void TDialogYesNo::MenuCreate(const std::string& buttonName) {
  if (Menu) Menu->Kill();
  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
  Menu->SetShadow(1, 3, 3, 0.4f);
  AddRowButton("Yes", "Yes", buttonName)->OKButton = 1;
  AddRowButton("No", "No", buttonName);
  Menu->MakeRow(ButtonGap);
}

int TDialogYesNo::ContentHeight() {
  return int(std::trunc(float(MenuHeight()) + Caption->CalcHeight() + float(Gap + 2 * Border)));
}

int TDialogYesNo::Manage() {
  if (!Active) return 0;
  ManageCore();
  if (!Active) return CloseResult;
  if (Transitioning) return 0;
  if (InputKeyHit(kEscape) || InputKeyHit(kKeyN)) {
    PressButton("No");
    return NoClick();
  }
  if (InputKeyHit(kKeyY)) {
    PressButton("Yes");
    return YesClick();
  }
  if (Menu->Clicked("No")) return NoClick();
  if (Menu->Clicked("Yes")) return YesClick();
  return 0;
}

int TDialogYesNo::YesClick() {
  ClearPendingInput();
  if (YesFunc) YesFunc();
  return Close(1);
}

int TDialogYesNo::NoClick() {
  ClearPendingInput();
  if (NoFunc) NoFunc();
  return Close(-1);
}

void TDialogYesNo::ClickSound() {
  if (auto yes = Menu ? Menu->FindButton("Yes") : nullptr) yes->PlayClick();
}
