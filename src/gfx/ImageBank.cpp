#include "gfx/ImageBank.h"

#include <cctype>
#include <cstdio>

#include "core/Text.h"
#include "gfx/Atlas.h"
#include "gfx/Draw.h"
#include "gfx/FindNamed.h"
#include "core/ErrorReport.h"
#include "platform/Memory.h"

std::unique_ptr<TImageBank> ImageBank;

namespace {

// Frames bigger than this would crowd the page. The board's side panel (150 x 600) and the
// paused picture stay under it: drawn from the board's page they cost no draw call of their own.
constexpr int kMaxPackedSide = 600;
constexpr int64_t kMaxPackedArea = 100000;
// Every picture of the board, its pieces, effects and pointer fits one page this size,
// so a whole frame of play draws from one texture.
constexpr int kPageSize = 2048;
}  // namespace

void TImageBank::SetPath(const std::string& path) {
  Path = path;
  if (Path.empty() || (Path.back() != '/' && Path.back() != '\\')) Path += "/";
}

std::shared_ptr<TGameImage> TImageBank::Load(const std::string& fileName, const std::string& name, int flags,
                                             int midHandle) {
  if (defaultFlags != -1 && flags == -1) flags = defaultFlags;
  // The extension belongs to the last path component only.
  const std::size_t slash = fileName.find_last_of("/\\");
  const std::size_t dot = fileName.rfind('.');
  const bool hasDot = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  std::string base = hasDot ? fileName.substr(0, dot) : fileName;
  std::string ext = hasDot ? fileName.substr(dot) : std::string(".");
  if (ext == ".") ext = Ext;
  auto img = TGameImage::Create(Path + base + ext, flags, midHandle);
  if (!name.empty()) img->name = UpperCase(name);
  Insert(img);
  return img;
}

std::shared_ptr<TGameImage> TImageBank::LoadNoMid(const std::string& fileName, const std::string& name, int flags) {
  return Load(fileName, name, flags, 0);
}

std::shared_ptr<TGameImage> TImageBank::LoadAnim(const std::string& fileName, int cellWidth, int cellHeight,
                                                 int firstCell, int cellCount, int flags, int midHandle) {
  if (defaultFlags != -1 && flags == -1) flags = defaultFlags;
  auto img = std::make_shared<TGameImage>();
  img->LoadAnim(Path + fileName + Ext, cellWidth, cellHeight, firstCell, cellCount, flags, midHandle);
  Insert(img);
  return img;
}

void TImageBank::Insert(std::shared_ptr<TGameImage> image) {
  if (!image) return;
  if (image->image) unpacked_.push_back(image->image);
  Items[image->name] = std::move(image);
}

std::shared_ptr<TGameImage> TImageBank::Find(const std::string& name, int quiet) const {
  return FindNamed(Items, UpperCase(name), quiet, "Image", "ImageBank");
}

std::shared_ptr<TImage> TImageBank::FindTImage(const std::string& name) const {
  auto img = Find(name, 1);
  return img ? img->image : nullptr;
}

int64_t TImageBank::CalcRAM() const {
  int64_t total = 0;
  for (const auto& [key, img] : Items) total += img->CalcRAM();
  return total / 1024;
}

int64_t TImageBank::CalcVRAM() const {
  int64_t total = 0;
  for (const auto& [key, img] : Items) total += img->CalcVRAM();
  return total / 1024;
}

void TImageBank::PrintRAM() const {
  std::fprintf(stderr, "***RAM USAGE=%lld***\n", static_cast<long long>(CalcRAM() / 1024));
}

void TImageBank::PrintVRAM() const {
  std::fprintf(stderr, "***VRAM USAGE=%lld***\n", static_cast<long long>(CalcVRAM() / 1024));
}

void TImageBank::Pack() {
  std::vector<std::shared_ptr<TImage>> batch;
  for (auto& weak : unpacked_) {
    auto img = weak.lock();
    if (!img || img->flags & (IMAGE_MIPMAPPED | IMAGE_DYNAMIC)) continue;
    if (img->width > kMaxPackedSide || img->height > kMaxPackedSide ||
        int64_t(img->width) * img->height > kMaxPackedArea)
      continue;
    batch.push_back(std::move(img));
  }
  unpacked_.clear();
  if (batch.empty()) return;
  PackImages(batch, kPageSize);
  // The page holds the pixels now; pictures read from files need no copy of their own
  // while it is uploaded.
  for (const auto& img : batch) img->ReleasePixmaps();
  ReturnFreedMemory();
}

void TImageBank::Precache() {
  Pack();
  for (auto& [key, img] : Items) img->Precache();
  // Decoding and packing left the heap full of freed pictures: give them back now.
  ReturnFreedMemory();
}
