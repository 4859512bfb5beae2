#include "gfx/BitmapFile.h"

#include <cstdint>
#include <filesystem>

#include "core/DateTime.h"
#include "core/Display.h"
#include "core/Globals.h"
#include "core/Paths.h"
#include "gfx/Draw.h"
#include "platform/Files.h"

namespace {
void Put16(std::string& out, uint32_t v) {
  out += char(v & 0xff);
  out += char((v >> 8) & 0xff);
}
void Put32(std::string& out, uint32_t v) {
  Put16(out, v & 0xffff);
  Put16(out, v >> 16);
}
}  // namespace

void WriteBitmap(std::string& out, const TPixmap& pixmap) {
  uint32_t w = uint32_t(pixmap.width), h = uint32_t(pixmap.height);
  uint32_t rowBytes = (3 * w + 3) & ~3u;
  out += "BM";
  Put32(out, rowBytes * h + 54);
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);
  Put32(out, w);
  Put32(out, h);
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);
  Put32(out, rowBytes * h);
  Put32(out, 2834);
  Put32(out, 2834);
  Put32(out, 0);
  Put32(out, 0);
  int bpp = pixmap.BytesPerPixel();
  for (int y = int(h) - 1; y >= 0; --y) {
    const uint8_t* row = pixmap.Row(y);
    for (uint32_t x = 0; x < w; ++x) {
      const uint8_t* p = row + size_t(x) * size_t(bpp);
      out += char(p[2]);
      out += char(p[1]);
      out += char(p[0]);
    }
    out.append(rowBytes - 3 * w, '\0');
  }
}

bool SaveImageAsBitmap(const std::string& sourcePath, const std::string& targetPath) {
  TPixmapPtr pixmap = LoadPixmap(sourcePath);
  if (!pixmap) return false;
  std::string bytes;
  WriteBitmap(bytes, *pixmap);
  return WriteFileSafely(targetPath, bytes);
}

std::string SaveScreenshot(const std::string& folder) {
  // The logical picture as it would be at its own size, whatever size it is shown at.
  const bool scaled = TDisplay::Current() != nullptr;
  int x = 0, y = 0, w = GraphicsWidth(), h = GraphicsHeight();
  if (scaled) Display().PictureRect(x, y, w, h);
  TPixmapPtr picture = GrabPixmap(x, y, w, h);
  if (picture && scaled && ScreenWidth > 0 && ScreenHeight > 0 && (w != ScreenWidth || h != ScreenHeight))
    picture = picture->Resized(ScreenWidth, ScreenHeight);
  TDateTime now;
  now.Set_DateTimeCurrent();
  std::string name = TDateTime::Get_String(now, "YYYY-MM-DD HHNNSS screenshot.png");
  std::string path = (folder.empty() ? AddSlash(std::filesystem::current_path().string()) : folder) + name;
  // Only the OpenGL back end exists: 24-bit RGB at the strongest compression.
  if (picture) {
    TPixmapPtr rgb = picture->Convert(PF_RGB888);
    if (rgb) SavePixmapPNG(*rgb, path, 9);
  }
  return path;
}
