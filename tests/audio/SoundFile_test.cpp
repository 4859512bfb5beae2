// Reading sound files: well-formed WAV layouts, damaged files, and the fatal report
// for a sound that cannot be loaded.
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

#include "AudioTestKit.h"
#include "core/ErrorReport.h"
#include "audio/SoundLoader.h"
#include "audio/WavReader.h"

using namespace audiotest;

TEST(WavReader, ReadsPcmLayoutsAndSkipsOtherChunks) {
  std::vector<int16_t> samples = {0, 1000, -1000, 32767, -32768, 5};

  TSoundData mono16;
  auto wav = MakeWav(1, 16, 22050, samples);
  ASSERT_TRUE(ReadWav(wav.data(), wav.size(), mono16));
  EXPECT_EQ(mono16.Channels, 1);
  EXPECT_EQ(mono16.Bits, 16);
  EXPECT_EQ(mono16.Rate, 22050);
  ASSERT_EQ(mono16.Bytes.size(), 12u);
  int16_t third;
  std::memcpy(&third, mono16.Bytes.data() + 4, 2);
  EXPECT_EQ(third, -1000);

  TSoundData stereo8;
  wav = MakeWav(2, 8, 11025, samples);
  ASSERT_TRUE(ReadWav(wav.data(), wav.size(), stereo8));
  EXPECT_EQ(stereo8.Channels, 2);
  EXPECT_EQ(stereo8.Bits, 8);
  EXPECT_EQ(stereo8.Bytes.size(), 6u);
  EXPECT_EQ(stereo8.Bytes[3], 255);  // 32767 as unsigned 8-bit

  // An odd-sized chunk (padded to even) before the samples, and a fmt chunk after them.
  wav = MakeWav(1, 16, 8000, samples);
  std::vector<uint8_t> fmt(wav.begin() + 12, wav.begin() + 36);
  std::vector<uint8_t> data(wav.begin() + 36, wav.end());
  std::vector<uint8_t> odd = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
  odd.insert(odd.end(), data.begin(), data.end());
  odd.insert(odd.end(), fmt.begin(), fmt.end());
  TSoundData reordered;
  ASSERT_TRUE(ReadWav(odd.data(), odd.size(), reordered));
  EXPECT_EQ(reordered.Rate, 8000);
  EXPECT_EQ(reordered.Bytes.size(), 12u);

  // What OpenAL Soft's own writer produces: the extensible header naming PCM.
  std::vector<uint8_t> ext = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' '};
  Put32(ext, 40);
  Put16(ext, 0xFFFE);
  Put16(ext, 2);
  Put32(ext, 44100);
  Put32(ext, 44100 * 4);
  Put16(ext, 4);
  Put16(ext, 16);
  Put16(ext, 22);
  Put16(ext, 16);
  Put32(ext, 3);
  Put16(ext, 1);  // sub-format: PCM
  for (int i = 0; i < 14; ++i) ext.push_back(0);
  for (char c : std::string("data")) ext.push_back(uint8_t(c));
  Put32(ext, 8);
  for (int i = 0; i < 8; ++i) ext.push_back(uint8_t(i));
  TSoundData extensible;
  ASSERT_TRUE(ReadWav(ext.data(), ext.size(), extensible));
  EXPECT_EQ(extensible.Channels, 2);
  EXPECT_EQ(extensible.Bytes.size(), 8u);
}

TEST(WavReader, RefusesDamagedAndUnsupportedFiles) {
  auto good = MakeWav(2, 16, 22050, Tone(440, 0.01, 22050));
  TSoundData out;

  // Every cut-off copy is refused: the data chunk claims more than is there.
  for (size_t n = 0; n < good.size(); ++n) EXPECT_FALSE(ReadWav(good.data(), n, out)) << "prefix " << n;

  auto withField = [&](size_t offset, uint16_t value) {
    auto copy = good;
    copy[offset] = uint8_t(value);
    copy[offset + 1] = uint8_t(value >> 8);
    return copy;
  };
  auto floatFormat = withField(20, 3);
  EXPECT_FALSE(ReadWav(floatFormat.data(), floatFormat.size(), out));
  auto threeChannels = withField(22, 3);
  EXPECT_FALSE(ReadWav(threeChannels.data(), threeChannels.size(), out));
  auto bits24 = withField(34, 24);
  EXPECT_FALSE(ReadWav(bits24.data(), bits24.size(), out));
  auto zeroRate = withField(24, 0);
  EXPECT_FALSE(ReadWav(zeroRate.data(), zeroRate.size(), out));
  auto hugeData = withField(42, 0xFFFF);  // data length 0xFFFFxxxx
  EXPECT_FALSE(ReadWav(hugeData.data(), hugeData.size(), out));
  auto notWave = good;
  notWave[8] = 'X';
  EXPECT_FALSE(ReadWav(notWave.data(), notWave.size(), out));
  // Samples without a format, and a format without samples.
  std::vector<uint8_t> formatOnly(good.begin(), good.begin() + 36);
  EXPECT_FALSE(ReadWav(formatOnly.data(), formatOnly.size(), out));
}

TEST(SoundLoader, MissingOrDamagedSoundIsTheFatalReport) {
  TTempDir temp;
  std::string dir = temp.Path;
  WriteBytes(dir + "/garbage.wav", {'R', 'I', 'F', 'F', 1, 2, 3});
  auto cut = MakeWav(1, 16, 22050, Tone(440, 0.1, 22050));
  cut.resize(cut.size() / 2);
  WriteBytes(dir + "/cut.wav", cut);
  WriteBytes(dir + "/cut.ogg", {'O', 'g', 'g', 'S', 0, 2, 0, 0});
  std::string good = WriteTone(dir, "good.wav", 440, 0.05);

  EXPECT_TRUE(LoadSound(good, 0));
  for (std::string name : {"missing.wav", "garbage.wav", "cut.wav", "cut.ogg"}) {
    std::string path = dir + "/" + name;
    EXPECT_FALSE(LoadSound(path, 0)) << name;
    try {
      LoadSoundChecked(path, 0);
      ADD_FAILURE() << "no report for " << name;
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(std::string(e.what()), "Error loading sample " + path);
    }
  }

  // The game's error report receives the text; even a report that returns does not let
  // the caller go on without the sound.
  std::string reported;
  SetErrorReportHook([&](const std::string& text, int, int) { reported = text; });
  EXPECT_THROW(LoadSoundChecked(dir + "/missing.wav", 1), std::runtime_error);
  EXPECT_EQ(reported, "Error loading sample " + dir + "/missing.wav");
  SetErrorReportHook(nullptr);
}
