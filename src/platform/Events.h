// Window-system events, translated from SDL into the game's own terms:
// virtual-key codes 0-255, Windows-1252 typed characters, buttons 1-3, and the
// buttons of game controllers (the left stick arrives as the four directions).
#pragma once
#include <cstdint>
#include <string>

enum class TEventType {
  None,
  KeyDown,      // key (also for repeats: repeat = true)
  KeyUp,
  Char,         // ch: one typed character, cp1252
  MouseDown,    // button 1 left, 2 right, 3 middle
  MouseUp,
  MouseMove,    // x, y in window pixels
  MouseWheel,   // wheel notches, away from the user positive
  Quit,         // the system asks the program to end (also SIGTERM/SIGINT)
  WindowClose,
  FocusLost,
  FocusGained,
  PadDown,      // button: a TPadButton of any plugged-in controller
  PadUp,
  PadAdded,     // a controller was plugged in (or was there at start)
  PadRemoved,   // a controller in use was unplugged
};

// The controller buttons the game reads; the stick's directions are the D-pad's.
enum class TPadButton { A, B, X, Y, Back, Guide, Start, Up, Down, Left, Right, Count };

struct TPlatformEvent {
  TEventType type = TEventType::None;
  int key = 0;        // virtual-key code; a modifier also reports its left/right code in key2
  int key2 = 0;
  bool repeat = false;
  int ch = 0;
  int button = 0;
  int x = 0, y = 0;
  int wheel = 0;
};

// Takes the next pending event; false when the queue is empty. Keys that have no
// virtual-key code are dropped here, so no SDL code ever reaches the game.
bool PlatformPollEvent(TPlatformEvent& event);
// Drops pending key, text and button events but keeps quit, close, window and focus
// events, so a request to end made during a flush is not lost.
void PlatformDropInputEvents();
// Current pointer position in window pixels and, when asked, the buttons held (bit 0
// the left, bit 1 the right, bit 2 the middle button); false without a video system.
bool PlatformMouseState(int& x, int& y, int* buttons = nullptr);
// How many game controllers are plugged in and open. Their buttons reach the game as
// the keys a keyboard player presses; this tells the widgets that want it (the name
// prompt's letter row) that a pad is there.
int PlatformPadCount();
// Waits up to ms milliseconds for an event to arrive, leaving it in the queue.
void PlatformWaitForEvent(int ms);
// Maps an SDL keycode to a virtual-key code 0-255, or 0 when it has none.
int VirtualKeyFromSdl(int32_t sdlKeycode, int& sideCode);
// Converts one Unicode code point to Windows-1252, or -1 when it has no such character.
int Cp1252FromUnicode(uint32_t codePoint);
// The Unicode character of one Windows-1252 byte (the program's text encoding). The five
// codes the code page leaves unused come back unchanged, as control characters no font draws.
uint32_t UnicodeFromCp1252(uint8_t code);
// Windows-1252 text (the program's strings) as UTF-8 (the file system's names); the
// unused codes are left out.
std::string Utf8FromCp1252(const std::string& text);
// UTF-8 (a file name) as Windows-1252 text; false when it is not well-formed UTF-8 or
// holds a character the code page does not have.
bool Cp1252FromUtf8(const std::string& utf8, std::string& out);
