// The typing field: what it lets in (length, pixels, banned characters, characters its
// font cannot draw, code page), Backspace, Enter and Escape, and how it draws itself.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/Game.h"
#include "core/Input.h"
#include "gfx/Draw.h"
#include "ui/TextInput.h"
#include "ui/WidgetFixture.h"

namespace {
const char* kGameFont = "/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf";
}

class TextInputTest : public WidgetTest {
 protected:
  // Queues the characters and runs the field once for each; the last result.
  int Type(TTextInput& input, const std::string& chars) {
    int result = 0;
    for (char c : chars) {
      InputQueueChar(uint8_t(c));
      result = input.Manage();
    }
    return result;
  }
};

TEST_F(TextInputTest, TakesOnlyWhatItMayHold) {
  // The built-in font: 8 pixels a character, pictures for ASCII only.
  auto input = TTextInput::Create(nullptr, "", 0, 0);
  input->MakeCharsFileNameSafe();
  Type(*input, "Ab/c:d*e?");
  EXPECT_EQ(input->Text, "Abcde") << "file-name-unsafe characters are not typed";
  Type(*input, "fghijklm");
  EXPECT_EQ(input->Text, "Abcdefghij") << "exactly MaxLength (10) characters";
  EXPECT_EQ(input->CurrentChar, 11);

  // Past the ten: Backspace still works, and a cleared field takes Backspace quietly.
  for (int i = 0; i < 12; ++i) Type(*input, "\b");
  EXPECT_EQ(input->Text, "");
  EXPECT_EQ(input->CurrentChar, 1);

  // Codes 127 and up need permission, and a picture in the field's font.
  Type(*input, "x\x7F\xE9\x80");
  EXPECT_EQ(input->Text, "x");
  input->AllowEuropeanChars = 1;
  Type(*input, "\xE9\x7F\x81");
  EXPECT_EQ(input->Text, "x") << "the built-in font has no e-acute; 127 and unused codes never";
  if (std::filesystem::exists(kGameFont)) {
    input->Font = LoadImageFont(kGameFont, 30);
    ASSERT_NE(input->Font, nullptr);
    Type(*input, "\xE9\xFC\x80\x7F\x81");
    EXPECT_EQ(input->Text, "x\xE9\xFC\x80") << "e-acute, u-umlaut and the euro sign are drawn";
  }

  // A capital first letter, the code page's accented ones included.
  input->SetText("");
  input->UppercaseFirstCharAsTyped = 1;
  input->AllowEuropeanChars = 1;
  input->Font = nullptr;
  Type(*input, "ab");
  EXPECT_EQ(input->Text, "Ab");
  EXPECT_EQ(CapitaliseFirst("\xE9t\xE9"), "\xC9t\xE9");
  EXPECT_EQ(CapitaliseFirst("\xFF"), "\x9F");
  EXPECT_EQ(CapitaliseFirst("\xDF"), "\xDF") << "sharp s has no single capital";

  // Numbers only: letters and Escape count as nothing.
  auto numbers = TTextInput::Create(nullptr, "", 0, 0);
  numbers->NumbersOnly = 1;
  EXPECT_EQ(Type(*numbers, "1a2\x1B" "3"), 0);
  EXPECT_EQ(numbers->Text, "123");
  EXPECT_EQ(numbers->Active, 1);
}

TEST_F(TextInputTest, PixelLimitCountsTheLettersActualWidths) {
  if (!std::filesystem::exists(kGameFont)) GTEST_SKIP() << "no game font on this system";
  auto font = LoadImageFont(kGameFont, 30);
  ASSERT_NE(font, nullptr);
  auto input = TTextInput::Create(font, "", 0, 0);
  input->MaxLength = 100;
  const int wide = input->GetWidth("WWW");
  input->SetText("");
  const int thin = input->GetWidth("i");
  ASSERT_GT(thin, 0);
  input->MaxPixelWidth = wide + thin;
  Type(*input, "WWWW");
  EXPECT_EQ(input->Text, "WWW") << "a fourth W would not fit";
  Type(*input, "iW");
  EXPECT_EQ(input->Text, "WWWi") << "a thin letter still does";
  EXPECT_LE(input->GetWidth(), input->MaxPixelWidth);
}

