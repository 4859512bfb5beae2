#include "game/BoardResources.h"

#include <string>

#include "audio/SoundBank.h"
#include "game/Cell.h"
#include "game/Gem.h"
#include "gfx/GameImage.h"
#include "gfx/ImageBank.h"

namespace {
enum Kind { Corner, Mid, Strip };
struct TPictureEntry {
  const char* file;
  const char* name;  // "" = the file's own name
  Kind kind;
  int cell = 0, frames = 0;  // strips only
};

// In loading order; the second loads of bonus 11, 13 and 14 are their
// activation strips, filed under the same names.
const TPictureEntry Pictures[] = {
    {"pointer", "", Corner},
    {"pointersmall", "", Corner},
    {"gems", "", Strip, 50, 7},
    {"lock", "", Corner},
    {"cell", "", Corner},
    {"cellrightside", "", Corner},
    {"cellbottom", "", Corner},
    {"cellcorner", "", Corner},
    {"cellpane", "", Corner},
    {"brick", "", Corner},
    {"brickparticle", "brickmid", Mid},
    {"armour", "", Corner},
    {"armourparticle", "armourmid", Mid},
    {"cursor", "", Corner},
    {"bonushighlightmid", "", Corner},
    {"magichighlight", "", Corner},
    {"diagonalmask", "", Mid},
    {"gem1anim", "", Strip, 50, 50},
    {"gem2anim", "", Strip, 50, 50},
    {"gem3anim", "", Strip, 50, 50},
    {"gem4anim", "", Strip, 50, 50},
    {"gem5anim", "", Strip, 50, 50},
    {"gem6anim", "", Strip, 50, 50},
    {"gem7anim", "", Strip, 50, 50},
    {"bonus8idle", "", Strip, 50, 50},
    {"bonus9idle", "", Strip, 50, 50},
    {"bonus9activate", "", Strip, 50, 1},
    {"bonus10idle", "", Strip, 50, 50},
    {"bonus11idle", "", Strip, 50, 50},
    {"bonus11idle", "", Strip, 50, 50},
    {"bonus12idle", "", Strip, 50, 50},
    {"bonus13idle", "", Strip, 50, 50},
    {"bonus13idle", "", Strip, 50, 50},
    {"bonus14idle", "", Strip, 50, 50},
    {"bonus14idle", "", Strip, 50, 50},
    {"bonus15idle", "", Strip, 50, 50},
    {"particlering", "", Mid},
    {"snowflake", "", Mid},
    {"snowflakesmall", "", Mid},
    {"snowflakelarge", "", Mid},
    {"sparkle", "", Mid},
    {"particle7", "fireball", Mid},
    {"particle8", "golddust", Mid},
    {"sparklegold", "", Mid},
    {"score10", "", Mid},
    {"score20", "", Mid},
    {"score30", "", Mid},
    {"score40", "", Mid},
    {"score50", "", Mid},
    {"score60", "", Mid},
    {"score70", "", Mid},
    {"score80", "", Mid},
    {"score100", "", Mid},
    {"iceshard", "", Strip, 32, 50},
    {"iceshard2", "", Strip, 30, 50},
};

const char* const Sounds[] = {"click",  "clickrev", "invalid", "swap",    "failed",   "matchbrick", "matchnobrick",
                              "lockedclick", "unlock", "land", "hint",   "alarm",    "echopop",    "explode",
                              "star",   "brush",    "paintpot", "cracker", "magic"};
}  // namespace

int BoardPictureSteps() { return int(sizeof Pictures / sizeof Pictures[0]); }
int BoardSoundSteps() { return int(sizeof Sounds / sizeof Sounds[0]); }

void LoadBoardPictures(TImageBank& bank, void (*step)()) {
  for (const auto& p : Pictures) {
    if (p.kind == Strip) {
      // The iceshard strips are centred like the other particle pictures.
      const int mid = p.cell != 50 ? 1 : 0;
      bank.LoadAnim(p.file, p.cell, p.cell, 0, p.frames, -1, mid);
    } else {
      bank.Load(p.file, p.name, -1, p.kind == Mid ? 1 : 0);
    }
    if (step) step();
  }
  // The crackers fly about their middles.
  if (auto cracker = bank.Find("bonus9activate", 1)) cracker->MidHandle(1);
}

void LoadBoardSounds(TSoundBank& bank, void (*step)()) {
  for (const char* name : Sounds) {
    bank.Load(name, 1.0f, 1.0f, name, 0);
    if (step) step();
  }
}

void TakeBoardPictures() {
  TGem::InitArrays();
  TGem::Load();
  TCell::Load();
}
