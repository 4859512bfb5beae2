#include "Music.h"

#include "Arranger.h"

#include <string>

namespace {

// "Deck the Halls" (traditional Welsh), written in C.
const char* kDeckTune =
    "G5:1.5 F5:0.5 E5:1 D5 | C5 D5 E5 C5 | D5:0.5 E5 F5 D5 E5:1.5 D5:0.5 | C5:1 B4 C5:2 |"
    "G5:1.5 F5:0.5 E5:1 D5 | C5 D5 E5 C5 | D5:0.5 E5 F5 D5 E5:1.5 D5:0.5 | C5:1 B4 C5:2 |"
    "D5:1.5 E5:0.5 F5:1 D5 | E5:1.5 F5:0.5 G5:1 D5 | E5:0.5 F#5 G5:1 A5:0.5 B5 C6:1 | B5 A5 G5:2 |"
    "G5:1.5 F5:0.5 E5:1 D5 | C5 D5 E5 C5 | A5:0.5 A5 A5 A5 G5:1.5 F5:0.5 | E5:1 D5 C5:2 |";
const char* kDeckChords =
    "C | F:2 C:2 | Dm:2 C:2 | F:1 G7:1 C:2 | C | F:2 C:2 | Dm:2 C:2 | F:1 G7:1 C:2 |"
    "G:2 Dm:2 | C:2 G:2 | C:1 G:1 D:1 Am:1 | G:1 D:1 G:2 | C | F:2 C:2 | F:2 C:2 | C:1 G7:1 C:2 |";

// "Jingle Bells", verse and chorus, in C.
const char* kJingleVerse =
    "G4 E5 D5 C5 | G4:3 G4:0.5 G4:0.5 | G4:1 E5 D5 C5 | A4:4 | A4:1 F5 E5 D5 | B4:4 | G5:1 G5 F5 D5 | E5:4 |"
    "G4:1 E5 D5 C5 | G4:4 | G4:1 E5 D5 C5 | A4:3 A4:1 | A4 F5 E5 D5 | G5 G5 G5 G5 | A5 G5 F5 D5 | C5:4 |";
const char* kJingleChorus =
    "E5:1 E5 E5:2 | E5:1 E5 E5:2 | E5:1 G5 C5:1.5 D5:0.5 | E5:4 | F5:1 F5 F5:1.5 F5:0.5 |"
    "F5:1 E5 E5 E5:0.5 E5 | E5:1 D5 D5 E5 | D5:2 G5:2 |"
    "E5:1 E5 E5:2 | E5:1 E5 E5:2 | E5:1 G5 C5:1.5 D5:0.5 | E5:4 | F5:1 F5 F5:1.5 F5:0.5 |"
    "F5:1 E5 E5 E5:0.5 E5 | G5:1 G5 F5 D5 | C5:4 |";
const char* kJingleChords =
    "C | C | C | Am | F | G | G7 | C | C | C | C | F | F | G | G7 | C |"
    "C | C | C | C | F | C | D7 | G | C | C | C | C | F | C | G7 | C |";

// "Good King Wenceslas" (the spring carol of 1582), in G; the last phrase is our own.
const char* kKingA = "G4 G4 G4 A4 | G4 G4 D4:2 | E4:1 D4 E4 F#4 | G4:2 G4:2 |";
const char* kKingB = "D5:1 C5 B4 A4 | B4 A4 G4:2 | E4:1 D4 E4 F#4 | G4:2 G4:2 |";
const char* kKingC = "D4:1 D4 E4 F#4 | G4 A4 B4:2 | C5:1 B4 A4 F#4 | G4:4 |";
const char* kKingAChords = "G | G:2 D:2 | C:2 D:2 | G |";
const char* kKingBChords = "G:1 Am:1 G:1 D:1 | Em:1 D:1 G:2 | C:2 D:2 | G |";
const char* kKingCChords = "D | Em:1 D:1 G:2 | C:1 G:1 D:2 | G |";

// "We Wish You a Merry Christmas" (English West Country), in G, three-four.
const char* kWishTune =
    "G4:1 G4:0.5 A4 G4 F#4 | E4:1 E4 E4 | A4:1 A4:0.5 B4 A4 G4 | F#4:1 D4 D4 |"
    "B4:1 B4:0.5 C5 B4 A4 | G4:1 E4 D4:0.5 D4 | E4:1 A4 F#4 | G4:2 D4:1 |"
    "G4:1 G4 G4 | F#4:2 F#4:1 | G4 F#4 E4 | D4:2 A4:1 |"
    "B4:1 A4:0.5 A4 G4 G4 | D5:1 D4 D4:0.5 D4 | E4:1 A4 F#4 | G4:2 D4:1 |";
const char* kWishChords =
    "G | C | A7 | D | B7 | Em | C:1 D:2 | G | G | D | Em:2 A7:1 | D | G | Bm | C:1 D:2 | G |";

// "The First Nowell" (traditional Cornish), in C, three-four.
const char* kNowellVerse =
    "C4:1.5 D4:0.5 E4 F4 | G4:2 A4:0.5 B4 | C5:1 B4 A4 | G4:2 A4:0.5 B4 |"
    "C5:1 B4 A4 | G4 A4 B4 | C5 G4 F4 | E4:2 E4:0.5 D4 |";
const char* kNowellRefrain =
    "C4:1.5 D4:0.5 E4 F4 | G4:2 C5:0.5 B4 | A4:2 A4:1 | G4:2 C5:0.5 B4 |"
    "C5:1 B4 A4 | G4 A4 B4 | C5 G4 F4 | E4:2 E4:0.5 D4 |";
const char* kNowellVerseChords =
    "C | C:2 G:1 | F:1 G:1 Am:1 | C:2 G:1 | F:1 G:1 Am:1 | Em:1 F:1 G:1 | Am:1 C:1 F:1 | C:2 G:1 |";
const char* kNowellRefrainChords =
    "C | C:2 G:1 | F | C:2 G:1 | F:1 G:1 Am:1 | Em:1 F:1 G:1 | Am:1 C:1 G7:1 | C:2 G:1 |";

// "Frost on the Pane", our own tune, in C.
const char* kFrostA =
    "E5:1.5 D5:0.5 C5:1 G4 | A4 C5 G4:2 | F4:1 A4 D5 C5 | B4 D5 G5:2 |"
    "E5:1.5 D5:0.5 C5:1 G4 | A4 C5 E5:2 | F5:1 E5 D5:1.5 B4:0.5 | C5:4 |";
const char* kFrostB =
    "E5:1 A5 G5 E5 | F5:1.5 E5:0.5 C5:2 | D5:1 F5 B4 D5 | C5 E5 G#4:2 |"
    "A4:1 C5 E5 A5 | A5 F5 D5 B4 | C5 E5 D5 G4 | C5:4 |";
const char* kFrostAChords = "C | F:2 C:2 | Dm | G | C | Am | F:2 G:2 | C |";
const char* kFrostBChords = "Am | F | Dm:2 G:2 | C:2 E:2 | Am | F:2 G:2 | C:2 G:2 | C |";

// "Joy to the World" (its opening phrase) with our own answering phrase, in C.
const char* kJoyTune =
    "C5:1 B4:0.75 A4:0.25 G4:1.5 F4:0.5 | E4:1 D4 C4:1.5 G4:0.5 | A4:1.5 A4:0.5 B4:1.5 B4:0.5 | C5:4 |"
    "E5:1 D5 C5 G4 | A4 C5 F5 E5 | D5:1.5 C5:0.5 D5:1 E5 | C5:4 |";
const char* kJoyChords = "C:2 Em:1 F:1 | C:1 G:1 C:2 | F:2 G:2 | C | C | F:2 Dm:1 C:1 | G | C |";

// "Silent Night" (1818), in C, three-four.
const char* kSilentTune =
    "G4:1.5 A4:0.5 G4:1 | E4:3 | G4:1.5 A4:0.5 G4:1 | E4:3 | D5:2 D5:1 | B4:3 | C5:2 C5:1 | G4:3 |"
    "A4:2 A4:1 | C5:1.5 B4:0.5 A4:1 | G4:1.5 A4:0.5 G4:1 | E4:3 |"
    "A4:2 A4:1 | C5:1.5 B4:0.5 A4:1 | G4:1.5 A4:0.5 G4:1 | E4:3 |"
    "D5:2 D5:1 | F5:1.5 D5:0.5 B4:1 | C5:3 | E5:3 | C5:1 G4 E4 | G4:1.5 F4:0.5 D4:1 | C4:3 | r:3 |";
const char* kSilentChords =
    "C | C | C | C | G7 | G7 | C | C | F | F | C | C | F | F | C | C | G7 | G7 | C | C | C | G7 | C | C |";

// "Greensleeves" (sixteenth-century English), in A minor, three-four.
const char* kGreenTune =
    "C5:2 D5:1 | E5:1.5 F5:0.5 E5:1 | D5:2 B4:1 | G4:1.5 A4:0.5 B4:1 | C5:2 A4:1 | A4:1.5 G#4:0.5 A4:1 |"
    "B4:2 G#4:1 | E4:2 A4:1 | C5:2 D5:1 | E5:1.5 F5:0.5 E5:1 | D5:2 B4:1 | G4:1.5 A4:0.5 B4:1 |"
    "C5:1.5 B4:0.5 A4:1 | G#4:1.5 F#4:0.5 G#4:1 | A4:3 | r:3 |"
    "G5:3 | G5:1.5 F#5:0.5 E5:1 | D5:2 B4:1 | G4:1.5 A4:0.5 B4:1 | C5:2 A4:1 | A4:1.5 G#4:0.5 A4:1 |"
    "B4:2 G#4:1 | E4:3 | G5:3 | G5:1.5 F#5:0.5 E5:1 | D5:2 B4:1 | G4:1.5 A4:0.5 B4:1 |"
    "C5:1.5 B4:0.5 A4:1 | G#4:1.5 F#4:0.5 G#4:1 | A4:3 | A4:2 A4:1 |";
const char* kGreenChords =
    "Am | C | G | Em | Am | F:2 E:1 | E | E:2 Am:1 | Am | C | G | Em | Am | E | Am | Am |"
    "C | C | G | Em | Am | F:2 E:1 | E | E | C | C | G | Em | Am | E | Am | Am |";

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
  for (int pass = 0; pass < 2; ++pass) {
    const double at = pass * len;
    const auto tune = ParseMelody(kDeckTune, at);
    const auto chords = ParseChords(kDeckChords, 4, at);
    Play(a, chords, {0.22f, 0.5f, 0.5, EVoice::Pluck, 4, 0.28f, 0.3f}, tune, {EVoice::Celesta, 0, 0.55f});
    if (pass == 1) {
      a.Lead(tune, EVoice::Glock, 1, 0.16f, 0.2f);
      a.BellChimes(chords, 0.18f, -0.5f);
      a.Jingles(at + 1.0, at + len, 2.0, 0.7f);
    }
  }
  return a.Finish(2 * len, 0.35f, -1.5f);
}

