// Dialogs: their size and place, the answers of the message, yes/no and text-input
// kinds by key and by click, Escape handed back to the screen, the closing slide and
// fades, and refusals of typed text.
#include <gtest/gtest.h>

#include "core/Globals.h"
#include "gfx/Animation.h"
#include "ui/DialogFixture.h"
#include "ui/DialogOK.h"
#include "ui/DialogPresets.h"
#include "ui/DialogTextInput.h"
#include "ui/DialogYesNo.h"

TEST_F(DialogTest, SizesToItsCaptionAndWrapsWhenItMust) {
  // The built-in font: 8 pixels a character, 16 a line; the OK button is 100 x 40.
  auto dialog = CreateMessageDialog("Twenty characters!!!");
  EXPECT_EQ(dialog->Active, 1) << "presets come started";
  EXPECT_EQ(dialog->w, 160 + 2 * 20);
  EXPECT_EQ(dialog->h, 40 + 16 + 50 + 2 * 20);
  EXPECT_EQ(dialog->x, (800 - 200) / 2);
  EXPECT_EQ(dialog->y, (600 - 146) / 2);
  EXPECT_FLOAT_EQ(dialog->Caption->X, float(dialog->x + 100));
  EXPECT_FLOAT_EQ(dialog->Caption->Y, float(dialog->y + 20));
  auto ok = dialog->Menu->FindButton("OK");
  EXPECT_FLOAT_EQ(ok->x, float(dialog->x + 50)) << "the row is centred";
  EXPECT_FLOAT_EQ(ok->y + 40, float(dialog->y + dialog->h - 20)) << "its bottom a border above the box's";

  // A fixed width wraps the caption instead of widening the box.
  auto fixed = TDialogOK::Create("one two three four", nullptr, 100);
  fixed->Start();
  EXPECT_EQ(fixed->w, 100);
  EXPECT_GT(fixed->Caption->TotalLines, 1);
  EXPECT_LE(fixed->Caption->CalcWidth(), 60);
  EXPECT_EQ(fixed->h, 40 + int(fixed->Caption->CalcHeight()) + 50 + 40);
  // Wrapped in a box built around it, the caption still starts a border below the top.
  EXPECT_FLOAT_EQ(fixed->Caption->Y, float(fixed->y + 20));
  // Over a picture (a box of fixed size) a wrapped caption sits in the middle.
  auto pictured = TDialogOK::Create("one two three four", BankPicture(100, 200));
  pictured->SetWordWrap(60);
  pictured->Start();
  EXPECT_EQ(pictured->Caption->TotalLines, 3);
  EXPECT_EQ(pictured->h, 200);
  EXPECT_FLOAT_EQ(pictured->Caption->Y, float(pictured->y) + 100 - pictured->Caption->CalcHeight() / 2);

  // A long caption wraps rather than stretching the box across (or off) the screen.
  auto longOne = CreateErrorDialog(std::string(60, 'x') + " " + std::string(60, 'y'));
  EXPECT_LE(longOne->w, 560);
  EXPECT_GE(longOne->x, 0);
  EXPECT_EQ(longOne->Caption->TotalLines, 2);
  EXPECT_EQ(longOne->w, 480 + 40);
  EXPECT_EQ(longOne->Caption->Color->R, 255);
  EXPECT_EQ(longOne->Caption->Color->G, 0) << "errors are red";
}

TEST_F(DialogTest, MessageAnswersOKAndGivesEscapeBack) {
  Game->IgnoreEscapeKey = 0;
  auto dialog = CreateMessageDialog("Done");
  EXPECT_EQ(Game->IgnoreEscapeKey, 1) << "the screen underneath ignores Escape meanwhile";
  EXPECT_EQ(Step(*dialog), 0);
  PointAt(0, 0);
  Press();
  EXPECT_EQ(Step(*dialog), 0) << "a click beside the button does nothing";
  EXPECT_EQ(Click(*dialog, "OK"), 1) << "closed in the same update";
  EXPECT_EQ(dialog->Active, 0);
  EXPECT_EQ(dialog->CloseResult, 1);
  EXPECT_EQ(Game->IgnoreEscapeKey, 0);
  EXPECT_EQ(Step(*dialog), 0) << "a closed dialog answers nothing more";
  EXPECT_EQ(dialog->Draw(), 0);

  for (int key : {27, 13}) {
    auto again = CreateMessageDialog("Again");
    EXPECT_EQ(KeyStep(*again, key), 1) << key;
  }
  auto anywhere = CreateMessageDialog("Anywhere");
  anywhere->ClickAnywhereCloses = 1;
  PointAt(5, 5);
  Press();
  EXPECT_EQ(Step(*anywhere), 1);

  // A message over another dialog leaves Escape with that dialog when it closes.
  auto outer = CreateMessageDialog("Outer");
  auto inner = CreateMessageDialog("Inner");
  inner->ReenableEscapeKey = 0;
  EXPECT_EQ(KeyStep(*inner, 27), 1);
  EXPECT_EQ(Game->IgnoreEscapeKey, 1) << "still taken for the outer dialog";
  EXPECT_EQ(KeyStep(*outer, 27), 1);
  EXPECT_EQ(Game->IgnoreEscapeKey, 0);
}

