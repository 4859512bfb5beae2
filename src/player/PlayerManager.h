// The "Choose Player" dialog: every profile in the profile folder as a list, with
// "OK" (make the selected player current), "Create" (a name prompt; at most Limit
// players), "Delete" (after a yes/no question; the last player stays) and "Cancel".
// The chosen player's name is written to the settings at once, and a player taken over
// always starts from a fresh record before their own file is read, so one player's
// progress never leaks into another's.
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "ui/Dialog.h"
#include "ui/DialogOK.h"
#include "ui/DialogTextInput.h"
#include "ui/DialogYesNo.h"
#include "ui/ListBox.h"

class TImage;
class TPlayerManager;
using TPlayerManagerPtr = std::shared_ptr<TPlayerManager>;

class TPlayerManager : public TDialog {
 public:
  int Limit = 10;                // most players; 0 or less = no limit
  int ButtonGap = 10;
  int BoxBorderH = 20;           // the list's inset from the sides
  int BoxBorderV = 20;           // the list's inset below the caption
  int BoxXTweak = 0;
  int BoxY = 0;                  // non-zero: the list's screen y
  int DimWhenActive = 0;
  int DimWhenShowingDialogs = 0;
  int DimWhenShowingEnterNamePrompt = 0;
  int UpperFirstChar = 1;        // a new name starts with a capital
  std::string ExtraBannedChars;  // banned in new names besides the file-name-unsafe ones
  std::shared_ptr<TGameImage> FrontFrame;
  int FrontFrameX = 0, FrontFrameY = 0;
  std::shared_ptr<TGameImage> HeaderImage;
  int HeaderX = 0, HeaderY = 0;
  TListBoxPtr ListBox;
  int LineHeightAddition = 0;
  int LimitBoxHeightToMaxItems = 0;
  std::function<TDialogOKPtr(const std::string&)> ErrorDialogFunc;
  TDialogOKPtr DialogOK;
  std::function<TDialogYesNoPtr(const std::string&)> DialogYesNoFunc;
  TDialogYesNoPtr DialogYesNo;
  // Makes the name prompt; the argument 1 asks for a "Cancel" button.
  std::function<TDialogTextInputPtr(int)> EnterNamePromptFunc;
  TDialogTextInputPtr EnterName;
  // Makes the profile of a new name (and makes it current).
  std::function<int(const std::string&)> CreateProfileFunc;
  int DrawDisabled = 0;
  int AutoAcceptAfterCreate = 1;
  std::function<int(const std::string&)> DeleteProfileUserFunction;
  int InitProfileBeforeLoad = 0;
  // Loads the chosen player instead of the profile's own Load.
  std::function<int(const std::string&)> LoadProfileUserWrapper;
  std::string MessageCannotCreate = "You cannot create any more players!";
  std::string MessageCannotDelete = "The list must contain at least one player!";
  std::string MessageConfirmDelete = "Are you sure you want to delete this player?";

  static TPlayerManagerPtr Create(const std::string& caption, std::shared_ptr<TGameImage> background, int width,
                                  int x, int y, int limit, const std::string& buttonName = "");
  void Start() override;
  // 0 while open, 1 when a player was accepted, -1 when cancelled.
  int Manage() override;
  int Draw() override;
  void Kill() override;
  // The list of players (its own up and down pick a name), then the buttons.
  void ListFocus(TFocusRing& ring) override;

  // Opens the name prompt, or the refusal when the list is full; 0 when refused.
  int CreateProfile();
  int CalcListBoxLineHeight() const;
  void BoxSize();
  void MenuCreate(int gap, const std::string& buttonName);
  void FillList();
  void HighlightCurrentPlayer();
  void DeleteProfile();
  void DeleteProfileCheck();
  int OKClick();
  int CancelClick();
  void ClickSound();

 protected:
  int ContentHeight() override;

 private:
  // Makes name the current player: a fresh record first, then that player's file.
  void TakeOver(const std::string& name);
  bool Listed(const std::string& name) const;
};

// The player manager as the title screen shows it: the "Choose Player" picture and
// caption, six players at most, the game's message, question and name dialogs, the
// texts from the game text, and createProfile for a new name. Not started yet.
TPlayerManagerPtr CreateChoosePlayerDialog(std::function<int(const std::string&)> createProfile);
