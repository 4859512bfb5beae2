#include "game/GridSounds.h"

#include "audio/GameSound.h"
#include "audio/SoundBank.h"
#include "platform/Audio.h"

void TGridSounds::CreateChannels() {
  GridChannels = TChannelArray::Create(8);
  GridChannels->MaxVol = 8;
  LandChannel = GridChannels->ChannelByIndex(1);
  if (LandChannel) LandChannel->Reserved = 1;
  AlarmChannel.reset();
  ScatterChannel.reset();
}

void TGridSounds::Play(const std::string& name, float pitch) {
  if (!GridChannels || !SoundBank) return;
  // A name the bank lacks is its fatal report.
  auto sound = SoundBank->Find(name);
  // The bank's sound is shared: its own pitch comes back once this one is on its way.
  const float own = sound->pitch;
  sound->pitch = own * pitch;
  GridChannels->PlayGameSound(*sound, nullptr, 1.0f, 0);
  sound->pitch = own;
}

void TGridSounds::PlayLand(const std::string& name) {
  if (!GridChannels || !LandChannel || !SoundBank) return;
  auto sound = SoundBank->Find(name);
  if (LandChannel->Channel && ChannelPlaying(LandChannel->Channel)) return;
  GridChannels->PlayGameSound(*sound, LandChannel, 1.0f, 0);
}

namespace {
void PlayOwn(TChannelPtr& channel, const std::string& name) {
  if (!SoundBank || !SoundBank->Contains(name)) return;
  SoundBank->Find(name)->PlayInChannel(channel, 0);
}
}  // namespace

void TGridSounds::PlayAlarm(const std::string& name) { PlayOwn(AlarmChannel, name); }

void TGridSounds::PlayScatter(const std::string& name) { PlayOwn(ScatterChannel, name); }

void TGridSounds::Manage() {
  if (GridChannels) GridChannels->Manage();
}

void TGridSounds::Kill() {
  if (GridChannels) GridChannels->Kill();
  GridChannels.reset();
  LandChannel.reset();
}
