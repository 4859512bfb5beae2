// The one door through which the toolkit reports a condition the game cannot go on
// from (a picture that will not load, a bank look-up that misses). The application
// installs its error report here; until then the report is thrown as an exception.
#pragma once
#include <functional>
#include <string>

// Reports text as fatal. The installed hook is expected not to return; if it does
// (or none is installed) a std::runtime_error carrying text is thrown.
[[noreturn]] void FatalReport(const std::string& text);
// Installs the report (an empty function restores the default).
void SetFatalReportHook(std::function<void(const std::string&)> hook);
