#include "platform/Window.h"

#include <SDL.h>
#include <X11/Xlib.h>
#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {
SDL_Window* window = nullptr;
SDL_GLContext context = nullptr;
int contextSeq = 0;
std::string lastError;
void (*displayLost)() = nullptr;

// Xlib's own handler ends the process with code 1 and nothing saved. Xlib ends the
// process itself should this return, so it never does.
int OnDisplayLost(Display*) {
  if (displayLost) displayLost();
  std::fflush(nullptr);
  _exit(0);
}

// The handler belongs to the Xlib SDL loaded at run time, reached the same way.
void InstallDisplayLostHandler() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!displayLost || !driver || std::strcmp(driver, "x11") != 0) return;
  void* lib = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
  if (!lib) return;
  auto set = reinterpret_cast<decltype(&XSetIOErrorHandler)>(dlsym(lib, "XSetIOErrorHandler"));
  if (set) set(OnDisplayLost);
}
}  // namespace

void PlatformSetDisplayLostHandler(void (*handler)()) {
  displayLost = handler;
  if (SDL_WasInit(SDL_INIT_VIDEO)) InstallDisplayLostHandler();
}

bool PlatformVideoInit() {
  if (SDL_WasInit(SDL_INIT_VIDEO)) return true;
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    lastError = SDL_GetError();
    return false;
  }
  // Without a display SDL falls back to drivers that show nothing; a game nobody can
  // see must not run (it would hold the one-copy lock), so these count as no display.
  if (!PlatformVideoDriverShows(SDL_GetCurrentVideoDriver())) {
    lastError = std::string("no display (video driver ") + SDL_GetCurrentVideoDriver() + ")";
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return false;
  }
  InstallDisplayLostHandler();
  return true;
}

bool PlatformVideoDriverShows(const char* name) {
  if (!name) return false;
  const std::string driver = name;
  return driver != "offscreen" && driver != "dummy";
}

std::vector<TDisplayMode> PlatformDisplayModes() {
  std::vector<TDisplayMode> modes;
  if (!PlatformVideoInit()) return modes;
  int count = SDL_GetNumDisplayModes(0);
  for (int i = 0; i < count; ++i) {
    SDL_DisplayMode m;
    if (SDL_GetDisplayMode(0, i, &m) == 0)
      modes.push_back({m.w, m.h, int(SDL_BITSPERPIXEL(m.format)), m.refresh_rate});
  }
  return modes;
}

bool PlatformDesktopMode(TDisplayMode& mode) {
  if (!PlatformVideoInit()) return false;
  SDL_DisplayMode m;
  if (SDL_GetDesktopDisplayMode(0, &m) != 0) return false;
  mode = {m.w, m.h, int(SDL_BITSPERPIXEL(m.format)), m.refresh_rate};
  return true;
}

bool PlatformUsableDesktop(int& width, int& height) {
  SDL_Rect r;
  if (!PlatformVideoInit() || SDL_GetDisplayUsableBounds(0, &r) != 0 || r.w <= 0 || r.h <= 0) return false;
  width = r.w;
  height = r.h;
  return true;
}

namespace {
// Puts the open window into the requested mode. Full screen is the desktop's own mode:
// a real mode change would rearrange the desktop and leave scaling to the monitor.
bool ApplyWindowMode(const TWindowRequest& request) {
  if (request.fullScreen) {
    // Without a window manager to honour the full-screen state the window is only marked
    // full screen, and keeps its size and place: it is put over the monitor first.
    SDL_Rect r;
    if ((SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) != SDL_WINDOW_FULLSCREEN_DESKTOP &&
        SDL_GetDisplayBounds(0, &r) == 0) {
      SDL_SetWindowPosition(window, r.x, r.y);
      SDL_SetWindowSize(window, r.w, r.h);
    }
    if (SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
      lastError = SDL_GetError();
      return false;
    }
    return true;
  }
  if ((SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0 && SDL_SetWindowFullscreen(window, 0) != 0) {
    lastError = SDL_GetError();
    return false;
  }
  SDL_SetWindowBordered(window, request.borderless ? SDL_FALSE : SDL_TRUE);
  SDL_SetWindowResizable(window, request.borderless ? SDL_FALSE : SDL_TRUE);
  SDL_SetWindowSize(window, request.width, request.height);
  if (request.borderless) {
    SDL_Rect r{0, 0, 0, 0};
    SDL_GetDisplayBounds(0, &r);
    SDL_SetWindowPosition(window, r.x, r.y);
  } else {
    SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  }
  return true;
}
}  // namespace

bool PlatformOpenWindow(const TWindowRequest& request) {
  PlatformCloseWindow();
  if (!PlatformVideoInit()) return false;
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 0);

