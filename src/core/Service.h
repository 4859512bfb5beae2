// A service of the game: one object with one concern (the mixer, the screen switch,
// the display, the pointer), made and owned by the game object and reached by its
// kind, so that a layer asks for the one thing it needs instead of the whole game.
#pragma once

template <class T>
class TService {
 public:
  // The slot keeps the base: the derived object does not exist yet while this
  // constructor runs (nor any more in the destructor), so it is only cast on use.
  TService() { Slot() = this; }
  ~TService() {
    if (Slot() == this) Slot() = nullptr;
  }
  TService(const TService&) = delete;
  TService& operator=(const TService&) = delete;

  // The live one, or null before it is made (and in tests that do without it).
  static T* Current() { return static_cast<T*>(Slot()); }

 private:
  static TService*& Slot() {
    static TService* current = nullptr;
    return current;
  }
};
