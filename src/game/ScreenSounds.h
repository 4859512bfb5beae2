// The sounds the screens around the board play once each (wind, scroll, the
// locked star's refusal): looked up in the sound bank without complaint when a
// name is missing, and played through the game's channel pool at full volume.
#pragma once
#include <memory>
#include <string>

class TGameSound;

// The bank's sound of that name, or none when the bank lacks it.
std::shared_ptr<TGameSound> BankSoundOrNone(const std::string& name);
// Plays it through the channel pool; nothing for none or before the pool exists.
void PlayThroughPool(const std::shared_ptr<TGameSound>& sound);
