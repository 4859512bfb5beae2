#include "game/GameLoading.h"

#include <string>

#include "core/Game.h"
#include "audio/SoundBank.h"
#include "game/Gem.h"
#include "gfx/GameImage.h"
#include "gfx/ImageBank.h"
#include "ui/MousePointer.h"

namespace {
void Corner(const std::string& file, const std::string& name = "") { ImageBank->Load(file, name, -1, 0); }
void Mid(const std::string& file, const std::string& name = "") { ImageBank->Load(file, name, -1, 1); }
}  // namespace

void LoadGamePictures(const std::function<void()>& step) {
  Game->Mouse->offsetx = 4;
  Game->Mouse->Load("pointer");
  step();
  Corner("pointer");
  step();
  Corner("pointersmall");
  step();
  Game->SpritePausedCreate(ImageBank->Load("Localised/paused", "paused", -1, 1));
  step();
  ImageBank->LoadAnim("gems", 50, 50, 0, 7, -1, 0);
  step();
  for (const char* name : {"lock", "cell", "cellrightside", "cellbottom", "cellcorner", "cellpane", "brick"}) {
    Corner(name);
    step();
  }
  Mid("brickparticle", "brickmid");
  step();
  Corner("armour");
  step();
  Mid("armourparticle", "armourmid");
  step();
  for (const char* name : {"cursor", "bonushighlightmid", "magichighlight"}) {
    Corner(name);
    step();
  }
  Mid("diagonalmask");
  step();
  for (int n = 1; n <= 7; ++n) {
    ImageBank->LoadAnim("gem" + std::to_string(n) + "anim", 50, 50, 0, 50, -1, 0);
    step();
  }
  TGem::InitArrays();
  for (int n = 8; n <= 15; ++n) {
    std::string idle = "bonus" + std::to_string(n) + "idle";
    ImageBank->LoadAnim(idle, 50, 50, 0, TGem::IdleFrames[n], -1, 0);
    step();
    if (n == 9) {
      ImageBank->LoadAnim("bonus9activate", 50, 50, 0, TGem::ActivateFrames[9], -1, 0);
      step();
    } else if (n == 11 || n == 13 || n == 14) {
      ImageBank->LoadAnim(idle, 50, 50, 0, TGem::ActivateFrames[n], -1, 0);
      step();
    }
  }
  ImageBank->Find("bonus9activate")->MidHandle(1);
  Corner("Localised/panel.png", "panel");
  step();
  for (const char* name : {"gaugeempty.png", "gaugefull.png", "gaugemax.png", "particlering", "snowflake",
                           "snowflakesmall", "snowflakelarge", "sparkle"}) {
    Mid(name);
    step();
  }
  Mid("particle7", "fireball");
  step();
  Mid("particle8", "golddust");
  step();
  Mid("sparklegold");
  step();
  for (int score : {10, 20, 30, 40, 50, 60, 70, 80, 100}) {
    Mid("score" + std::to_string(score));
    step();
  }
  ImageBank->LoadAnim("iceshard", 32, 32, 0, 50, -1, 1);
  step();
  ImageBank->LoadAnim("iceshard2", 30, 30, 0, 50, -1, 1);
  step();
  for (const char* name : {"starinactive", "staractive", "starinactiveMO", "staractiveMO"}) {
    Mid(name);
    step();
  }
}

void LoadGameSounds(const std::function<void()>& step) {
  static const char* const names[] = {"click",   "clickrev",  "invalid", "swap",      "failed",       "matchbrick",
                                      "matchnobrick", "lockedclick", "unlock", "land", "hint",        "levelstart",
                                      "levelend.ogg", "alarm",   "echopop", "wind",      "scroll",       "explode",
                                      "star",    "brush",     "paintpot", "cracker",   "gaugefull",    "magic",
                                      "buttonMO"};
  for (const char* name : names) {
    std::string file = name;
    std::string filed = file == "levelend.ogg" ? "levelend" : "";
    SoundBank->Load(file, 1.0f, 1.0f, filed, 0);
    step();
  }
}
