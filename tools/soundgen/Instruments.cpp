#include "Instruments.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "Envelope.h"
#include "Filters.h"
#include "Oscillators.h"

namespace {
std::size_t Frame(double seconds) { return static_cast<std::size_t>(std::max(0.0, seconds) * kRate); }

struct TPartial {
  double ratio;
  float amp;
  double tau;
};

// Sums decaying sine partials; releases with damperTau after the gate when it is positive.
void Partials(TSignal& out, const TNote& n, const std::vector<TPartial>& parts, double damperTau, double attack) {
  const double f = NoteHz(n.midi);
  double longest = 0.0;
  for (const auto& p : parts) longest = std::max(longest, p.tau);
  double len = longest * 7.0;
  if (damperTau > 0.0) len = std::min(len, n.length + damperTau * 7.0);
  const std::size_t s0 = Frame(n.start);
  const std::size_t count = Frame(len);
  out.Reserve(s0 + count);
  struct TVoice {
    TPhasor osc;
    TStruck env;
    float amp;
    std::size_t life;  // samples until it has faded below hearing
  };
  std::vector<TVoice> voices;
  for (const auto& p : parts)
    if (f * p.ratio < kRate * 0.45) voices.push_back({TPhasor(f * p.ratio), TStruck(p.tau, attack), p.amp, Frame(p.tau * 7.0)});
  const std::size_t gate = Frame(n.length);
  const double damp = damperTau > 0.0 ? std::exp(-1.0 / (damperTau * kRate)) : 1.0;
  double damper = 1.0;
  const TPan pan = TPan::At(n.pan);
  for (std::size_t i = 0; i < count; ++i) {
    float v = 0.0f;
    for (auto& p : voices)
      if (i < p.life) v += p.amp * p.env.Next() * p.osc.Next();
    if (i >= gate) damper *= damp;
    out.Add(s0 + i, v * n.vel * static_cast<float>(damper), pan);
  }
}

// Longer decays for low notes, as real bars and strings ring longer when they are longer.
double PitchDecay(double midi) { return std::clamp(std::pow(2.0, (69.0 - midi) / 24.0), 0.35, 2.5); }
}  // namespace

