#include "Effects.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "Envelope.h"
#include "Filters.h"
#include "Instruments.h"
#include "Oscillators.h"
#include "Reverb.h"

namespace {

std::size_t F(double seconds) { return static_cast<std::size_t>(std::max(0.0, seconds) * kRate); }

// A sine gliding exponentially from f0 to f1 over glide seconds, struck with time constant tau.
void Tone(TSignal& s, double at, double f0, double f1, double glide, double tau, float amp, double attack = 0.002) {
  const std::size_t s0 = F(at), n = F(tau * 7.0);
  s.Reserve(s0 + n);
  double phase = 0.0, hz = f0;
  const std::size_t glideEnd = F(glide);
  const double bend = glideEnd ? std::pow(f1 / f0, 1.0 / glideEnd) : 1.0;
  TStruck env(tau, attack);
  for (std::size_t i = 0; i < n; ++i) {
    phase += hz / kRate;
    if (i < glideEnd) hz *= bend;
    s.Channel(0)[s0 + i] += amp * env.Next() * FastSin(phase);
  }
}

// Filtered noise with a struck envelope.
void Burst(TSignal& s, TNoise& rnd, double at, double tau, float amp, TBiquad filter, double attack = 0.0005) {
  const std::size_t s0 = F(at), n = F(tau * 7.0 + attack);
  s.Reserve(s0 + n);
  TStruck env(tau, attack);
  for (std::size_t i = 0; i < n; ++i) s.Channel(0)[s0 + i] += amp * env.Next() * filter.Process(rnd.White());
}

TBiquad Band(double hz, double q) { return TBiquad(TBiquad::EKind::Band, hz, q); }
TBiquad High(double hz) { return TBiquad(TBiquad::EKind::High, hz, 0.7); }
TBiquad Low(double hz) { return TBiquad(TBiquad::EKind::Low, hz, 0.7); }

// Noise through two band-pass voices, the second mixed in at mixB, their centres moved
// every 32 frames by steer and the whole shaped by envelope: whooshes and wind.
TSignal SweptNoise(double seconds, unsigned seed, TBiquad a, TBiquad b, float mixB,
                   const std::function<void(double, TBiquad&, TBiquad&)>& steer,
                   const std::function<float(double)>& envelope) {
  TSignal s(1, F(seconds));
  TNoise rnd(seed);
  for (std::size_t i = 0; i < s.Frames(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    if (i % 32 == 0) steer(t, a, b);
    const float env = envelope(t);
    const float w = rnd.White();
    s.Channel(0)[i] = (a.Process(w) + mixB * b.Process(w)) * env;
  }
  return s;
}

TNote At(double start, double midi, float vel, double length = 0.3) {
  TNote n;
  n.start = start;
  n.midi = midi;
  n.vel = vel;
  n.length = length;
  return n;
}

// The dry sound plus a room of the given size.
TSignal Room(const TSignal& dry, float mix, float size, double tail = 1.2) {
  TReverb room(size, 0.5f);
  TSignal out = dry;
  out.Mix(room.Wet(dry, tail), 0, mix);
  return out;
}

// ---- Buttons and board clicks -------------------------------------------------

// A dry wooden tick: selecting a gem is heard dozens of times a minute, so it must be
// over at once, with no room and no noise left hissing after it.
TSignal Click() {
  TSignal s(1);
  TNoise rnd(11);
  Burst(s, rnd, 0.0, 0.0009, 0.7f, Band(3200, 1.2));
  Tone(s, 0.0, 2600, 2300, 0.01, 0.010, 0.6f, 0.0005);
  Tone(s, 0.0, 3900, 3900, 0.0, 0.005, 0.2f, 0.0005);
  Tone(s, 0.0, 950, 880, 0.012, 0.011, 0.45f, 0.001);
  return s;
}

TSignal ClickReverse() {
  // Shaped like the finished click before turning it round, so the swell starts from
  // silence and the click itself lands whole at the end.
  TSignal s = Click();
  s.NormalisePeak(-1.0f);
  s.TrimTail(0.003f);
  s.FadeEdges(0.0, 0.03);
  s.Reverse();
  return s;
}

TSignal ButtonClick() {
  TSignal s(1);
  TNoise rnd(12);
  Burst(s, rnd, 0.0, 0.001, 0.7f, High(2000));
  Tone(s, 0.0, 1600, 1450, 0.015, 0.018, 0.5f, 0.0005);
  Instruments::Glock(s, At(0.004, 88, 0.35f), 0.18);
  return Room(s, 0.4f, 0.3f, 0.3);
}

TSignal ButtonHover() {
  TSignal s(1);
  Tone(s, 0.0, 2100, 2500, 0.03, 0.014, 0.7f, 0.003);
  Tone(s, 0.0, 4200, 5000, 0.03, 0.008, 0.15f, 0.003);
  return Room(s, 0.3f, 0.2f, 0.15);
}

TSignal LockedClick() {
  TSignal s(1);
  TNoise rnd(13);
  Burst(s, rnd, 0.0, 0.0015, 0.7f, High(1800));
  Tone(s, 0.0, 2310, 2310, 0.0, 0.05, 0.35f, 0.0005);
  Tone(s, 0.0, 3870, 3870, 0.0, 0.035, 0.25f, 0.0005);
  Tone(s, 0.0, 6150, 6150, 0.0, 0.02, 0.15f, 0.0005);
  Tone(s, 0.0, 220, 150, 0.03, 0.03, 0.6f, 0.002);
  return Room(s, 0.3f, 0.3f, 0.3);
}

// ---- Moves ----------------------------------------------------------------------

TSignal Invalid() {
  TSignal s(1);
  // Two low muted notes falling, "uh-uh".
  const double starts[] = {0.0, 0.13};
  const double hz[] = {196.0, 147.0};
  const double lens[] = {0.08, 0.12};
  for (int k = 0; k < 2; ++k) {
    TOnePole soft(700.0);
    const std::size_t s0 = F(starts[k]), n = F(lens[k] + 0.12);
    s.Reserve(s0 + n);
    TAdsr env{0.006, 0.04, 0.35, 0.025};
    for (std::size_t i = 0; i < n; ++i) {
      const double t = static_cast<double>(i) / kRate;
      const float v = Triangle(hz[k] * t) + 0.3f * FastSin(2.0 * hz[k] * t);
      s.Channel(0)[s0 + i] += soft.Low(v) * env.At(t, lens[k]) * 0.8f;
    }
  }
  return s;
}

TSignal Swap() {
  // Up and back down again, like something passing close by.
  auto x = [](double t) { return std::min(1.0, t / 0.3); };
  return SweptNoise(
      0.32, 21, Band(600, 1.3), Band(900, 1.0), 0.5f,
      [&](double t, TBiquad& a, TBiquad& b) {
        const double c = 500.0 + 2400.0 * std::sin(M_PI * std::pow(x(t), 0.8));
        a.Set(c, 1.3);
        b.Set(c * 0.6, 1.0);
      },
      [&](double t) { return static_cast<float>(std::pow(std::sin(M_PI * x(t)), 2.0)); });
}

// The swap springs back: a hollow, rubbery "bwoing" that bends down and up again,
// pitched in the middle register where the music leaves room, so it is heard over it.
TSignal Failed() {
  TSignal s(1);
  TNoise rnd(22);
  const double knocks[][3] = {{0.0, 560.0, 300.0}, {0.11, 470.0, 400.0}};
  for (const auto& k : knocks) {
    const float amp = k[0] == 0.0 ? 1.0f : 0.7f;
    // Odd partials gliding together keep the knock hollow, like a wooden box.
    for (int h = 1; h <= 5; h += 2) Tone(s, k[0], k[1] * h, k[2] * h, 0.09, 0.05 / h, amp / float(h * h) * 2.0f, 0.002);
    Burst(s, rnd, k[0], 0.006, amp * 0.35f, Band(1400, 1.5), 0.0005);
  }
  return s;
}

TSignal Land() {
  TSignal s(1);
  TNoise rnd(23);
  Tone(s, 0.0, 100, 55, 0.06, 0.04, 1.0f, 0.002);
  Burst(s, rnd, 0.0, 0.015, 0.6f, Low(420), 0.001);
  Tone(s, 0.0, 1200, 1100, 0.01, 0.006, 0.08f, 0.001);  // a little edge so it shows on small speakers
  return s;
}

// ---- Matches ----------------------------------------------------------------------

TSignal MatchNoBrick() {
  TSignal s(1);
  Instruments::Bell(s, At(0.0, 79, 0.7f), 3.5, 1.0, 0.3);
  Instruments::Bell(s, At(0.05, 86, 0.55f), 3.5, 1.0, 0.28);
  Instruments::Glock(s, At(0.1, 95, 0.2f), 0.3);
  return Room(s, 0.3f, 0.4f, 0.6);
}

TSignal MatchBrick() {
  TSignal s(1);
  TNoise rnd(31);
  // The brick crumbles: a short crunch and glassy grains.
  Burst(s, rnd, 0.0, 0.04, 0.5f, Band(700, 0.9), 0.001);
  for (int g = 0; g < 14; ++g) {
    const double at = rnd.Range(0.0, 0.18);
    const double f1 = rnd.Range(2500, 6500);
    const float amp = static_cast<float>(rnd.Range(0.1, 0.3));
    Tone(s, at, f1, f1, 0.0, rnd.Range(0.008, 0.025), amp, 0.0005);
    Tone(s, at, f1 * 1.47, f1 * 1.47, 0.0, 0.01, amp * 0.5f, 0.0005);
    Burst(s, rnd, at, 0.003, amp, Band(rnd.Range(3000, 6000), 2.0));
  }
  Instruments::Glock(s, At(0.02, 91, 0.35f), 0.4);
  return Room(s, 0.3f, 0.45f, 0.7);
}

TSignal Unlock() {
  TSignal s(1);
  TNoise rnd(32);
  // Cracks come closer together as the ice gives way, then it breaks.
  double t = 0.0;
  for (int k = 0; k < 22; ++k) {
    t += 0.045 * std::pow(0.9, k) + rnd.Range(0.0, 0.01);
    const float amp = static_cast<float>(rnd.Range(0.25, 0.6));
    Burst(s, rnd, t, rnd.Range(0.0008, 0.003), amp, Band(rnd.Range(1500, 6000), 3.0));
    Burst(s, rnd, t, 0.006, amp * 0.4f, Band(rnd.Range(300, 900), 4.0));
  }
  const double breakAt = t + 0.02;
  Burst(s, rnd, breakAt, 0.05, 0.8f, High(1500), 0.001);
  for (int k = 0; k < 7; ++k)
    Instruments::Glock(s, At(breakAt + k * 0.03 + rnd.Range(0, 0.02), 96 + rnd.Range(0, 14), 0.22f), 0.3);
  return Room(s, 0.35f, 0.5f, 0.8);
}

// ---- Board events ---------------------------------------------------------------

TSignal Hint() {
  TSignal s(1);
  Instruments::Glock(s, At(0.0, 91, 0.7f), 0.7);
  Instruments::Glock(s, At(0.16, 96, 0.6f), 0.8);
  Instruments::Celesta(s, At(0.16, 84, 0.25f, 0.6));
  return Room(s, 0.35f, 0.55f, 1.0);
}

TSignal LevelStart() {
  TSignal s(1);
  const int notes[] = {72, 76, 79, 84, 88};
  for (int k = 0; k < 5; ++k) Instruments::Celesta(s, At(k * 0.07, notes[k], 0.6f, k == 4 ? 0.9 : 0.25));
  Instruments::Bell(s, At(0.28, 84, 0.35f), 3.5, 1.2, 0.9);
  Instruments::Jingle(s, 0.0, 0.9f, 0.0f, 41);
  Instruments::Jingle(s, 0.28, 0.7f, 0.0f, 42);
  return Room(s, 0.4f, 0.55f, 1.2);
}

TSignal Alarm() {
  TSignal s(1);
  // A little alarm-clock hammer between two bells, fourteen strikes a second.
  for (int k = 0; k * (1.0 / 14.0) < 1.1; ++k)
    Instruments::Bell(s, At(k / 14.0, k % 2 ? 93 : 89, 0.5f), 2.76, 1.6, 0.25);
  s.Resize(F(1.3));
  return Room(s, 0.2f, 0.4f, 0.5);
}

TSignal EchoPop() {
  TSignal s(1);
  TNoise rnd(51);
  Tone(s, 0.0, 900, 180, 0.03, 0.025, 1.0f, 0.0007);
  Burst(s, rnd, 0.0, 0.006, 0.6f, High(1200));
  // Echoes off distant walls, each a little duller.
  const std::size_t delay = F(0.14);
  s.Resize(delay * 8);
  auto& d = s.Channel(0);
  TOnePole dull(2500.0);
  for (std::size_t i = delay; i < d.size(); ++i) d[i] += 0.5f * dull.Low(d[i - delay]);
  return s;
}

TSignal Wind() {
  return SweptNoise(
      1.7, 52, Band(500, 0.8), Band(1100, 14.0), 0.8f,
      [](double t, TBiquad& body, TBiquad& whistle) {
        body.Set(450 + 300 * std::sin(2 * M_PI * 0.7 * t), 0.8);
        whistle.Set(1100 + 400 * t / 1.7 + 60 * std::sin(2 * M_PI * 3.0 * t), 14.0);
      },
      [](double t) {
        const double x = t / 1.7;
        return static_cast<float>(std::pow(std::sin(M_PI * std::pow(x, 0.7)), 1.5));
      });
}

// The menu's paper unrolling: a soft sweep and a few crinkles, all kept under a few
// kilohertz so it sounds like paper, not hiss.
TSignal Scroll() {
  TSignal s(1, F(0.7));
  TNoise rnd(53);
  Burst(s, rnd, 0.02, 0.12, 0.25f, Band(1100, 0.7), 0.1);
  for (int g = 0; g < 40; ++g) {
    const double at = 0.6 * std::pow(rnd.Range(0, 1), 1.3);
    Burst(s, rnd, at, rnd.Range(0.002, 0.008), static_cast<float>(rnd.Range(0.1, 0.4)), Band(rnd.Range(700, 2600), 1.2),
          0.0008);
  }
  TOnePole dull(3000.0), duller(3000.0);
  for (float& v : s.Channel(0)) v = duller.Low(dull.Low(v));
  return s;
}

// ---- Bonus pieces --------------------------------------------------------------------

TSignal Explode() {
  TSignal s(1);
  TNoise rnd(61);
  Tone(s, 0.0, 95, 32, 0.5, 0.35, 1.0f, 0.004);
  Burst(s, rnd, 0.0, 0.01, 0.7f, High(2000));
  // The rumble darkens as it dies away.
  const std::size_t n = F(1.6);
  s.Reserve(n);
  TBiquad lp = Low(3000);
  for (std::size_t i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / kRate;
    if (i % 32 == 0) lp.Set(200 + 2800 * std::exp(-t / 0.12), 0.7);
    s.Channel(0)[i] += 0.9f * Struck(t, 0.25, 0.003) * lp.Process(rnd.White());
  }
  for (float& v : s.Channel(0)) v = std::tanh(1.6f * v);
  return Room(s, 0.25f, 0.6f, 1.0);
}

TSignal Star() {
  TSignal s(1);
  TNoise rnd(62);
  const int notes[] = {88, 91, 93, 96, 98, 100, 103};
  for (int k = 0; k < 7; ++k) Instruments::Glock(s, At(k * 0.045, notes[k], 0.35f + 0.05f * (k % 3)), 0.6);
  for (int k = 0; k < 12; ++k) {
    const double f = rnd.Range(6000, 10000);
    Tone(s, rnd.Range(0.05, 0.6), f, f, 0.0, 0.03, 0.08f, 0.001);
  }
  return Room(s, 0.45f, 0.6f, 1.2);
}

TSignal Brush() {
  TSignal s(1, F(0.5));
  TNoise rnd(63);
  TBiquad hi = Band(4200, 0.9), lo = Band(1300, 1.0);
  TOnePole flicker(60.0);
  for (std::size_t i = 0; i < s.Frames(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const float env = static_cast<float>(t < 0.08 ? t / 0.08 : std::exp(-(t - 0.08) / 0.11));
    // Bristles catch and let go: a slowly wandering loudness.
    const float bristle = 0.5f + 2.0f * std::fabs(flicker.Low(rnd.White()));
    const float w = rnd.White();
    s.Channel(0)[i] = (hi.Process(w) + 0.4f * lo.Process(w)) * env * bristle;
  }
  return s;
}

TSignal Paintpot() {
  TSignal s(1);
  TNoise rnd(64);
  const std::size_t n = F(0.35);
  s.Reserve(n);
  TBiquad lp = Low(3000);
  for (std::size_t i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / kRate;
    if (i % 32 == 0) lp.Set(250 + 2750 * std::exp(-t / 0.04), 1.2);
    s.Channel(0)[i] += Struck(t, 0.06, 0.001) * lp.Process(rnd.White());
  }
  Tone(s, 0.0, 380, 110, 0.1, 0.05, 0.7f, 0.002);
  // A few drops landing after the splash.
  for (int k = 0; k < 4; ++k) Tone(s, 0.15 + k * 0.08 + rnd.Range(0, 0.04), 700, 1400, 0.025, 0.02, 0.25f, 0.001);
  return Room(s, 0.2f, 0.3f, 0.4);
}

// The cracker pulled: a sharp snap with a full-bodied bang and a thump under it, so
// that it carries as far as the other pieces' sounds, then the paper crackling down.
TSignal Cracker() {
  TSignal s(1);
  TNoise rnd(65);
  Burst(s, rnd, 0.0, 0.005, 0.9f, High(1500), 0.0002);
  Burst(s, rnd, 0.0, 0.045, 0.8f, Band(900, 0.8), 0.0008);
  Burst(s, rnd, 0.004, 0.03, 0.5f, Band(2400, 1.0), 0.0008);
  Tone(s, 0.0, 130, 60, 0.05, 0.06, 0.9f, 0.002);
  // Paper and confetti settling.
  for (int g = 0; g < 30; ++g) {
    const double at = 0.06 + 0.45 * std::pow(rnd.Range(0, 1), 1.8);
    Burst(s, rnd, at, rnd.Range(0.001, 0.004), static_cast<float>(rnd.Range(0.12, 0.3)), High(rnd.Range(2000, 5000)),
          0.0003);
  }
  return Room(s, 0.25f, 0.4f, 0.5);
}

TSignal GaugeFull() {
  TSignal s(1);
  const int notes[] = {84, 88, 91, 96, 100, 103};
  for (int k = 0; k < 6; ++k) Instruments::Glock(s, At(k * 0.06, notes[k], 0.45f), 0.7);
  for (int k = 0; k < 6; ++k) Instruments::Celesta(s, At(k * 0.06, notes[k] - 12, 0.25f, 0.4));
  // A shimmering hold on the top chord.
  const std::size_t s0 = F(0.36), n = F(0.9);
  s.Reserve(s0 + n);
  for (std::size_t i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const float trem = 0.6f + 0.4f * FastSin(12.0 * t);
    const float env = Struck(t, 0.3, 0.05);
    s.Channel(0)[s0 + i] += 0.12f * env * trem * (FastSin(NoteHz(96) * t) + FastSin(NoteHz(103) * t));
  }
  Instruments::Bell(s, At(0.36, 84, 0.3f), 3.5, 1.2, 0.9);
  return Room(s, 0.4f, 0.6f, 1.2);
}

TSignal Magic() {
  TSignal s(1);
  TNoise rnd(66);
  const int scale[] = {84, 86, 88, 91, 93, 96, 98, 100, 103, 105, 108};
  for (int k = 0; k < 24; ++k) {
    const double x = rnd.Range(0, 1);
    const double at = 0.9 * std::sqrt(x);
    Instruments::Glock(s, At(at, scale[rnd.NextU() % 11], static_cast<float>(rnd.Range(0.1, 0.35))), 0.5);
  }
  // A breath of air rising under the sparkles.
  const std::size_t n = F(1.0);
  s.Reserve(n);
  TBiquad band = Band(2000, 1.5);
  for (std::size_t i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / kRate;
    if (i % 32 == 0) band.Set(2000 * std::pow(4.0, t), 1.5);
    const float env = static_cast<float>(std::sin(M_PI * t));
    s.Channel(0)[i] += 0.25f * env * band.Process(rnd.White());
  }
  return Room(s, 0.5f, 0.7f, 1.4);
}

// ---- Fanfare, voice, clock and splash --------------------------------------------------

TSignal LevelEndFanfare() {
  TSignal s(1);
  const int run[] = {67, 72, 76};
  for (int k = 0; k < 3; ++k) Instruments::Celesta(s, At(k * 0.11, run[k] + 12, 0.6f, 0.1));
  const int chord[] = {72, 76, 79, 84};
  for (int n : chord) {
    Instruments::Celesta(s, At(0.36, n + 12, 0.4f, 1.5));
    Instruments::Bell(s, At(0.36, n, 0.22f), 3.5, 1.0, 1.2);
  }
  Instruments::Glock(s, At(0.36, 96, 0.4f), 1.2);
  TNote bass = At(0.36, 48, 0.6f, 1.2);
  Instruments::Pluck(s, bass, 1.5, 7);
  Instruments::Jingle(s, 0.0, 0.8f, 0.0f, 71);
  Instruments::Jingle(s, 0.36, 1.0f, 0.0f, 72);
  return Room(s, 0.45f, 0.65f, 1.6);
}

// A deep, jolly laugh made from a buzzing voice source and the resonances of an "o".
TSignal HoHoHo() {
  TSignal s(1);
  TNoise rnd(81);
  struct TSyllable {
    double at, len, hz;
  };
  const TSyllable syllables[] = {{0.0, 0.2, 118.0}, {0.38, 0.2, 108.0}, {0.76, 0.42, 100.0}};
  // Formants of a deep "o": frequency, bandwidth, gain.
  const double formants[][3] = {{420, 70, 1.0}, {780, 90, 0.55}, {2450, 130, 0.12}, {3200, 160, 0.06}};
  for (const auto& syl : syllables) {
    std::vector<TBiquad> bank;
    for (const auto& fm : formants) bank.emplace_back(TBiquad::EKind::Band, fm[0], fm[0] / fm[1]);
    std::vector<TBiquad> breath;
    for (const auto& fm : formants) breath.emplace_back(TBiquad::EKind::Band, fm[0], fm[0] / fm[1] * 0.5);
    const double aspirate = 0.07;  // the "h" before the voice starts
    const std::size_t s0 = F(syl.at), n = F(aspirate + syl.len + 0.15);
    s.Reserve(s0 + n);
    double phase = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
      const double t = static_cast<double>(i) / kRate;
      const double tv = t - aspirate;
      // The pitch drops through each "ho", with a little natural wobble.
      const double hz = syl.hz * (1.0 - 0.12 * std::clamp(tv / syl.len, 0.0, 1.0)) * (1.0 + 0.01 * FastSin(5.5 * t));
      phase += hz / kRate;
      float src = 0.0f;
      for (int h = 1; h * hz < 4500.0; ++h) src += FastSin(phase * h) / std::pow(static_cast<float>(h), 1.1f);
      const float voiceEnv = tv < 0.0 ? 0.0f
                             : tv < 0.03 ? static_cast<float>(tv / 0.03)
                             : tv < syl.len ? static_cast<float>(1.0 - 0.3 * (tv / syl.len))
                                            : static_cast<float>(0.7 * std::exp(-(tv - syl.len) / 0.02));
      // The breath rises into the voice and hands over to it without a gap.
      const float breathEnv = t < aspirate ? static_cast<float>(std::sin(0.5 * M_PI * t / aspirate)) * 0.3f
                              : tv < 0.04  ? static_cast<float>(0.3 - 0.22 * tv / 0.04)
                                           : 0.08f * voiceEnv;
      const float w = rnd.White();
      float v = 0.0f;
      for (std::size_t k = 0; k < bank.size(); ++k)
        v += static_cast<float>(formants[k][2]) * (bank[k].Process(src * voiceEnv) + breath[k].Process(w * breathEnv));
      s.Channel(0)[s0 + i] += v;
    }
  }
  return Room(s, 0.12f, 0.3f, 0.4);
}

void TickOne(TSignal& s, TNoise& rnd, double at, double pitch) {
  Burst(s, rnd, at, 0.004, 0.8f, Band(3200 * pitch, 6.0), 0.0002);
  Burst(s, rnd, at, 0.006, 0.5f, Band(1900 * pitch, 5.0), 0.0002);
  Tone(s, at, 700 * pitch, 650 * pitch, 0.005, 0.006, 0.4f, 0.0005);
}

TSignal Tick() {
  // Tick and tock, one second round, so the loop keeps clock time.
  TSignal s(1, F(1.0));
  TNoise rnd(82);
  TickOne(s, rnd, 0.01, 1.0);
  TickOne(s, rnd, 0.51, 0.82);
  TSignal out = Room(s, 0.15f, 0.2f, 0.3);
  out.WrapTail(F(1.0));
  return out;
}

TSignal Splash() {
  // A soft chord that swells as the logo fades in, with a warm chime struck over it;
  // four seconds round, the length of the logo's appearance.
  const double loop = 4.0;
  TSignal s(1, F(loop));
  const int chord[] = {60, 64, 67, 71, 74};
  for (int n : chord) Instruments::Pad(s, At(0.0, n, 0.22f, loop - 0.6), 2.0);
  const int chime[] = {72, 79, 88};
  for (int k = 0; k < 3; ++k) {
    Instruments::Bell(s, At(0.5 + k * 0.3, chime[k], 0.5f), 2.0, 1.5, 1.4);
    Instruments::Celesta(s, At(0.5 + k * 0.3, chime[k] + 12, 0.15f, 1.5));
  }
  TSignal out = Room(s, 0.5f, 0.75f, 3.0);
  out.RemoveDc();
  out.WrapTail(F(loop));
  return out;
}

}  // namespace

std::vector<TEffect> SoundEffects() {
  using namespace Loudness;
  const std::string d = "Data/sound/";
  return {
      {d + "buttonclick.wav", ButtonClick, Interface, false, 0.5},
      {d + "buttonClick.wav", ButtonClick, Interface, false, 0.5},
      {d + "buttonMO.wav", ButtonHover, Interface - 2.0f},
      {d + "click.wav", Click, Interface},
      {d + "clickrev.wav", ClickReverse, Interface, false, 0.0, 0.002},
      {d + "invalid.wav", Invalid, Quiet},
      {d + "swap.wav", Swap, Quiet},
      {d + "failed.wav", Failed, Cue},
      {d + "matchbrick.wav", MatchBrick, Board, false, 0.9},
      {d + "matchnobrick.wav", MatchNoBrick, Board, false, 0.9},
      {d + "lockedclick.wav", LockedClick, Quiet, false, 0.5},
      {d + "unlock.wav", Unlock, Board, false, 1.5},
      {d + "land.wav", Land, Quiet},
      {d + "hint.wav", Hint, Chime, false, 1.5},
      {d + "levelstart.wav", LevelStart, Board, false, 2.0},
      {d + "levelend.ogg", LevelEndFanfare, Board, false, 4.0},
      {d + "alarm.wav", Alarm, Board, false, 1.6},
      {d + "echopop.wav", EchoPop, Bang, false, 1.2},
      {d + "wind.wav", Wind, Chime},
      {d + "scroll.wav", Scroll, Rustle},
      {d + "explode.wav", Explode, Bang, false, 1.8},
      {d + "star.wav", Star, Board, false, 1.6},
      {d + "brush.wav", Brush, Board},
      {d + "paintpot.wav", Paintpot, Bang, false, 0.9},
      {d + "cracker.wav", Cracker, Bang, false, 0.9},
      {d + "gaugefull.wav", GaugeFull, Board, false, 2.0},
      {d + "magic.wav", Magic, Board, false, 2.0},
      {d + "hohoho.wav", HoHoHo, Board},
      {d + "tick.wav", Tick, Interface, true},
      {"data/splashsound.wav", Splash, Board, true},
  };
}
