#include "game/GameSession.h"

#include "screens/ScreenRegistry.h"
#include "screens/Screen.h"

int TGameSession::BackgroundNumber(int level) { return (level - 1) % BackgroundCount + 1; }

TGameSession* GameSession() {
  if (!IsScreenRegistered(TScreenId::Game)) return nullptr;
  return dynamic_cast<TGameSession*>(FindScreen(TScreenId::Game));
}
