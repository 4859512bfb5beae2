#include "Signal.h"

#include <algorithm>
#include <cmath>

TSignal::TSignal(int channels, std::size_t frames) : ch_(channels, std::vector<float>(frames, 0.0f)) {}

void TSignal::Reserve(std::size_t frames) {
  if (frames > Frames()) Resize(frames);
}

void TSignal::Resize(std::size_t frames) {
  for (auto& c : ch_) c.resize(frames, 0.0f);
}

TPan TPan::At(float pan) {
  const float a = (std::clamp(pan, -1.0f, 1.0f) + 1.0f) * 0.25f * 3.14159265f;
  return {std::cos(a), std::sin(a)};
}

void TSignal::Mix(const TSignal& other, std::size_t frame, float gain) {
  Reserve(frame + other.Frames());
  for (int c = 0; c < Channels(); ++c) {
    const auto& src = other.ch_[std::min(c, other.Channels() - 1)];
    auto& dst = ch_[c];
    for (std::size_t i = 0; i < src.size(); ++i) dst[frame + i] += src[i] * gain;
  }
}

float TSignal::Peak() const {
  float p = 0.0f;
  for (const auto& c : ch_)
    for (float v : c) p = std::max(p, std::fabs(v));
  return p;
}

float TSignal::Rms() const {
  double sum = 0.0;
  std::size_t n = 0;
  for (const auto& c : ch_) {
    for (float v : c) sum += static_cast<double>(v) * v;
    n += c.size();
  }
  return n ? static_cast<float>(std::sqrt(sum / n)) : 0.0f;
}

float TSignal::LoudestRms(double windowSeconds) const {
  const std::size_t n = Frames();
  const std::size_t w = std::max<std::size_t>(1, static_cast<std::size_t>(windowSeconds * kRate));
  auto energy = [&](std::size_t i) {
    double e = 0.0;
    for (const auto& c : ch_) e += static_cast<double>(c[i]) * c[i];
    return e / static_cast<double>(ch_.size());
  };
  double sum = 0.0, best = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    sum += energy(i);
    if (i >= w) sum -= energy(i - w);
    best = std::max(best, sum);
  }
  return static_cast<float>(std::sqrt(std::max(0.0, best) / static_cast<double>(w)));
}

void TSignal::Limit(float ceiling, double attackSeconds, double releaseSeconds) {
  const std::size_t n = Frames();
  if (n == 0 || ceiling <= 0.0f) return;
  std::vector<float> gain(n, 1.0f);
  for (std::size_t i = 0; i < n; ++i) {
    float p = 0.0f;
    for (const auto& c : ch_) p = std::max(p, std::fabs(c[i]));
    if (p > ceiling) gain[i] = ceiling / p;
  }
  // Falling towards a peak at most this fast, looking back from it: the dip starts early.
  const float attack = 1.0f / std::max(1.0f, static_cast<float>(attackSeconds * kRate));
  for (std::size_t i = n - 1; i-- > 0;) gain[i] = std::min(gain[i], gain[i + 1] + attack);
  // And recovering at most this fast after it.
  const float release = 1.0f / std::max(1.0f, static_cast<float>(releaseSeconds * kRate));
  for (std::size_t i = 1; i < n; ++i) gain[i] = std::min(gain[i], gain[i - 1] + release);
  for (auto& c : ch_)
    for (std::size_t i = 0; i < n; ++i) c[i] *= gain[i];
}

void TSignal::Scale(float gain) {
  for (auto& c : ch_)
    for (float& v : c) v *= gain;
}

void TSignal::NormalisePeak(float dbfs) {
  const float p = Peak();
  if (p > 0.0f) Scale(std::pow(10.0f, dbfs / 20.0f) / p);
}

void TSignal::FadeEdges(double inSeconds, double outSeconds) {
  const std::size_t n = Frames();
  const std::size_t fin = std::min<std::size_t>(n, static_cast<std::size_t>(inSeconds * kRate));
  const std::size_t fout = std::min<std::size_t>(n, static_cast<std::size_t>(outSeconds * kRate));
  for (auto& c : ch_) {
    for (std::size_t i = 0; i < fin; ++i)
      c[i] *= 0.5f - 0.5f * std::cos(3.14159265f * static_cast<float>(i) / fin);
    for (std::size_t i = 0; i < fout; ++i)
      c[n - 1 - i] *= 0.5f - 0.5f * std::cos(3.14159265f * static_cast<float>(i) / fout);
  }
}

void TSignal::TrimTail(float threshold) {
  std::size_t last = 0;
  for (const auto& c : ch_)
    for (std::size_t i = c.size(); i-- > 0;)
      if (std::fabs(c[i]) > threshold) {
        last = std::max(last, i);
        break;
      }
  Resize(std::min(Frames(), last + kRate / 50));
}

void TSignal::Reverse() {
  for (auto& c : ch_) std::reverse(c.begin(), c.end());
}

void TSignal::RemoveDc() {
  // One-pole high-pass near 15 Hz, run forwards and backwards so nothing shifts in time.
  const float r = 1.0f - 2.0f * 3.14159265f * 15.0f / kRate;
  for (auto& c : ch_) {
    for (int pass = 0; pass < 2; ++pass) {
      float x1 = 0.0f, y1 = 0.0f;
      for (float& v : c) {
        const float y = v - x1 + r * y1;
        x1 = v;
        y1 = y;
        v = y;
      }
      std::reverse(c.begin(), c.end());
    }
  }
}

void TSignal::WrapTail(std::size_t loopFrames) {
  for (auto& c : ch_) {
    c.resize(std::max(c.size(), loopFrames), 0.0f);
    for (std::size_t i = loopFrames; i < c.size(); ++i) c[i % loopFrames] += c[i];
    c.resize(loopFrames);
  }
}

TSignal TSignal::ToMono() const {
  TSignal m(1, Frames());
  for (std::size_t i = 0; i < Frames(); ++i) {
    float s = 0.0f;
    for (const auto& c : ch_) s += c[i];
    m.ch_[0][i] = s / Channels();
  }
  return m;
}
