#include "player/HighScoreEntry.h"

#include "core/Globals.h"
#include "gfx/GameFonts.h"
#include "gfx/Draw.h"
#include "player/HighScoreList.h"

std::unique_ptr<THighScoreEntry> THighScoreEntry::Create(THighScoreList& table, int score, int level) {
  std::unique_ptr<THighScoreEntry> entry(new THighScoreEntry(table));
  entry->score_ = score;
  entry->level_ = level;
  // An empty table has no lowest entry to beat.
  entry->HighScore = (table.Entries.empty() || score >= table.Entries.back().score) ? 1 : 0;
  return entry;
}

void THighScoreEntry::FinishAndAdd() {
  if (HighScore != 1) return;
  // A second press of OK in the same update must not enter the name twice.
  if (Done == 0) AddToHighScores();
  Finish();
}

void THighScoreEntry::AddToHighScores() {
  if (!table_.Entries.empty()) table_.Entries.pop_back();
  table_.Insert(Name, score_, level_);
  table_.Save();
}

void THighScoreEntry::Draw() const {
  if (!Active()) return;
  SetColor(150, 255, 150);
  const std::string got = "You got a High Score!";
  const std::string ask = "Please enter your name:";
  DrawText(got, float((ScreenWidth - TextWidth(got)) / 2), float(TopY));
  DrawText(ask, float((ScreenWidth - TextWidth(ask)) / 2), float(TopY + 30));
  // The name in the large font; the prompt's own font is left current for the caller.
  const TImageFontPtr promptFont = GetImageFont();
  SetImageFont(Font60);
  DrawText(Name, 250.0f, float(TopY + 60));
  SetImageFont(promptFont);
}
