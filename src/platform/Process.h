// Process-level services: the single-instance lock, the program's own folder,
// the system message box and ending the process.
#pragma once
#include <functional>
#include <string>

// Takes the machine-wide "Tinselvale" lock. False when another copy holds it.
// The lock lives until the process ends, however it ends.
bool AcquireInstanceLock(const std::string& name);
// Full path of the running program file.
std::string ProgramPath();
// Makes the program's folder the working folder, so data paths resolve beside it.
void ChangeToProgramFolder();
// The folder the data paths are relative to: beside the program, or the installed
// share/tinselvale (or share/games/tinselvale) of its prefix when the program sits in
// <prefix>/bin (or <prefix>/games) without data.
std::string DataFolderFor(const std::string& programPath);
// Shows an information box with one OK button and waits until it is closed; without a
// display the text goes to standard error instead. Never blocks without a window system.
// A request to end the program (SIGTERM, SIGINT, SIGHUP) takes the box down: the result
// is then false, and the caller ends the program cleanly.
bool SystemMessageBox(const std::string& title, const std::string& text);
// Runs body in a child process and waits for it, while watching for a request to end
// the program. True with the child's exit code (-1 when it did not exit normally);
// false when such a request came first, after the child has been stopped.
bool RunInChildProcess(const std::function<int()>& body, int& exitCode);
// The nice value for a thread priority setting: the priority negated, within -20..19.
int ThreadNiceValue(int threadPriority);
// Ends the process with exit code 0 at once, without running late destructors.
[[noreturn]] void EndProcess();
// Process class 1 above normal, 2 high, else normal; a non-zero thread priority is
// passed on as a nice value. Refusals (raising needs privileges) are ignored.
void SetProcessPriority(int processClass, int threadPriority);
// The operating system's name as the game reports it ("Linux").
std::string OperatingSystemName();
// Milliseconds since the kernel started this process (the system counts process starts
// in hundredths of a second, so the figure is that coarse); -1 when unknown.
double MillisecondsSinceExec();
// Starts the video and event systems; false when no display can be reached.
bool PlatformInit();
void PlatformShutdown();
