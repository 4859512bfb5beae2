// Draws the desktop icons at the sizes desktops look for, from the same code that
// draws the window icon, so the launcher and the running window show one picture.
// Usage: tv_icongen <folder>  (writes <folder>/hicolor/<n>x<n>/apps/<id>.png)
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/WindowIcon.h"
#include "gfx/Pixmap.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <icon folder> <icon name>\n", argv[0]);
    return 2;
  }
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    auto rgba = DrawWindowIcon(size);
    auto pixmap = TPixmap::Create(size, size, PF_RGBA8888);
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) {
        const uint8_t* p = &rgba[(size_t(y) * size_t(size) + size_t(x)) * 4];
        pixmap->WritePixel(x, y, uint32_t(p[3]) << 24 | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2]);
      }
    std::string dir = std::string(argv[1]) + "/hicolor/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
    std::filesystem::create_directories(dir);
    if (!SavePixmapPNG(*pixmap, dir + "/" + argv[2] + ".png", 9)) {
      std::fprintf(stderr, "cannot write %s\n", dir.c_str());
      return 1;
    }
  }
  return 0;
}
