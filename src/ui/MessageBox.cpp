#include "ui/MessageBox.h"

#include <vector>

#include "core/ErrorReport.h"
#include "core/Game.h"
#include "core/Globals.h"
#include "core/Input.h"
#include "gfx/Draw.h"
#include "gfx/TextDraw.h"
#include "platform/Events.h"

void ShowMessageBox(const std::string& text, int width, int height) {
  int x = (ScreenWidth - width) / 2;
  int y = (ScreenHeight - height) / 2;
  const int margin = 10;
  SetBlend(BLEND_SOLID);
  SetAlpha(1.0f);
  SetColor(255, 255, 255);
  SetImageFont(nullptr);
  std::vector<std::string> lines =
      WrapText(text, float(width - 2 * margin), [](const std::string& s) { return float(TextWidth(s)); });
  InputFlush();
  int lineHeight = TextHeight("A");
  const TTextStyle style;
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
    SetColor(0, 220, 220);
    DrawTextLinesShadowed(float(ScreenWidth / 2), float(y + margin), lines, 1, 0, 1, style);
    SetColor(0, 220, 0);
    DrawTextShadowed(float(ScreenWidth / 2), float(y + height - lineHeight - margin), "<press any key>", 1, 1, style);
    Flip(FlipSync);
  }
  SetAlpha(1.0f);
  SetColor(255, 255, 255);
  InputFlush();
}
