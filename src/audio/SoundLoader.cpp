#include "audio/SoundLoader.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "core/ErrorReport.h"
#include "audio/OggReader.h"
#include "audio/WavReader.h"

TSoundPtr LoadSound(const std::string& path, int flags) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return nullptr;
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return nullptr;
  TSoundData pcm;
  bool ok = false;
  if (bytes.size() >= 4 && std::memcmp(bytes.data(), "OggS", 4) == 0)
    ok = ReadOgg(bytes.data(), bytes.size(), pcm);
  else
    ok = ReadWav(bytes.data(), bytes.size(), pcm);
  if (!ok) return nullptr;
  return CreateSound(pcm.Bytes.data(), pcm.Bytes.size(), pcm.Channels, pcm.Bits, pcm.Rate, flags);
}

TSoundPtr LoadSoundChecked(const std::string& path, int flags) {
  TSoundPtr sound = LoadSound(path, flags);
  if (!sound) FatalError("Error loading sample " + path);
  return sound;
}