TEST_F(TextInputTest, EnterAcceptsAndEscapeGivesUp) {
  Game->BlockKeys = 0;
  auto input = TTextInput::Create(nullptr, "", 0, 0);
  EXPECT_EQ(Game->BlockKeys, 1) << "no shortcut keys while typing";
  input->AllowNull = 0;
  EXPECT_EQ(Type(*input, "   \r"), 0) << "blank text is not accepted";
  EXPECT_EQ(input->Active, 1);
  EXPECT_EQ(Type(*input, "Bo\r"), 1);
  EXPECT_EQ(input->Text, "   Bo");
  EXPECT_EQ(input->Done, 1);
  EXPECT_EQ(input->Active, 0);
  EXPECT_EQ(Game->BlockKeys, 0);
  EXPECT_EQ(Type(*input, "x"), 0) << "a finished field takes nothing";
  EXPECT_EQ(input->Text, "   Bo");

  input->Reset();
  input->ClearTextOnEscape = 1;
  EXPECT_EQ(Type(*input, "\x1B"), -1);
  EXPECT_EQ(input->Text, "");
  input->Reset();
  input->AllowEscToAbort = 0;
  EXPECT_EQ(Type(*input, "\x1B"), 0) << "Escape can be switched off";
  EXPECT_EQ(input->Active, 1);
  // Characters waiting behind Enter are not typed into the accepted text.
  InputQueueChar('a');
  InputQueueChar('\r');
  InputQueueChar('b');
  input->Manage();
  EXPECT_EQ(input->Manage(), 1);
  EXPECT_EQ(input->Manage(), 0);
  EXPECT_EQ(input->Text, "a");
  EXPECT_EQ(InputGetChar(), 0) << "finishing forgets what was still queued";
}

TEST_F(TextInputTest, DrawsTextCursorAndDots) {
  auto input = TTextInput::Create(nullptr, "ab", 100, 50);
  input->MaxLength = 5;
  input->DrawDots = 1;
  input->TextShadow.reset();
  input->Draw();
  // "ab", the cursor, then two dots: one quad per character.
  ASSERT_EQ(rec->recorded.size(), 5u);
  EXPECT_FLOAT_EQ(X(0), 100);
  EXPECT_FLOAT_EQ(X(2), 116) << "the cursor right after the text";
  EXPECT_EQ(Red(2), 0) << "in the cursor colour";
  EXPECT_FLOAT_EQ(X(3), 124);
  EXPECT_EQ(Red(3), 150) << "dots in their own colour";

  // The cursor blinks every 250 ms (50 ticks); its place stays taken.
  for (int i = 0; i < 50; ++i) input->Manage();
  EXPECT_EQ(input->CursorOn, 0);
  rec->Clear();
  input->Draw();
  ASSERT_EQ(rec->recorded.size(), 4u);
  EXPECT_FLOAT_EQ(X(2), 124) << "dots do not move while the cursor is off";
  int r, g, b;
  GetColor(r, g, b);
  EXPECT_EQ(r + g + b, 3 * 255) << "colour put back";

  // A full field shows no cursor; a finished one shows nothing unless forced.
  rec->Clear();
  input->SetText("abcde");
  input->CursorOn = 1;
  input->Draw();
  EXPECT_EQ(rec->recorded.size(), 5u);
  input->Finish();
  rec->Clear();
  input->Draw();
  EXPECT_TRUE(rec->recorded.empty());
  input->ForceDraw = 1;
  input->Draw();
  EXPECT_EQ(rec->recorded.size(), 5u);
}
