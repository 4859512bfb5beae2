#include "game/GameLoading.h"

#include <string>

#include "audio/SoundBank.h"
#include "core/DataPaths.h"
#include "core/Game.h"
#include "game/Gem.h"
#include "gfx/GameImage.h"
#include "gfx/ImageBank.h"
#include "gfx/Sprite.h"
#include "ui/MousePointer.h"

namespace {
bool HasExtension(const std::string& file) {
  const std::size_t slash = file.find_last_of('/');
  const std::size_t dot = file.rfind('.');
  return dot != std::string::npos && (slash == std::string::npos || dot > slash);
}

TPictureStep Picture(const std::string& file, TPictureStep::TKind kind, const std::string& name = "") {
  TPictureStep step;
  step.File = file;
  step.Name = name;
  step.Kind = kind;
  return step;
}

TPictureStep Strip(const std::string& file, int cellW, int cellH, int cells, int midHandle) {
  TPictureStep step = Picture(file, TPictureStep::Strip);
  step.CellW = cellW;
  step.CellH = cellH;
  step.Cells = cells;
  step.MidHandle = midHandle;
  return step;
}
}  // namespace

std::vector<TPictureStep> GamePictureSteps() {
  if (TGem::IdleLengths[8] == 0) TGem::InitArrays();
  using K = TPictureStep;
  std::vector<TPictureStep> steps = {Picture("pointer", K::Pointer), Picture("pointer", K::Corner),
                                     Picture("pointersmall", K::Corner), Picture("Localised/paused", K::Paused, "paused"),
                                     Strip("gems", 50, 50, 7, 0)};
  for (const char* name : {"lock", "cell", "cellrightside", "cellbottom", "cellcorner", "cellpane", "brick"})
    steps.push_back(Picture(name, K::Corner));
  steps.push_back(Picture("brickparticle", K::Mid, "brickmid"));
  steps.push_back(Picture("armour", K::Corner));
  steps.push_back(Picture("armourparticle", K::Mid, "armourmid"));
  for (const char* name : {"cursor", "bonushighlightmid", "magichighlight"}) steps.push_back(Picture(name, K::Corner));
  steps.push_back(Picture("diagonalmask", K::Mid));
  for (int n = 1; n <= 7; ++n) steps.push_back(Strip("gem" + std::to_string(n) + "anim", 50, 50, 50, 0));
  for (int n = 8; n <= 15; ++n) {
    const std::string idle = "bonus" + std::to_string(n) + "idle";
    steps.push_back(Strip(idle, 50, 50, TGem::IdleFrames[n], 0));
    // 11, 13 and 14 activate with their idle strip (TGem::Load), loaded once above.
    if (n == 9) steps.push_back(Strip("bonus9activate", 50, 50, TGem::ActivateFrames[9], 0));
  }
  steps.push_back(Picture("Localised/panel.png", K::Corner, "panel"));
  for (const char* name : {"gaugeempty.png", "gaugefull.png", "gaugemax.png", "particlering", "snowflake",
                           "snowflakesmall", "snowflakelarge", "sparkle"})
    steps.push_back(Picture(name, K::Mid));
  steps.push_back(Picture("particle7", K::Mid, "fireball"));
  steps.push_back(Picture("particle8", K::Mid, "golddust"));
  steps.push_back(Picture("sparklegold", K::Mid));
  for (int score : {10, 20, 30, 40, 50, 60, 70, 80, 100}) steps.push_back(Picture("score" + std::to_string(score), K::Mid));
  steps.push_back(Strip("iceshard", 32, 32, 50, 1));
  steps.push_back(Strip("iceshard2", 30, 30, 50, 1));
  for (const char* name : {"starinactive", "staractive", "starinactiveMO", "staractiveMO"})
    steps.push_back(Picture(name, K::Mid));
  return steps;
}

const std::vector<std::string>& GameSoundFiles() {
  static const std::vector<std::string> names = {
      "click",  "clickrev", "invalid", "swap",         "failed", "matchbrick", "matchnobrick", "lockedclick", "unlock",
      "land",   "hint",     "levelstart", "levelend.ogg", "alarm", "echopop",  "wind",         "scroll",      "explode",
      "star",   "brush",    "paintpot",   "cracker",      "gaugefull", "magic", "buttonMO"};
  return names;
}

std::vector<std::string> GamePicturePaths() {
  std::vector<std::string> paths;
  for (const TPictureStep& step : GamePictureSteps()) {
    const bool ownExtension = step.Kind != TPictureStep::Strip && HasExtension(step.File);
    paths.push_back(DataPaths().ImagePath + step.File + (ownExtension ? "" : ".png"));
  }
  return paths;
}

std::vector<std::string> GameSoundPaths() {
  std::vector<std::string> paths;
  for (const std::string& file : GameSoundFiles())
    paths.push_back(DataPaths().SoundPath + file + (HasExtension(file) ? "" : ".wav"));
  return paths;
}

void LoadGamePictures(const std::function<void()>& step) {
  for (const TPictureStep& item : GamePictureSteps()) {
    switch (item.Kind) {
      case TPictureStep::Pointer:
        Pointer().offsetx = 4;
        Pointer().Load(item.File);
        break;
      case TPictureStep::Paused:
        Game->SpritePaused = TSprite::Create(ImageBank->Load(item.File, item.Name, -1, 1), 0, 0);
        Game->SpritePaused->Centre();
        break;
      case TPictureStep::Strip:
        ImageBank->LoadAnim(item.File, item.CellW, item.CellH, 0, item.Cells, -1, item.MidHandle);
        break;
      case TPictureStep::Corner:
      case TPictureStep::Mid:
        ImageBank->Load(item.File, item.Name, -1, item.Kind == TPictureStep::Mid ? 1 : 0);
        break;
    }
    step();
  }
  ImageBank->Find("bonus9activate")->MidHandle(1);
}

void LoadGameSounds(const std::function<void()>& step) {
  for (const std::string& file : GameSoundFiles()) {
    SoundBank->Load(file, 1.0f, 1.0f, file == "levelend.ogg" ? "levelend" : "", 0);
    step();
  }
}
