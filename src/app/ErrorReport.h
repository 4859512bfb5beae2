// The framework's error report: every foreseen failure is shown (in the game window
// once it is ready, else in a system box), appended to ErrorLog.txt when asked, and
// ends the process when fatal. Also the loaders that report a file they cannot load.
#pragma once
#include <functional>
#include <string>

#include "gfx/Image.h"

extern std::string ErrorLogFolder;  // the shared data folder once its path is known
extern int LogErrors;               // 1, never changed

// Shows the text; logs it when log != 0; ends the process (exit code 0, no good-exit
// marker, nothing saved) when fatal != 0.
void ShowError(const std::string& text, int fatal, int log);
// The box drawn inside the game window, waiting for a key or a mouse button.
void ShowMessageBox(const std::string& text, int width, int height);
// Installed by the display code once the window is open: until then (and in tests that
// never open one) reports go to the system message box.
void SetInWindowMessageBox(void (*box)(const std::string& text, int width, int height));
// Appends a dated entry to ErrorLogFolder + "ErrorLog.txt"; silently skipped when the
// file cannot be opened.
void WriteErrorLog(const std::string& text);
// One line on standard output.
void DebugOutput(const std::string& text);

// Reporting loaders: the thing asked for, or a fatal logged report naming the path.
// LoadSoundChecked ("Error loading sample ") lives with the sound code and follows the
// same pattern.
TImagePtr LoadImageChecked(const std::string& path, int flags = -1);
TImagePtr LoadAnimImageChecked(const std::string& path, int cellWidth, int cellHeight, int firstCell,
                               int cellCount, int flags = -1);
// The whole content of the file.
std::string ReadFileChecked(const std::string& path);

// Test hook: when set, it is called instead of showing anything. A fatal report still
// ends the process unless the hook throws.
using TErrorReportHook = std::function<void(const std::string& text, int fatal, int log)>;
void SetErrorReportHook(TErrorReportHook hook);
