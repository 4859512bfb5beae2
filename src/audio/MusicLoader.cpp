#include "audio/MusicLoader.h"

#include <cstring>
#include <memory>

#include "audio/SoundLoader.h"
#include "audio/VorbisStream.h"
#include "core/ErrorReport.h"
#include "platform/Files.h"

TSoundPtr LoadMusic(const std::string& path, int flags) {
  auto bytes = std::make_shared<std::string>();
  if (!ReadWholeFile(ResolveDataPath(path), *bytes)) return nullptr;
  if (bytes->size() < 4 || std::memcmp(bytes->data(), "OggS", 4) != 0) return LoadSound(path, flags);
  std::shared_ptr<const std::string> shared = std::move(bytes);
  // Tried once here so that a track that cannot play is refused now, not when cued.
  if (!OpenVorbisStream(shared)) return nullptr;
  return CreateStreamedSound([shared] { return OpenVorbisStream(shared); }, flags);
}

TSoundPtr LoadMusicChecked(const std::string& path, int flags) {
  TSoundPtr sound = LoadMusic(path, flags);
  if (!sound) FatalError("Error loading sample " + path);
  return sound;
}
