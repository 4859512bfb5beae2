#include "gfx/Draw.h"

#include <cmath>

#include "gfx/GLRenderDriver.h"
#include "platform/Events.h"

namespace {
std::unique_ptr<TRenderDriver> driver;
TDrawState state;
bool graphicsOpen = false;
bool autoMidHandle = false;

constexpr float kDegToRad = float(M_PI / 180.0);

// Text inside the program is Windows-1252: every byte is one character, and the
// codes 0x80-0x9F (the euro sign, curly quotes, ...) are looked up as the Unicode
// characters they stand for, so typed text draws and measures as it was typed.
int NextChar(const std::string& s, size_t& i) {
  return int(UnicodeFromCp1252(static_cast<uint8_t>(s[i++])));
}

void ApplyViewport() {
  if (!driver) return;
  float xs = state.vres_mousexscale > 0 ? state.vres_mousexscale : 1;
  float ys = state.vres_mouseyscale > 0 ? state.vres_mouseyscale : 1;
  int dx0 = int(std::floor(float(state.viewport_x) / xs));
  int dy0 = int(std::floor(float(state.viewport_y) / ys));
  int dx1 = int(std::floor(float(state.viewport_x + state.viewport_w) / xs));
  int dy1 = int(std::floor(float(state.viewport_y + state.viewport_h) / ys));
  driver->SetViewport(dx0, dy0, dx1 - dx0, dy1 - dy0);
}

void ApplyTransform() {
  float r = state.tform_rot * kDegToRad;
  float c = std::cos(r), s = std::sin(r);
  state.tform_ix = c * state.tform_scale_x;
  state.tform_iy = -s * state.tform_scale_y;
  state.tform_jx = s * state.tform_scale_x;
  state.tform_jy = c * state.tform_scale_y;
  if (driver) driver->SetTransform(state.tform_ix, state.tform_iy, state.tform_jx, state.tform_jy);
}

void ApplyVirtualResolution() {
  if (state.g_width > 0 && state.g_height > 0) {
    state.vres_mousexscale = state.vres_width / float(state.g_width);
    state.vres_mouseyscale = state.vres_height / float(state.g_height);
  }
  if (driver) driver->SetResolution(state.vres_width, state.vres_height);
}

TImageFont& CurrentFont() {
  if (!state.image_font) state.image_font = TImageFont::BuiltIn();
  return *state.image_font;
}
}  // namespace

TRenderDriver* GetRenderDriver() { return driver.get(); }

void SetRenderDriver(std::unique_ptr<TRenderDriver> d) {
  if (driver) driver->CloseGraphics();
  driver = std::move(d);
  graphicsOpen = false;
}

std::vector<TDisplayMode> GraphicsModes() {
  if (!driver) driver = std::make_unique<TGLRenderDriver>();
  return driver->GraphicsModes();
}

bool CreateGraphics(int width, int height, int depth, int hertz, int flags) {
  if (!driver) driver = std::make_unique<TGLRenderDriver>();
  if (!driver->CreateGraphics(width, height, depth, hertz, flags)) {
    graphicsOpen = false;
    return false;
  }
  bool first = state.g_width == 0;
  state.g_width = driver->DeviceWidth();
  state.g_height = driver->DeviceHeight();
  if (first) {
    state.vres_width = float(state.g_width);
    state.vres_height = float(state.g_height);
    state.viewport_x = state.viewport_y = 0;
    state.viewport_w = state.g_width;
    state.viewport_h = state.g_height;
  }
  graphicsOpen = true;
  SetGraphics();
  return true;
}

void SetGraphics() {
  if (!driver) return;
  driver->SetGraphics();
  ApplyVirtualResolution();
  driver->SetBlend(state.blend_mode);
  driver->SetColor(state.color_red, state.color_green, state.color_blue);
  driver->SetAlpha(state.color_alpha);
  driver->SetClsColor(state.clscolor_red, state.clscolor_green, state.clscolor_blue);
  driver->SetLineWidth(state.line_width);
  ApplyTransform();
  ApplyViewport();
  CurrentFont();
}

void CloseGraphics() {
  if (driver) driver->CloseGraphics();
  graphicsOpen = false;
}

bool FollowDrawable() {
  if (!driver || !graphicsOpen || !driver->FollowDrawable()) return false;
  state.g_width = driver->DeviceWidth();
  state.g_height = driver->DeviceHeight();
  ApplyVirtualResolution();
  ApplyViewport();
  return true;
}

