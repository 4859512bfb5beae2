#include "ui/DialogOK.h"

#include <cmath>

#include "core/Input.h"
#include "ui/MousePointer.h"

namespace {
constexpr int kEscape = 27;
}

TDialogOKPtr TDialogOK::Create(const std::string& caption, std::shared_ptr<TGameImage> background, int nw, int nh,
                               int nx, const std::string& buttonName) {
  auto dialog = std::make_shared<TDialogOK>();
  dialog->Init(caption, std::move(background), nw, nh, nx, 0);
  dialog->MenuCreate(buttonName);
  return dialog;
}

void TDialogOK::MenuCreate(const std::string& buttonName) {
  if (Menu) Menu->Kill();
  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
  Menu->SetShadow(1, 3, 3, 0.4f);
  AddRowButton("OK", "OK", buttonName)->OKButton = 1;
  Menu->MakeRow(0);
}

int TDialogOK::ContentHeight() {
  return int(std::trunc(float(MenuHeight()) + Caption->CalcHeight() + float(Gap + 2 * Border)));
}

int TDialogOK::Manage() {
  if (!Active) return 0;
  ManageCore();
  if (!Active) return CloseResult;
  if (Transitioning) return 0;
  if (InputKeyHit(kEscape) || (ClickAnywhereCloses && Pointer().GetMh(1))) {
    PressButton("OK");
    return OKClick();
  }
  if (Menu->Clicked("OK")) return OKClick();
  return 0;
}

int TDialogOK::OKClick() {
  ClearPendingInput();
  return Close(1);
}
