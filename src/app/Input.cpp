#include "app/Input.h"

#include <cstring>
#include <initializer_list>

#include "platform/Events.h"

int KeyHits[256];
int KeyDowns[256];
int CharQueue[256];
int CharQueueRead = 0, CharQueueWrite = 0;
int MouseHits[4];
int MouseDowns[4];
int MouseWindowX = 0, MouseWindowY = 0;
int MouseWheelSpeed = 0;

namespace {
bool ValidKey(int key) { return key >= 0 && key < 256; }
}  // namespace

int InputKeyHit(int key) {
  if (!ValidKey(key) || KeyHits[key] == 0) return 0;
  KeyHits[key] = 0;
  return 1;
}

int InputKeyDown(int key) { return ValidKey(key) ? KeyDowns[key] : 0; }

int InputGetChar() {
  if (CharQueueRead == CharQueueWrite) return 0;
  int ch = CharQueue[CharQueueRead % 256];
  ++CharQueueRead;
  return ch;
}

int InputFirstKeyHit() {
  for (int k = 0; k < 256; ++k)
    if (KeyHits[k] == 1) return k;
  return -1;
}

int InputAnyKeyHit() {
  for (int k = 0; k < 256; ++k)
    if (InputKeyHit(k)) return 1;
  return 0;
}

int InputAnyMouseHit() {
  int any = 0;
  for (int b = 1; b <= 3; ++b) {
    if (MouseHits[b]) any = 1;
    MouseHits[b] = 0;
  }
  return any;
}

void InputFlushKeys() {
  std::memset(KeyHits, 0, sizeof KeyHits);
  std::memset(KeyDowns, 0, sizeof KeyDowns);
  CharQueueRead = CharQueueWrite = 0;
}

void InputFlushMouse() {
  std::memset(MouseHits, 0, sizeof MouseHits);
  std::memset(MouseDowns, 0, sizeof MouseDowns);
}

void InputFlush() {
  // Presses made while no logic ran (loading, a splash) are still queued in the
  // window system; drop them too, or they would count after the flush.
  PlatformDropInputEvents();
  InputFlushKeys();
  InputFlushMouse();
  PlatformMouseState(MouseWindowX, MouseWindowY);
}

void InputRecordKey(int key, int sideKey, bool down) {
  for (int k : {key, sideKey}) {
    if (!ValidKey(k) || k == 0) continue;
    if (down) {
      ++KeyHits[k];
      KeyDowns[k] = 1;
    } else {
      KeyDowns[k] = 0;
    }
  }
}

void InputQueueChar(int ch) {
  // A full ring drops the newest character rather than overwriting unread ones.
  if (CharQueueWrite - CharQueueRead >= 256) return;
  CharQueue[CharQueueWrite % 256] = ch;
  ++CharQueueWrite;
}
