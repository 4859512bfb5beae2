// The contract every screen of the game implements. One object of each screen
// type lives for the whole run; entering a screen loads and starts it, leaving
// it kills it, unless its stop flags keep it alive for a later return.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "ui/DialogStack.h"
#include "ui/FocusRing.h"

class TImage;
class TSprite;
class TMenu;

class TScreen {
 public:
  virtual ~TScreen() = default;

  // The full-screen background from the image folder, handle at the top-left; fatal when unreadable.
  virtual void ImageLoad(const std::string& file, int flags, int precache);
  // A heading: a mid-handled sprite of the image folder's file + Ext at (x, y).
  virtual void HeaderLoad(const std::string& file, float x, float y, int precache);

  // Loads, then starts; a stopped screen (StopInit) only takes over again.
  // Loads ahead what the screen shows, as part of the start-up loading (the title does).
  virtual void LoadAhead() {}
  // The picture files LoadAhead reads, so that helpers can decode them before it runs.
  virtual std::vector<std::string> LoadAheadFiles() const { return {}; }
  virtual void PreStart();
  virtual void ResetStops();
  virtual void Load();
  virtual void Start();
  // Makes this the current screen and re-arms the timer so loading time is not caught up.
  virtual void CoreStart();
  virtual void PostFadeIn();
  virtual void PostFadeOut();
  virtual void Kill();
  virtual void Logic();
  virtual void Draw();
  // What the main loop runs: the open dialogs first, which hold the screen's own logic
  // back while one is open; and the screen's picture with its dialogs over it.
  void RunLogic();
  void RunDraw();
  // Escape was pressed: sets where to go and returns the fade length (0 = standard).
  virtual int SetEscDestination();
  virtual void SpecificKeys();
  // What the keyboard and a pad walk on this screen, in screen order: the top dialog's
  // widgets while one is open, else the screen's buttons. Screens with more widgets
  // list them too.
  virtual void ListFocus(TFocusRing& ring);
  // The arrows, Return and a pad's D-pad and A, once per logic update before the
  // screen's logic: they move the focus, move a focused slider and press the focused
  // widget. Until the first arrow no widget has the focus, so Return keeps pressing
  // the default button.
  virtual void FocusKeys();

  std::shared_ptr<TImage> Image;
  std::shared_ptr<TSprite> Header;
  std::string Ext = ".png";
  std::shared_ptr<TMenu> Menu;
  std::string name;
  int StopKill = 0;
  int StopInit = 0;
  TScreen* Destination = nullptr;
  // Dialogs opened over this screen (message, question, name prompt, player choice).
  TDialogStack Dialogs;
  TFocusRing Focus;
};

// The destination that means "end the program".
class TExitScreen : public TScreen {};
