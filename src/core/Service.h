// A service of the game: one object with one concern (the mixer, the screen switch,
// the display, the pointer), made and owned by the game object and reached by its
// kind, so that a layer asks for the one thing it needs instead of the whole game.
#pragma once

template <class T>
class TService {
 public:
  TService() { Slot() = static_cast<T*>(this); }
  ~TService() {
    if (Slot() == static_cast<T*>(this)) Slot() = nullptr;
  }
  TService(const TService&) = delete;
  TService& operator=(const TService&) = delete;

  // The live one, or null before it is made (and in tests that do without it).
  static T* Current() { return Slot(); }

 private:
  static T*& Slot() {
    static T* current = nullptr;
    return current;
  }
};
