// Written music in a compact text form: melodies as "G4:1.5 F4:0.5 E4 | r:2"
// (pitch with octave, optional length in beats that carries over, r for rest,
// bar lines ignored) and chords as "C:2 G7:2 | Am" (lengths default to a bar).
#pragma once
#include <string>
#include <vector>

struct TScoreNote {
  double beat;   // start, in beats from the piece's start
  double beats;  // length
  int midi;      // -1 for a rest
};

struct TChord {
  double beat;
  double beats;
  int root;                // MIDI note in octave 3 (48..59)
  std::vector<int> tones;  // semitones above the root, root first
};

// Throws std::invalid_argument on a malformed token.
std::vector<TScoreNote> ParseMelody(const std::string& text, double startBeat = 0.0);
std::vector<TChord> ParseChords(const std::string& text, double beatsPerBar, double startBeat = 0.0);
double TotalBeats(const std::vector<TScoreNote>& notes);
double TotalBeats(const std::vector<TChord>& chords);
