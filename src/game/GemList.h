// Every live gem, bursting and falling ones included, kept lowest on screen
// first (descending y) so lower gems draw first and fall first. The list owns
// the gems; a cell's Gem is a second reference.
#pragma once
#include <list>

#include "game/Gem.h"
#include "platform/Recycling.h"

class TGemList {
 public:
  std::list<TGemRef, TRecycling<TGemRef>> Items;

  // Puts the gem before the first gem whose y is smaller, or last.
  void InsertGem(const TGemRef& gem);
  void Append(const TGemRef& gem) { Items.push_back(gem); }
  void Remove(const TGem* gem);
  // Stable re-sort into descending y.
  void SortAll();
  // The per-step gem update; 1 while any gem is bursting.
  int Manage();
  // Sends every gem flying out from the board's centre, spinning (the no-moves scatter).
  void SpreadAll();
  void MoveAll();
  // Every gem not sliding in a swap, in list order, then the two sliding gems on top.
  void Draw();
  void ExplodeAll(int noRing);
  void ExplodeMunchkins();
  // Every gem's shadow as the detail setting now calls for.
  void SetShadow();
  size_t Count() const { return Items.size(); }
};
