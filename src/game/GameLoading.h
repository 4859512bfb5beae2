// Everything the game loads once at start-up: the pictures of the image bank, the
// sound set, the pointer and the paused picture. Each loaded item calls step, so a
// loading bar can follow. The same table names the files, so they can be decoded
// ahead on helper threads while the bar moves.
#pragma once
#include <functional>
#include <string>
#include <vector>

// One picture step of the loading table.
struct TPictureStep {
  enum TKind { Corner, Mid, Strip, Pointer, Paused };
  std::string File;   // in the image folder; ".png" unless it has its own extension
  std::string Name;   // filed under this name instead of the file's, when not empty
  TKind Kind = Corner;
  int CellW = 0, CellH = 0, Cells = 0;  // strips only
  int MidHandle = 0;                    // strips only
};

// The 65 picture steps, in their fixed order (the bonus strips' lengths come from the
// gem tables, which this sets up when they are not yet).
std::vector<TPictureStep> GamePictureSteps();
// The 25 sound files of the game's set, in loading order.
const std::vector<std::string>& GameSoundFiles();
// The files behind the steps, as paths in the image or sound folder.
std::vector<std::string> GamePicturePaths();
std::vector<std::string> GameSoundPaths();

// The 65 picture steps, in their fixed order.
void LoadGamePictures(const std::function<void()>& step);
// The 25 sounds of the game's set.
void LoadGameSounds(const std::function<void()>& step);
