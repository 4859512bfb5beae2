// Screens name each other through this registry, never by include: the shell
// creates one object of every screen type at start-up and files it here, so a
// screen sets `Destination = FindScreen(TScreenId::LevelSelect)` and fades out.
#pragma once

class TScreen;
class TOverlay;

enum class TScreenId {
  Intro,
  Loading,
  Title,
  LevelSelect,
  Game,
  LevelComplete,
  GameFinished,
  Options,
  Instructions,
  HighScores,
  Credits,
  GameOver,
  Gallery,
  Picture,
  GameMenu,
  HintScroll,
  Count
};

// Files the one object of a screen type; registering again replaces it, none clears it.
void RegisterScreen(TScreenId id, TScreen* screen);
// The registered screen; a screen missing here is a fault in start-up, reported as fatal.
TScreen* FindScreen(TScreenId id);
// The registered screen when it runs over others (hint scroll, level-complete panel,
// in-game menu); fatal when missing or not an overlay.
TOverlay* FindOverlay(TScreenId id);
// Whether start-up registered one (for code that may run before every screen exists).
bool IsScreenRegistered(TScreenId id);
