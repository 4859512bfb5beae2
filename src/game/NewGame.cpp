#include "game/NewGame.h"

#include "game/GameScreen.h"
#include "screens/ScreenRegistry.h"

void StartNewGame() {
  if (!IsScreenRegistered(TScreenId::Game)) return;
  if (auto* screen = dynamic_cast<TGameScreen*>(FindScreen(TScreenId::Game))) screen->GameStart();
}
