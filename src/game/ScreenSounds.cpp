#include "game/ScreenSounds.h"

#include "audio/ChannelArray.h"
#include "audio/GameSound.h"
#include "audio/Mixer.h"
#include "audio/SoundBank.h"
#include "core/Game.h"

std::shared_ptr<TGameSound> BankSoundOrNone(const std::string& name) {
  return SoundBank && SoundBank->Contains(name) ? SoundBank->Find(name) : nullptr;
}

void PlayThroughPool(const std::shared_ptr<TGameSound>& sound) {
  if (sound && Game && Mixer().Channels) Mixer().Channels->PlayGameSound(*sound, nullptr, 1.0f, 0);
}
