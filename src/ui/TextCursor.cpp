#include "ui/TextCursor.h"

#include "gfx/Draw.h"
#include "gfx/TextDraw.h"

void TTextCursor::Init(int x0, int y0, int gap) {
  x = x0;
  y = y0;
  linegap = gap;
}

void TTextCursor::NewLine() { y += linegap; }

void TTextCursor::Output(const std::string& text) {
  if (Shadow == 1) DrawTextShadowed(float(x), float(y), text, 0, 1, TTextStyle{});
  else DrawText(text, float(x), float(y));
}

void TTextCursor::OutputNL(const std::string& text) {
  Output(text);
  NewLine();
}
