// The audio tests build a game object, whose frame code calls the drawing layer; they
// never draw. Until a drawing layer is linked, these weak stand-ins complete the link;
// a real one replaces them.
#include "gfx/Draw.h"

[[gnu::weak]] void Cls() {}
[[gnu::weak]] bool CreateGraphics(int, int, int, int, int) { return false; }
[[gnu::weak]] void DrawImage(const TImagePtr&, float, float, int) {}
[[gnu::weak]] void DrawRect(float, float, float, float) {}
[[gnu::weak]] void DrawText(const std::string&, float, float) {}
[[gnu::weak]] void Flip(int) {}
[[gnu::weak]] TPixmapPtr GrabPixmap(int, int, int, int) { return nullptr; }
[[gnu::weak]] void SetAlpha(float) {}
[[gnu::weak]] void SetBlend(int) {}
[[gnu::weak]] void SetColor(int, int, int) {}
