#include "core/Input.h"

#include <cstring>
#include <initializer_list>

#include "core/Game.h"
#include "core/Globals.h"
#include "platform/Events.h"

int KeyHits[256];
int KeyDowns[256];
int CharQueue[256];
int CharQueueRead = 0, CharQueueWrite = 0;

namespace {
bool ValidKey(int key) { return key >= 0 && key < 256; }

// The polled table: what the window system reported since polled mode began.
struct TPolledInput {
  int keyHits[256] = {};
  int keyDowns[256] = {};
  int chars[256] = {};
  int charRead = 0, charWrite = 0;
  int mouseHits[4] = {};
} polled;

void RecordQuit() {
  if (Game) Game->TerminatedEvent = 1;
}

TPointerInput* pointerInput = nullptr;
TPointerInput* Pointer() { return pointerInput; }

// Drains the window system into the polled table.
void Pump() {
  TPlatformEvent e;
  while (PlatformPollEvent(e)) {
    switch (e.type) {
      case TEventType::KeyDown:
        for (int k : {e.key, e.key2})
          if (k > 0 && k < 256) ++polled.keyHits[k], polled.keyDowns[k] = 1;
        if ((e.key == 8 || e.key == 13 || e.key == 27) && polled.charWrite - polled.charRead < 256)
          polled.chars[polled.charWrite++ % 256] = e.key;
        break;
      case TEventType::KeyUp:
        for (int k : {e.key, e.key2})
          if (k > 0 && k < 256) polled.keyDowns[k] = 0;
        break;
      case TEventType::Char:
        if (polled.charWrite - polled.charRead < 256) polled.chars[polled.charWrite++ % 256] = e.ch;
        break;
      case TEventType::MouseDown:
        if (e.button >= 1 && e.button <= 3) ++polled.mouseHits[e.button];
        break;
      case TEventType::MouseMove:
        if (TPointerInput* mouse = Pointer()) mouse->MoveTo(e.x, e.y);
        break;
      case TEventType::Quit:
      case TEventType::WindowClose: RecordQuit(); break;
      default: break;
    }
  }
}
}  // namespace

int InputKeyHit(int key) {
  if (PolledInputMode) {
    Pump();
    if (!ValidKey(key) || polled.keyHits[key] == 0) return 0;
    polled.keyHits[key] = 0;
    return 1;
  }
  if (!ValidKey(key) || KeyHits[key] == 0) return 0;
  KeyHits[key] = 0;
  return 1;
}

int InputKeyDown(int key) {
  if (PolledInputMode) {
    Pump();
    return ValidKey(key) ? polled.keyDowns[key] : 0;
  }
  return ValidKey(key) ? KeyDowns[key] : 0;
}

int InputGetChar() {
  if (PolledInputMode) {
    Pump();
    if (polled.charRead == polled.charWrite) return 0;
    return polled.chars[polled.charRead++ % 256];
  }
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
  if (!PolledInputMode) {
    TPointerInput* mouse = Pointer();
    return mouse ? mouse->TakeAnyPress() : 0;
  }
  Pump();
  int any = 0;
  for (int b = 1; b <= 3; ++b) {
    if (polled.mouseHits[b]) any = 1;
    polled.mouseHits[b] = 0;
  }
  return any;
}

int InputTakePolledMouseHits(int button) {
  if (!PolledInputMode || button < 1 || button > 3) return 0;
  Pump();
  int hits = polled.mouseHits[button];
  polled.mouseHits[button] = 0;
  return hits;
}

void InputFlushKeys() {
  if (PolledInputMode) {
    Pump();
    std::memset(polled.keyHits, 0, sizeof polled.keyHits);
    std::memset(polled.keyDowns, 0, sizeof polled.keyDowns);
    polled.charRead = polled.charWrite = 0;
    return;
  }
  std::memset(KeyHits, 0, sizeof KeyHits);
  std::memset(KeyDowns, 0, sizeof KeyDowns);
  CharQueueRead = CharQueueWrite = 0;
}

void InputFlushMouse() {
  if (PolledInputMode) {
    Pump();
    std::memset(polled.mouseHits, 0, sizeof polled.mouseHits);
    return;
  }
  if (TPointerInput* mouse = Pointer()) mouse->ClearButtons();
}

void InputPollingOn() {
  polled = TPolledInput{};
  PolledInputMode = 1;
}

void InputPump() {
  if (PolledInputMode) {
    Pump();
    return;
  }
  TPlatformEvent e;
  while (PlatformPollEvent(e))
    if (e.type == TEventType::Quit || e.type == TEventType::WindowClose) RecordQuit();
}

void InputPollingOff() {
  PolledInputMode = 0;
  // Nothing typed or clicked during the wait counts afterwards, but a request to end does.
  TPlatformEvent e;
  while (PlatformPollEvent(e))
    if (e.type == TEventType::Quit || e.type == TEventType::WindowClose) RecordQuit();
}

void InputFlush() {
  // Presses made while no logic ran (loading, a splash) are still queued in the
  // window system; drop them too, or they would count after the flush.
  if (!PolledInputMode) PlatformDropInputEvents();
  InputFlushKeys();
  InputFlushMouse();
  if (TPointerInput* mouse = Pointer()) {
    int x = 0, y = 0;
    if (PlatformMouseState(x, y)) mouse->MoveTo(x, y);
  }
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

void SetPointerInput(TPointerInput* pointer) { pointerInput = pointer; }
