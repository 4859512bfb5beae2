#include "ui/TextInput.h"

#include <optional>

#include "audio/ChannelArray.h"
#include "audio/GameSound.h"
#include "audio/Mixer.h"
#include "core/Game.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "core/Input.h"
#include "gfx/Draw.h"
#include "gfx/TextDraw.h"
#include "platform/Events.h"

namespace {
constexpr int kBackspace = 8;
constexpr int kEnter = 13;
constexpr int kEscape = 27;
constexpr int kDelete = 127;

// Windows-1252 upper case of one code: ASCII, the accented letters of 0xE0-0xFE and the
// four lower-case letters the code page keeps among 0x80-0x9F.
int UpperCp1252(int ch) {
  if (ch >= 'a' && ch <= 'z') return ch - 32;
  if (ch >= 0xE0 && ch <= 0xFE && ch != 0xF7) return ch - 32;
  switch (ch) {
    case 0x9A: return 0x8A;  // s caron
    case 0x9C: return 0x8C;  // oe
    case 0x9E: return 0x8E;  // z caron
    case 0xFF: return 0x9F;  // y diaeresis
    default: return ch;
  }
}
}  // namespace

std::string TrimSpaces(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string CapitaliseFirst(const std::string& text) {
  if (text.empty()) return text;
  std::string out = text;
  out[0] = char(UpperCp1252(uint8_t(out[0])));
  return out;
}

TTextInputPtr TTextInput::Create(TImageFontPtr font, const std::string& text, int x, int y,
                                 TBitmapFontPtr bitmapFont) {
  auto input = std::make_shared<TTextInput>();
  input->Init(std::move(font), text, x, y, std::move(bitmapFont));
  return input;
}

void TTextInput::Init(TImageFontPtr font, const std::string& text, int x, int y, TBitmapFontPtr bitmapFont) {
  Font = std::move(font);
  BitmapFont = std::move(bitmapFont);
  SetText(text);
  X = x;
  Y = y;
  TextCol = TColor::Create(255, 255, 255, 1);
  DotCol = TColor::Create(150, 150, 150, 1);
  CursorCol = TColor::Create(0, 255, 255, 1);
  SetCursorFlashSpeed(250);
  Reset();
}

void TTextInput::SetText(const std::string& text) {
  Text = text;
  CurrentChar = int(Text.size()) + 1;
}

void TTextInput::Reset() {
  Active = 1;
  Done = 0;
  if (Game) Game->BlockKeys = 1;
  InputFlushKeys();
}

void TTextInput::SetCursorFlashSpeed(int ms) {
  CursorFlashSpeed = Game ? int(Clock().CalcAnimLength(ms)) : ms / 5;
  CursorFlashCounter = 0;
  CursorOn = 1;
}

bool TTextInput::FontCanDraw(int ch) const {
  // A bitmap font is drawn as its file describes it; only the image fonts can be asked.
  if (BitmapFont) return true;
  const TImageFontPtr font = Font ? Font : TImageFont::BuiltIn();
  return font->CharToGlyph(int(UnicodeFromCp1252(uint8_t(ch)))) >= 0;
}

bool TTextInput::Accepts(int ch) const {
  if (ch < 32 || ch > 255 || ch == kDelete) return false;
  // The codes the code page leaves unused name no character at all.
  if (ch >= 0x80 && ch < 0xA0 && UnicodeFromCp1252(uint8_t(ch)) == uint32_t(ch)) return false;
  const bool allowed = ch <= 126 || AllowEuropeanChars || AllowExtendedChars;
  if (!allowed || CurrentChar > MaxLength) return false;
  // Asked again after the first letter is made a capital, which may be a banned one.
  if (BannedChars.find(char(ch)) != std::string::npos) return false;
  if (MaxPixelWidth > 0 && GetWidth(std::string(1, char(ch))) > MaxPixelWidth) return false;
  // Text the font cannot draw would show as gaps the player cannot see or delete.
  return FontCanDraw(ch);
}

int TTextInput::Manage() {
  if (!Active) return 0;
  int ch = InputGetChar();
  if (ch != 0 && ch <= 255 && BannedChars.find(char(ch)) != std::string::npos) ch = 0;
  if (ch == kBackspace) {
    if (CurrentChar > 1) {
      --CurrentChar;
      PlayTypingSound();
    }
    Text.resize(size_t(CurrentChar - 1));
  } else if (ch != 0) {
    if (NumbersOnly && ch != kEnter && !(ch >= '0' && ch <= '9')) ch = 0;
    if (UppercaseFirstCharAsTyped && Text.empty()) ch = UpperCp1252(ch);
    if (ch != 0 && Accepts(ch)) {
      Text.push_back(char(ch));
      ++CurrentChar;
      PlayTypingSound();
    } else if (ch == kEnter) {
      if (PlayTypingSoundOnEnter) PlayTypingSound();
      if (AllowNull || !TrimSpaces(Text).empty()) {
        Finish();
        return 1;
      }
      InputFlushKeys();
    } else if (ch == kEscape && AllowEscToAbort) {
      if (ClearTextOnEscape) SetText("");
      Finish();
      return -1;
    }
  }
  CursorFlashCounter += Delta;
  if (CursorFlashCounter >= float(CursorFlashSpeed)) {
    CursorOn = 1 - CursorOn;
    CursorFlashCounter = 0;
  }
  return 0;
}

void TTextInput::PlayTypingSound() {
  if (!TypingSound || !Game) return;
  if (Mixer().Channels) Mixer().Channels->PlayGameSound(*TypingSound, nullptr, 1.0f, 0);
  else TypingSound->PlayInChannel(channel_, 0);
}

void TTextInput::MakeCharsFileNameSafe() { BannedChars = FileNameUnsafeChars; }

void TTextInput::Finish() {
  Active = 0;
  Done = 1;
  if (Game) Game->BlockKeys = 0;
  InputFlushKeys();
  InputFlushMouse();
}

int TTextInput::GetWidth(const std::string& extra) const {
  if (BitmapFont) return int(BitmapFont->StringWidth(Text + extra));
  const TImageFontPtr before = GetImageFont();
  SetImageFont(Font);
  const int w = TextWidth(Text + extra);
  SetImageFont(before);
  return w;
}

void TTextInput::Draw() {
  if (!Active && !ForceDraw) return;
  int r = 255, g = 255, b = 255;
  GetColor(r, g, b);
  const float alpha = GetAlpha();
  const TImageFontPtr fontBefore = GetImageFont();
  if (!BitmapFont) SetImageFont(Font);

  // A shadow pass takes the text's own opacity, so a faded colour fades its shadow too.
  auto put = [&](const std::string& s, float x, float y, const TColor* colour, bool shadowed) {
    std::optional<TTextStyle> shadow;
    if (shadowed && TextShadow) shadow = TextShadow->TextStyle(colour ? colour->Alpha : alpha);
    if (colour) colour->Apply();
    if (BitmapFont) {
      if (shadow) BitmapFont->DrawAligned(s, x, y, 0, 0, 0, &*shadow);
      BitmapFont->DrawAligned(s, x, y, 0, 0, 0);
    } else if (shadow) {
      DrawTextShadowed(x, y, s, 0, 1, *shadow);
    } else {
      DrawText(s, x, y);
    }
  };

  const float x = float(X) + OffsetX, y = float(Y) + OffsetY;
  put(Text, x, y, TextCol.get(), TextShadow != nullptr);
  float after = x + float(GetWidth());
  int places = MaxLength - int(Text.size());
  if (DrawUnderscore && int(Text.size()) < MaxLength) {
    if (CursorOn) put("_", after, y + float(CursorYOffset), CursorCol.get(), false);
    after += float(BitmapFont ? BitmapFont->StringWidth("_") : TextWidth("_"));
    --places;
  }
  if (DrawDots && places > 0) put(std::string(size_t(places), '.'), after, y, DotCol.get(), false);

  SetImageFont(fontBefore);
  SetColor(r, g, b);
  SetAlpha(alpha);
}
