#include "game/BoardResources.h"

#include "game/Cell.h"
#include "game/Gem.h"

void TakeBoardPictures() {
  TGem::InitArrays();
  TGem::Load();
  TCell::Load();
}
