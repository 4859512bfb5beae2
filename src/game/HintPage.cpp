#include "game/HintPage.h"

#include "screens/Screen.h"
#include "screens/ScreenRegistry.h"

THintPage* FindHintPage() {
  if (!IsScreenRegistered(TScreenId::HintScroll)) return nullptr;
  return dynamic_cast<THintPage*>(FindScreen(TScreenId::HintScroll));
}
