// All named sounds of the game, loaded once and looked up by name in any letter case.
// A name that was never loaded is a fault in the game, reported as fatal.
#pragma once
#include <map>
#include <memory>
#include <string>

#include "audio/GameSound.h"

class TSoundBank {
 public:
  void SetPath(const std::string& path);
  // Loads Path + fileName (Ext added when fileName has no extension) and files it under name,
  // or under the file's own name when name is empty, replacing an older entry.
  std::shared_ptr<TGameSound> Load(const std::string& fileName, float pitch, float volume, const std::string& name,
                                   int flags);
  // The sound filed under name; fatal when there is none.
  std::shared_ptr<TGameSound> Find(const std::string& name) const;
  bool Contains(const std::string& name) const;
  void Insert(std::shared_ptr<TGameSound> sound);
  int Count() const { return static_cast<int>(Sounds.size()); }

  std::string Path;
  std::string Ext = ".wav";

 private:
  std::map<std::string, std::shared_ptr<TGameSound>> Sounds;
};

// The game's one sound bank, created at start-up.
extern std::unique_ptr<TSoundBank> SoundBank;
