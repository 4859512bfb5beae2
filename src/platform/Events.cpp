#include "platform/Events.h"

#include <SDL.h>

#include "platform/PadInput.h"

#include <cstring>

int VirtualKeyFromSdl(int32_t k, int& side) {
  side = 0;
  if (k >= SDLK_a && k <= SDLK_z) return 'A' + (k - SDLK_a);
  if (k >= SDLK_0 && k <= SDLK_9) return '0' + (k - SDLK_0);
  if (k >= SDLK_F1 && k <= SDLK_F12) return 112 + (k - SDLK_F1);
  if (k >= SDLK_KP_1 && k <= SDLK_KP_9) return 97 + (k - SDLK_KP_1);
  switch (k) {
    case SDLK_RETURN: case SDLK_KP_ENTER: return 13;
    case SDLK_ESCAPE: return 27;
    case SDLK_SPACE: return 32;
    case SDLK_BACKSPACE: return 8;
    case SDLK_TAB: return 9;
    case SDLK_DELETE: return 46;
    case SDLK_INSERT: return 45;
    case SDLK_HOME: return 36;
    case SDLK_END: return 35;
    case SDLK_PAGEUP: return 33;
    case SDLK_PAGEDOWN: return 34;
    case SDLK_LEFT: return 37;
    case SDLK_UP: return 38;
    case SDLK_RIGHT: return 39;
    case SDLK_DOWN: return 40;
    case SDLK_LSHIFT: side = 160; return 16;
    case SDLK_RSHIFT: side = 161; return 16;
    case SDLK_LCTRL: side = 162; return 17;
    case SDLK_RCTRL: side = 163; return 17;
    case SDLK_LALT: side = 164; return 18;
    case SDLK_RALT: case SDLK_MODE: side = 165; return 18;
    case SDLK_LGUI: return 91;
    case SDLK_RGUI: return 92;
    case SDLK_APPLICATION: return 93;
    case SDLK_PAUSE: return 19;
    case SDLK_CAPSLOCK: return 20;
    case SDLK_PRINTSCREEN: return 44;
    case SDLK_NUMLOCKCLEAR: return 144;
    case SDLK_SCROLLLOCK: return 145;
    case SDLK_KP_0: return 96;
    case SDLK_KP_MULTIPLY: return 106;
    case SDLK_KP_PLUS: return 107;
    case SDLK_KP_MINUS: return 109;
    case SDLK_KP_PERIOD: return 110;
    case SDLK_KP_DIVIDE: return 111;
    case SDLK_SEMICOLON: return 186;
    case SDLK_EQUALS: return 187;
    case SDLK_COMMA: return 188;
    case SDLK_MINUS: return 189;
    case SDLK_PERIOD: return 190;
    case SDLK_SLASH: return 191;
    case SDLK_BACKQUOTE: return 192;
    case SDLK_LEFTBRACKET: return 219;
    case SDLK_BACKSLASH: return 220;
    case SDLK_RIGHTBRACKET: return 221;
    case SDLK_QUOTE: return 222;
    default: return 0;
  }
}

namespace {
// The characters of codes 0x80-0x9F; 0 where the code page leaves a code unused.
const uint16_t cp1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                 0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
}  // namespace

int Cp1252FromUnicode(uint32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return int(c);
  for (int i = 0; i < 32; ++i)
    if (cp1252High[i] != 0 && cp1252High[i] == c) return 0x80 + i;
  return -1;
}

uint32_t UnicodeFromCp1252(uint8_t code) {
  if (code < 0x80 || code >= 0xA0) return code;
  uint16_t c = cp1252High[code - 0x80];
  return c != 0 ? c : code;
}

namespace {
// Reads the code point starting at s into c and moves s past the bytes it used;
// length is their count. False for a byte that starts no character or a sequence
// cut short or broken, with s past the lead byte and the continuation bytes read.
// Over-long forms are read as they stand: the callers differ on them.
bool ReadUtf8(const unsigned char*& s, const unsigned char* end, uint32_t& c, int& length) {
  int extra;
  if (*s < 0x80) c = *s, extra = 0;
  else if ((*s & 0xE0) == 0xC0) c = *s & 0x1F, extra = 1;
  else if ((*s & 0xF0) == 0xE0) c = *s & 0x0F, extra = 2;
  else if ((*s & 0xF8) == 0xF0) c = *s & 0x07, extra = 3;
  else {
    ++s;
    return false;
  }
  ++s;
  for (int i = 0; i < extra; ++i, ++s) {
    if (s == end || (*s & 0xC0) != 0x80) return false;
    c = (c << 6) | (*s & 0x3F);
  }
  length = extra + 1;
  return true;
}
}  // namespace