bool GraphicsOpen() { return graphicsOpen; }
int GraphicsWidth() { return state.g_width; }
int GraphicsHeight() { return state.g_height; }
TDrawState& DrawState() { return state; }

void Flip(int sync) {
  if (driver) driver->Flip(sync);
}

// ---- State ----
void SetColor(int r, int g, int b) {
  state.color_red = r, state.color_green = g, state.color_blue = b;
  if (driver) driver->SetColor(r, g, b);
}
void GetColor(int& r, int& g, int& b) { r = state.color_red, g = state.color_green, b = state.color_blue; }

void SetAlpha(float alpha) {
  state.color_alpha = alpha > 1.0f ? 1.0f : (alpha >= 0.0f ? alpha : 0.0f);
  if (driver) driver->SetAlpha(state.color_alpha);
}
float GetAlpha() { return state.color_alpha; }

void SetBlend(int mode) {
  if (mode == state.blend_mode) return;
  state.blend_mode = mode;
  if (driver) driver->SetBlend(mode);
}
int GetBlend() { return state.blend_mode; }

void SetClsColor(int r, int g, int b) {
  state.clscolor_red = r, state.clscolor_green = g, state.clscolor_blue = b;
  if (driver) driver->SetClsColor(r, g, b);
}
void GetClsColor(int& r, int& g, int& b) { r = state.clscolor_red, g = state.clscolor_green, b = state.clscolor_blue; }

void SetLineWidth(float width) {
  state.line_width = width;
  if (driver) driver->SetLineWidth(width);
}
float GetLineWidth() { return state.line_width; }

void SetRotation(float degrees) {
  state.tform_rot = degrees;
  ApplyTransform();
}
float GetRotation() { return state.tform_rot; }

void SetScale(float sx, float sy) {
  state.tform_scale_x = sx, state.tform_scale_y = sy;
  ApplyTransform();
}
void GetScale(float& sx, float& sy) { sx = state.tform_scale_x, sy = state.tform_scale_y; }

void SetTransform(float degrees, float sx, float sy) {
  state.tform_rot = degrees;
  state.tform_scale_x = sx, state.tform_scale_y = sy;
  ApplyTransform();
}

void SetOrigin(float x, float y) { state.origin_x = x, state.origin_y = y; }
void GetOrigin(float& x, float& y) { x = state.origin_x, y = state.origin_y; }
void SetHandle(float x, float y) { state.handle_x = -x, state.handle_y = -y; }
void GetHandle(float& x, float& y) { x = -state.handle_x, y = -state.handle_y; }

void SetViewport(int x, int y, int w, int h) {
  state.viewport_x = x, state.viewport_y = y, state.viewport_w = w, state.viewport_h = h;
  ApplyViewport();
}
void GetViewport(int& x, int& y, int& w, int& h) {
  x = state.viewport_x, y = state.viewport_y, w = state.viewport_w, h = state.viewport_h;
}

void SetImageFont(const TImageFontPtr& font) { state.image_font = font ? font : TImageFont::BuiltIn(); }
TImageFontPtr GetImageFont() {
  CurrentFont();
  return state.image_font;
}

// ---- Virtual resolution ----
void SetVirtualResolution(float width, float height) {
  if (!(width > 0) || !(height > 0)) return;
  state.vres_width = width, state.vres_height = height;
  ApplyVirtualResolution();
  // The clip rectangle is kept in virtual units; its device rectangle moves with the scale.
  ApplyViewport();
}
float VirtualResolutionWidth() { return state.vres_width; }
float VirtualResolutionHeight() { return state.vres_height; }
float VirtualMouseXScale() { return state.vres_mousexscale; }
float VirtualMouseYScale() { return state.vres_mouseyscale; }

// ---- Drawing ----
void Cls() {
  if (driver) driver->Cls();
}

void Plot(float x, float y) {
  if (driver) driver->Plot(x + state.origin_x, y + state.origin_y);
}

void DrawLine(float x1, float y1, float x2, float y2, int drawLastPixel) {
  if (!driver) return;
  float tx = x1 + state.origin_x, ty = y1 + state.origin_y;
  float hx = state.handle_x, hy = state.handle_y;
  driver->DrawLine(hx, hy, x2 - x1 + hx, y2 - y1 + hy, tx, ty);
  if (drawLastPixel) {
    float lx = x2 - x1 + hx, ly = y2 - y1 + hy;
    driver->Plot(lx * state.tform_ix + ly * state.tform_iy + tx, lx * state.tform_jx + ly * state.tform_jy + ty);
  }
}

