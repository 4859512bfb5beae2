#include "ui/MessageBox.h"

#include <vector>

#include "core/ErrorReport.h"
#include "core/Game.h"
#include "core/Globals.h"
#include "core/Input.h"
#include "gfx/Draw.h"
#include "platform/Events.h"

namespace {
// Cuts the text at line breaks, then at spaces, so no line is wider than maxWidth.
std::vector<std::string> WrapLines(const std::string& text, int maxWidth) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    std::string paragraph = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!paragraph.empty() && paragraph.back() == '\r') paragraph.pop_back();
    std::string line;
    size_t p = 0;
    while (p <= paragraph.size()) {
      size_t space = paragraph.find(' ', p);
      std::string word = paragraph.substr(p, space == std::string::npos ? std::string::npos : space - p);
      std::string candidate = line.empty() ? word : line + " " + word;
      if (!line.empty() && TextWidth(candidate) > maxWidth) {
        lines.push_back(line);
        line = word;
      } else {
        line = candidate;
      }
      if (space == std::string::npos) break;
      p = space + 1;
    }
    lines.push_back(line);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

void DrawShadowedCentred(const std::string& text, float cx, float y, int r, int g, int b) {
  float x = cx - float(TextWidth(text)) / 2.0f;
  SetColor(0, 0, 0);
  DrawText(text, x + 1, y + 1);
  SetColor(r, g, b);
  DrawText(text, x, y);
}
}  // namespace

void ShowMessageBox(const std::string& text, int width, int height) {
  int x = (ScreenWidth - width) / 2;
  int y = (ScreenHeight - height) / 2;
  const int margin = 10;
  SetBlend(BLEND_SOLID);
  SetAlpha(1.0f);
  SetColor(255, 255, 255);
  SetImageFont(nullptr);
  std::vector<std::string> lines = WrapLines(text, width - 2 * margin);
  InputFlush();
  int lineHeight = TextHeight("A");
  for (bool done = false; !done;) {
    TPlatformEvent e;
    while (PlatformPollEvent(e)) {
      if (e.type == TEventType::KeyDown && e.key >= 0 && e.key <= 255) done = true;
      if (e.type == TEventType::MouseDown && e.button >= 1 && e.button <= 3) done = true;
      // A request to end made while the box waits is kept for the main loop.
      if (e.type == TEventType::Quit || e.type == TEventType::WindowClose) {
        if (Game) Game->TerminatedEvent = 1;
        done = true;
      }
    }
    SetColor(0, 0, 0);
    DrawRect(float(x + 4), float(y + 4), float(width), float(height));
    SetColor(150, 150, 150);
    DrawRect(float(x), float(y), float(width), float(height));
    SetColor(220, 220, 200);
    DrawLine(float(x), float(y), float(x + width - 1), float(y));
    DrawLine(float(x + width - 1), float(y), float(x + width - 1), float(y + height - 1));
    DrawLine(float(x + width - 1), float(y + height - 1), float(x), float(y + height - 1));
    DrawLine(float(x), float(y + height - 1), float(x), float(y));
    float ty = float(y + margin);
    for (const auto& line : lines) {
      DrawShadowedCentred(line, float(ScreenWidth / 2), ty, 0, 220, 220);
      ty += float(lineHeight);
    }
    DrawShadowedCentred("<press any key>", float(ScreenWidth / 2), float(y + height - lineHeight - margin), 0,
                        220, 0);
    Flip(FlipSync);
  }
  SetColor(255, 255, 255);
  InputFlush();
}
