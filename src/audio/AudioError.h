// The one road by which the audio code reports a fatal condition (a sound that cannot be
// loaded, a name missing from the bank). The game wires it to its error report at start-up.
#pragma once
#include <functional>
#include <string>

// Reports a fatal audio error. Without a hook it throws std::runtime_error(text).
[[noreturn]] void AudioFatalError(const std::string& text);
// Replaces the report; the hook is expected not to return (when it does, the text is thrown).
void SetAudioErrorHook(std::function<void(const std::string&)> hook);
