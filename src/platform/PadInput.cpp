#include "platform/PadInput.h"

#include <SDL.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {
bool started = false;
std::vector<SDL_GameController*> pads;

// The stick counts as a direction past the first mark and lets go under the second,
// so a stick resting near the mark does not chatter.
constexpr int StickPress = 16000, StickRelease = 8000;
int stickX = 0, stickY = 0;  // -1, 0, 1 per axis, over every pad

// The test pad: a virtual controller whose buttons and axes follow lines read from a
// named pipe ("a 1", "dpup 0", "leftx -32768", "unplug", "plug").
int pipeFd = -1;
std::string pipeText;
int virtualIndex = -1;
SDL_Joystick* virtualStick = nullptr;

void AttachTestPad() {
  if (virtualIndex >= 0) return;
  virtualIndex = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                           SDL_CONTROLLER_BUTTON_MAX, 0);
}

// The test pad's own handle, opened at its first use: right after it is plugged in
// again, the index it was given may still name the one just pulled out.
SDL_Joystick* TestStick() {
  if (virtualStick || virtualIndex < 0) return virtualStick;
  for (int i = 0; i < SDL_NumJoysticks(); ++i)
    if (SDL_JoystickIsVirtual(i)) virtualStick = SDL_JoystickOpen(i);
  return virtualStick;
}

void DetachTestPad() {
  if (virtualIndex < 0) return;
  if (virtualStick) SDL_JoystickClose(virtualStick);
  virtualStick = nullptr;
  SDL_JoystickDetachVirtual(virtualIndex);
  virtualIndex = -1;
}

void OpenTestPipe() {
  const char* path = std::getenv("TV_TEST_PAD");
  if (!path || !*path) return;
  // Only a named pipe: the variable must not make the game read any file it names.
  struct stat st {};
  if (stat(path, &st) != 0 || !S_ISFIFO(st.st_mode)) return;
  pipeFd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (pipeFd >= 0) AttachTestPad();
}

void TestPadLine(const std::string& line) {
  char name[32] = {};
  int value = 0;
  if (line == "unplug") return DetachTestPad();
  if (line == "plug") return AttachTestPad();
  if (std::sscanf(line.c_str(), "%31s %d", name, &value) != 2 || !TestStick()) return;
  SDL_GameControllerButton button = SDL_GameControllerGetButtonFromString(name);
  if (button != SDL_CONTROLLER_BUTTON_INVALID) {
    SDL_JoystickSetVirtualButton(virtualStick, button, value ? SDL_PRESSED : SDL_RELEASED);
    return;
  }
  SDL_GameControllerAxis axis = SDL_GameControllerGetAxisFromString(name);
  if (axis != SDL_CONTROLLER_AXIS_INVALID)
    SDL_JoystickSetVirtualAxis(virtualStick, axis, Sint16(value < -32768 ? -32768 : value > 32767 ? 32767 : value));
}

void ReadTestPipe() {
  if (pipeFd < 0) return;
  char chunk[256];
  for (;;) {
    ssize_t n = read(pipeFd, chunk, sizeof chunk);
    if (n <= 0) break;
    pipeText.append(chunk, size_t(n));
  }
  // A runaway writer cannot make the game hold more than a few lines.
  if (pipeText.size() > 4096) pipeText.clear();
  // One line per look: the controller layer reads a virtual pad's state only when it
  // pumps its events, so a press and its release applied together would never be seen.
  const size_t end = pipeText.find('\n');
  if (end == std::string::npos) return;
  TestPadLine(pipeText.substr(0, end));
  pipeText.erase(0, end + 1);
}

bool ButtonOf(int sdlButton, TPadButton& out) {
  switch (sdlButton) {
    case SDL_CONTROLLER_BUTTON_A: out = TPadButton::A; return true;
    case SDL_CONTROLLER_BUTTON_B: out = TPadButton::B; return true;
    case SDL_CONTROLLER_BUTTON_X: out = TPadButton::X; return true;
    case SDL_CONTROLLER_BUTTON_Y: out = TPadButton::Y; return true;
    case SDL_CONTROLLER_BUTTON_BACK: out = TPadButton::Back; return true;
    case SDL_CONTROLLER_BUTTON_GUIDE: out = TPadButton::Guide; return true;
    case SDL_CONTROLLER_BUTTON_START: out = TPadButton::Start; return true;
    case SDL_CONTROLLER_BUTTON_DPAD_UP: out = TPadButton::Up; return true;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: out = TPadButton::Down; return true;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: out = TPadButton::Left; return true;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: out = TPadButton::Right; return true;
    default: return false;
  }
}

// The stick's new position on one axis as a direction press or release, if it changed.
bool StickStep(int& state, int value, TPadButton less, TPadButton more, TPlatformEvent& out) {
  int now = state;
  if (value <= -StickPress) now = -1;
  else if (value >= StickPress) now = 1;
  else if (value > -StickRelease && value < StickRelease) now = 0;
  if (now == state) return false;
  // Swinging straight across reports the release first; the press follows with the next motion.
  if (state != 0) {
    out.type = TEventType::PadUp;
    out.button = int(state < 0 ? less : more);
    state = 0;
    return true;
  }
  state = now;
  out.type = TEventType::PadDown;
  out.button = int(now < 0 ? less : more);
  return true;
}

bool IsOurs(SDL_JoystickID id) {
  for (SDL_GameController* pad : pads)
    if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad)) == id) return true;
  return false;
}
}  // namespace

void PadInputPump() {
  if (!started) {
    if (!SDL_WasInit(SDL_INIT_EVENTS)) return;
    started = true;
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return;
    OpenTestPipe();
  }
  ReadTestPipe();
}

bool PadInputTranslate(const SDL_Event& e, TPlatformEvent& out) {
  out = TPlatformEvent{};
  switch (e.type) {
    case SDL_CONTROLLERDEVICEADDED: {
      SDL_GameController* pad = SDL_GameControllerOpen(e.cdevice.which);
      if (!pad) return false;
      if (IsOurs(SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad)))) {
        SDL_GameControllerClose(pad);  // opening twice only adds a reference
        return false;
      }
      pads.push_back(pad);
      out.type = TEventType::PadAdded;
      return true;
    }
    case SDL_CONTROLLERDEVICEREMOVED:
      for (size_t i = 0; i < pads.size(); ++i) {
        if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pads[i])) != e.cdevice.which) continue;
        SDL_GameControllerClose(pads[i]);
        pads.erase(pads.begin() + long(i));
        stickX = stickY = 0;
        out.type = TEventType::PadRemoved;
        return true;
      }
      return false;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
      TPadButton b;
      if (!IsOurs(e.cbutton.which) || !ButtonOf(e.cbutton.button, b)) return false;
      out.type = e.type == SDL_CONTROLLERBUTTONDOWN ? TEventType::PadDown : TEventType::PadUp;
      out.button = int(b);
      return true;
    }
    case SDL_CONTROLLERAXISMOTION:
      if (!IsOurs(e.caxis.which)) return false;
      if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX)
        return StickStep(stickX, e.caxis.value, TPadButton::Left, TPadButton::Right, out);
      if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY)
        return StickStep(stickY, e.caxis.value, TPadButton::Up, TPadButton::Down, out);
      return false;
    default: return false;
  }
}

int PlatformPadCount() { return int(pads.size()); }