TEST_F(DialogTest, YesNoAnswersByKeyAndClick) {
  int yes = 0, no = 0;
  auto make = [&] {
    auto d = CreateYesNoDialog("Sure?");
    d->YesFunc = [&] { ++yes; };
    d->NoFunc = [&] { ++no; };
    return d;
  };
  EXPECT_EQ(KeyStep(*make(), 13), 1) << "Enter answers Yes";
  EXPECT_EQ(KeyStep(*make(), 89), 1) << "Y";
  EXPECT_EQ(KeyStep(*make(), 27), -1) << "Escape answers No";
  EXPECT_EQ(KeyStep(*make(), 78), -1) << "N";
  auto d = make();
  EXPECT_EQ(Click(*d, "No"), -1);
  EXPECT_EQ(d->CloseResult, -1);
  d = make();
  EXPECT_EQ(Click(*d, "Yes"), 1);
  EXPECT_EQ(yes, 3);
  EXPECT_EQ(no, 3);
  // Yes and No side by side, 50 apart, and no key press waits after the answer.
  d = make();
  auto y = d->Menu->FindButton("Yes"), n = d->Menu->FindButton("No");
  EXPECT_FLOAT_EQ(n->x - y->x, 100 + 50);
  EXPECT_FLOAT_EQ(n->y, y->y);
  Key(89);
  Key(65);
  EXPECT_EQ(Step(*d), 1);
  EXPECT_EQ(InputKeyHit(65), 0);
}

TEST_F(DialogTest, ClosingSlideDeliversTheAnswerWhenItEnds) {
  auto dialog = CreateMessageDialog("Sliding");
  dialog->SetTransitions(100, 100, 0.5f, 1, 2, 0, 0);  // 20 ticks each way, from the right
  EXPECT_EQ(dialog->Transitioning, 1);
  EXPECT_FLOAT_EQ(dialog->OffsetX, float(800 - dialog->x)) << "starts just off the right edge";
  EXPECT_EQ(KeyStep(*dialog, 27), 0) << "keys wait until it has come in";
  for (int i = 0; i < 18; ++i) Step(*dialog);
  EXPECT_EQ(dialog->Transitioning, 1);
  // Halfway-ish: half faded, the screen half dimmed.
  rec->Clear();
  dialog->Draw();
  EXPECT_NEAR(dialog->Alpha, 0.95f, 0.06f);
  EXPECT_NEAR(AlphaByte(0), 0.5f * dialog->Alpha * 255, 1) << "the dim layer first";
  Step(*dialog);
  Step(*dialog);
  EXPECT_EQ(dialog->Transitioning, 0);
  EXPECT_FLOAT_EQ(dialog->OffsetX, 0) << "in place once in";

  EXPECT_EQ(KeyStep(*dialog, 13), 0) << "closing starts the slide";
  EXPECT_EQ(dialog->Transitioning, 2);
  EXPECT_EQ(dialog->Active, 1);
  int result = 0, updates = 0;
  while (result == 0 && updates < 100) {
    result = Step(*dialog);
    ++updates;
  }
  EXPECT_EQ(result, 1);
  EXPECT_EQ(updates, 20) << "the answer comes the update the slide ends";
  EXPECT_EQ(dialog->Active, 0);
  EXPECT_EQ(Game->IgnoreEscapeKey, 0);

  // Without a closing slide the answer comes with the press.
  auto quick = CreateMessageDialog("Quick");
  quick->SetTransitions(50, 0, 0, 0, 4, 1, 0);
  for (int i = 0; i < 10; ++i) Step(*quick);
  EXPECT_EQ(quick->Transitioning, 0);
  EXPECT_EQ(KeyStep(*quick, 27), 1);
}

class TextInputDialogTest : public DialogTest {
 protected:
  TDialogTextInputPtr MakeDialog(int withCancel) {
    auto d = TDialogTextInput::Create("Name?", "", 10, nullptr, 300, 0, 0, 0, "OK2");
    d->MenuCreate(withCancel, 10);
    d->SetupText(nullptr);
    d->ErrorDialogFunc = CreateErrorDialog;
    d->Start();
    return d;
  }
  int Type(TDialogTextInput& d, const std::string& text) {
    int result = 0;
    for (char c : text) {
      InputQueueChar(uint8_t(c));
      if (c == '\r') Key(13);
      if (c == ' ') Key(32);
      result = Step(d);
      if (result != 0) break;
    }
    return result;
  }
};