TSignal Level1() {
  TArranger a(126, 4, 2, 202);
  const auto chords = ParseChords(kJingleChords, 4);
  const double len = TotalBeats(chords);
  Play(a, chords, {0.18f, 0.5f, 1.0, EVoice::Pluck, 4, 0.3f, 0.3f},
       ParseMelody(std::string(kJingleVerse) + kJingleChorus), {EVoice::Celesta, 0, 0.55f});
  a.Lead(ParseMelody(kJingleChorus, len / 2), EVoice::Glock, 1, 0.14f, 0.25f);
  a.Jingles(0, len / 2, 2.0, 0.55f);
  a.Jingles(len / 2, len, 1.0, 0.7f);
  return a.Finish(len, 0.3f, -1.5f);
}

TSignal Level2() {
  TArranger a(104, 4, 0, 303);
  const std::string tune = std::string(kKingA) + kKingA + kKingB + kKingC + kKingB + kKingC;
  const std::string chords =
      std::string(kKingAChords) + kKingAChords + kKingBChords + kKingCChords + kKingBChords + kKingCChords;
  const auto ch = ParseChords(chords, 4);
  Play(a, ch, {0.22f, 0.5f, 0.5, EVoice::Celesta, 5, 0.14f, 0.35f}, ParseMelody(tune),
       {EVoice::Pluck, 1, 0.55f, -0.15f});
  a.Lead(ParseMelody(std::string(kKingB) + kKingC + kKingB + kKingC, 32.0), EVoice::Bell, 1, 0.16f, 0.3f);
  a.BellChimes(ParseChords(std::string(kKingBChords) + kKingCChords, 4, 32.0), 0.14f, -0.5f);
  return a.Finish(TotalBeats(ch), 0.35f, -1.5f);
}