namespace Instruments {

void Celesta(TSignal& out, const TNote& n) {
  const double d = PitchDecay(n.midi);
  Partials(out, n,
           {{1.0, 1.0f, 1.3 * d}, {2.0, 0.10f, 0.45 * d}, {3.0, 0.04f, 0.2 * d}, {4.07, 0.14f, 0.10 * d},
            {8.9, 0.03f, 0.03}},
           0.18, 0.0015);
}

void Bell(TSignal& out, const TNote& n, double ratio, double index, double decay) {
  const double f = NoteHz(n.midi);
  const double tau = decay * PitchDecay(n.midi);
  const std::size_t s0 = Frame(n.start);
  const std::size_t count = Frame(tau * 6.5);
  out.Reserve(s0 + count);
  TStruck env(tau, 0.002), humEnv(tau * 1.4, 0.004);
  // The brightness (modulation depth) fades faster than the loudness, as in a struck bell.
  TStruck depth(tau * 0.35, 0.0);
  TPhasor modulator(f * ratio), hum(f * 0.5);
  const TPan pan = TPan::At(n.pan);
  const double step = f / kRate;
  for (std::size_t i = 0; i < count; ++i) {
    const double mod = index * depth.Next() * modulator.Next();
    const float v = env.Next() * FastSin(step * static_cast<double>(i) + mod / (2.0 * M_PI)) +
                    0.25f * humEnv.Next() * hum.Next();  // soft hum an octave down
    out.Add(s0 + i, v * n.vel * 0.8f, pan);
  }
}

void Glock(TSignal& out, const TNote& n, double decay) {
  const double d = decay * PitchDecay(n.midi);
  Partials(out, n, {{1.0, 1.0f, 1.0 * d}, {2.756, 0.30f, 0.3 * d}, {5.404, 0.12f, 0.12 * d}, {8.933, 0.05f, 0.05 * d}},
           0.0, 0.001);
}

void Pluck(TSignal& out, const TNote& n, double ringSeconds, std::uint32_t seed) {
  const double period = kRate / NoteHz(n.midi);
  // The averaging filter in the loop adds half a sample; an all-pass supplies the fraction left over.
  const double want = period - 0.5;
  const int delay = std::max(2, static_cast<int>(want - 0.1));
  const double frac = want - delay;
  const float apc = static_cast<float>((1.0 - frac) / (1.0 + frac));
  const float rho = static_cast<float>(std::pow(10.0, -3.0 * (period / kRate) / (ringSeconds * PitchDecay(n.midi))));

  std::vector<float> line(delay);
  TNoise noise(seed * 2654435761u + static_cast<std::uint32_t>(n.midi * 100));
  // A soft (low-passed) excitation makes the finger-plucked tone rather than a pick's.
  TOnePole soft(NoteHz(n.midi) * 5.0);
  float mean = 0.0f;
  for (int k = 0; k < 3; ++k) soft.Low(noise.White());
  for (auto& v : line) mean += (v = soft.Low(noise.White()));
  mean /= delay;
  for (auto& v : line) v -= mean;

  const std::size_t s0 = Frame(n.start);
  const std::size_t count = Frame(ringSeconds * PitchDecay(n.midi) * 1.2 + 0.05);
  out.Reserve(s0 + count);
  float prev = 0.0f, apx = 0.0f, apy = 0.0f;
  int idx = 0;
  TOnePole body(NoteHz(n.midi) * 6.0);
  const TPan pan = TPan::At(n.pan);
  for (std::size_t i = 0; i < count; ++i) {
    const float x = line[idx];
    const float avg = 0.5f * (x + prev);
    prev = x;
    const float ap = apc * avg + apx - apc * apy;
    apx = avg;
    apy = ap;
    line[idx] = ap * rho;
    if (++idx == delay) idx = 0;
    const float fade = i < 88 ? static_cast<float>(i) / 88.0f : 1.0f;
    out.Add(s0 + i, body.Low(x) * fade * n.vel * 4.0f, pan);
  }
}

void Pad(TSignal& out, const TNote& n, double brightness) {
  const double f = NoteHz(n.midi);
  TAdsr env{0.45, 0.8, 0.75, 0.6};
  const std::size_t s0 = Frame(n.start);
  const std::size_t count = Frame(env.Length(n.length));
  out.Reserve(s0 + count);
  TSaw a(f * std::pow(2.0, 7.0 / 1200.0), 0.0), b(f * std::pow(2.0, -7.0 / 1200.0), 0.37);
  TBiquad la(TBiquad::EKind::Low, std::clamp(f * brightness, 300.0, 2600.0), 0.6);
  TBiquad lb(TBiquad::EKind::Low, std::clamp(f * brightness, 300.0, 2600.0), 0.6);
  const TPan left = TPan::At(std::clamp(n.pan - 0.35f, -1.0f, 1.0f));
  const TPan right = TPan::At(std::clamp(n.pan + 0.35f, -1.0f, 1.0f));
  // The envelope moves slowly: work it out every 32 samples and draw straight lines between.
  constexpr std::size_t kStep = 32;
  float e0 = 0.0f;
  for (std::size_t i = 0; i < count; i += kStep) {
    const float e1 = env.At(static_cast<double>(i + kStep) / kRate, n.length) * n.vel * 0.35f;
    for (std::size_t j = 0; j < kStep && i + j < count; ++j) {
      const float e = e0 + (e1 - e0) * (static_cast<float>(j) / kStep);
      out.Add(s0 + i + j, la.Process(a.Next()) * e, left);
      out.Add(s0 + i + j, lb.Process(b.Next()) * e, right);
    }
    e0 = e1;
  }
}

void Bass(TSignal& out, const TNote& n) {
  const double f = NoteHz(n.midi);
  const std::size_t s0 = Frame(n.start);
  const double release = 0.08;
  const std::size_t count = Frame(n.length + release * 7.0);
  const std::size_t gate = Frame(n.length);
  out.Reserve(s0 + count);
  TStruck env(1.1, 0.006), upper(0.25, 0.0), off(release, 0.0);
  TPhasor h1(f), h2(2.0 * f), h3(3.0 * f);
  const TPan pan = TPan::At(n.pan);
  for (std::size_t i = 0; i < count; ++i) {
    float e = env.Next();
    if (i >= gate) e *= off.Next();
    // The upper harmonics die first, the way a plucked bass string softens.
    const float h = upper.Next();
    const float v = h1.Next() + (0.28f * h + 0.06f) * h2.Next() + 0.1f * h * h3.Next();
    out.Add(s0 + i, v * e * n.vel * 0.65f, pan);
  }
}

void Jingle(TSignal& out, double start, float vel, float pan, std::uint32_t seed) {
  TNoise rnd(seed);
  const int bells = 6;
  for (int b = 0; b < bells; ++b) {
    const double at = start + rnd.Range(0.0, 0.045);
    const double f1 = rnd.Range(3800.0, 8200.0);
    const double f2 = f1 * rnd.Range(1.3, 1.7);
    const double tau = rnd.Range(0.03, 0.07);
    const std::size_t s0 = Frame(at);
    const std::size_t count = Frame(tau * 7.0);
    out.Reserve(s0 + count);
    const float amp = static_cast<float>(rnd.Range(0.4, 1.0)) * vel * 0.12f;
    const TPan p = TPan::At(std::clamp(pan + static_cast<float>(rnd.Range(-0.3, 0.3)), -1.0f, 1.0f));
    TStruck env(tau, 0.0005);
    TPhasor o1(f1), o2(f2);
    for (std::size_t i = 0; i < count; ++i) out.Add(s0 + i, env.Next() * (o1.Next() + 0.5f * o2.Next()) * amp, p);
  }
  // The rattle of the pellets inside: a short burst of high noise.
  TBiquad band(TBiquad::EKind::Band, 7000.0, 1.2);
  const std::size_t s0 = Frame(start);
  const std::size_t count = Frame(0.09);
  out.Reserve(s0 + count);
  TStruck env(0.02, 0.002);
  const TPan p = TPan::At(pan);
  for (std::size_t i = 0; i < count; ++i) out.Add(s0 + i, band.Process(rnd.White()) * env.Next() * vel * 0.08f, p);
}

}  // namespace Instruments
