#include "ui/DialogTextInput.h"

#include <cmath>
#include <cstring>

#include "core/Game.h"
#include "core/Input.h"
#include "gfx/Draw.h"
#include "gfx/TextDraw.h"
#include "core/Globals.h"
#include "platform/Events.h"
#include "ui/MousePointer.h"

namespace {
constexpr int kEscape = 27;
}

TDialogTextInputPtr TDialogTextInput::Create(const std::string& caption, const std::string& text, int maxLength,
                                             std::shared_ptr<TGameImage> background, int nw, int nx, int ny,
                                             int maxPixelWidth, const std::string& buttonName) {
  auto dialog = std::make_shared<TDialogTextInput>();
  dialog->Init(caption, std::move(background), nw, 0, nx, ny);
  dialog->ButtonName = buttonName;
  dialog->Text = TLabel::CreateSpecial(text, 0, 0);
  dialog->TextInput = TTextInput::Create(nullptr, "", 0, 0);
  dialog->TextInput->MaxLength = maxLength;
  dialog->TextInput->MaxPixelWidth = maxPixelWidth;
  return dialog;
}

void TDialogTextInput::Start() {
  TDialog::Start();
  Game->BlockKeys = 1;
}

void TDialogTextInput::MenuCreate(int withCancel, int gap) {
  if (Menu) Menu->Kill();
  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
  Menu->SetShadow(1, 3, 3, 0.4f);
  auto ok = AddRowButton("OK", "OK", ButtonName);
  ok->OKButton = 1;
  if (withCancel) AddRowButton("Cancel", "Cancel", ButtonName);
  Menu->MakeRow(gap);
}

int TDialogTextInput::HasCancel() const { return Menu && Menu->FindButton("Cancel") ? 1 : 0; }

void TDialogTextInput::SetupText(TImageFontPtr font, std::shared_ptr<TColor> colour, std::shared_ptr<TShadow> shadow,
                                 int fixedWidth, TBitmapFontPtr bitmapFont) {
  if (!colour) colour = TColor::Create(255, 255, 255);
  Text->Init(font, colour, shadow, fixedWidth, bitmapFont);
  Text->PreCalcWordWrap();
  TextInput->Font = std::move(font);
  TextInput->BitmapFont = std::move(bitmapFont);
  TextInput->TextCol = TColor::Create(colour->R, colour->G, colour->B, colour->Alpha);
  TextInput->TextShadow = std::move(shadow);
  CalcAll();
  MenuPosition();
  Game->BlockKeys = 0;
  TextInput->AllowNull = AllowNull;
  TextInput->AllowEscToAbort = HasCancel();
  if (auto ok = Menu ? Menu->FindButton("OK") : nullptr) {
    ok->OKButtonUseSpace = 0;
    // Enter reaches the field in the order it was typed, after the letters before it;
    // the button answering the key as well could accept the text before they arrive.
    ok->OKButton = 0;
  }
}

int TDialogTextInput::ContentHeight() {
  return int(std::trunc(float(MenuHeight()) + Text->CalcHeight() + Caption->CalcHeight() + float(2 * Gap) +
                        float(2 * Border)));
}

void TDialogTextInput::SetLabelsXY() {
  TDialog::SetLabelsXY();
  if (!Text || !TextInput) return;
  if (TextOX == 0 && TextOY == 0) {
    Text->X = float(x + BoxBorderH + TextBorder);
    Text->Y = Caption->Y + Caption->CalcHeight() + float(Gap);
  } else {
    Text->X = float(x + TextOX);
    Text->Y = float(y + TextOY);
  }
  TextInput->X = int(std::trunc(Text->X));
  TextInput->Y = int(std::trunc(Text->Y)) + TextYOffset;
}

int TDialogTextInput::ProcessOKClickedFunc() {
  if (!OKClickedFunc) return 1;
  const int result = OKClickedFunc(*this);
  if (result > 0) return result;
  Active = 1;
  TextInput->Reset();
  return 0;
}

int TDialogTextInput::OKClickTest() {
  // Spaces around a name are invisible in every list it appears in, so "Eve " would be
  // a second player (and a second file) that looks like "Eve"; a name cut short at the
  // length limit often ends in one.
  if (!AllowNull) TextInput->SetText(TrimSpaces(TextInput->Text));
  if (UppercaseFirstChar) TextInput->SetText(CapitaliseFirst(TextInput->Text));
  if (ErrorCheckFunc) {
    std::string error;
    if (ErrorCheckFunc(TextInput->Text, error) == -1) {
      if (ErrorDialogFunc) {
        DialogOK = ErrorDialogFunc(error);
        if (DialogOK) DialogOK->ReenableEscapeKey = 0;
      }
      Game->BlockKeys = 1;
      return 0;
    }
  }
  if (AllowNull || !TextInput->Text.empty()) return 1;
  Game->BlockKeys = 1;
  return 0;
}

