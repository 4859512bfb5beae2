// The real game in a real window: the same start-up as the program, then the game
// screen driven through the main loop's own two calls while this program measures.
// Phases: the board at rest with the pointer still over it; a scripted heavy cascade
// (bonus pieces used at power 2 every 40 frames, the particles at the settings'
// amount); the game paused. Prints draw calls and vertices, the whole process's CPU per
// frame (every thread, the software rasteriser's included: what the player's machine pays)
// beside the main thread's, heap allocations and page faults per frame, and peak memory.
//
// It reads its data beside the program like the game and keeps its settings and
// profile in a temporary folder. Run under an X server with software GL, in a network
// namespace of its own so that a game running elsewhere does not hold the lock:
//   Xvfb :9 -screen 0 1280x1024x24 -nolisten tcp &
//   DISPLAY=:9 LIBGL_ALWAYS_SOFTWARE=1 ALSOFT_DRIVERS=null unshare -rn build/game_bench
// Options: --idle S --play S --pause S (seconds per phase), --warmup S, --seed N,
// --fixed-function (the back end without its blending shader), --keep-hint (leaves the
// first level's tutorial page open over the board, as runs before it was closed did).
#include <SDL.h>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <cctype>
#include <new>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/CommandLine.h"
#include "app/GameDisplay.h"
#include "app/Startup.h"
#include "core/Game.h"
#include "core/Globals.h"
#include "core/Settings.h"
#include "game/Board.h"
#include "game/Cell.h"
#include "game/GameGrid.h"
#include "game/GameScreen.h"
#include "game/GemList.h"
#include "game/HintScroll.h"
#include "game/NewGame.h"
#include "game/PlayerProgress.h"
#include "gfx/Draw.h"
#include "gfx/GLRenderDriver.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "screens/GameFade.h"
#include "screens/LoadingScreen.h"
#include "screens/ScreenRegistry.h"
#include "screens/ScreenSwitch.h"
#include "ui/MousePointer.h"

// ---- Counting every heap allocation of the process ----
// malloc is taken over for the whole process (the GL driver's allocations count too);
// operator new is counted apart, since it is what our own code allocates with.
// Configure with -DTV_BENCH_OWN_MALLOC=OFF to leave malloc alone for a heap profiler
// (the counts then read 0).
namespace {
std::atomic<uint64_t> mallocCalls{0};
std::atomic<uint64_t> newCalls{0};
}  // namespace

#ifndef TV_BENCH_NO_MALLOC_HOOK
extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void __libc_free(void*);
}

extern "C" void* malloc(size_t n) {
  mallocCalls.fetch_add(1, std::memory_order_relaxed);
  return __libc_malloc(n);
}
extern "C" void* calloc(size_t n, size_t size) {
  mallocCalls.fetch_add(1, std::memory_order_relaxed);
  return __libc_calloc(n, size);
}
extern "C" void* realloc(void* p, size_t n) {
  mallocCalls.fetch_add(1, std::memory_order_relaxed);
  return __libc_realloc(p, n);
}
extern "C" void free(void* p) { __libc_free(p); }

