#include "audio/GameSound.h"

#include <filesystem>

#include "audio/Mixer.h"
#include "core/Game.h"
#include "core/Text.h"
#include "audio/SoundLoader.h"

std::shared_ptr<TGameSound> TGameSound::Create(const std::string& path, int flags) {
  auto sound = std::make_shared<TGameSound>();
  sound->Load(path, flags);
  return sound;
}

void TGameSound::Load(const std::string& path, int flags) {
  name = UpperCase(std::filesystem::path(path).stem().string());
  sound = LoadSoundChecked(path, flags);
}

void TGameSound::PlayInChannel(TChannelPtr& channel, float pan) const {
  if (Game) Mixer().GameSoundPlay(channel, *this, pan);
}