  // The drawable may have more pixels than the window on a high-density screen; the
  // picture is drawn at the drawable's resolution.
  Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_ALLOW_HIGHDPI;
  if (request.hidden) flags |= SDL_WINDOW_HIDDEN;
  if (request.fullScreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  else if (request.borderless) flags |= SDL_WINDOW_BORDERLESS;
  else flags |= SDL_WINDOW_RESIZABLE;
  int x = SDL_WINDOWPOS_CENTERED, y = SDL_WINDOWPOS_CENTERED;
  SDL_Rect bounds;
  if (request.borderless && !request.fullScreen && SDL_GetDisplayBounds(0, &bounds) == 0) x = bounds.x, y = bounds.y;
  window = SDL_CreateWindow(request.title.c_str(), x, y, request.width, request.height, flags);
  if (!window) {
    lastError = SDL_GetError();
    return false;
  }
  context = SDL_GL_CreateContext(window);
  if (!context) {
    lastError = SDL_GetError();
    SDL_DestroyWindow(window);
    window = nullptr;
    return false;
  }
  SDL_GL_MakeCurrent(window, context);
  ++contextSeq;
  if (!request.hidden) SDL_RaiseWindow(window);
  return true;
}

void PlatformCloseWindow() {
  if (context) SDL_GL_DeleteContext(context);
  if (window) SDL_DestroyWindow(window);
  context = nullptr;
  window = nullptr;
}

bool PlatformHasWindow() { return window != nullptr; }
std::string PlatformLastError() { return lastError; }
int PlatformContextSeq() { return contextSeq; }

void PlatformSwap() {
  if (window) SDL_GL_SwapWindow(window);
}

bool PlatformSetSwapInterval(int interval) { return window && SDL_GL_SetSwapInterval(interval) == 0; }

void PlatformDrawableSize(int& width, int& height) {
  width = height = 0;
  if (window) SDL_GL_GetDrawableSize(window, &width, &height);
}

void PlatformWindowSize(int& width, int& height) {
  width = height = 0;
  if (window) SDL_GetWindowSize(window, &width, &height);
}

bool PlatformSetWindowMode(const TWindowRequest& request) {
  if (!window) {
    lastError = "no window";
    return false;
  }
  return ApplyWindowMode(request);
}

void PlatformWindowPosition(int& x, int& y) {
  x = y = 0;
  if (window) SDL_GetWindowPosition(window, &x, &y);
}

void PlatformFramePosition(int& x, int& y) {
  PlatformWindowPosition(x, y);
  int top = 0, left = 0, bottom = 0, right = 0;
  PlatformBorderSizes(top, left, bottom, right);
  x -= left;
  y -= top;
}

void PlatformBorderSizes(int& top, int& left, int& bottom, int& right) {
  top = left = bottom = right = 0;
  if (window) SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right);
}

bool PlatformWindowHasFocus() { return window && (SDL_GetWindowFlags(window) & SDL_WINDOW_INPUT_FOCUS); }

bool PlatformWindowMinimised() { return window && (SDL_GetWindowFlags(window) & SDL_WINDOW_MINIMIZED); }

void PlatformRaiseWindow() {
  if (window) SDL_RaiseWindow(window);
}

void PlatformMinimiseWindow() {
  if (window) SDL_MinimizeWindow(window);
}

void PlatformSetWindowIcon(const unsigned char* rgba, int width, int height) {
  if (!window) return;
  SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<unsigned char*>(rgba), width, height, 32,
                                                         width * 4, SDL_PIXELFORMAT_RGBA32);
  if (!icon) return;
  SDL_SetWindowIcon(window, icon);
  SDL_FreeSurface(icon);
}

void PlatformShowCursor(bool show) { SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE); }

void PlatformWarpMouse(int x, int y) {
  if (window) SDL_WarpMouseInWindow(window, x, y);
}

void PlatformSetWindowTitle(const std::string& title) {
  if (window) SDL_SetWindowTitle(window, title.c_str());
}

bool PlatformOpenGLAvailable() {
  if (!PlatformVideoInit()) return false;
  static int loaded = -1;
  if (loaded < 0) loaded = SDL_GL_LoadLibrary(nullptr) == 0 ? 1 : 0;
  return loaded == 1;
}

bool PlatformMouseInWindow(int& x, int& y) {
  x = y = 0;
  if (!window || SDL_GetMouseFocus() != window) return false;
  SDL_GetMouseState(&x, &y);
  return true;
}

void PlatformGlobalMouseState(int& x, int& y) {
  x = y = 0;
  if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_GetGlobalMouseState(&x, &y);
}
