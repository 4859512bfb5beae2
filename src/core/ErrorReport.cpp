#include "core/ErrorReport.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "core/DateTime.h"
#include "core/Globals.h"
#include "platform/Events.h"
#include "platform/Files.h"
#include "platform/Process.h"

std::string ErrorLogFolder;
int LogErrors = 1;

namespace {
TErrorReportHook reportHook;
void (*inWindowBox)(const std::string&, int, int) = nullptr;
void (*cleanExit)() = nullptr;
bool fatalArmed = false;

}  // namespace

void SetErrorReportHook(TErrorReportHook hook) { reportHook = std::move(hook); }

void ArmFatalErrors(bool armed) { fatalArmed = armed; }

void FatalError(const std::string& text) {
  if (reportHook)
    reportHook(text, 1, 1);
  else if (fatalArmed)
    ShowError(text, 1, 1);
  // Callers rely on never coming back without the thing they asked for.
  throw std::runtime_error(text);
}

std::string ReadFileChecked(const std::string& path) {
  std::string bytes;
  if (!ReadDataFile(path, bytes)) ShowError("Error loading file " + path, 1, 1);
  return bytes;
}

void SetInWindowMessageBox(void (*box)(const std::string&, int, int)) { inWindowBox = box; }

void SetCleanExit(void (*exitRoutine)()) { cleanExit = exitRoutine; }

void ShowError(const std::string& text, int fatal, int log) {
  int polled = PolledInputMode;
  bool endRequested = false;
  if (reportHook) {
    reportHook(text, fatal, log);
  } else if (GraphicsReady == 1 && inWindowBox) {
    PolledInputMode = 1;
    inWindowBox(text, 600, 100);
  } else {
    endRequested = !SystemMessageBox(AppTitle, text);
  }
  if (LogErrors == 1 && log != 0) WriteErrorLog(text);
  if (fatal != 0) EndProcess();
  // Asked to end while the box waited (the in-window box passes the request on to
  // the main loop instead): end now, as a clean exit.
  if (endRequested) {
    if (cleanExit) cleanExit();
    std::exit(0);
  }
  PolledInputMode = polled;
  // Leaving the box's own input: what was pressed meanwhile must not reach the game.
  if (polled == 0) PlatformDropInputEvents();
}

void WriteErrorLog(const std::string& text) {
  std::string path = ErrorLogFolder + "ErrorLog.txt";
  std::string entry = std::string(57, '-') + "\r\n";
  entry += "Date: " + CurrentDateText() + "   Time: " + CurrentTimeText() + "\r\n";
  entry += text + "\r\n";
  AppendToFile(path, entry);
}

void DebugOutput(const std::string& text) {
  std::fputs(text.c_str(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}
