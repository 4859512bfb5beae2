#include "audio/GameChannel.h"

std::shared_ptr<TGameChannel> TGameChannel::Create() {
  auto channel = std::make_shared<TGameChannel>();
  channel->Channel = AllocChannel();
  return channel;
}

void TGameChannel::Kill() {
  if (Channel) StopChannel(Channel);
  Channel.reset();
}
