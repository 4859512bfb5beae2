#include "gfx/GameImage.h"

#include <algorithm>
#include <cctype>

#include "core/Text.h"
#include "gfx/Draw.h"
#include "core/ErrorReport.h"
#include "gfx/Shadow.h"
#include "gfx/TrimData.h"


std::string ImageKey(const std::string& path) { return TrimKey(path); }

std::shared_ptr<TGameImage> TGameImage::Create(const std::string& path, int flags, int midHandle) {
  auto g = std::make_shared<TGameImage>();
  g->Load(path, flags, midHandle);
  return g;
}

std::shared_ptr<TGameImage> TGameImage::CreateAuto(const std::string& path, int cellWidth, int cellHeight,
                                                   int firstCell, int cellCount, int flags, int midHandle) {
  auto g = std::make_shared<TGameImage>();
  if (cellCount < 2) {
    g->Load(path, flags, midHandle);
  } else {
    g->LoadAnim(path, cellWidth, cellHeight, firstCell, cellCount, flags, midHandle);
  }
  return g;
}

std::shared_ptr<TGameImage> TGameImage::CreateFromImage(std::shared_ptr<TImage> image, const std::string& name,
                                                        int midHandle) {
  auto g = std::make_shared<TGameImage>();
  g->name = name;
  g->image = std::move(image);
  g->GetSize();
  g->MidHandle(midHandle);
  return g;
}

void TGameImage::Load(const std::string& path, int flags, int midHandle) {
  name = ImageKey(path);
  image = LoadImage(path, flags);
  if (!image) FatalError("Error loading bitmap " + path);
  GetSize();
  MidHandle(midHandle);
}

void TGameImage::LoadAnim(const std::string& path, int cellWidth, int cellHeight, int firstCell, int cellCount,
                          int flags, int midHandle) {
  name = ImageKey(path);
  image = LoadAnimImage(path, cellWidth, cellHeight, firstCell, cellCount, flags);
  if (!image) FatalError("Error loading anim bitmap " + path);
  GetSize();
  MidHandle(midHandle);
}

void TGameImage::MidHandle(int on) {
  if (!image) {
    midhandled = on ? 1 : 0;
    return;
  }
  if (on) {
    MidHandleImage(image);
    midhandled = 1;
  } else {
    SetImageHandle(image, 0.0f, 0.0f);
    midhandled = 0;
  }
}

void TGameImage::SetTrimHandle(std::shared_ptr<TTrimData> trim) {
  trimData = std::move(trim);
  if (image && trimData) {
    SetImageHandle(image, static_cast<float>(-trimData->xOffset), static_cast<float>(-trimData->yOffset));
  }
}

void TGameImage::GetSize() {
  if (!image) return;
  w = ImageWidth(image);
  h = ImageHeight(image);
  w2 = static_cast<float>(w / 2);
  h2 = static_cast<float>(h / 2);
}

int TGameImage::GetWidth() const { return trimData ? trimData->originalWidth : w; }
int TGameImage::GetHeight() const { return trimData ? trimData->originalHeight : h; }
int TGameImage::Frames() const { return image ? ImageFrameCount(image) : 0; }

void TGameImage::Draw(float x, float y, int frame, const TShadow* shadow) const {
  if (!image) return;
  if (shadow) {
    SetColor(0, 0, 0);
    SetAlpha(shadow->Alpha);
    DrawImage(image, x + shadow->X, y + shadow->Y, frame);
    SetAlpha(1.0f);
    SetColor(255, 255, 255);
  }
  DrawImage(image, x, y, frame);
}

int64_t TGameImage::CalcRAM() const {
  return static_cast<int64_t>(w) * 4 * h * Frames();
}

int64_t TGameImage::CalcVRAM() const {
  return NextPow2(w) * 4 * NextPow2(h) * Frames();
}

void TGameImage::Precache() {
  if (image) PrecacheImage(image);
}

void DrawPicture(const std::shared_ptr<TGameImage>& p, float x, float y, int frame) {
  if (p && p->image) DrawImage(p->image, x, y, frame);
}

void DrawPictureAdded(const std::shared_ptr<TGameImage>& p, float x, float y, float intensity, int frame) {
  if (!p || !p->image) return;
  const int c = int(std::clamp(intensity, 0.0f, 1.0f) * 255.0f);
  SetBlend(BLEND_LIGHT);
  SetColor(c, c, c);
  DrawImage(p->image, x, y, frame);
  SetBlend(BLEND_ALPHA);
  SetColor(255, 255, 255);
}
