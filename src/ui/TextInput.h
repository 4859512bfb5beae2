// The one-line typing field of the name prompts and the high-score entry. It takes the
// framework's typed characters, refuses the ones it may not hold (banned characters,
// characters its font has no picture for, anything past the length or pixel limit),
// blinks an underscore cursor, and finishes with Enter or gives up with Escape.
#pragma once
#include <memory>
#include <string>

#include "gfx/BitmapFont.h"
#include "gfx/Color.h"
#include "gfx/ImageFont.h"
#include "gfx/Shadow.h"
#include "platform/Audio.h"

class TGameSound;
class TTextInput;
using TTextInputPtr = std::shared_ptr<TTextInput>;

class TTextInput {
 public:
  // The characters a file name in the profile folder cannot safely hold.
  static inline const std::string FileNameUnsafeChars = "\"|*\\/:;~?<>,+=%";

  std::string Text;
  int MaxLength = 10;
  int MaxPixelWidth = 0;       // 0 = no pixel limit
  int CurrentChar = 1;         // 1-based place of the next character (length + 1)
  int Active = 0;              // takes typing
  int Done = 0;                // finished with Enter or Escape
  int ForceDraw = 0;           // drawn even when not active
  int X = 0, Y = 0;
  std::shared_ptr<TColor> TextCol;
  std::shared_ptr<TShadow> TextShadow = std::make_shared<TShadow>();  // none = no shadow
  std::shared_ptr<TColor> DotCol;
  std::shared_ptr<TColor> CursorCol;
  int CursorYOffset = 0;
  TImageFontPtr Font;          // none = the built-in font
  TBitmapFontPtr BitmapFont;   // used instead when set
  int DrawDots = 0;            // fill the free places with "."
  int DrawUnderscore = 1;
  float CursorFlashCounter = 0;
  int CursorFlashSpeed = 0;    // ticks per blink phase
  int CursorOn = 1;
  int AllowEscToAbort = 1;     // Escape ends the input with -1
  int AllowNull = 1;           // Enter accepts an empty or blank text
  std::string BannedChars;     // Windows-1252 codes that cannot be typed
  int AllowEuropeanChars = 0;  // codes 127 to 255
  int AllowExtendedChars = 0;  // any code of 32 and more
  int NumbersOnly = 0;
  std::shared_ptr<TGameSound> TypingSound;
  int PlayTypingSoundOnEnter = 1;
  float OffsetX = 0, OffsetY = 0;  // added when drawing (a dialog's slide)
  int ClearTextOnEscape = 0;
  int UppercaseFirstCharAsTyped = 0;

  static TTextInputPtr Create(TImageFontPtr font, const std::string& text, int x, int y,
                              TBitmapFontPtr bitmapFont = nullptr);
  void Init(TImageFontPtr font, const std::string& text, int x, int y, TBitmapFontPtr bitmapFont = nullptr);
  // Takes typing again; the framework's shortcut keys are off meanwhile.
  void Reset();
  void SetCursorFlashSpeed(int ms);
  // One logic update: at most one typed character. 1 when Enter accepted the text,
  // -1 when Escape gave up, else 0.
  int Manage();
  void PlayTypingSound();
  void MakeCharsFileNameSafe();
  void Finish();
  // Width of Text + extra in the field's font.
  int GetWidth(const std::string& extra = "") const;
  void Draw();

  // Whether the field's font has a picture for the character (a Windows-1252 code).
  bool FontCanDraw(int ch) const;
  // Replaces the text, keeping CurrentChar in step.
  void SetText(const std::string& text);

 private:
  bool Accepts(int ch) const;
  TChannelPtr channel_;
};

// Text without the spaces at either end.
std::string TrimSpaces(const std::string& text);
// Windows-1252 text with its first letter in upper case (the code page's accented
// letters included).
std::string CapitaliseFirst(const std::string& text);
