// The message box drawn inside the game window once it is open: the error report
// shows its text here, and it waits for a key or a mouse button.
#pragma once
#include <string>

void ShowMessageBox(const std::string& text, int width, int height);
