// A message with one "OK" button: what the game says when it needs the player to read
// something (a refusal, a confirmation that something was done). Escape, Enter or a
// click on "OK" close it with 1.
#pragma once
#include "ui/Dialog.h"

class TDialogOK;
using TDialogOKPtr = std::shared_ptr<TDialogOK>;

class TDialogOK : public TDialog {
 public:
  int Gap = 50;                  // between the caption and the button
  int ClickAnywhereCloses = 0;   // a click anywhere acts as "OK"

  static TDialogOKPtr Create(const std::string& caption, std::shared_ptr<TGameImage> background = nullptr,
                             int w = 0, int h = 0, int x = 0, const std::string& buttonName = "");
  void MenuCreate(const std::string& buttonName = "");
  int Manage() override;
  int OKClick();

 protected:
  int ContentHeight() override;
};