TEST_F(TextInputDialogTest, AcceptsTypedTextWithEnterOrOK) {
  auto d = MakeDialog(1);
  EXPECT_EQ(Game->BlockKeys, 1) << "no shortcut keys while typing";
  EXPECT_EQ(d->h, 40 + 16 + 16 + 2 * 30 + 2 * 20);
  EXPECT_EQ(d->TextInput->X, d->x + 10 + 10);
  EXPECT_EQ(d->TextInput->Y, int(d->Caption->Y) + 16 + 30);
  auto ok = d->Menu->FindButton("OK"), cancel = d->Menu->FindButton("Cancel");
  ASSERT_TRUE(ok && cancel);
  EXPECT_EQ(ok->Caption->Text, "OK") << "one picture for both buttons, the word written on it";
  EXPECT_EQ(cancel->Caption->Text, "Cancel");

  EXPECT_EQ(Type(*d, "   \r"), 0) << "a blank entry is refused";
  EXPECT_EQ(Click(*d, "OK"), 0);
  EXPECT_EQ(d->Active, 1);
  Type(*d, "\b\b\b");
  EXPECT_EQ(Type(*d, "bo b\r"), 1) << "space is typed, not taken as OK";
  EXPECT_EQ(d->TextInput->Text, "Bo b") << "the first character in upper case";
  EXPECT_EQ(Game->BlockKeys, 0);
  EXPECT_EQ(Game->IgnoreEscapeKey, 0);

  // Letters and Enter arriving in one update all reach the text before it is accepted.
  d = MakeDialog(1);
  for (char c : std::string("anna\r")) InputQueueChar(c);
  Key(13);
  int result = 0;
  for (int i = 0; i < 10 && result == 0; ++i) result = Step(*d);
  EXPECT_EQ(result, 1);
  EXPECT_EQ(d->TextInput->Text, "Anna");

  d = MakeDialog(1);
  Type(*d, "zed");
  EXPECT_EQ(Click(*d, "OK"), 1);
  EXPECT_EQ(d->TextInput->Text, "Zed");

  // Spaces around a name would make a second player that looks like the first.
  d = MakeDialog(1);
  EXPECT_EQ(Type(*d, "  eve  \r"), 1);
  EXPECT_EQ(d->TextInput->Text, "Eve") << "trimmed, then the first letter in upper case";

  // Killed while open (its screen was left): keys and Escape go back to the game.
  d = MakeDialog(0);
  EXPECT_EQ(Game->BlockKeys, 1);
  d->Kill();
  EXPECT_EQ(Game->BlockKeys, 0);
  EXPECT_EQ(Game->IgnoreEscapeKey, 0);
}

TEST_F(TextInputDialogTest, CancelOnlyWhereThereIsOne) {
  auto d = MakeDialog(1);
  Type(*d, "ab");
  EXPECT_EQ(Type(*d, "\x1B"), -1);
  d = MakeDialog(1);
  EXPECT_EQ(Click(*d, "Cancel"), -1);
  EXPECT_EQ(d->TextInput->Active, 0);

  // Without "Cancel" Escape does nothing at all.
  d = MakeDialog(0);
  EXPECT_EQ(d->Menu->FindButton("Cancel"), nullptr);
  Key(27);
  EXPECT_EQ(Type(*d, "\x1B"), 0);
  EXPECT_EQ(d->Active, 1);
  EXPECT_EQ(d->TextInput->Active, 1);
  EXPECT_EQ(Type(*d, "x\r"), 1);
}

TEST_F(TextInputDialogTest, RefusedTextShowsTheMessageThenTypingGoesOn) {
  auto d = MakeDialog(1);
  std::vector<std::string> checked;
  d->ErrorCheckFunc = [&](const std::string& text, std::string& error) {
    checked.push_back(text);
    if (text != "Taken") return 1;
    error = "Profile Exists";
    return -1;
  };
  EXPECT_EQ(Type(*d, "taken\r"), 0);
  ASSERT_NE(d->DialogOK, nullptr);
  EXPECT_EQ(d->DialogOK->Caption->Text, "Profile Exists");
  EXPECT_EQ(d->DialogOK->ReenableEscapeKey, 0);
  EXPECT_EQ(Type(*d, "x"), 0);
  EXPECT_EQ(d->TextInput->Text, "Taken") << "the message holds the typing";
  rec->Clear();
  d->Draw();
  const size_t withMessage = rec->recorded.size();
  EXPECT_EQ(KeyStep(*d, 27), 0) << "Escape closes the message, not the dialog";
  EXPECT_EQ(d->DialogOK, nullptr);
  EXPECT_EQ(d->Active, 1);
  EXPECT_EQ(Game->IgnoreEscapeKey, 1);
  rec->Clear();
  d->Draw();
  EXPECT_LT(rec->recorded.size(), withMessage);
  Type(*d, "\b\b\b\b\bFree\r");
  EXPECT_EQ(d->CloseResult, 1);
  EXPECT_EQ(checked, (std::vector<std::string>{"Taken", "Free"}));
}
