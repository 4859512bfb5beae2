#include "game/NewGame.h"

#include "game/GameSession.h"

void StartNewGame() {
  if (TGameSession* session = GameSession()) session->GameStart();
}
