#include "Arranger.h"

#include <algorithm>
#include <cmath>

#include "Instruments.h"
#include "Oscillators.h"
#include "Reverb.h"

namespace {
// Places a pitch class into the octave range [low, low + 12).
int IntoRange(int midi, int low) {
  while (midi < low) midi += 12;
  while (midi >= low + 12) midi -= 12;
  return midi;
}
}  // namespace

TArranger::TArranger(double bpm, int beatsPerBar, int transpose, std::uint32_t seed)
    : bpm_(bpm), beatsPerBar_(beatsPerBar), transpose_(transpose), seed_(seed), dry_(2, 0) {}

float TArranger::Humanise() {
  // A few milliseconds of looseness keeps stacked notes from sounding mechanical.
  TNoise n(seed_ * 7919u + ++counter_ * 104729u);
  n.NextU();
  return static_cast<float>(n.Range(-1.0, 1.0));
}

void TArranger::Play(EVoice voice, const TNote& n) {
  switch (voice) {
    case EVoice::Celesta: Instruments::Celesta(dry_, n); break;
    case EVoice::Bell: Instruments::Bell(dry_, n); break;
    case EVoice::Glock: Instruments::Glock(dry_, n, 0.8); break;
    case EVoice::Pluck: Instruments::Pluck(dry_, n, 0.7, seed_ + counter_); break;
  }
}

void TArranger::Lead(const std::vector<TScoreNote>& notes, EVoice voice, int octaveShift, float vel, float pan) {
  for (const auto& s : notes) {
    if (s.midi < 0) continue;
    TNote n;
    n.start = Seconds(s.beat) + 0.004 * Humanise();
    n.length = Seconds(s.beats) * 0.92;
    n.midi = s.midi + transpose_ + 12 * octaveShift;
    // Downbeats lean a little harder than the notes between them.
    const double inBar = std::fmod(s.beat, beatsPerBar_);
    const float accent = inBar < 0.01 ? 1.0f : (std::fmod(inBar, 1.0) < 0.01 ? 0.88f : 0.78f);
    n.vel = vel * accent * (1.0f + 0.05f * Humanise());
    n.pan = pan;
    Play(voice, n);
  }
}

void TArranger::Pads(const std::vector<TChord>& chords, float vel) {
  for (const auto& c : chords) {
    int k = 0;
    for (int t : c.tones) {
      TNote n;
      n.start = Seconds(c.beat);
      n.length = Seconds(c.beats);
      n.midi = IntoRange(c.root + t + transpose_, 55);
      n.vel = vel / std::sqrt(static_cast<float>(c.tones.size()));
      n.pan = (k++ % 2 ? 0.3f : -0.3f);
      Instruments::Pad(dry_, n);
    }
  }
}

void TArranger::BassLine(const std::vector<TChord>& chords, float vel) {
  for (const auto& c : chords) {
    const int root = IntoRange(c.root + transpose_, 36);
    TNote n;
    n.start = Seconds(c.beat) + 0.003 * Humanise();
    n.vel = vel;
    if (c.beats >= 4.0 && beatsPerBar_ == 4) {
      n.length = Seconds(1.8);
      n.midi = root;
      Instruments::Bass(dry_, n);
      n.start = Seconds(c.beat + 2.0);
      n.midi = root + 7 > 47 ? root - 5 : root + 7;
      n.vel = vel * 0.85f;
      Instruments::Bass(dry_, n);
    } else {
      n.length = Seconds(c.beats * 0.9);
      n.midi = root;
      Instruments::Bass(dry_, n);
    }
  }
}

void TArranger::Arpeggio(const std::vector<TChord>& chords, double stepBeats, EVoice voice, int octave, float vel,
                         float pan) {
  for (const auto& c : chords) {
    std::vector<int> up;
    for (int t : c.tones) up.push_back(IntoRange(c.root + t + transpose_, 12 * (octave + 1)));
    std::sort(up.begin(), up.end());
    up.push_back(up.front() + 12);
    std::vector<int> cycle = up;
    for (std::size_t i = up.size() - 1; i-- > 1;) cycle.push_back(up[i]);
    int k = 0;
    for (double b = c.beat; b < c.beat + c.beats - 1e-6; b += stepBeats, ++k) {
      TNote n;
      n.start = Seconds(b) + 0.004 * Humanise();
      n.length = Seconds(stepBeats) * 0.9;
      n.midi = cycle[k % cycle.size()];
      n.vel = vel * (k == 0 ? 1.0f : 0.8f);
      n.pan = pan + 0.15f * (k % 2 ? 1.0f : -1.0f);
      Play(voice, n);
    }
  }
}

void TArranger::Waltz(const std::vector<TChord>& chords, float vel) {
  for (const auto& c : chords) {
    for (double b = c.beat; b < c.beat + c.beats - 1e-6; b += 1.0) {
      const double inBar = std::fmod(b, beatsPerBar_);
      TNote n;
      n.start = Seconds(b) + 0.004 * Humanise();
      n.length = Seconds(0.8);
      if (inBar < 0.01) {
        n.midi = IntoRange(c.root + transpose_, 43);
        n.vel = vel;
        n.pan = -0.1f;
        Instruments::Pluck(dry_, n, 1.0, seed_ + counter_);
      } else {
        for (std::size_t i = 1; i < c.tones.size(); ++i) {
          n.midi = IntoRange(c.root + c.tones[i] + transpose_, 57);
          n.vel = vel * 0.45f;
          n.pan = 0.25f;
          Instruments::Pluck(dry_, n, 0.5, seed_ + counter_ + static_cast<std::uint32_t>(i));
        }
      }
    }
  }
}

void TArranger::BellChimes(const std::vector<TChord>& chords, float vel, float pan) {
  for (const auto& c : chords) {
    TNote n;
    n.start = Seconds(c.beat);
    n.midi = IntoRange(c.root + transpose_, 72);
    n.vel = vel;
    n.pan = pan;
    Instruments::Bell(dry_, n, 3.5, 1.2, 1.6);
  }
}

void TArranger::Jingles(double fromBeat, double toBeat, double everyBeats, float vel) {
  int k = 0;
  for (double b = fromBeat; b < toBeat - 1e-6; b += everyBeats, ++k) {
    const float accent = (k % 2 == 0) ? 1.0f : 0.6f;
    Instruments::Jingle(dry_, Seconds(b) + 0.003 * Humanise(), vel * accent, 0.35f, seed_ * 31u + k);
  }
}

TSignal TArranger::Finish(double loopBeats, float reverbMix, float peakDb) {
  TReverb room(0.82f, 0.45f);
  TSignal wet = room.Wet(dry_, 3.5);
  TSignal mix(2, 0);
  mix.Mix(dry_, 0, 1.0f);
  mix.Mix(wet, 0, reverbMix);
  // Any offset goes before the loop is closed, so the filter cannot leave a step at the seam.
  mix.RemoveDc();
  mix.WrapTail(static_cast<std::size_t>(std::llround(Seconds(loopBeats) * kRate)));
  mix.NormalisePeak(peakDb);
  return mix;
}