std::string Utf8FromCp1252(const std::string& text) {
  std::string out;
  for (char ch : text) {
    uint32_t c = UnicodeFromCp1252(uint8_t(ch));
    // The five unused codes come back as C1 controls: they have no character to write.
    if (c >= 0x80 && c < 0xA0) continue;
    if (c < 0x80) {
      out.push_back(char(c));
    } else if (c < 0x800) {
      out.push_back(char(0xC0 | (c >> 6)));
      out.push_back(char(0x80 | (c & 0x3F)));
    } else {
      out.push_back(char(0xE0 | (c >> 12)));
      out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(char(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

bool Cp1252FromUtf8(const std::string& utf8, std::string& out) {
  out.clear();
  const auto* s = reinterpret_cast<const unsigned char*>(utf8.data());
  const auto* end = s + utf8.size();
  while (s < end) {
    uint32_t c;
    int length;
    if (!ReadUtf8(s, end, c, length)) return false;
    // Over-long forms would give a second spelling of the same name.
    static const uint32_t kLeast[4] = {0, 0x80, 0x800, 0x10000};
    if (c < kLeast[length - 1]) return false;
    const int ch = Cp1252FromUnicode(c);
    if (ch < 0 || (ch >= 0x80 && ch < 0xA0 && UnicodeFromCp1252(uint8_t(ch)) == uint32_t(ch))) return false;
    out.push_back(char(ch));
  }
  return true;
}

namespace {
// Typed text arrives as UTF-8; every code point becomes one queued character.
int pendingChars[64];
int pendingCount = 0, pendingRead = 0;

void QueueText(const char* utf8) {
  pendingCount = pendingRead = 0;
  const unsigned char* s = reinterpret_cast<const unsigned char*>(utf8);
  const unsigned char* end = s + std::strlen(utf8);
  while (s < end && pendingCount < 64) {
    uint32_t c;
    int length;
    if (!ReadUtf8(s, end, c, length)) continue;
    int ch = Cp1252FromUnicode(c);
    if (ch >= 32) pendingChars[pendingCount++] = ch;
  }
}

bool Translate(const SDL_Event& e, TPlatformEvent& out) {
  out = TPlatformEvent{};
  switch (e.type) {
    case SDL_QUIT: out.type = TEventType::Quit; return true;
    case SDL_WINDOWEVENT:
      switch (e.window.event) {
        case SDL_WINDOWEVENT_CLOSE: out.type = TEventType::WindowClose; return true;
        case SDL_WINDOWEVENT_FOCUS_LOST: out.type = TEventType::FocusLost; return true;
        case SDL_WINDOWEVENT_FOCUS_GAINED: out.type = TEventType::FocusGained; return true;
        default: return false;
      }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      int side = 0;
      int vk = VirtualKeyFromSdl(e.key.keysym.sym, side);
      if (vk == 0) return false;
      out.type = e.type == SDL_KEYDOWN ? TEventType::KeyDown : TEventType::KeyUp;
      out.key = vk;
      out.key2 = side;
      out.repeat = e.key.repeat != 0;
      return true;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      int b = e.button.button == SDL_BUTTON_LEFT ? 1 : e.button.button == SDL_BUTTON_RIGHT ? 2
            : e.button.button == SDL_BUTTON_MIDDLE ? 3 : 0;
      if (b == 0) return false;
      out.type = e.type == SDL_MOUSEBUTTONDOWN ? TEventType::MouseDown : TEventType::MouseUp;
      out.button = b;
      out.x = e.button.x;
      out.y = e.button.y;
      return true;
    }
    case SDL_MOUSEMOTION:
      out.type = TEventType::MouseMove;
      out.x = e.motion.x;
      out.y = e.motion.y;
      return true;
    case SDL_MOUSEWHEEL:
      out.type = TEventType::MouseWheel;
      out.wheel = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
      return true;
    default: return false;
  }
}
}  // namespace

bool PlatformPollEvent(TPlatformEvent& event) {
  if (!SDL_WasInit(SDL_INIT_EVENTS)) return false;
  PadInputPump();
  if (pendingRead < pendingCount) {
    event = TPlatformEvent{};
    event.type = TEventType::Char;
    event.ch = pendingChars[pendingRead++];
    return true;
  }
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
    if (e.type == SDL_TEXTINPUT) {
      QueueText(e.text.text);
      if (pendingRead < pendingCount) {
        event = TPlatformEvent{};
        event.type = TEventType::Char;
        event.ch = pendingChars[pendingRead++];
        return true;
      }
      continue;
    }
    if (Translate(e, event) || PadInputTranslate(e, event)) return true;
  }
  return false;
}

void PlatformDropInputEvents() {
  if (!SDL_WasInit(SDL_INIT_EVENTS)) return;
  SDL_PumpEvents();
  SDL_FlushEvents(SDL_KEYDOWN, SDL_TEXTINPUT);
  SDL_FlushEvent(SDL_MOUSEBUTTONDOWN);
  SDL_FlushEvent(SDL_MOUSEBUTTONUP);
  pendingCount = pendingRead = 0;
}

bool PlatformMouseState(int& x, int& y, int* buttons) {
  x = y = 0;
  if (buttons) *buttons = 0;
  if (!SDL_WasInit(SDL_INIT_VIDEO)) return false;
  Uint32 held = SDL_GetMouseState(&x, &y);
  if (buttons) {
    if (held & SDL_BUTTON(SDL_BUTTON_LEFT)) *buttons |= 1;
    if (held & SDL_BUTTON(SDL_BUTTON_RIGHT)) *buttons |= 2;
    if (held & SDL_BUTTON(SDL_BUTTON_MIDDLE)) *buttons |= 4;
  }
  return true;
}

void PlatformWaitForEvent(int ms) {
  if (!SDL_WasInit(SDL_INIT_EVENTS) || ms <= 0) return;
  // Typed text already split into characters is an event waiting too.
  if (pendingRead < pendingCount) return;
  SDL_WaitEventTimeout(nullptr, ms);
}