void DrawRect(float x, float y, float w, float h) {
  if (!driver) return;
  float hx = state.handle_x, hy = state.handle_y;
  driver->DrawRect(hx, hy, hx + w, hy + h, x + state.origin_x, y + state.origin_y);
}

void DrawOval(float x, float y, float w, float h) {
  if (!driver) return;
  float hx = state.handle_x, hy = state.handle_y;
  driver->DrawOval(hx, hy, hx + w, hy + h, x + state.origin_x, y + state.origin_y);
}

void DrawPoly(const std::vector<float>& xy) {
  if (driver && xy.size() >= 6)
    driver->DrawPoly(xy, state.handle_x, state.handle_y, state.origin_x, state.origin_y);
}

void DrawImage(const TImagePtr& image, float x, float y, int frame) {
  if (!driver || !image) return;
  const TImageFrame* f = image->Frame(frame);
  if (!f) return;
  float x0 = -image->handle_x, y0 = -image->handle_y;
  float w = float(image->width), h = float(image->height);
  driver->DrawFrame(*f, x0, y0, x0 + w, y0 + h, x + state.origin_x, y + state.origin_y, 0, 0, w, h);
}

void DrawImageRect(const TImagePtr& image, float x, float y, float w, float h, int frame) {
  if (!image) return;
  DrawSubImageRect(image, x, y, w, h, 0, 0, float(image->width), float(image->height), image->handle_x,
                   image->handle_y, frame);
}

void DrawSubImageRect(const TImagePtr& image, float x, float y, float w, float h, float sx, float sy, float sw,
                      float sh, float hx, float hy, int frame) {
  if (!driver || !image || sw == 0 || sh == 0) return;
  const TImageFrame* f = image->Frame(frame);
  if (!f) return;
  float x0 = -hx * w / sw, y0 = -hy * h / sh;
  driver->DrawFrame(*f, x0, y0, x0 + w, y0 + h, x + state.origin_x, y + state.origin_y, sx, sy, sw, sh);
}

void DrawText(const std::string& text, float x, float y) {
  if (!driver) return;
  TImageFont& font = CurrentFont();
  float penX = x + state.origin_x, penY = y + state.origin_y;
  for (size_t i = 0; i < text.size();) {
    int index = font.CharToGlyph(NextChar(text, i));
    if (index < 0) continue;
    const TImageGlyph& glyph = font.LoadGlyph(index);
    if (glyph._image) {
      if (const TImageFrame* f = glyph._image->Frame(0)) {
        float x0 = float(glyph._x) + state.handle_x, y0 = float(glyph._y) + state.handle_y;
        driver->DrawFrame(*f, x0, y0, x0 + float(glyph._w), y0 + float(glyph._h), penX, penY, 0, 0,
                          float(glyph._w), float(glyph._h));
      }
    }
    penX += glyph._advance * state.tform_ix;
    penY += glyph._advance * state.tform_jx;
  }
}

int TextWidth(const std::string& text) {
  TImageFont& font = CurrentFont();
  int width = 0;
  for (size_t i = 0; i < text.size();) {
    int index = font.CharToGlyph(NextChar(text, i));
    if (index < 0) continue;
    width = int(float(width) + font.LoadGlyph(index)._advance);
  }
  return width;
}

int TextHeight(const std::string&) { return CurrentFont().Height(); }

void DrawPixmap(const TPixmap& pixmap, float x, float y) {
  if (driver) driver->DrawPixmap(pixmap, x + state.origin_x, y + state.origin_y);
}

// ---- Images ----
TImagePtr LoadImage(const TPixmapPtr& pixmap, int flags) {
  if (!pixmap) return nullptr;
  auto image = TImage::Create(pixmap->width, pixmap->height, 1, flags);
  if (!image) return nullptr;
  image->SetPixmap(0, pixmap);
  if (autoMidHandle) MidHandleImage(image);
  return image;
}

TImagePtr LoadImage(const std::string& path, int flags) {
  TImagePtr image = LoadImage(LoadPixmap(path), flags);
  if (image) image->sourcePath = path;
  return image;
}