void* operator new(size_t n) {
  newCalls.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void* operator new[](size_t n) { return operator new(n); }
void* operator new(size_t n, const std::nothrow_t&) noexcept {
  newCalls.fetch_add(1, std::memory_order_relaxed);
  return std::malloc(n ? n : 1);
}
void* operator new[](size_t n, const std::nothrow_t& t) noexcept { return operator new(n, t); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }
#endif

namespace {
struct Options {
  double warmup = 3, idle = 10, play = 15, pause = 5;
  unsigned seed = 7;
  bool fixedFunction = false;
  bool keepHint = false;
} options;

// ---- Threads and their CPU time ----
int64_t ThreadCpuNs() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

int64_t WallNs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

long ThreadMinorFaults() {
  rusage u{};
  getrusage(RUSAGE_THREAD, &u);
  return u.ru_minflt;
}

std::string ReadSmall(const std::string& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// CPU nanoseconds of this process's threads, split into the rasteriser's and ours.
struct ThreadTimes {
  int64_t own = 0, raster = 0;
  int threads = 0;
};

ThreadTimes SampleThreads() {
  ThreadTimes t;
  DIR* dir = opendir("/proc/self/task");
  if (!dir) return t;
  while (dirent* e = readdir(dir)) {
    if (e->d_name[0] == '.') continue;
    const std::string base = std::string("/proc/self/task/") + e->d_name;
    const std::string comm = ReadSmall(base + "/comm");
    const int64_t ns = std::atoll(ReadSmall(base + "/schedstat").c_str());
    // Mesa names its software rasteriser's workers after the driver.
    if (comm.rfind("llvmpipe", 0) == 0 || comm.rfind("lp:", 0) == 0)
      t.raster += ns;
    else
      t.own += ns;
    ++t.threads;
  }
  closedir(dir);
  return t;
}

// Milliseconds since this process was started (to a hundredth of a second).
double MsSinceExec() {
  std::string stat = ReadSmall("/proc/self/stat");
  const size_t close = stat.rfind(')');
  if (close == std::string::npos) return -1;
  std::istringstream fields(stat.substr(close + 2));
  std::string field;
  for (int i = 3; i <= 22 && fields >> field; ++i) {}
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  const double started = std::atof(field.c_str()) * 1000.0 / double(sysconf(_SC_CLK_TCK));
  return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6 - started;
}

long StatusKb(const char* key) {
  std::ifstream in("/proc/self/status");
  std::string line;
  const size_t n = std::strlen(key);
  while (std::getline(in, line))
    if (line.compare(0, n, key) == 0) return std::atol(line.c_str() + n + 1);
  return -1;
}

// ---- One frame as the main loop makes it ----
struct Sample {
  double cpuMs;
  int drawCalls;
  int vertices;
  uint64_t news, mallocs;
  long faults;
};

std::atomic<bool> stopWaiting{false};

// Sets stopWaiting after the pause phase's length and wakes the loop with an event, in
// case it waits for one.
std::thread StartPauseWatcher() {
  stopWaiting = false;
  return std::thread([] {
    const int64_t end = WallNs() + int64_t(options.pause * 1e9);
    while (WallNs() < end) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    stopWaiting = true;
    SDL_Event e{};
    e.type = SDL_USEREVENT;
    SDL_PushEvent(&e);
  });
}

Sample Frame() {
  const int64_t c0 = ThreadCpuNs();
  const uint64_t n0 = newCalls.load(), m0 = mallocCalls.load();
  const long f0 = ThreadMinorFaults();
  if (Game->MainLogicLoop() == -1) ExitGame();
  Game->ScreenDraw();
  Sample s;
  s.cpuMs = double(ThreadCpuNs() - c0) / 1e6;
  s.news = newCalls.load() - n0;
  s.mallocs = mallocCalls.load() - m0;
  s.faults = ThreadMinorFaults() - f0;
  s.drawCalls = GetRenderDriver() ? GetRenderDriver()->LastFrameDrawCalls() : 0;
  s.vertices = GetRenderDriver() ? GetRenderDriver()->LastFrameVertices() : 0;
  return s;
}

template <class T>
T Percentile(std::vector<T> v, double p) {
  if (v.empty()) return T{};
  std::sort(v.begin(), v.end());
  return v[size_t(double(v.size() - 1) * p)];
}

struct PhaseResult {
  const char* name;
  std::vector<Sample> samples;
  double wallS = 0;
  ThreadTimes before, after;
};

void Report(const PhaseResult& r) {
  std::vector<double> cpu;
  std::vector<int> calls, vertices;
  std::vector<uint64_t> news, mallocs;
  std::vector<long> faults;
  for (const auto& s : r.samples) {
    cpu.push_back(s.cpuMs);
    calls.push_back(s.drawCalls);
    vertices.push_back(s.vertices);
    news.push_back(s.news);
    mallocs.push_back(s.mallocs);
    faults.push_back(s.faults);
  }
  const double frames = double(std::max<size_t>(r.samples.size(), 1));
  double newSum = 0, mallocSum = 0, faultSum = 0;
  for (const auto& s : r.samples) newSum += double(s.news), mallocSum += double(s.mallocs), faultSum += double(s.faults);
  // Our threads other than the main one (the audio mixer, the window system's), spread per frame.
  const double ownAll = double(r.after.own - r.before.own) / 1e6;
  double mainSum = 0;
  for (double c : cpu) mainSum += c;
  const double others = std::max(0.0, ownAll - mainSum) / frames;
  const double processMs = (ownAll + double(r.after.raster - r.before.raster) / 1e6) / frames;
  std::printf("%-8s %6zu frames %5.1f fps | draw calls median %3d p95 %3d max %3d | vertices median %d max %d | "
              "process CPU ms/frame %.2f | main-thread CPU ms median %.3f p95 %.3f | other own threads %.3f ms/frame | "
              "own CPU %.1f%% of a core, rasteriser %.1f%% | "
              "new/frame %.1f (median %llu) malloc/frame %.1f | page faults/frame %.1f\n",
              r.name, r.samples.size(), frames / std::max(r.wallS, 1e-9), Percentile(calls, 0.5),
              Percentile(calls, 0.95), Percentile(calls, 1.0), Percentile(vertices, 0.5), Percentile(vertices, 1.0),
              processMs, Percentile(cpu, 0.5), Percentile(cpu, 0.95), others,
              100.0 * ownAll / 1000.0 / std::max(r.wallS, 1e-9),
              100.0 * double(r.after.raster - r.before.raster) / 1e9 / std::max(r.wallS, 1e-9), newSum / frames,
              (unsigned long long)Percentile(news, 0.5), mallocSum / frames, faultSum / frames);
}

template <class F>
PhaseResult RunPhase(const char* name, double seconds, F&& eachFrame) {
  PhaseResult r{name, {}, 0, {}, {}};
  r.samples.reserve(size_t(seconds * 120) + 16);
  r.before = SampleThreads();
  const int64_t w0 = WallNs();
  for (int i = 0; double(WallNs() - w0) / 1e9 < seconds; ++i) {
    eachFrame(i);
    r.samples.push_back(Frame());
  }
  r.wallS = double(WallNs() - w0) / 1e9;
  r.after = SampleThreads();
  return r;
}

// A checksum of the back buffer as the last frame left it.
uint64_t ScreenHash() {
  TPixmapPtr shot = GrabPixmap(0, 0, GraphicsWidth(), GraphicsHeight());
  uint64_t h = 1469598103934665603ull;
  if (shot)
    for (uint8_t b : shot->pixels) h = (h ^ b) * 1099511628211ull;
  return h;
}

// ---- The scripted cascade ----
std::vector<std::pair<int, int>> OrdinaryGems() {
  std::vector<std::pair<int, int>> out;
  if (!Grid) return out;
  for (int x = 0; x < Grid->levelwidth; ++x)
    for (int y = 0; y < Grid->levelheight; ++y)
      if (TCell* c = PlayableAt(x, y); c && c->Gem && c->Gem->Ordinary() && !c->Gem->Bursting() && !c->Gem->locked)
        out.emplace_back(x, y);
  return out;
}

// Puts bonus pieces on the board so their idle strips and highlights play too.
void PlaceBonusPieces(int count) {
  auto cells = OrdinaryGems();
  for (int i = 0; i < count && !cells.empty(); ++i) {
    const size_t k = size_t(Rand(0, int(cells.size()) - 1));
    auto [x, y] = cells[k];
    cells.erase(cells.begin() + long(k));
    TCell* c = CellAt(x, y);
    Board().Gems->Remove(c->Gem.get());
    TGemRef gem = TGem::Make(x, y, 8 + i % 8, 0);
    Board().Gems->InsertGem(gem);
    c->Gem = gem;
  }
}

void HeavyCascadeStep(int frame) {
  if (!Grid || frame % 40 != 0) return;
  static const int kinds[4] = {8, 12, 9, 10};
  auto cells = OrdinaryGems();
  if (cells.empty()) return;
  auto [x, y] = cells[size_t(Rand(0, int(cells.size()) - 1))];
  Grid->BonusPower = 2;
  Grid->UseBonus(x, y, kinds[(frame / 40) % 4]);
  if ((frame / 40) % 3 == 0) PlaceBonusPieces(3);
}

void PointerOverBoard() {
  if (!Grid || !TMousePointer::Current()) return;
  Pointer().x = Grid->sx + Grid->levelwidth * 25 + 10;
  Pointer().y = Grid->sy + Grid->levelheight * 25 + 10;
}

// The largest resident parts of the address space, grouped by what is mapped there.
void PrintMemoryBreakdown() {
  std::ifstream in("/proc/self/smaps");
  std::string line, name;
  std::vector<std::pair<long, std::string>> parts;
  std::map<std::string, long> byName;
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    const bool header = std::isxdigit(static_cast<unsigned char>(line[0])) && line.find('-') < 17 &&
                        line.find(':') > line.find(' ');
    if (header) {
      std::istringstream fields(line);
      std::string range, perms, offset, dev, inode;
      fields >> range >> perms >> offset >> dev >> inode;
      std::getline(fields, name);
      name.erase(0, name.find_first_not_of(' '));
      if (name.empty()) name = "[anonymous]";
      const size_t slash = name.rfind('/');
      if (slash != std::string::npos) name = name.substr(slash + 1);
    } else if (line.rfind("Rss:", 0) == 0) {
      byName[name] += std::atol(line.c_str() + 4);
    }
  }
  for (const auto& [n, kb] : byName) parts.emplace_back(kb, n);
  std::sort(parts.rbegin(), parts.rend());
  std::printf("resident memory by mapping:");
  for (size_t i = 0; i < parts.size() && i < 10; ++i) std::printf(" %s %ld kB;", parts[i].second.c_str(), parts[i].first);
  std::printf("\n");
}

// The player's road without waiting for keys: the intro hands over to the loading
// pass, then the settings' player starts a new game straight on the board.
void ReachTheBoard() {
  while (Screens().CurrentTScreen != Screens().LoadingScreen.get() || Screens().Fading()) Frame();
  std::printf("after the loading pass: RSS %ld kB, peak %ld kB\n", StatusKb("VmRSS:"), StatusKb("VmHWM:"));
  // The player leaves the title (loaded by the loading pass) for the map, which kills it
  // and lets its pictures go; this road skips both screens, so it lets them go here.
  FindScreen(TScreenId::Title)->Kill();
  LoadCurrentProfile();
  StartNewGame();
  TScreen* game = FindScreen(TScreenId::Game);
  Screens().DestinationTScreen = game;
  Screens().GameFade->Init(float(StandardFadeLength), 1, nullptr);
  while (Screens().CurrentTScreen != game || Screens().Fading()) Frame();
  // The first level opens its tutorial page over the board; a player reads it and
  // clicks it away before playing, so the phases measure the board without it.
  TOverlay* page = static_cast<TGameScreen*>(game)->HintScroll();
  if (options.keepHint || !page || !page->Active) return;
  page->Close();
  const int64_t end = WallNs() + 5'000'000'000;
  while (page->Active && WallNs() < end) Frame();
  std::printf("the tutorial page %s\n", page->Active ? "DID NOT CLOSE" : "was closed");
}

void RunBench() {
  ReachTheBoard();
  const double startUpMs = MsSinceExec();
  SeedRnd(options.seed);
  auto* gl = dynamic_cast<TGLRenderDriver*>(GetRenderDriver());
  if (options.fixedFunction && gl) {
    // The back end's fixed-function path, for comparison: a new context, as the
    // full-screen toggle makes, so every picture is made again from its file too.
    gl->PreferShaderBlending(false);
    GameDisplay().GraphicsCreate(0);
  }
  std::printf("game_bench: %dx%d window, particles %d%%, flip sync %d, %s\n", GraphicsWidth(), GraphicsHeight(),
              Settings().Particles, FlipSync, gl && gl->ShaderBlending() ? "blending shader" : "fixed function");
  const long rssAfterStart = StatusKb("VmRSS:"), hwmAfterStart = StatusKb("VmHWM:");
  std::printf("start-up: exec to the first game frame %.0f ms\n", startUpMs);
  std::printf("after start-up, ");
  PrintMemoryBreakdown();

  PointerOverBoard();
  RunPhase("warmup", options.warmup, [](int) {});
  PointerOverBoard();
  PhaseResult idle = RunPhase("idle", options.idle, [](int) {});
  PlaceBonusPieces(4);
  PhaseResult play = RunPhase("playing", options.play, [](int i) { HeavyCascadeStep(i); });

  // Paused: a watcher wakes the loop at the end in case it waits for events.
  Game->TogglePause();
  std::thread watcher = StartPauseWatcher();
  PhaseResult paused{"paused", {}, 0, SampleThreads(), {}};
  const int64_t p0 = WallNs();
  while (!stopWaiting) paused.samples.push_back(Frame());
  paused.wallS = double(WallNs() - p0) / 1e9;
  paused.after = SampleThreads();
  watcher.join();
  // The paused picture must not change without an event, or the real loop's waiting
  // between frames would leave a stale picture on the screen.
  const uint64_t lastPausedPicture = ScreenHash();
  Frame();
  const bool pausedPictureSteady = ScreenHash() == lastPausedPicture;

  // The same pause through the real loop, which waits for events between frames.
  std::thread watcher2 = StartPauseWatcher();
  PhaseResult waiting{"paused*", {}, 0, SampleThreads(), {}};
  const int64_t q0 = WallNs();
  while (!stopWaiting) {
    waiting.samples.push_back(Frame());
    Game->WaitWhileIdle();
  }
  waiting.wallS = double(WallNs() - q0) / 1e9;
  waiting.after = SampleThreads();
  watcher2.join();
  Game->TogglePause();

  Report(idle);
  Report(play);
  Report(paused);
  Report(waiting);
  std::printf("(paused*: the real main loop, waiting for events between frames; the paused picture %s)\n",
              pausedPictureSteady ? "stays the same from frame to frame" : "CHANGES from frame to frame");
  std::printf("memory: after start-up RSS %ld kB (peak %ld kB); at the end RSS %ld kB, peak (VmHWM) %ld kB after "
              "%.0f s of play\n",
              rssAfterStart, hwmAfterStart, StatusKb("VmRSS:"), StatusKb("VmHWM:"),
              options.warmup + options.idle + options.play + options.pause);
  std::printf("at the end, ");
  PrintMemoryBreakdown();
  std::fflush(stdout);
}

void PrepareDataFolder() {
  // Settings and profile in a folder of our own, windowed, unless the caller chose one.
  if (!std::getenv("XDG_DATA_HOME")) {
    char pattern[] = "/tmp/tv-game-bench-XXXXXX";
    if (const char* dir = mkdtemp(pattern)) setenv("XDG_DATA_HOME", dir, 1);
  }
  const std::filesystem::path folder = std::filesystem::path(std::getenv("XDG_DATA_HOME")) / "Quillmoth" /
                                       "Tinselvale GOLD";
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  char exe[4096] = {};
  const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
  const std::filesystem::path program = n > 0 ? std::filesystem::path(std::string(exe, size_t(n))) : "game_bench";
  // A good-exit marker, or the start-up takes the last run for a crash and says so in a box.
  std::ofstream(folder / "GoodExit.dat").flush();
  const std::filesystem::path ini = folder / (program.stem().string() + ".ini");
  if (std::filesystem::exists(ini)) return;
  std::ifstream defaults(program.parent_path() / "data" / "Default.ini");
  std::ofstream out(ini);
  std::string line;
  while (std::getline(defaults, line)) {
    if (line.rfind("FULL SCREEN=", 0) == 0) line = "FULL SCREEN=0";
    out << line << "\n";
  }
}
}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string key = argv[i];
    if (key == "--fixed-function") {
      options.fixedFunction = true;
      continue;
    }
    if (key == "--keep-hint") {
      options.keepHint = true;
      continue;
    }
    if (i + 1 >= argc) break;
    const double value = std::atof(argv[++i]);
    if (key == "--idle") options.idle = value;
    else if (key == "--play") options.play = value;
    else if (key == "--pause") options.pause = value;
    else if (key == "--warmup") options.warmup = value;
    else if (key == "--seed") options.seed = unsigned(value);
  }
  PrepareDataFolder();
  StartGameWith(TCommandLine{}, RunBench);
  ExitGame();
}
