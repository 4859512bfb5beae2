#include "gfx/PixmapAhead.h"

#include <memory>

#include "core/DecodeAhead.h"
#include "gfx/Pixmap.h"
#include "platform/Files.h"

namespace {
std::unique_ptr<TDecodeAhead<TPixmap>> ahead;

// Keys are resolved paths: the same file asked for in another letter case is the same job.
TPixmapPtr DecodeResolved(const std::string& resolved) {
  std::string bytes;
  if (!ReadWholeFile(resolved, bytes)) return nullptr;
  return LoadPixmapFromMemory(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}
}  // namespace

void DecodePixmapsAhead(const std::vector<std::string>& paths, int threads) {
  StopDecodingPixmapsAhead();
  if (threads <= 0) return;
  // A few pictures ahead of the loading keep the helpers busy; decoding them all at once
  // would hold every picture in memory beside the pages they are packed into.
  ahead = std::make_unique<TDecodeAhead<TPixmap>>(DecodeResolved, threads, 2 * threads);
  // Resolving reads the listing cache, which belongs to this thread.
  for (const std::string& path : paths) ahead->Add(ResolveDataPath(path));
}

void StopDecodingPixmapsAhead() { ahead.reset(); }

TPixmapPtr LoadPixmap(const std::string& path) {
  const std::string resolved = ResolveDataPath(path);
  if (ahead) {
    TPixmapPtr pixmap;
    if (ahead->Take(resolved, pixmap)) return pixmap;
  }
  return DecodeResolved(resolved);
}
