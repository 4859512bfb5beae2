// A question with "Yes" and "No": the confirmation asked before something that cannot
// be undone, such as deleting a player. Y, Enter or "Yes" answer 1; N, Escape or "No"
// answer -1.
#pragma once
#include <functional>

#include "ui/Dialog.h"

class TDialogYesNo;
using TDialogYesNoPtr = std::shared_ptr<TDialogYesNo>;

class TDialogYesNo : public TDialog {
 public:
  int Gap = 50;            // between the caption and the buttons
  int ButtonGap = 50;      // between "Yes" and "No"
  std::function<void()> YesFunc, NoFunc;  // called before closing

  static TDialogYesNoPtr Create(const std::string& caption, std::shared_ptr<TGameImage> background = nullptr,
                                int w = 0, int h = 0, int x = 0, int makeMenu = 1, int buttonGap = 50,
                                const std::string& buttonName = "");
  void MenuCreate(const std::string& buttonName = "");
  int Manage() override;
  int YesClick();
  int NoClick();
  void ClickSound();

 protected:
  int ContentHeight() override;
};
