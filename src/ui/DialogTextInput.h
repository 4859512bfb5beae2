// A dialog that asks the player to type a line: the player's name on the first start
// and when a player is created. Its text field sits in a dark box under the caption;
// "OK" (or Enter) accepts the text once it passes the owner's check, and "Cancel" (or
// Escape, when there is a "Cancel") gives up. A refused text shows the owner's error
// message over the dialog, and typing goes on after it is closed.
#pragma once
#include <functional>

#include "ui/Dialog.h"
#include "ui/DialogOK.h"
#include "ui/TextInput.h"

class TDialogTextInput;
using TDialogTextInputPtr = std::shared_ptr<TDialogTextInput>;

class TDialogTextInput : public TDialog {
 public:
  TLabelPtr Text;                // the line the field sits on (its font sets the box height)
  int CharWidth = 0;
  int Gap = 30;
  std::shared_ptr<TColor> BoxColor = TColor::Create(0, 0, 0, 1);
  int DrawBox = 1;
  int BoxBorderH = 10, BoxBorderV = 5;
  int TextBorder = 10;
  TTextInputPtr TextInput;
  int TextYOffset = 0;
  int AllowNull = 0;             // 0: an empty or blank entry is refused
  // Checks the text; -1 refuses it with the message put into the second argument.
  std::function<int(const std::string&, std::string&)> ErrorCheckFunc;
  // Makes the message dialog for a refusal.
  std::function<TDialogOKPtr(const std::string&)> ErrorDialogFunc;
  TDialogOKPtr DialogOK;         // the open refusal message
  int TextOX = 0, TextOY = 0;    // fixed field place in the box (both 0 = automatic)
  // Run after "OK"; a result of 1 or more lets the dialog close.
  std::function<int(TDialogTextInput&)> OKClickedFunc;
  TDialogPtr OKClickedDialog;    // a dialog run after "OK"
  int DrawDisabled = 0;
  int UppercaseFirstChar = 1;
  int DimWhenShowingDialogs = 0;
  std::string ButtonName;        // one picture pair for every button, the word written on it

  static TDialogTextInputPtr Create(const std::string& caption, const std::string& text, int maxLength,
                                    std::shared_ptr<TGameImage> background = nullptr, int w = 0, int x = 0,
                                    int y = 0, int maxPixelWidth = 0, const std::string& buttonName = "");
  void Start() override;
  // Styles the line and the field alike and places them; call after MenuCreate.
  void SetupText(TImageFontPtr font, std::shared_ptr<TColor> colour = nullptr,
                 std::shared_ptr<TShadow> shadow = nullptr, int fixedWidth = 0, TBitmapFontPtr bitmapFont = nullptr);
  void MenuCreate(int withCancel, int gap);
  int HasCancel() const;
  int ProcessOKClickedFunc();
  // Whether the text may be accepted; opens the refusal message when the check says no.
  int OKClickTest();
  int Manage() override;
  int OKClick();
  int CancelClick();
  void ClickSound();
  int Draw() override;
  void SetLabelsXY() override;
  void Kill() override;
  // The letters, then the buttons.
  void ListFocus(TFocusRing& ring) override;

  // With a pad plugged in, a row of letters under the box to type with: a press on one
  // types it, the last one rubs out the letter before the caret.
  static constexpr const char* Letters = "abcdefghijklmnopqrstuvwxyz<";
  bool LetterRowShown() const;
  // Letter i's cell, logical pixels.
  void LetterCell(int i, float& cx, float& cy, float& cw, float& ch) const;

 protected:
  int ContentHeight() override;
};
