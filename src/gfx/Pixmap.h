// A block of pixels in memory: what pictures are decoded into, what textures are
// uploaded from and what the back buffer is read back into. Rows run top to bottom.
#pragma once
#include <cstdint>
#include <new>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/Memory.h"

enum TPixelFormat {
  PF_RGB888 = 3,    // no alpha channel: masking applies when set into an image
  PF_RGBA8888 = 4,  // straight (not premultiplied) alpha
};

class TPixmap;
using TPixmapPtr = std::shared_ptr<TPixmap>;

// Pixel memory comes zeroed without being written (see AllocateZeroed): a big texture
// page takes memory only where pictures are written into it, and a big picture gives its
// memory back as soon as it is freed. Growing such a vector gives zero bytes only while it
// never shrank.
template <class T>
struct TZeroedAllocator {
  using value_type = T;
  TZeroedAllocator() = default;
  template <class U>
  TZeroedAllocator(const TZeroedAllocator<U>&) noexcept {}
  T* allocate(size_t n) {
    if (void* p = AllocateZeroed(n * sizeof(T))) return static_cast<T*>(p);
    throw std::bad_alloc();
  }
  void deallocate(T* p, size_t n) noexcept { FreeZeroed(p, n * sizeof(T)); }
  // Value-initialising memory that already reads zero would write, and so take, every page.
  template <class U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
  template <class U, class... A>
  void construct(U* p, A&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<A>(args)...);
  }
  template <class U>
  bool operator==(const TZeroedAllocator<U>&) const noexcept {
    return true;
  }
};
using TPixelBytes = std::vector<uint8_t, TZeroedAllocator<uint8_t>>;

class TPixmap {
 public:
  // Largest side a decoded or created pixmap may have; bigger requests are refused.
  static constexpr int kMaxSide = 16384;

  int width = 0;
  int height = 0;
  int pitch = 0;  // bytes per row
  TPixelFormat format = PF_RGBA8888;
  TPixelBytes pixels;

  // A zero-filled pixmap, or nullptr for a size outside 1..kMaxSide.
  static TPixmapPtr Create(int width, int height, TPixelFormat format);

  int BytesPerPixel() const { return int(format); }
  bool HasAlpha() const { return format == PF_RGBA8888; }
  uint8_t* Row(int y) { return pixels.data() + size_t(y) * pitch; }
  const uint8_t* Row(int y) const { return pixels.data() + size_t(y) * pitch; }

  // 0xAARRGGBB; pixels without alpha read as opaque. Out-of-range positions read 0 / are ignored.
  uint32_t ReadPixel(int x, int y) const;
  void WritePixel(int x, int y, uint32_t argb);

  // A copy in another format (RGB -> RGBA gives opaque alpha).
  TPixmapPtr Convert(TPixelFormat to) const;
  // A copy where pixels equal to the mask colour get alpha 0 and all others 255.
  TPixmapPtr Masked(int maskR, int maskG, int maskB) const;
  // The w x h rectangle at (x, y), clipped to the pixmap; nullptr when nothing is left.
  TPixmapPtr Window(int x, int y, int w, int h) const;
  // A copy scaled to w x h (box filter when shrinking, nearest when growing).
  TPixmapPtr Resized(int w, int h) const;
  TPixmapPtr Copy() const { return std::make_shared<TPixmap>(*this); }
};

// Picture files: PNG, JPEG, BMP and TGA, told apart by their first bytes. Every reader
// checks every length and returns nullptr for a missing, truncated or corrupt file.
TPixmapPtr LoadPixmap(const std::string& path);
TPixmapPtr LoadPixmapFromMemory(const uint8_t* data, size_t size);
TPixmapPtr LoadPixmapPNG(const uint8_t* data, size_t size);
TPixmapPtr LoadPixmapJPEG(const uint8_t* data, size_t size);
TPixmapPtr LoadPixmapBMP(const uint8_t* data, size_t size);
TPixmapPtr LoadPixmapTGA(const uint8_t* data, size_t size);

// Writes the pixmap as PNG; compression is clamped to 0..9. False when the file cannot be written.
bool SavePixmapPNG(const TPixmap& pixmap, const std::string& path, int compression = 6);
