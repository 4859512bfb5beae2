// The player's settings as plain data: every key of the settings file with its
// value, read and written through one key table. The game object loads and saves
// them; each service reads the values of its own concern.
#pragma once
#include <string>

class TIniFile;

struct TSettings {
  std::string VersionNumber = "1.11";
  int FullScreen = 1;
  int WideScreen = 0;
  int BorderlessWindow = 0;
  int Sound = 1, Music = 1, Speech = 1;
  int SoundVolume = 100, MusicVolume = 100, SpeechVolume = 100;
  int Fade = 1;
  int Particles = 80;
  int screenShake = 100;
  int PortalSplash = 0, PortalSplash2 = 0, IntroShow = 0;
  int VSync = 1;
  int Driver = 0;
  std::string SoundDriver = "FreeAudio";
  int FullScreenProcess = 0, FullScreenThread = 0, WindowedProcess = 0, WindowedThread = 0;
  std::string ProfileName;
  int Region = 0, SubRegion = 0;
  int CustomMousePointer = 1;

  // Writes every key in the file's order. The music and speech switches are written
  // as given: a pause silences them for a while, and the file keeps the player's choice.
  void WriteTo(TIniFile& ini, int music, int speech) const;
  // Takes the value of every known key found in the list; others stay as they are.
  void ReadFrom(const TIniFile& ini);
};

// The one set of settings of the process.
TSettings& Settings();
// Writes the settings file now (flag 1 also leaves the change marker) and re-arms the
// logic timer the write may have held up. 0 on failure.
int SaveSettings(int flag);
