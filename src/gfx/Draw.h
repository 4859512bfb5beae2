// The immediate-mode drawing operations the whole game draws with. Each acts on the
// current drawing state and forwards to the installed back end (OpenGL in the game,
// a recording back end in geometry tests).
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "gfx/DrawState.h"
#include "gfx/Image.h"
#include "gfx/ImageFont.h"
#include "gfx/Pixmap.h"
#include "gfx/RenderDriver.h"

// ---- Back end and graphics mode ----
// Installs the back end (the OpenGL one when nothing was installed before CreateGraphics).
void SetRenderDriver(std::unique_ptr<TRenderDriver> driver);
std::vector<TDisplayMode> GraphicsModes();
// Opens a window (depth 0) or a full-screen mode with a new context. The drawing state is
// created on the first call and carried over (re-applied) on later ones. False on failure.
bool CreateGraphics(int width, int height, int depth = 0, int hertz = 60, int flags = 0);
// Re-applies every field of the drawing state to the back end (after a context change).
void SetGraphics();
void CloseGraphics();
// Takes the drawable's new size after the window changed size or mode, keeping the
// context; true when it changed (the caller then lays the virtual resolution out again).
bool FollowDrawable();
bool GraphicsOpen();
int GraphicsWidth();
int GraphicsHeight();
// Presents the frame: 1 waits for the vertical blank (timer-paced to 60 Hz where vsync
// cannot be set), 0 does not wait, -1 uses the mode's own refresh rate.
void Flip(int sync = 1);
// The current state (created by CreateGraphics; defaults before that).
TDrawState& DrawState();

// ---- State ----
void SetColor(int r, int g, int b);
void GetColor(int& r, int& g, int& b);
void SetAlpha(float alpha);
float GetAlpha();
void SetBlend(int mode);
int GetBlend();
void SetClsColor(int r, int g, int b);
void GetClsColor(int& r, int& g, int& b);
void SetLineWidth(float width);
float GetLineWidth();
void SetRotation(float degrees);
float GetRotation();
void SetScale(float sx, float sy);
void GetScale(float& sx, float& sy);
void SetTransform(float degrees, float sx, float sy);
void SetOrigin(float x, float y);
void GetOrigin(float& x, float& y);
void SetHandle(float x, float y);
void GetHandle(float& x, float& y);
void SetViewport(int x, int y, int w, int h);
void GetViewport(int& x, int& y, int& w, int& h);
void SetImageFont(const TImageFontPtr& font);  // nullptr = the built-in font
TImageFontPtr GetImageFont();                   // never nullptr

// ---- Virtual resolution ----
// Sizes of 0 or less are ignored (they would divide by zero).
void SetVirtualResolution(float width, float height);
float VirtualResolutionWidth();
float VirtualResolutionHeight();
// Virtual units per device pixel.
float VirtualMouseXScale();
float VirtualMouseYScale();

// ---- Drawing ----
void Cls();
void Plot(float x, float y);
void DrawLine(float x1, float y1, float x2, float y2, int drawLastPixel = 1);
void DrawRect(float x, float y, float w, float h);
void DrawOval(float x, float y, float w, float h);
// xy: x0, y0, x1, y1, ... (at least three points), about the global handle.
void DrawPoly(const std::vector<float>& xy);
void DrawImage(const TImagePtr& image, float x, float y, int frame = 0);
// The whole frame stretched onto w x h; the handle scales with it.
void DrawImageRect(const TImagePtr& image, float x, float y, float w, float h, int frame = 0);
void DrawSubImageRect(const TImagePtr& image, float x, float y, float w, float h, float sx, float sy,
                      float sw, float sh, float hx = 0, float hy = 0, int frame = 0);
void DrawText(const std::string& text, float x, float y);
int TextWidth(const std::string& text);
int TextHeight(const std::string& text);
// Draws pixels unchanged (no transform, no colour) with their top-left at (x, y).
void DrawPixmap(const TPixmap& pixmap, float x, float y);

// ---- Images ----
TImagePtr LoadImage(const std::string& path, int flags = -1);
TImagePtr LoadImage(const TPixmapPtr& pixmap, int flags = -1);
// nullptr when a cell size is 0 or less or the picture has fewer cells than asked for.
TImagePtr LoadAnimImage(const std::string& path, int cellWidth, int cellHeight, int firstCell,
                        int cellCount, int flags = -1);
TImagePtr LoadAnimImage(const TPixmapPtr& pixmap, int cellWidth, int cellHeight, int firstCell,
                        int cellCount, int flags = -1);
TImagePtr CreateImage(int width, int height, int frames = 1, int flags = -1);
void GrabImage(const TImagePtr& image, int x, int y, int frame = 0);
TPixmapPtr LockImage(const TImagePtr& image, int frame = 0, int read = 1, int write = 1);
void UnlockImage(const TImagePtr& image, int frame = 0);
int ImageWidth(const TImagePtr& image);
int ImageHeight(const TImagePtr& image);
int ImageFrameCount(const TImagePtr& image);
void SetImageHandle(const TImagePtr& image, float x, float y);
void GetImageHandle(const TImagePtr& image, float& x, float& y);
void MidHandleImage(const TImagePtr& image);
void AutoMidHandle(bool on);
bool AutoMidHandleOn();
// Makes every frame's texture now, so the first on-screen draw does not stall.
void PrecacheImage(const TImagePtr& image);

// ---- Pixels ----
// Reads device pixels (x, y from the top-left) of the back buffer.
TPixmapPtr GrabPixmap(int x, int y, int w, int h);

// ---- Image fonts ----
TImageFontPtr LoadImageFont(const std::string& path, float size, int style = FONT_SMOOTH);
