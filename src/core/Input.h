// The framework's input state: held keys, key presses not yet read, the typed
// character queue and mouse presses, filled from window events once per logic
// update. Every part of the game reads keys through these functions.
#pragma once

extern int KeyHits[256];
extern int KeyDowns[256];
extern int CharQueue[256];
extern int CharQueueRead, CharQueueWrite;
// Presses of mouse buttons 1 to 3 since last read, and whether they are held.
extern int MouseHits[4];
extern int MouseDowns[4];
// Pointer position in window pixels, as last reported.
extern int MouseWindowX, MouseWindowY;
extern int MouseWheelSpeed;

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
void InputFlushKeys();
void InputFlushMouse();
// The pointer keeps its own press state; it asks here to be told of every flush.
void SetMouseFlushListener(void (*listener)());
// Forgets every key and button press, including those still waiting in the window system.
void InputFlush();

// Polled mode, for the program's own wait loops outside the main loop: the functions
// above then read a separate table filled straight from the window system.
void InputPollingOn();
// Back to event mode; pending events are dropped, except a request to end the program.
void InputPollingOff();

// Records one key press or release (modifiers also under their left/right code).
void InputRecordKey(int key, int sideKey, bool down);
void InputQueueChar(int ch);
void InputRecordButton(int button, bool down, int x, int y);
