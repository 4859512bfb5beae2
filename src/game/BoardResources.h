// The board's share of the game's loading pass: its pictures into the image bank
// (strips cut into 50-pixel cells, the debris and particle pictures filed under
// their own names and centred) and its sounds into the sound bank, then the
// pictures handed to the cells, gems and grid.
#pragma once

class TImageBank;
class TSoundBank;

// Each takes one loading step per picture or sound; step (if set) is called after each.
void LoadBoardPictures(TImageBank& bank, void (*step)() = nullptr);
void LoadBoardSounds(TSoundBank& bank, void (*step)() = nullptr);
// TGem::Load and TCell::Load: the type-level pictures from the bank.
void TakeBoardPictures();
// Number of loading steps each of the two loaders takes.
int BoardPictureSteps();
int BoardSoundSteps();
