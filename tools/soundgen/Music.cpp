#include "Music.h"

#include <fstream>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>

#include "Arranger.h"

namespace {

// Reads "name = text" entries; an indented line goes on the text above it as it is.
std::map<std::string, std::string> ReadTuneBook(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read the tune book " + path);
  std::map<std::string, std::string> book;
  std::string line, *last = nullptr;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    const auto text = line.find_first_not_of(' ');
    if (text > 0 && last) {
      *last += line.substr(text);
    } else if (const auto eq = line.find(" = "); eq != std::string::npos) {
      last = &book[line.substr(0, eq)];
      *last = line.substr(eq + 3);
    }
  }
  return book;
}

// A tune's text by name, from the tune book beside the generator (read once).
const std::string& Tune(const std::string& name) {
  static const std::map<std::string, std::string> book = ReadTuneBook(TV_TUNE_BOOK);
  const auto it = book.find(name);
  if (it == book.end()) throw std::runtime_error("the tune book has no " + name);
  return it->second;
}

// The accompaniment most pieces share: sustained pads, a bass line and a broken-chord
// figure, with the tune on top.
struct TBand {
  float pads, bass;
  double arpStep;
  EVoice arpVoice;
  int arpOctave;
  float arpVel, arpPan;
};

struct TLeadPart {
  EVoice voice;
  int octave;
  float vel;
  float pan = -0.1f;
};

// A piece played over in passes, each len beats long and starting where the last one
// ended; returns where the last one ends.
double Passes(int passes, double len, const std::function<void(int pass, double at)>& play) {
  for (int pass = 0; pass < passes; ++pass) play(pass, pass * len);
  return passes * len;
}

void Play(TArranger& a, const std::vector<TChord>& chords, const TBand& band, const std::vector<TScoreNote>& tune,
          const TLeadPart& lead) {
  a.Pads(chords, band.pads);
  a.BassLine(chords, band.bass);
  a.Arpeggio(chords, band.arpStep, band.arpVoice, band.arpOctave, band.arpVel, band.arpPan);
  a.Lead(tune, lead.voice, lead.octave, lead.vel, lead.pan);
}

TSignal Title() {
  TArranger a(120, 4, -7, 101);
  const double len = 64.0;
  const double end = Passes(2, len, [&](int pass, double at) {
    const auto tune = ParseMelody(Tune("DeckTune"), at);
    const auto chords = ParseChords(Tune("DeckChords"), 4, at);
    Play(a, chords, {0.22f, 0.5f, 0.5, EVoice::Pluck, 4, 0.28f, 0.3f}, tune, {EVoice::Celesta, 0, 0.55f});
    if (pass == 1) {
      a.Lead(tune, EVoice::Glock, 1, 0.16f, 0.2f);
      a.BellChimes(chords, 0.18f, -0.5f);
      a.Jingles(at + 1.0, at + len, 2.0, 0.7f);
    }
  });
  return a.Finish(end, 0.35f, -1.5f);
}

TSignal Level1() {
  TArranger a(126, 4, 2, 202);
  const auto chords = ParseChords(Tune("JingleChords"), 4);
  const double len = TotalBeats(chords);
  Play(a, chords, {0.18f, 0.5f, 1.0, EVoice::Pluck, 4, 0.3f, 0.3f},
       ParseMelody(Tune("JingleVerse") + Tune("JingleChorus")), {EVoice::Celesta, 0, 0.55f});
  a.Lead(ParseMelody(Tune("JingleChorus"), len / 2), EVoice::Glock, 1, 0.14f, 0.25f);
  a.Jingles(0, len / 2, 2.0, 0.55f);
  a.Jingles(len / 2, len, 1.0, 0.7f);
  return a.Finish(len, 0.3f, -1.5f);
}

TSignal Level2() {
  TArranger a(104, 4, 0, 303);
  const std::string verse = Tune("KingB") + Tune("KingC"), verseChords = Tune("KingBChords") + Tune("KingCChords");
  const std::string tune = Tune("KingA") + Tune("KingA") + verse + verse;
  const std::string chords = Tune("KingAChords") + Tune("KingAChords") + verseChords + verseChords;
  const auto ch = ParseChords(chords, 4);
  Play(a, ch, {0.22f, 0.5f, 0.5, EVoice::Celesta, 5, 0.14f, 0.35f}, ParseMelody(tune),
       {EVoice::Pluck, 1, 0.55f, -0.15f});
  a.Lead(ParseMelody(verse + verse, 32.0), EVoice::Bell, 1, 0.16f, 0.3f);
  a.BellChimes(ParseChords(verseChords, 4, 32.0), 0.14f, -0.5f);
  return a.Finish(TotalBeats(ch), 0.35f, -1.5f);
}

