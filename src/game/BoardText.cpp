#include "game/BoardText.h"

#include "game/Board.h"
#include "game/Cell.h"
#include "game/GameGrid.h"

std::string BoardPicture() {
  std::string out;
  if (!Grid) return out;
  for (int y = 0; y < Grid->levelheight; ++y) {
    std::string line;
    for (int x = 0; x < Grid->levelwidth; ++x) {
      if (x) line += ' ';
      TCell* c = PlayableAt(x, y);
      if (!c) {
        line += " # ";
        continue;
      }
      line += c->armour ? 'B' : c->gold ? 'b' : '.';
      const TGem* g = c->Gem.get();
      if (!g)
        line += '-';
      else if (g->GemType == -1)
        line += '*';
      else if (g->GemType >= 1 && g->GemType <= 7)
        line += char('0' + g->GemType);
      else if (g->GemType >= 8 && g->GemType <= 15)
        line += char('a' + g->GemType - 8);
      else
        line += '?';
      char mark = ' ';
      if (g && g->locked && g->Munchkin)
        mark = '&';
      else if (g && g->locked)
        mark = 'L';
      else if (g && g->Munchkin)
        mark = 'm';
      line += mark;
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out += line;
    out += '\n';
  }
  return out;
}
