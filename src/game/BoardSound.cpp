#include "game/BoardSound.h"

namespace {
std::shared_ptr<TBoardSoundSink> soundSink;
}

void SetBoardSoundSink(std::shared_ptr<TBoardSoundSink> sink) { soundSink = std::move(sink); }

void BoardSound(const std::string& name, float pitch) {
  if (soundSink) soundSink->Play(name, pitch);
}

void BoardLandSound(const std::string& name) {
  if (soundSink) soundSink->PlayLand(name);
}

void BoardAlarmSound(const std::string& name) {
  if (soundSink) soundSink->PlayAlarm(name);
}

void BoardScatterSound(const std::string& name) {
  if (soundSink) soundSink->PlayScatter(name);
}
