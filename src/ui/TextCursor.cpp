#include "ui/TextCursor.h"

#include "gfx/Draw.h"

void TTextCursor::Init(int x0, int y0, int gap) {
  x = x0;
  y = y0;
  linegap = gap;
}

void TTextCursor::NewLine() { y += linegap; }

void TTextCursor::Output(const std::string& text) {
  if (Shadow == 1) {
    int r = 255, g = 255, b = 255;
    GetColor(r, g, b);
    float alpha = GetAlpha();
    SetColor(0, 0, 0);
    SetAlpha(alpha * 0.5f);
    DrawText(text, float(x + 1), float(y + 1));
    SetColor(r, g, b);
    SetAlpha(alpha);
  }
  DrawText(text, float(x), float(y));
}

void TTextCursor::OutputNL(const std::string& text) {
  Output(text);
  NewLine();
}