TSignal Level3() {
  TArranger a(144, 3, 0, 404);
  const double len = 48.0;
  for (int pass = 0; pass < 3; ++pass) {
    const double at = pass * len;
    const auto tune = ParseMelody(kWishTune, at);
    const auto chords = ParseChords(kWishChords, 3, at);
    a.Waltz(chords, 0.5f);
    a.Pads(chords, pass == 1 ? 0.2f : 0.12f);
    const EVoice lead = pass == 1 ? EVoice::Glock : EVoice::Celesta;
    a.Lead(tune, lead, 1, pass == 1 ? 0.45f : 0.55f, -0.1f);
    if (pass == 2) {
      a.Lead(tune, EVoice::Bell, 0, 0.15f, 0.3f);
      a.Jingles(at, at + len, 3.0, 0.6f);
    }
  }
  return a.Finish(3 * len, 0.3f, -1.5f);
}

TSignal Level4() {
  TArranger a(144, 3, 2, 505);
  const std::string tune = std::string(kNowellVerse) + kNowellVerse + kNowellRefrain;
  const std::string chords = std::string(kNowellVerseChords) + kNowellVerseChords + kNowellRefrainChords;
  const double len = 72.0;
  for (int pass = 0; pass < 2; ++pass) {
    const double at = pass * len;
    const auto notes = ParseMelody(tune, at);
    const TLeadPart lead = pass == 0 ? TLeadPart{EVoice::Celesta, 1, 0.55f} : TLeadPart{EVoice::Bell, 1, 0.4f};
    Play(a, ParseChords(chords, 3, at), {0.2f, 0.45f, 1.0, EVoice::Pluck, 4, 0.25f, 0.3f}, notes, lead);
    if (pass == 1) a.Lead(notes, EVoice::Celesta, 0, 0.25f, 0.25f);
  }
  return a.Finish(2 * len, 0.4f, -1.5f);
}

