#include "platform/Wallpaper.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "platform/Files.h"

extern char** environ;

int RunProgram(const std::vector<std::string>& argv, std::string* output) {
  if (argv.empty()) return -1;
  std::vector<char*> args;
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  int pipeFds[2] = {-1, -1};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  int devNull = open("/dev/null", O_RDWR | O_CLOEXEC);
  if (output) {
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
      posix_spawn_file_actions_destroy(&actions);
      if (devNull >= 0) close(devNull);
      return -1;
    }
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
  } else if (devNull >= 0) {
    posix_spawn_file_actions_adddup2(&actions, devNull, 1);
  }
  if (devNull >= 0) {
    posix_spawn_file_actions_adddup2(&actions, devNull, 0);
    posix_spawn_file_actions_adddup2(&actions, devNull, 2);
  }
  pid_t pid;
  int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (devNull >= 0) close(devNull);
  if (output) {
    close(pipeFds[1]);
    if (rc == 0) {
      char buffer[4096];
      ssize_t n;
      while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR))
        if (n > 0) output->append(buffer, size_t(n));
    }
    close(pipeFds[0]);
  }
  if (rc != 0) return -1;
  int status = 0;
  while (waitpid(pid, &status, 0) < 0)
    if (errno != EINTR) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

namespace {
bool TryGnome(const std::string& path) {
  std::string schemas;
  if (RunProgram({"gsettings", "list-schemas"}, &schemas) != 0) return false;
  if (schemas.find("org.gnome.desktop.background") == std::string::npos) return false;
  std::string uri = "file://" + path;
  bool ok = RunProgram({"gsettings", "set", "org.gnome.desktop.background", "picture-uri", uri}) == 0;
  // Newer GNOME keeps a second picture for the dark style; older ones have no such key.
  RunProgram({"gsettings", "set", "org.gnome.desktop.background", "picture-uri-dark", uri});
  // Without a settings daemon gsettings writes to memory and still says yes; only a value
  // that reads back from a fresh process was really stored.
  std::string stored;
  ok = ok && RunProgram({"gsettings", "get", "org.gnome.desktop.background", "picture-uri"}, &stored) == 0 &&
       stored.find(uri) != std::string::npos;
  return ok;
}

bool TryXfce(const std::string& path) {
  std::string properties;
  if (RunProgram({"xfconf-query", "-c", "xfce4-desktop", "-l"}, &properties) != 0) return false;
  bool ok = false;
  std::istringstream lines(properties);
  for (std::string property; std::getline(lines, property);) {
    const std::string suffix = "/last-image";
    if (property.size() > suffix.size() && property.compare(property.size() - suffix.size(), suffix.size(), suffix) == 0)
      ok = RunProgram({"xfconf-query", "-c", "xfce4-desktop", "-p", property, "-s", path}) == 0 || ok;
  }
  return ok;
}

// Reads the 24-bit bottom-up BMP the game writes; nothing else is needed here.
bool ReadBitmap24(const std::string& path, int& w, int& h, std::vector<uint32_t>& xrgb) {
  std::string b;
  if (!ReadWholeFile(path, b) || b.size() < 54 || b[0] != 'B' || b[1] != 'M') return false;
  auto u32 = [&](size_t o) {
    return uint32_t(uint8_t(b[o])) | uint32_t(uint8_t(b[o + 1])) << 8 | uint32_t(uint8_t(b[o + 2])) << 16 |
           uint32_t(uint8_t(b[o + 3])) << 24;
  };
  uint32_t offset = u32(10);
  int32_t width = int32_t(u32(18)), height = int32_t(u32(22));
  if (width <= 0 || height <= 0 || width > 16384 || height > 16384) return false;
  if (uint8_t(b[28]) != 24) return false;
  size_t rowBytes = (size_t(width) * 3 + 3) & ~size_t(3);
  if (offset > b.size() || b.size() - offset < rowBytes * size_t(height)) return false;
  w = width;
  h = height;
  xrgb.assign(size_t(w) * size_t(h), 0);
  for (int y = 0; y < h; ++y) {
    const char* row = b.data() + offset + rowBytes * size_t(h - 1 - y);
    for (int x = 0; x < w; ++x) {
      const uint8_t* p = reinterpret_cast<const uint8_t*>(row + x * 3);
      xrgb[size_t(y) * size_t(w) + size_t(x)] = uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
    }
  }
  return true;
}

// Plain X: the picture becomes the root window's background pixmap, announced through
// _XROOTPMAP_ID for programs that draw see-through windows. Xlib is opened at run time so
// the game does not depend on it elsewhere. Lasts until the X session ends.
bool TryXRoot(const std::string& path) {
  int w = 0, h = 0;
  std::vector<uint32_t> pixels;
  if (!ReadBitmap24(path, w, h, pixels)) return false;
  void* lib = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
  if (!lib) return false;
#define TV_X(name) auto p##name = reinterpret_cast<decltype(&name)>(dlsym(lib, #name))
  TV_X(XOpenDisplay);
  TV_X(XCloseDisplay);
  TV_X(XDefaultScreen);
  TV_X(XRootWindow);
  TV_X(XDefaultDepth);
  TV_X(XDefaultVisual);
  TV_X(XDefaultGC);
  TV_X(XCreatePixmap);
  TV_X(XCreateImage);
  TV_X(XPutImage);
  TV_X(XSetWindowBackgroundPixmap);
  TV_X(XClearWindow);
  TV_X(XInternAtom);
  TV_X(XChangeProperty);
  TV_X(XSetCloseDownMode);
  TV_X(XFree);
#undef TV_X
  bool ok = false;
  if (pXOpenDisplay && pXCloseDisplay && pXDefaultScreen && pXRootWindow && pXDefaultDepth && pXDefaultVisual &&
      pXDefaultGC && pXCreatePixmap && pXCreateImage && pXPutImage && pXSetWindowBackgroundPixmap && pXClearWindow &&
      pXInternAtom && pXChangeProperty && pXSetCloseDownMode && pXFree) {
    if (Display* dpy = pXOpenDisplay(nullptr)) {
      int screen = pXDefaultScreen(dpy);
      int depth = pXDefaultDepth(dpy, screen);
      if (depth == 24 || depth == 32) {
        Window root = pXRootWindow(dpy, screen);
        Pixmap pixmap = pXCreatePixmap(dpy, root, unsigned(w), unsigned(h), unsigned(depth));
        XImage* image = pXCreateImage(dpy, pXDefaultVisual(dpy, screen), unsigned(depth), ZPixmap, 0,
                                      reinterpret_cast<char*>(pixels.data()), unsigned(w), unsigned(h), 32, 0);
        if (image) {
          pXPutImage(dpy, pixmap, pXDefaultGC(dpy, screen), image, 0, 0, 0, 0, unsigned(w), unsigned(h));
          image->data = nullptr;  // the pixels belong to the vector
          pXFree(image);
          pXSetWindowBackgroundPixmap(dpy, root, pixmap);
          pXClearWindow(dpy, root);
          for (const char* name : {"_XROOTPMAP_ID", "ESETROOT_PMAP_ID"}) {
            Atom atom = pXInternAtom(dpy, name, False);
            pXChangeProperty(dpy, root, atom, XA_PIXMAP, 32, PropModeReplace,
                             reinterpret_cast<unsigned char*>(&pixmap), 1);
          }
          // Keep the pixmap after this connection closes.
          pXSetCloseDownMode(dpy, RetainPermanent);
          ok = true;
        }
      }
      pXCloseDisplay(dpy);
    }
  }
  dlclose(lib);
  return ok;
}
}  // namespace

bool SetDesktopWallpaper(const std::string& path) {
  if (path.empty() || path[0] != '/') return false;
  return TryGnome(path) || TryXfce(path) || TryXRoot(path);
}
