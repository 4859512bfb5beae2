#include "Score.h"

#include <sstream>
#include <stdexcept>

namespace {
// Bar lines are only for the reader; pieces are often glued from several strings.
std::string WithoutBarLines(std::string text) {
  for (char& c : text)
    if (c == '|') c = ' ';
  return text;
}

int PitchClass(char letter) {
  switch (letter) {
    case 'C': return 0;
    case 'D': return 2;
    case 'E': return 4;
    case 'F': return 5;
    case 'G': return 7;
    case 'A': return 9;
    case 'B': return 11;
  }
  throw std::invalid_argument(std::string("not a note letter: ") + letter);
}

// Splits "name:length" and returns the length (or fallback when there is none).
double SplitLength(std::string& token, double fallback) {
  const auto colon = token.find(':');
  if (colon == std::string::npos) return fallback;
  const double len = std::stod(token.substr(colon + 1));
  if (len <= 0.0) throw std::invalid_argument("length must be positive: " + token);
  token.resize(colon);
  return len;
}

// Reads the letter and any sharps/flats at the front of s; pos is left after them.
int ReadPitchClass(const std::string& s, std::size_t& pos) {
  if (s.empty()) throw std::invalid_argument("empty pitch");
  int pc = PitchClass(s[0]);
  pos = 1;
  while (pos < s.size() && (s[pos] == '#' || s[pos] == 'b')) pc += s[pos++] == '#' ? 1 : -1;
  return pc;
}
}  // namespace

std::vector<TScoreNote> ParseMelody(const std::string& text, double startBeat) {
  std::vector<TScoreNote> out;
  std::istringstream in(WithoutBarLines(text));
  std::string token;
  double beat = startBeat, len = 1.0;
  while (in >> token) {
    len = SplitLength(token, len);
    if (token == "r") {
      out.push_back({beat, len, -1});
    } else {
      std::size_t pos = 0;
      const int pc = ReadPitchClass(token, pos);
      if (pos >= token.size()) throw std::invalid_argument("note without octave: " + token);
      const int octave = std::stoi(token.substr(pos));
      out.push_back({beat, len, 12 * (octave + 1) + pc});
    }
    beat += len;
  }
  return out;
}

std::vector<TChord> ParseChords(const std::string& text, double beatsPerBar, double startBeat) {
  std::vector<TChord> out;
  std::istringstream in(WithoutBarLines(text));
  std::string token;
  double beat = startBeat;
  while (in >> token) {
    const double len = SplitLength(token, beatsPerBar);
    std::size_t pos = 0;
    int pc = ReadPitchClass(token, pos);
    const std::string kind = token.substr(pos);
    std::vector<int> tones;
    if (kind.empty()) tones = {0, 4, 7};
    else if (kind == "m") tones = {0, 3, 7};
    else if (kind == "7") tones = {0, 4, 7, 10};
    else if (kind == "m7") tones = {0, 3, 7, 10};
    else if (kind == "maj7") tones = {0, 4, 7, 11};
    else if (kind == "6") tones = {0, 4, 7, 9};
    else if (kind == "dim") tones = {0, 3, 6};
    else if (kind == "sus4") tones = {0, 5, 7};
    else throw std::invalid_argument("unknown chord: " + token);
    pc = ((pc % 12) + 12) % 12;
    out.push_back({beat, len, 48 + pc, tones});
    beat += len;
  }
  return out;
}

double TotalBeats(const std::vector<TScoreNote>& notes) {
  return notes.empty() ? 0.0 : notes.back().beat + notes.back().beats;
}

double TotalBeats(const std::vector<TChord>& chords) {
  return chords.empty() ? 0.0 : chords.back().beat + chords.back().beats;
}