TSignal Level5() {
  TArranger a(104, 4, 5, 606);
  const std::string tune = std::string(kFrostA) + kFrostB + kFrostA;
  const std::string chords = std::string(kFrostAChords) + kFrostBChords + kFrostAChords;
  const auto ch = ParseChords(chords, 4);
  Play(a, ch, {0.24f, 0.5f, 0.5, EVoice::Pluck, 4, 0.22f, 0.3f}, ParseMelody(tune), {EVoice::Celesta, 0, 0.55f});
  a.Lead(ParseMelody(kFrostA, 64.0), EVoice::Glock, 1, 0.14f, 0.3f);
  a.BellChimes(ParseChords(kFrostBChords, 4, 32.0), 0.15f, -0.5f);
  return a.Finish(TotalBeats(ch), 0.35f, -1.5f);
}

TSignal LevelEnd() {
  TArranger a(120, 4, 2, 707);
  const double len = 32.0;
  for (int pass = 0; pass < 3; ++pass) {
    const double at = pass * len;
    const auto chords = ParseChords(kJoyChords, 4, at);
    const TLeadPart lead = pass == 1 ? TLeadPart{EVoice::Glock, 1, 0.4f} : TLeadPart{EVoice::Celesta, 1, 0.5f};
    Play(a, chords, {0.2f, 0.5f, 0.5, EVoice::Pluck, 4, 0.25f, 0.3f}, ParseMelody(kJoyTune, at), lead);
    a.BellChimes(chords, 0.14f, -0.5f);
    if (pass != 1) a.Jingles(at, at + len, 2.0, 0.6f);
  }
  return a.Finish(3 * len, 0.35f, -1.5f);
}

TSignal GameEnd() {
  TArranger a(88, 3, 0, 808);
  const auto tune = ParseMelody(kSilentTune);
  const auto chords = ParseChords(kSilentChords, 3);
  Play(a, chords, {0.28f, 0.45f, 0.5, EVoice::Celesta, 4, 0.12f, 0.35f}, tune, {EVoice::Celesta, 1, 0.5f});
  a.Lead(tune, EVoice::Bell, 0, 0.12f, 0.3f);
  return a.Finish(TotalBeats(chords), 0.45f, -1.5f);
}

TSignal GameOver() {
  TArranger a(108, 3, 0, 909);
  const auto tune = ParseMelody(kGreenTune);
  const auto chords = ParseChords(kGreenChords, 3);
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
