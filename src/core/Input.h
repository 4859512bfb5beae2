// The framework's input state: held keys, key presses not yet read and the typed
// character queue, filled from window events once per logic update. Every part of
// the game reads keys through these functions. The mouse lives in the game's one
// pointer object (Pointer()), which the same events fill.
#pragma once

extern int KeyHits[256];
extern int KeyDowns[256];
extern int CharQueue[256];
extern int CharQueueRead, CharQueueWrite;

// 1 when the key was pressed since it was last read (and clears it); codes outside 0-255 read 0.
int InputKeyHit(int key);
int InputKeyDown(int key);
// The next typed character, or 0 when none is waiting.
int InputGetChar();
// The lowest key code pressed exactly once since the last read, or -1; clears nothing.
int InputFirstKeyHit();
int InputAnyKeyHit();
// 1 when button 1, 2 or 3 was pressed since last read (clears the counts).
int InputAnyMouseHit();
// Presses of button 1-3 the polled table counted since the last call (then cleared);
// always 0 in event mode, where presses go to the pointer object itself.
int InputTakePolledMouseHits(int button);
void InputFlushKeys();
void InputFlushMouse();

// The pointer (ui/MousePointer.h) is the one store of mouse state. The input code
// sits below it, so it reaches the pointer through this seam, which the pointer
// fills when it is made.
class TPointerInput {
 public:
  virtual ~TPointerInput() = default;
  // A position in window pixels, as the window system reported it.
  virtual void MoveTo(int windowX, int windowY) = 0;
  virtual void ClearButtons() = 0;
  // 1 when a button was pressed since the last read; forgets those presses.
  virtual int TakeAnyPress() = 0;
};
// The pointer the input code feeds; none clears it.
void SetPointerInput(TPointerInput* pointer);
// Forgets every key and button press, including those still waiting in the window system.
void InputFlush();

// Polled mode, for the program's own wait loops outside the main loop: the functions
// above then read a separate table filled straight from the window system.
void InputPollingOn();
// Reads the window system now, from a loop outside the main loop (loading): in polled
// mode into the polled table, otherwise dropping everything but a request to end.
void InputPump();
// Back to event mode; pending events are dropped, except a request to end the program.
void InputPollingOff();

// Records one key press or release (modifiers also under their left/right code).
void InputRecordKey(int key, int sideKey, bool down);
void InputQueueChar(int ch);
