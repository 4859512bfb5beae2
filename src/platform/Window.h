// The one game window and its OpenGL context, on SDL2. The drawing back end
// opens, replaces and presents it; nothing else in the game touches SDL windows.
#pragma once
#include <string>
#include <vector>

struct TDisplayMode {
  int width = 0;
  int height = 0;
  int depth = 0;   // bits per pixel
  int hertz = 0;   // 0 when the system does not know
};

struct TWindowRequest {
  std::string title;
  int width = 800;   // a window's size in window pixels; full screen takes the desktop's
  int height = 600;
  bool fullScreen = false;  // the whole monitor at its own mode: no mode change
  bool borderless = false;  // a frameless window at the desktop's top left corner
  int depth = 32;
  int hertz = 60;
  bool hidden = false;  // tests draw into a window nobody sees
};

// Starts SDL's video system once; false when no display can be reached, which
// includes SDL's stand-in drivers that draw nowhere.
bool PlatformVideoInit();
// Whether an SDL video driver of this name puts a picture on a real display.
bool PlatformVideoDriverShows(const char* name);
// Runs handler when the connection to the X display is lost (the server ended, the link
// broke), then ends the process with code 0. The handler may write files but must not
// draw or show anything in the window. Takes effect once the video system runs on X;
// without X it is kept and does nothing.
void PlatformSetDisplayLostHandler(void (*handler)());
// The full-screen modes of the first display, as the system lists them.
std::vector<TDisplayMode> PlatformDisplayModes();
bool PlatformDesktopMode(TDisplayMode& mode);
// The desktop less the task bars and docks the window manager keeps free; false when
// the system cannot tell.
bool PlatformUsableDesktop(int& width, int& height);

// Opens the window with a fresh GL context, replacing any open one. False on failure,
// with PlatformLastError() saying why.
bool PlatformOpenWindow(const TWindowRequest& request);
void PlatformCloseWindow();
bool PlatformHasWindow();
std::string PlatformLastError();
// Counts GL contexts made so far; a frame uploaded under another number must be uploaded again.
int PlatformContextSeq();
// Presents the back buffer.
void PlatformSwap();
// Sets vertical sync; false when the driver cannot (then the caller paces frames itself).
bool PlatformSetSwapInterval(int interval);
void PlatformDrawableSize(int& width, int& height);
// The window's size in window pixels (pointer positions are in these); a high-density
// drawable has more pixels than this.
void PlatformWindowSize(int& width, int& height);
// Switches the open window between full screen at the desktop's mode, a frameless
// window and a framed window of width x height, keeping its GL context; false on
// failure, with PlatformLastError() saying why.
bool PlatformSetWindowMode(const TWindowRequest& request);
// Client-area origin on the desktop, and the outer frame's origin (client less borders).
void PlatformWindowPosition(int& x, int& y);
void PlatformFramePosition(int& x, int& y);
void PlatformBorderSizes(int& top, int& left, int& bottom, int& right);
bool PlatformWindowHasFocus();
bool PlatformWindowMinimised();
void PlatformRaiseWindow();
void PlatformMinimiseWindow();
// Sets the window's icon from RGBA pixels, rows top to bottom.
void PlatformSetWindowIcon(const unsigned char* rgba, int width, int height);
void PlatformShowCursor(bool show);
void PlatformWarpMouse(int x, int y);
// Sets the title of the open window.
void PlatformSetWindowTitle(const std::string& title);
// Whether an OpenGL library can be loaded for windows at all.
bool PlatformOpenGLAvailable();
// Pointer position on the desktop, for when no events flow.
void PlatformGlobalMouseState(int& x, int& y);
// The pointer over the game's window, in window coordinates, as its motion events
// left it; false when the pointer is elsewhere.
bool PlatformMouseInWindow(int& x, int& y);
