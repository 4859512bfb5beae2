// The one mouse object: pointer position in logical pixels, held buttons, press
// counts and the wheel, plus the game's own pointer picture (drawn instead of the
// system pointer), an optional second picture it carries and a particle trail.
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "core/Service.h"
#include "gfx/Image.h"

class TParticleList;
class TShadow;

class TMousePointer : public TService<TMousePointer> {
 public:
  TMousePointer();
  ~TMousePointer();

  void On();
  void Off();
  // Loads the pointer picture from the image folder, handle at the hot spot (offsetx, offsety).
  void Load(const std::string& file);
  void CalcSize();
  // The last wheel step; emptied when read.
  int GetMouseZSpeed();
  // Polls the input state instead of events (the game's loop relies on events).
  void Update();
  int Manage();
  // Follows the system pointer while no events flow (windowed drawing, loading steps).
  void UpdateCoords();
  void ClearButtons();
  void ClearMouseHit();
  int GetLeftClick();
  int GetRightClick();
  int GetMb() const { return mb; }
  // Press count; with clear set the presses are taken, so no other widget sees them.
  int GetMh(int clear);
  void CalcButtonTotals();
  void Draw();
  // Whether sparkles of the trail are still on the screen (they move on every update).
  bool TrailAlive() const;

  // Event handling: a press first forgets every earlier uncollected press.
  // A press over a bar beside the picture lands on nothing: it is held, but it is no
  // click, not even for the screens that take a click anywhere.
  void ButtonDown(int button);
  bool OnPicture() const;
  void ButtonUp(int button);
  void Wheel(int step);
  // Sets x, y from a position in window pixels through the virtual resolution.
  void MoveTo(int deviceX, int deviceY);

  // Puts the pointer at rest on (lx, ly), logical pixels: the keyboard or a pad drives.
  void RestAt(int lx, int ly);
  // A left press and release where the pointer is, as a quick click there.
  void Tap();

  int Active = 1;
  // 1 while the keyboard or a pad drives the game: the pointer picture is hidden (a
  // carried piece still shows) and the pointer stops following the system pointer, so
  // that it can stand on the focused widget. The first mouse motion clears it.
  int Resting = 0;
  TImagePtr Image;
  int ImageFrame = 0;
  std::string Ext = ".png";
  int Rotation = 0;
  TImagePtr Image2;
  int Image2Frame = 0;
  int Image2xoff = 0, Image2yoff = 0;
  float Image2Scale = 1;
  std::shared_ptr<TShadow> Image2Shadow;
  int x = 0, y = 0;
  int z = 0, zSpeed = 0;
  int w = 0, h = 0;
  int b1 = 0, b2 = 0, b3 = 0, mb = 0;
  int h1 = 0, h2 = 0, h3 = 0, mh = 0;
  int offsetx = 0, offsety = 0;
  std::function<int()> ParticleFunc;
  std::unique_ptr<TParticleList> ParticleList;
  float SparkleCounter = 0;
  int SparkleLength = 15;
  std::function<int(int, int)> UserPreDraw, UserDraw;
};

// The game's one pointer.
inline TMousePointer& Pointer() { return *TMousePointer::Current(); }

// Turns a held mouse button into the press itself followed, after an initial delay,
// by repeats at a fixed interval.
class TMouseRepeat {
 public:
  static std::shared_ptr<TMouseRepeat> Create(int initialDelayMS, int delayMS);
  void ClearDelays();
  // 0 nothing, 1 the press itself, 2 a repeat.
  int GetButton();

  int InitialDelayLength = 0;
  float InitialDelayCounter = 0;
  int DelayLength = 0;
  int DelayCounter = 0;
  int LastState = 0;

 protected:
  int Step(bool held);
};

// The same for a held key; answers 1 for the press and for every repeat.
class TKeyRepeat : public TMouseRepeat {
 public:
  static std::shared_ptr<TKeyRepeat> Create(int initialDelayMS, int delayMS);
  int GetKey(int key);
};
