// Turns written melodies and chord charts into a stereo mix: lead voices,
// pads, bass, accompaniment figures and sleigh bells, then adds the room and
// closes the piece into a seamless loop.
#pragma once
#include <cstdint>
#include <vector>

#include "Instruments.h"
#include "Score.h"
#include "Signal.h"

enum class EVoice { Celesta, Bell, Glock, Pluck };

class TArranger {
 public:
  TArranger(double bpm, int beatsPerBar, int transpose, std::uint32_t seed);

  double Seconds(double beat) const { return beat * 60.0 / bpm_; }
  int BeatsPerBar() const { return beatsPerBar_; }

  void Lead(const std::vector<TScoreNote>& notes, EVoice voice, int octaveShift, float vel, float pan);
  // Sustained chords in the middle register.
  void Pads(const std::vector<TChord>& chords, float vel);
  // Root on the bar's first beat, and the fifth halfway through a four-beat bar.
  void BassLine(const std::vector<TChord>& chords, float vel);
  // Broken chords in even steps, rising then falling.
  void Arpeggio(const std::vector<TChord>& chords, double stepBeats, EVoice voice, int octave, float vel, float pan);
  // Three-four accompaniment: a low note on one, the chord plucked on two and three.
  void Waltz(const std::vector<TChord>& chords, float vel);
  // A bell on the root at the start of every chord, high and to one side.
  void BellChimes(const std::vector<TChord>& chords, float vel, float pan);
  void Jingles(double fromBeat, double toBeat, double everyBeats, float vel);

  // Adds the room, folds the tail past loopBeats back onto the start and sets the peak.
  TSignal Finish(double loopBeats, float reverbMix, float peakDb);

 private:
  void Play(EVoice voice, const TNote& n);
  float Humanise();

  double bpm_;
  int beatsPerBar_;
  int transpose_;
  std::uint32_t seed_;
  std::uint32_t counter_ = 0;
  TSignal dry_;
};
