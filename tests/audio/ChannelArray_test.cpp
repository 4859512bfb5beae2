// The effect pool's hand-out order and loudness sharing, and the sound bank's names.
// These run on silent channels (no device is opened in this process), which remember
// the volumes they are given.
#include <gtest/gtest.h>

#include <stdexcept>

#include "AudioTestKit.h"
#include "audio/ChannelArray.h"
#include "audio/Mixer.h"
#include "audio/SoundBank.h"
#include "core/Settings.h"

using namespace audiotest;

TEST(ChannelArray, HandsOutChannelsInTurnSkippingReservedOnes) {
  TTestGame game;
  auto pool = TChannelArray::Create(4);
  ASSERT_EQ(pool->Count(), 4);
  EXPECT_EQ(pool->Current, pool->ChannelByIndex(1));
  EXPECT_EQ(pool->ChannelByIndex(0), nullptr);
  EXPECT_EQ(pool->ChannelByIndex(5), nullptr);

  // Starting after the current one, wrapping round.
  EXPECT_EQ(pool->GetChannel(), pool->ChannelByIndex(2));
  EXPECT_EQ(pool->GetChannel(), pool->ChannelByIndex(3));
  pool->ChannelByIndex(4)->Reserved = 1;
  EXPECT_EQ(pool->GetChannel(), pool->ChannelByIndex(1));
  EXPECT_EQ(pool->GetChannel(), pool->ChannelByIndex(2));

  // The walk ends where it began, without looking at that channel again: with
  // every other channel taken there is nothing to give, even though the one the
  // last sound went to is free.
  for (int i : {1, 3, 4}) pool->ChannelByIndex(i)->Reserved = 1;
  EXPECT_EQ(pool->Current, pool->ChannelByIndex(2));
  EXPECT_EQ(pool->GetChannel(), nullptr);
  EXPECT_EQ(pool->Current, pool->ChannelByIndex(2)) << "the walk stops on the channel it started from";
  pool->ChannelByIndex(1)->Reserved = 0;
  EXPECT_EQ(pool->GetChannel(), pool->ChannelByIndex(1));

  // All reserved: nothing to give.
  for (auto& c : *pool) c->Reserved = 1;
  EXPECT_EQ(pool->GetChannel(), nullptr);

  // So a pool of one channel never hands it out, and an empty pool has none.
  auto single = TChannelArray::Create(1);
  EXPECT_EQ(single->GetChannel(), nullptr);
  EXPECT_EQ(TChannelArray::Create(0)->GetChannel(), nullptr);

  // A stopped channel is replaced at the end, and the replacement is current.
  auto third = pool->ChannelByIndex(3);
  pool->StopGameChannel(third);
  EXPECT_EQ(pool->Count(), 4);
  EXPECT_NE(pool->ChannelByIndex(4), third);
  EXPECT_EQ(pool->Current, pool->ChannelByIndex(4));
  EXPECT_EQ(pool->ChannelByIndex(4)->Reserved, 0);

  pool->Kill();
  EXPECT_EQ(pool->Count(), 0);
  EXPECT_EQ(pool->GetChannel(), nullptr);
}

TEST(ChannelArray, SharesLoudnessAmongPlayingChannels) {
  TTestGame game;
  Settings().SoundVolume = 50;
  auto pool = TChannelArray::Create(4);
  EXPECT_FLOAT_EQ(pool->MaxVol, 1.5f);
  pool->ChannelByIndex(2)->OriginalVolume = 0.5f;

  EXPECT_FLOAT_EQ(pool->BalanceVolumes(0), 1.0f);
  EXPECT_FLOAT_EQ(pool->BalanceVolumes(1), 1.0f);
  EXPECT_FLOAT_EQ(pool->BalanceVolumes(2), 0.75f);
  EXPECT_FLOAT_EQ(pool->BalanceVolumes(3), 0.5f);
  EXPECT_FLOAT_EQ(pool->BalanceVolumes(4), 0.375f);
  // Each channel: its own requested loudness x the share x the effect volume.
  EXPECT_FLOAT_EQ(ChannelVolume(pool->ChannelByIndex(1)->Channel), 0.375f * 0.5f);
  EXPECT_FLOAT_EQ(ChannelVolume(pool->ChannelByIndex(2)->Channel), 0.5f * 0.375f * 0.5f);

  // The game's own pool shares out its channel count, so four sounds stay at full loudness.
  Mixer().ChannelsCreate(16);
  EXPECT_FLOAT_EQ(Mixer().Channels->MaxVol, 16.0f);
  EXPECT_FLOAT_EQ(Mixer().Channels->BalanceVolumes(4), 1.0f);

  // Playing through the pool records the requested loudness and the balanced one.
  TGameSound sound;
  sound.sound = CreateSound(nullptr, 0, 1, 16, 22050, 0);
  Settings().SoundVolume = 100;
  auto played = pool->PlayGameSound(sound, nullptr, 0.8f, -0.5f);
  ASSERT_NE(played, nullptr);
  EXPECT_FLOAT_EQ(played->OriginalVolume, 0.8f);
  EXPECT_FLOAT_EQ(sound.volume, 0.8f);
  EXPECT_FLOAT_EQ(ChannelPan(played->Channel), -0.5f);
  Mixer().ChannelsKill();
  EXPECT_EQ(Mixer().Channels, nullptr);
}

TEST(SoundBank, FilesSoundsUnderUpperCaseNames) {
  TTestGame game;
  TTempDir temp;
  std::string dir = temp.Path;
  WriteTone(dir, "click.wav", 440, 0.02);
  WriteTone(dir, "levelend.ogg", 440, 0.02);  // told apart by contents, not by name
  WriteTone(dir, "other.wav", 440, 0.02);
  TSoundBank bank;
  bank.SetPath(dir);
  EXPECT_EQ(bank.Path, dir + "/");

  auto click = bank.Load("click", 1.5f, 0.5f, "", 0);
  EXPECT_EQ(click->name, "CLICK");
  EXPECT_FLOAT_EQ(click->pitch, 1.5f);
  EXPECT_EQ(bank.Find("Click"), click);
  // The extension named in the file name replaces the default one, and the name is the
  // file name without it.
  auto end = bank.Load("levelend.ogg", 1, 1, "", 0);
  EXPECT_EQ(end->name, "LEVELEND");
  EXPECT_EQ(bank.Find("levelend"), end);
  // A given name wins, and replaces an older entry of that name.
  auto renamed = bank.Load("other.wav", 1, 1, "click", 0);
  EXPECT_EQ(bank.Find("CLICK"), renamed);
  EXPECT_EQ(bank.Count(), 2);

  try {
    bank.Find("nothing");
    ADD_FAILURE() << "a missing name must be reported";
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(std::string(e.what()), "Sound 'NOTHING' was not found in the SoundBank");
  }
  EXPECT_THROW(bank.Load("absent", 1, 1, "", 0), std::runtime_error);
}
