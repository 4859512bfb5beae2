#include "Reverb.h"

#include <algorithm>

namespace {
// Mutually prime delays (samples at 44.1 kHz) so the echoes do not pile up into tones.
constexpr int kCombs[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr int kAllPasses[] = {556, 441, 341, 225};
constexpr int kStereoSpread = 23;
}  // namespace

TReverb::TReverb(float size, float damp) : feedback_(0.7f + 0.28f * size), damp_(damp * 0.4f) {}

TSignal TReverb::Wet(const TSignal& in, double tailSeconds) {
  const std::size_t n = in.Frames() + static_cast<std::size_t>(tailSeconds * kRate);
  TSignal out(in.Channels(), n);
  for (int c = 0; c < in.Channels(); ++c) {
    const int spread = c * kStereoSpread;
    std::vector<TComb> combs;
    for (int d : kCombs) combs.push_back({std::vector<float>(d + spread, 0.0f)});
    std::vector<TAllPass> passes;
    for (int d : kAllPasses) passes.push_back({std::vector<float>(d + spread, 0.0f)});
    // Both channels feed from the mix of the input so a hard-panned note still fills the room.
    const auto& l = in.Channel(0);
    const auto& r = in.Channel(in.Channels() - 1);
    auto& dst = out.Channel(c);
    for (std::size_t i = 0; i < n; ++i) {
      const float x = i < l.size() ? 0.5f * (l[i] + r[i]) * 0.1f : 0.0f;
      float sum = 0.0f;
      for (auto& cb : combs) {
        const float y = cb.buf[cb.pos];
        cb.store = y * (1.0f - damp_) + cb.store * damp_;
        cb.buf[cb.pos] = x + cb.store * feedback_;
        if (++cb.pos == cb.buf.size()) cb.pos = 0;
        sum += y;
      }
      for (auto& ap : passes) {
        const float b = ap.buf[ap.pos];
        ap.buf[ap.pos] = sum + b * 0.5f;
        sum = b - sum;
        if (++ap.pos == ap.buf.size()) ap.pos = 0;
      }
      dst[i] = sum;
    }
  }
  return out;
}