int TDialogTextInput::Manage() {
  if (!Active) return 0;
  if (OKClickedDialog) {
    if (OKClickedDialog->Manage() == 0) return 0;
    OKClickedDialog->Kill();
    OKClickedDialog.reset();
    return OKClick();
  }
  if (DialogOK) {
    if (DialogOK->Manage() == 0) {
      if (Menu) Menu->ManageFixedGlowOnly();
      return 0;
    }
    DialogOK->Kill();
    DialogOK.reset();
    if (Menu) Menu->ClearStates();
    TextInput->Reset();
    return 0;
  }
  ManageCore();
  if (!Active) return CloseResult;
  if (Transitioning) return 0;

  if (LetterRowShown() && Pointer().h1 > 0) {
    const int n = int(std::strlen(Letters));
    for (int i = 0; i < n; ++i) {
      float cx, cy, cw, ch;
      LetterCell(i, cx, cy, cw, ch);
      const float px = float(Pointer().x), py = float(Pointer().y);
      if (px < cx || py < cy || px >= cx + cw || py >= cy + ch) continue;
      Pointer().GetLeftClick();
      InputQueueChar(Letters[i] == '<' ? 8 : Letters[i]);
      ClickSound();
      break;
    }
  }
  const int typed = TextInput->Manage();
  if (typed == 1) {
    PressButton("OK");
    if (OKClickTest() && ProcessOKClickedFunc()) return OKClick();
    // Refused: the field takes typing again unless a message is waiting to be read.
    if (!DialogOK) TextInput->Reset();
    return 0;
  }
  if (typed == -1) {
    PressButton("Cancel");
    return CancelClick();
  }
  if (Menu->Clicked("OK")) {
    if (!OKClickTest()) return 0;
    TextInput->Finish();
    if (ProcessOKClickedFunc()) return OKClick();
    return 0;
  }
  if (Menu->Clicked("Cancel") || (HasCancel() && InputKeyHit(kEscape))) {
    TextInput->Finish();
    return CancelClick();
  }
  return 0;
}

int TDialogTextInput::OKClick() {
  ClearPendingInput();
  Game->BlockKeys = 0;
  return Close(1);
}

int TDialogTextInput::CancelClick() {
  ClearPendingInput();
  Game->BlockKeys = 0;
  return Close(-1);
}

void TDialogTextInput::ClickSound() {
  if (auto ok = Menu ? Menu->FindButton("OK") : nullptr) ok->PlayClick();
}

bool TDialogTextInput::LetterRowShown() const { return PlatformPadCount() > 0 && TextInput && TextInput->Font; }

void TDialogTextInput::LetterCell(int i, float& cx, float& cy, float& cw, float& ch) const {
  cw = 26;
  ch = 34;
  const float row = cw * float(std::strlen(Letters));
  cx = std::floor((float(ScreenWidth) - row) / 2) + cw * float(i);
  cy = float(y + h + 12) + OffsetY;
  // No room under the box: over it.
  if (cy + ch > float(ScreenHeight)) cy = float(y - 12) - ch + OffsetY;
}

void TDialogTextInput::ListFocus(TFocusRing& ring) {
  ring.Begin(this);
  if (LetterRowShown()) {
    for (int i = 0; Letters[i]; ++i) {
      TFocusTarget t;
      LetterCell(i, t.x, t.y, t.w, t.h);
      ring.Add(t);
    }
  }
  if (MenuShow && Menu) ring.AddButtons(Menu->Buttons);
}

int TDialogTextInput::Draw() {
  if (!DrawDisabled) {
    if (TDialog::Draw() == 0) return 0;
    if (LetterRowShown()) {
      float cx, cy, cw, ch;
      const int n = int(std::strlen(Letters));
      LetterCell(0, cx, cy, cw, ch);
      SetColor(BoxColor->R, BoxColor->G, BoxColor->B);
      SetAlpha(0.75f * Alpha);
      DrawRect(cx - 6, cy, cw * float(n) + 12, ch);
      SetColor(255, 255, 255);
      SetAlpha(Alpha);
      const TImageFontPtr before = GetImageFont();
      SetImageFont(TextInput->Font);
      for (int i = 0; i < n; ++i) {
        LetterCell(i, cx, cy, cw, ch);
        const bool under = Pointer().x >= int(cx) && Pointer().x < int(cx + cw) && Pointer().y >= int(cy) &&
                           Pointer().y < int(cy + ch);
        if (under) {
          // The letter under the pointer (or the pad's focus) lights as a button does.
          SetColor(255, 214, 112);
          SetAlpha(0.6f * Alpha);
          DrawRect(cx + 1, cy + 2, cw - 2, ch - 4);
          SetColor(255, 255, 255);
          SetAlpha(Alpha);
        }
        DrawTextShadowed(cx + cw / 2, cy + 4, std::string(1, Letters[i]), 1, 1, TTextStyle{1, 1, 0.5f, Alpha});
      }
      SetImageFont(before);
      SetAlpha(1);
    }
    if (DrawBox) {
      const float textH = Text->CalcHeight();
      SetColor(BoxColor->R, BoxColor->G, BoxColor->B);
      SetAlpha(BoxColor->Alpha * Alpha);
      DrawRect(float(x + BoxBorderH) + OffsetX, Text->Y - float(BoxBorderV) + OffsetY, float(w - 2 * BoxBorderH),
               textH + float(2 * BoxBorderV));
      SetColor(255, 255, 255);
      SetAlpha(1);
    }
    TextInput->OffsetX = OffsetX;
    TextInput->OffsetY = OffsetY;
    TextInput->Draw();
    if (DialogOK) {
      if (DimWhenShowingDialogs) DimScreen(0.5f);
      DialogOK->Draw();
    }
  }
  if (OKClickedDialog) OKClickedDialog->Draw();
  return 1;
}

void TDialogTextInput::Kill() {
  if (DialogOK) DialogOK->Kill();
  DialogOK.reset();
  if (OKClickedDialog) OKClickedDialog->Kill();
  OKClickedDialog.reset();
  if (TextInput && TextInput->Active) TextInput->Finish();
  // A prompt killed while open must not leave the framework's keys switched off.
  if (Active) Game->BlockKeys = 0;
  Text.reset();
  TDialog::Kill();
}
