#include "audio/OggMemoryFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

size_t ReadMem(void* ptr, size_t size, size_t count, void* source) {
  auto* f = static_cast<TOggMemoryFile*>(source);
  if (size == 0 || count == 0) return 0;
  size_t want = std::min(count, (f->Size - f->Pos) / size);
  std::memcpy(ptr, f->Data + f->Pos, want * size);
  f->Pos += want * size;
  return want;
}

int SeekMem(void* source, ogg_int64_t offset, int whence) {
  auto* f = static_cast<TOggMemoryFile*>(source);
  ogg_int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? static_cast<ogg_int64_t>(f->Pos)
                                                                 : static_cast<ogg_int64_t>(f->Size);
  if (whence != SEEK_SET && whence != SEEK_CUR && whence != SEEK_END) return -1;
  ogg_int64_t target = base + offset;
  if (target < 0 || target > static_cast<ogg_int64_t>(f->Size)) return -1;
  f->Pos = static_cast<size_t>(target);
  return 0;
}

long TellMem(void* source) { return static_cast<long>(static_cast<TOggMemoryFile*>(source)->Pos); }

}  // namespace

ov_callbacks OggMemoryCallbacks() { return ov_callbacks{ReadMem, SeekMem, nullptr, TellMem}; }
