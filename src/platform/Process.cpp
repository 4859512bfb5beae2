#include "platform/Process.h"

#include <SDL.h>
#include <fcntl.h>
#include <sys/file.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "platform/Window.h"

namespace {
// Fallback when abstract sockets are unavailable: an flock on a per-user file.
bool FileLock(const std::string& name) {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  std::string path = runtime && *runtime ? std::string(runtime) + "/" + name + ".lock"
                                         : "/tmp/" + name + "-" + std::to_string(getuid()) + ".lock";
  int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return true;  // cannot tell: let this copy run rather than refuse to start
  return flock(fd, LOCK_EX | LOCK_NB) == 0;
}
}  // namespace

bool AcquireInstanceLock(const std::string& name) {
  // The kernel frees an abstract socket name when its owner dies, even on SIGKILL,
  // so the lock can never go stale. Close-on-exec keeps it out of spawned helpers.
  int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return FileLock(name);
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  size_t len = std::min(name.size(), sizeof(addr.sun_path) - 1);
  std::memcpy(addr.sun_path + 1, name.data(), len);
  socklen_t addrLen = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + len);
  if (bind(fd, reinterpret_cast<sockaddr*>(&addr), addrLen) == 0) return true;
  int err = errno;
  close(fd);
  if (err == EADDRINUSE) return false;
  return FileLock(name);
}

std::string ProgramPath() {
  std::error_code ec;
  auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : p.string();
}

std::string DataFolderFor(const std::string& programPath) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path dir = fs::path(programPath).parent_path();
  // In the build tree the data sits beside the program. Installed into a prefix, the
  // program is <prefix>/bin/tinselvale and its data <prefix>/share/tinselvale; the
  // Debian package keeps games apart: /usr/games/tinselvale, /usr/share/games/tinselvale.
  if (fs::is_directory(dir / "Data", ec)) return dir.string();
  const fs::path share = dir.parent_path() / "share";
  for (const fs::path& installed : {share / "tinselvale", share / "games" / "tinselvale"})
    if (fs::is_directory(installed / "Data", ec)) return installed.string();
  return dir.string();
}

void ChangeToProgramFolder() {
  auto path = ProgramPath();
  if (path.empty()) return;
  std::error_code ec;
  std::filesystem::current_path(DataFolderFor(path), ec);
}

bool RunInChildProcess(const std::function<int()>& body, int& exitCode) {
  exitCode = -1;
  // The signals stay blocked while we wait and are taken with sigwaitinfo, so no
  // handler runs at an awkward moment and none can be missed between two checks.
  sigset_t watched, previous;
  sigemptyset(&watched);
  for (int sig : {SIGTERM, SIGINT, SIGHUP, SIGCHLD}) sigaddset(&watched, sig);
  pthread_sigmask(SIG_BLOCK, &watched, &previous);
  // An ignored SIGCHLD would reap the child behind our back.
  struct sigaction child {}, savedChild {};
  child.sa_handler = SIG_DFL;
  sigemptyset(&child.sa_mask);
  sigaction(SIGCHLD, &child, &savedChild);

  bool ended = false;
  const pid_t pid = fork();
  if (pid == 0) {
    // A group of its own, so that whatever it starts in turn goes with it.
    setpgid(0, 0);
    // The child dies of a request to end like any program, whatever the parent installed.
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) signal(sig, SIG_DFL);
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    _exit(body());
  }
  if (pid < 0) {
    exitCode = body();
  } else {
    setpgid(pid, pid);
    for (;;) {
      int status = 0;
      pid_t done = waitpid(pid, &status, WNOHANG);
      if (done == pid || (done < 0 && errno != EINTR)) {
        if (done == pid && WIFEXITED(status)) exitCode = WEXITSTATUS(status);
        break;
      }
      siginfo_t info;
      const int sig = sigwaitinfo(&watched, &info);
      if (sig == SIGTERM || sig == SIGINT || sig == SIGHUP) {
        ended = true;
        kill(-pid, SIGKILL);
        kill(pid, SIGKILL);
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        break;
      }
    }
  }
  sigaction(SIGCHLD, &savedChild, nullptr);
  pthread_sigmask(SIG_SETMASK, &previous, nullptr);
  return !ended;
}

bool SystemMessageBox(const std::string& title, const std::string& text) {
  // The box runs in a child of its own: the window system's box blocks in a loop of
  // its own where a request to end would otherwise go unheard.
  int code = -1;
  auto show = [&] {
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, title.c_str(), text.c_str(), nullptr) == 0) return 0;
    std::fprintf(stderr, "No message box: %s\n", SDL_GetError());
    return 1;
  };
  if (!RunInChildProcess(show, code)) return false;
  if (code != 0) std::fprintf(stderr, "%s\n", text.c_str());
  return true;
}

int ThreadNiceValue(int threadPriority) {
  // Clamped before it is negated: the most negative int has no positive counterpart.
  return -std::clamp(threadPriority, -19, 20);
}

void EndProcess() {
  std::fflush(stdout);
  std::fflush(stderr);
  std::_Exit(0);
}

void SetProcessPriority(int processClass, int threadPriority) {
  static int lastNice = 0, lastThread = 0;
  int nice = processClass == 1 ? -5 : processClass == 2 ? -10 : 0;
  if (nice != lastNice) {
    setpriority(PRIO_PROCESS, 0, nice);
    lastNice = nice;
  }
  // Settings values reach the system clamped to what it accepts.
  int threadNice = ThreadNiceValue(threadPriority);
  if (threadNice != lastThread) {
    setpriority(PRIO_PROCESS, id_t(syscall(SYS_gettid)), threadNice);
    lastThread = threadNice;
  }
}

std::string OperatingSystemName() { return SDL_GetPlatform(); }

bool PlatformInit() {
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  // Events first: a request to end still arrives when the display turns out to be missing.
  if (!SDL_WasInit(SDL_INIT_EVENTS) && SDL_InitSubSystem(SDL_INIT_EVENTS) != 0) return false;
  return PlatformVideoInit();
}

void PlatformShutdown() { SDL_Quit(); }

double MillisecondsSinceExec() {
  std::ifstream stat("/proc/self/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  // The name in parentheses may hold spaces; fields are counted after its closing one.
  const std::size_t close = text.rfind(')');
  if (close == std::string::npos) return -1;
  std::istringstream fields(text.substr(close + 2));
  std::string field;
  unsigned long long startTicks = 0;
  for (int i = 3; i <= 22 && fields >> field; ++i)
    if (i == 22) startTicks = std::stoull(field);
  const long hz = sysconf(_SC_CLK_TCK);
  timespec now{};
  if (startTicks == 0 || hz <= 0 || clock_gettime(CLOCK_BOOTTIME, &now) != 0) return -1;
  const double nowMs = double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
  return nowMs - double(startTicks) * 1000.0 / double(hz);
}

