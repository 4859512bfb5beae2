#include "audio/SoundBank.h"

#include <filesystem>

#include "core/ErrorReport.h"
#include "core/Text.h"

std::unique_ptr<TSoundBank> SoundBank;

void TSoundBank::SetPath(const std::string& path) { Path = AddSlash(path); }

std::shared_ptr<TGameSound> TSoundBank::Load(const std::string& fileName, float pitch, float volume,
                                             const std::string& name, int flags) {
  std::filesystem::path file(fileName);
  std::string extension = file.has_extension() ? file.extension().string() : Ext;
  std::string base = file.has_extension() ? file.replace_extension().string() : fileName;
  auto sound = TGameSound::Create(Path + base + extension, flags);
  sound->pitch = pitch;
  sound->volume = volume;
  if (!name.empty()) sound->name = UpperCase(name);
  Insert(sound);
  return sound;
}

std::shared_ptr<TGameSound> TSoundBank::Find(const std::string& name) const {
  std::string key = UpperCase(name);
  auto it = Sounds.find(key);
  if (it == Sounds.end()) FatalError("Sound '" + key + "' was not found in the SoundBank");
  return it->second;
}

bool TSoundBank::Contains(const std::string& name) const { return Sounds.count(UpperCase(name)) != 0; }

void TSoundBank::Insert(std::shared_ptr<TGameSound> sound) {
  if (sound) Sounds[sound->name] = std::move(sound);
}
