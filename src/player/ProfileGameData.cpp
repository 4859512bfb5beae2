#include "player/ProfileGameData.h"

void TProfileGameData::Init() {
  LevelPack = 0;
  Level.fill(1);
  Unlocked.fill(1);
}

void TProfileGameData::Write(std::string& out) const {
  WriteInt(out, LevelPack);
  for (size_t i = 0; i < size_t(Slots); ++i) {
    WriteInt(out, Level[i]);
    WriteInt(out, Unlocked[i]);
  }
}

void TProfileGameData::Read(TByteReader& in) {
  LevelPack = in.ReadInt();
  for (size_t i = 0; i < size_t(Slots); ++i) {
    // A file cut inside the slots no pack uses still holds all of the progress.
    if (i >= size_t(PacksInUse) && in.Remaining() < 8) break;
    Level[i] = in.ReadInt();
    Unlocked[i] = in.ReadInt();
  }
}

void TProfileGameData::Bound(int levelsPerPack) {
  if (LevelPack < 0 || LevelPack >= PacksInUse) LevelPack = 0;
  for (size_t i = 0; i < size_t(PacksInUse); ++i) {
    if (Level[i] < 1 || Level[i] > levelsPerPack) Level[i] = 1;
    if (Unlocked[i] < 1) Unlocked[i] = 1;
  }
}
