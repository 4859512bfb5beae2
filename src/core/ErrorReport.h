// The framework's error report, the one road every layer takes for a failure: it is
// shown (in the game window once it is ready, else in a system box), appended to
// ErrorLog.txt when asked, and ends the process when fatal.
#pragma once
#include <functional>
#include <string>

extern std::string ErrorLogFolder;  // the shared data folder once its path is known
extern int LogErrors;               // 1, never changed

// Shows the text; logs it when log != 0; ends the process (exit code 0, no good-exit
// marker, nothing saved) when fatal != 0.
void ShowError(const std::string& text, int fatal, int log);
// Installed by the display code once the window is open: until then (and in tests that
// never open one) reports go to the system message box.
void SetInWindowMessageBox(void (*box)(const std::string& text, int width, int height));
// Installed by the shell: the exit routine taken when the player asks to end while a
// system box waits (a clean exit). Until then such a request ends the process at once.
void SetCleanExit(void (*exitRoutine)());
// Appends a dated entry to ErrorLogFolder + "ErrorLog.txt"; silently skipped when the
// file cannot be opened.
void WriteErrorLog(const std::string& text);
// One line on standard output.
void DebugOutput(const std::string& text);

// A condition the game cannot go on from (a file that will not load, a bank look-up
// that misses): shown, logged and the end of the process once the game has armed its
// report (ArmFatalErrors). Before that, and whenever a test hook is installed, the
// hook sees the text and a std::runtime_error carries it to the caller, so library
// code and tests never end the process by surprise. Never returns.
[[noreturn]] void FatalError(const std::string& text);
// Called by start-up: from now on fatal errors are shown and end the process.
void ArmFatalErrors(bool armed);

// The whole content of a data file, or a fatal logged report naming the path.
std::string ReadFileChecked(const std::string& path);

// Test hook: when set, it is called instead of showing anything. A fatal ShowError
// still ends the process unless the hook throws; FatalError throws after it.
using TErrorReportHook = std::function<void(const std::string& text, int fatal, int log)>;
void SetErrorReportHook(TErrorReportHook hook);