TSignal Level3() {
  TArranger a(144, 3, 0, 404);
  const double len = 48.0;
  const double end = Passes(3, len, [&](int pass, double at) {
    const auto tune = ParseMelody(Tune("WishTune"), at);
    const auto chords = ParseChords(Tune("WishChords"), 3, at);
    a.Waltz(chords, 0.5f);
    a.Pads(chords, pass == 1 ? 0.2f : 0.12f);
    const EVoice lead = pass == 1 ? EVoice::Glock : EVoice::Celesta;
    a.Lead(tune, lead, 1, pass == 1 ? 0.45f : 0.55f, -0.1f);
    if (pass == 2) {
      a.Lead(tune, EVoice::Bell, 0, 0.15f, 0.3f);
      a.Jingles(at, at + len, 3.0, 0.6f);
    }
  });
  return a.Finish(end, 0.3f, -1.5f);
}

TSignal Level4() {
  TArranger a(144, 3, 2, 505);
  const std::string tune = Tune("NowellVerse") + Tune("NowellVerse") + Tune("NowellRefrain");
  const std::string chords = Tune("NowellVerseChords") + Tune("NowellVerseChords") + Tune("NowellRefrainChords");
  const double end = Passes(2, 72.0, [&](int pass, double at) {
    const auto notes = ParseMelody(tune, at);
    const TLeadPart lead = pass == 0 ? TLeadPart{EVoice::Celesta, 1, 0.55f} : TLeadPart{EVoice::Bell, 1, 0.4f};
    Play(a, ParseChords(chords, 3, at), {0.2f, 0.45f, 1.0, EVoice::Pluck, 4, 0.25f, 0.3f}, notes, lead);
    if (pass == 1) a.Lead(notes, EVoice::Celesta, 0, 0.25f, 0.25f);
  });
  return a.Finish(end, 0.4f, -1.5f);
}

TSignal Level5() {
  TArranger a(104, 4, 5, 606);
  const std::string tune = Tune("FrostA") + Tune("FrostB") + Tune("FrostA");
  const std::string chords = Tune("FrostAChords") + Tune("FrostBChords") + Tune("FrostAChords");
  const auto ch = ParseChords(chords, 4);
  Play(a, ch, {0.24f, 0.5f, 0.5, EVoice::Pluck, 4, 0.22f, 0.3f}, ParseMelody(tune), {EVoice::Celesta, 0, 0.55f});
  a.Lead(ParseMelody(Tune("FrostA"), 64.0), EVoice::Glock, 1, 0.14f, 0.3f);
  a.BellChimes(ParseChords(Tune("FrostBChords"), 4, 32.0), 0.15f, -0.5f);
  return a.Finish(TotalBeats(ch), 0.35f, -1.5f);
}

TSignal LevelEnd() {
  TArranger a(120, 4, 2, 707);
  const double len = 32.0;
  const double end = Passes(3, len, [&](int pass, double at) {
    const auto chords = ParseChords(Tune("JoyChords"), 4, at);
    const TLeadPart lead = pass == 1 ? TLeadPart{EVoice::Glock, 1, 0.4f} : TLeadPart{EVoice::Celesta, 1, 0.5f};
    Play(a, chords, {0.2f, 0.5f, 0.5, EVoice::Pluck, 4, 0.25f, 0.3f}, ParseMelody(Tune("JoyTune"), at), lead);
    a.BellChimes(chords, 0.14f, -0.5f);
    if (pass != 1) a.Jingles(at, at + len, 2.0, 0.6f);
  });
  return a.Finish(end, 0.35f, -1.5f);
}

TSignal GameEnd() {
  TArranger a(88, 3, 0, 808);
  const auto tune = ParseMelody(Tune("SilentTune"));
  const auto chords = ParseChords(Tune("SilentChords"), 3);
  Play(a, chords, {0.28f, 0.45f, 0.5, EVoice::Celesta, 4, 0.12f, 0.35f}, tune, {EVoice::Celesta, 1, 0.5f});
  a.Lead(tune, EVoice::Bell, 0, 0.12f, 0.3f);
  return a.Finish(TotalBeats(chords), 0.45f, -1.5f);
}

TSignal GameOver() {
  TArranger a(108, 3, 0, 909);
  const auto tune = ParseMelody(Tune("GreenTune"));
  const auto chords = ParseChords(Tune("GreenChords"), 3);
  Play(a, chords, {0.26f, 0.45f, 1.0, EVoice::Pluck, 3, 0.3f, 0.3f}, tune, {EVoice::Celesta, 0, 0.5f});
  a.Lead(std::vector<TScoreNote>(tune.begin() + tune.size() / 2, tune.end()), EVoice::Bell, 0, 0.12f, 0.35f);
  return a.Finish(TotalBeats(chords), 0.45f, -1.5f);
}

}  // namespace

std::vector<TTrack> MusicTracks() {
  return {{"title.ogg", Title},       {"level1.ogg", Level1},     {"level2.ogg", Level2},
          {"level3.ogg", Level3},     {"level4.ogg", Level4},     {"level5.ogg", Level5},
          {"levelend.ogg", LevelEnd}, {"gameend.ogg", GameEnd},   {"gameover.ogg", GameOver}};
}
