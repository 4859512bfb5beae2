// A block of audio samples (one or two channels) that the generators build
// sounds in, with the finishing steps every file goes through before saving.
#pragma once
#include <cstddef>
#include <vector>

constexpr int kRate = 44100;

// Left and right gains of an equal-power pan (-1 left .. 1 right); the centre is
// 3 dB down on each side so that a note keeps its loudness wherever it sits.
struct TPan {
  float l = 1.0f, r = 1.0f;
  static TPan At(float pan);
};

class TSignal {
 public:
  explicit TSignal(int channels = 1, std::size_t frames = 0);

  int Channels() const { return static_cast<int>(ch_.size()); }
  std::size_t Frames() const { return ch_[0].size(); }
  double Seconds() const { return static_cast<double>(Frames()) / kRate; }
  std::vector<float>& Channel(int c) { return ch_[c]; }
  const std::vector<float>& Channel(int c) const { return ch_[c]; }

  // Grows (never shrinks) so that frame index n - 1 exists.
  void Reserve(std::size_t frames);
  void Resize(std::size_t frames);
  // Adds a mono sample at frame; a mono signal ignores the pan.
  void Add(std::size_t frame, float v, const TPan& pan) {
    if (frame >= ch_[0].size()) return;
    if (ch_.size() == 1) {
      ch_[0][frame] += v;
    } else {
      ch_[0][frame] += v * pan.l;
      ch_[1][frame] += v * pan.r;
    }
  }
  // Mixes another signal in, starting at frame, scaled by gain.
  void Mix(const TSignal& other, std::size_t frame, float gain = 1.0f);

  float Peak() const;
  float Rms() const;
  // RMS of the loudest stretch of the given length (all channels together); a sound
  // shorter than that counts as padded with silence. This is what the ear compares
  // between short effects, where the peak only tells how sharp the attack is.
  float LoudestRms(double windowSeconds) const;
  // Brings every sample under ceiling (linear) with a gain that dips just before a peak
  // and recovers over releaseSeconds, so loud transients are tamed without clipping.
  void Limit(float ceiling, double attackSeconds = 0.0015, double releaseSeconds = 0.06);
  void Scale(float gain);
  // Scales so that the loudest sample sits at dbfs.
  void NormalisePeak(float dbfs);
  // Raised-cosine fades, so that the file neither starts nor ends with a step.
  void FadeEdges(double inSeconds, double outSeconds);
  // Cuts trailing samples quieter than threshold (keeping a short margin).
  void TrimTail(float threshold);
  void Reverse();
  // Removes any slow offset with a gentle high-pass.
  void RemoveDc();
  // For a loop of loopFrames: everything that rings past the loop end is
  // folded back onto the start, so that playing the loop over and over sounds
  // as if the piece kept going. The signal is then exactly loopFrames long.
  void WrapTail(std::size_t loopFrames);
  // Folds two channels into one.
  TSignal ToMono() const;

 private:
  std::vector<std::vector<float>> ch_;
};
