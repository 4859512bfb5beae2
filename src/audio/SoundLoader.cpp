#include "audio/SoundLoader.h"

#include <cstring>
#include <string>

#include "core/ErrorReport.h"
#include "audio/OggReader.h"
#include "audio/WavReader.h"
#include "platform/Files.h"

TSoundPtr LoadSound(const std::string& path, int flags) {
  std::string file;
  if (!ReadDataFile(path, file)) return nullptr;
  const auto* bytes = reinterpret_cast<const uint8_t*>(file.data());
  TSoundData pcm;
  bool ok = false;
  if (file.size() >= 4 && std::memcmp(bytes, "OggS", 4) == 0)
    ok = ReadOgg(bytes, file.size(), pcm);
  else
    ok = ReadWav(bytes, file.size(), pcm);
  if (!ok) return nullptr;
  return CreateSound(pcm.Bytes.data(), pcm.Bytes.size(), pcm.Channels, pcm.Bits, pcm.Rate, flags);
}

TSoundPtr LoadSoundChecked(const std::string& path, int flags) {
  TSoundPtr sound = LoadSound(path, flags);
  if (!sound) FatalError("Error loading sample " + path);
  return sound;
}
