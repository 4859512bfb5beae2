#include "audio/SoundLoader.h"

#include <cstring>
#include <memory>
#include <string>

#include "audio/OggReader.h"
#include "audio/SoundAhead.h"
#include "audio/SoundData.h"
#include "audio/WavReader.h"
#include "core/DecodeAhead.h"
#include "core/ErrorReport.h"
#include "platform/Files.h"

namespace {
std::unique_ptr<TDecodeAhead<TSoundData>> ahead;

// The file's samples, or none when it is missing, unreadable or damaged. Keys are
// resolved paths, so the same file in another letter case is one job.
std::shared_ptr<TSoundData> DecodeResolved(const std::string& resolved) {
  std::string file;
  if (!ReadWholeFile(resolved, file)) return nullptr;
  const auto* bytes = reinterpret_cast<const uint8_t*>(file.data());
  auto pcm = std::make_shared<TSoundData>();
  bool ok = false;
  if (file.size() >= 4 && std::memcmp(bytes, "OggS", 4) == 0)
    ok = ReadOgg(bytes, file.size(), *pcm);
  else
    ok = ReadWav(bytes, file.size(), *pcm);
  return ok ? pcm : nullptr;
}
}  // namespace

void DecodeSoundsAhead(const std::vector<std::string>& paths, int threads) {
  StopDecodingSoundsAhead();
  if (threads <= 0) return;
  // A few sounds ahead of the loading, not all of them held at once.
  ahead = std::make_unique<TDecodeAhead<TSoundData>>(DecodeResolved, threads, 2 * threads);
  for (const std::string& path : paths) ahead->Add(ResolveDataPath(path));
}

void StopDecodingSoundsAhead() { ahead.reset(); }

TSoundPtr LoadSound(const std::string& path, int flags) {
  const std::string resolved = ResolveDataPath(path);
  std::shared_ptr<TSoundData> pcm;
  if (!ahead || !ahead->Take(resolved, pcm)) pcm = DecodeResolved(resolved);
  if (!pcm) return nullptr;
  return CreateSound(pcm->Bytes.data(), pcm->Bytes.size(), pcm->Channels, pcm->Bits, pcm->Rate, flags);
}

TSoundPtr LoadSoundChecked(const std::string& path, int flags) {
  TSoundPtr sound = LoadSound(path, flags);
  if (!sound) FatalError("Error loading sample " + path);
  return sound;
}
