// Where the game's data and the player's files live: the data folders (pictures,
// sounds, music, texts, levels, fonts), the per-user folder and the profile folder.
// Plain data, set once at start-up and read by every loader.
#pragma once
#include <string>

struct TDataPaths {
  int DataInAppBundle = 0;
  int UseCorrectPath = 1;
  int CorrectPathID = 35;
  std::string SubPath = "Quillmoth/My Game/";
  std::string DataPrefix;
  std::string ImagePath, SoundPath, MusicPath, SpeechPath, MenuPath, ProfilePath, TextPath, LevelsPath, FontPath;
};

// The one set of paths of the process.
TDataPaths& DataPaths();