TImagePtr LoadAnimImage(const TPixmapPtr& pixmap, int cellWidth, int cellHeight, int firstCell, int cellCount,
                        int flags) {
  // A cell size of zero would divide by zero; a negative one would count cells backwards.
  if (!pixmap || cellWidth <= 0 || cellHeight <= 0 || firstCell < 0 || cellCount <= 0) return nullptr;
  int cols = pixmap->width / cellWidth, rows = pixmap->height / cellHeight;
  if (int64_t(cols) * rows < int64_t(firstCell) + cellCount) return nullptr;
  auto image = TImage::Create(cellWidth, cellHeight, cellCount, flags);
  if (!image) return nullptr;
  for (int k = 0; k < cellCount; ++k) {
    int cell = firstCell + k;
    image->SetPixmap(k, pixmap->Window(cellWidth * (cell % cols), cellHeight * (cell / cols), cellWidth, cellHeight));
  }
  if (autoMidHandle) MidHandleImage(image);
  return image;
}

TImagePtr LoadAnimImage(const std::string& path, int cellWidth, int cellHeight, int firstCell, int cellCount,
                        int flags) {
  if (cellWidth <= 0 || cellHeight <= 0) return nullptr;
  TImagePtr image = LoadAnimImage(LoadPixmap(path), cellWidth, cellHeight, firstCell, cellCount, flags);
  if (image) {
    image->sourcePath = path;
    image->sourceCellW = cellWidth;
    image->sourceCellH = cellHeight;
    image->sourceFirstCell = firstCell;
  }
  return image;
}

TImagePtr CreateImage(int width, int height, int frames, int flags) {
  if (flags == -1) flags = IMAGE_AUTO_FLAGS;
  auto image = TImage::Create(width, height, frames, flags | IMAGE_DYNAMIC);
  if (image && autoMidHandle) MidHandleImage(image);
  return image;
}

void GrabImage(const TImagePtr& image, int x, int y, int frame) {
  if (!image || frame < 0 || frame >= image->FrameCount()) return;
  TPixmapPtr pixels = GrabPixmap(x, y, image->width, image->height);
  if (!pixels) return;
  if (image->flags & IMAGE_MASKED) pixels = pixels->Masked(image->mask_r, image->mask_g, image->mask_b);
  image->SetPixmap(frame, pixels);
}

TPixmapPtr LockImage(const TImagePtr& image, int frame, int read, int write) {
  if (!image || frame < 0 || frame >= image->FrameCount()) return nullptr;
  if (image->PixmapsReleased()) image->ReloadPixmaps();
  TPixmapPtr& pixels = image->pixmaps[size_t(frame)];
  if (!pixels) {
    pixels = TPixmap::Create(image->width, image->height, PF_RGBA8888);
    image->Invalidate(frame);
  }
  if (write) {
    // From now on the pixels in memory are the only true copy.
    image->sourcePath.clear();
    image->Invalidate(frame);
  }
  return pixels;
}

void UnlockImage(const TImagePtr&, int) {}

int ImageWidth(const TImagePtr& image) { return image ? image->width : 0; }
int ImageHeight(const TImagePtr& image) { return image ? image->height : 0; }
int ImageFrameCount(const TImagePtr& image) { return image ? image->FrameCount() : 0; }

void SetImageHandle(const TImagePtr& image, float x, float y) {
  if (image) image->handle_x = x, image->handle_y = y;
}
void GetImageHandle(const TImagePtr& image, float& x, float& y) {
  x = image ? image->handle_x : 0;
  y = image ? image->handle_y : 0;
}
void MidHandleImage(const TImagePtr& image) {
  if (image) image->handle_x = float(image->width) * 0.5f, image->handle_y = float(image->height) * 0.5f;
}
void AutoMidHandle(bool on) { autoMidHandle = on; }
bool AutoMidHandleOn() { return autoMidHandle; }

void PrecacheImage(const TImagePtr& image) {
  if (!image || !driver) return;
  // A picture read from a file gives its own pixels back as soon as its pages hold them
  // (TImage::Frame), before the textures are made from the pages.
  for (int i = 0; i < image->FrameCount(); ++i)
    if (const TImageFrame* f = image->Frame(i); f && f->page->NeedsUpload(driver->ContextSeq()))
      driver->UploadPage(*f->page);
}

// ---- Pixels ----
TPixmapPtr GrabPixmap(int x, int y, int w, int h) {
  if (!driver || w < 1 || h < 1) return nullptr;
  return driver->GrabPixmap(x, y, w, h);
}

// ---- Image fonts ----
TImageFontPtr LoadImageFont(const std::string& path, float size, int style) {
  return TImageFont::Load(path, size, style);
}
