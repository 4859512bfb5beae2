#include "audio/ChannelArray.h"

#include <algorithm>

#include "audio/Mixer.h"
#include "audio/GameSound.h"
#include "core/SettingLimits.h"
#include "core/Settings.h"

std::shared_ptr<TChannelArray> TChannelArray::Create(int count) {
  auto pool = std::make_shared<TChannelArray>();
  for (int i = 0; i < count; ++i) pool->AddLast(TGameChannel::Create());
  pool->Current = pool->Items.empty() ? nullptr : pool->Items.front();
  return pool;
}

float TChannelArray::BalanceVolumes(int extra) {
  int n = CountPlaying() + extra;
  float v = 1.0f;
  if (n > 0) v = std::min(1.0f, MaxVol / static_cast<float>(n));
  SetVolume(v);
  return v;
}

TChannelArray::TChannelRef TChannelArray::ChannelByIndex(int index) const {
  if (index < 1 || index > Count()) return nullptr;
  return Items[static_cast<size_t>(index - 1)];
}

int TChannelArray::CountPlaying() const {
  int n = 0;
  for (const auto& c : Items)
    if (ChannelPlaying(c->Channel)) ++n;
  return n;
}

TChannelArray::TChannelRef TChannelArray::GetChannel() {
  if (Items.empty()) return nullptr;
  const size_t n = Items.size();
  auto at = std::find(Items.begin(), Items.end(), Current);
  // Without a current channel (none of this pool) every channel is looked at, from the first.
  const bool known = at != Items.end();
  const size_t start = known ? static_cast<size_t>(at - Items.begin()) : n - 1;
  const size_t steps = known ? n - 1 : n;
  // The walk ends when it comes back to the channel it started from, which is not
  // looked at again: the sound just given to it is not cut off by the next one.
  for (size_t step = 1; step <= steps; ++step) {
    const TChannelRef& c = Items[(start + step) % n];
    Current = c;
    if (c->Reserved == 0 && (c->PlayWhenFinished == 0 || !ChannelPlaying(c->Channel))) return c;
  }
  if (known) Current = Items[start];
  return nullptr;
}

void TChannelArray::Kill() {
  for (auto& c : Items) c->Kill();
  Items.clear();
  Current.reset();
}

void TChannelArray::Manage() { BalanceVolumes(0); }

TChannelArray::TChannelRef TChannelArray::PlayGameSound(TGameSound& gameSound, TChannelRef gameChannel, float volume,
                                                        float pan) {
  if (!gameChannel) gameChannel = GetChannel();
  if (!gameChannel) return nullptr;
  gameChannel->OriginalVolume = volume;
  // The new sound counts as playing already.
  gameSound.volume = BalanceVolumes(1) * volume;
  gameSound.PlayInChannel(gameChannel->Channel, pan);
  return gameChannel;
}

void TChannelArray::SetVolume(float factor) {
  float master = TMixer::Current() ? Mixer().Gain(TAudioGroup::Effects) : 1.0f;
  for (auto& c : Items) SetChannelVolume(c->Channel, c->OriginalVolume * factor * master);
}

void TChannelArray::StopGameChannel(const TChannelRef& gameChannel) {
  if (!gameChannel) return;
  Remove(gameChannel);
  StopChannel(gameChannel->Channel);
  auto fresh = TGameChannel::Create();
  AddLast(fresh);
  Current = fresh;
}

void TChannelArray::AddLast(TChannelRef channel) {
  if (channel) Items.push_back(std::move(channel));
}

void TChannelArray::Remove(const TChannelRef& channel) {
  Items.erase(std::remove(Items.begin(), Items.end(), channel), Items.end());
}
