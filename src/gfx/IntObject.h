// An integer that can be kept in a list of objects (the level map's unlock lists).
#pragma once
#include <memory>

class TIntObject {
 public:
  int value = 0;
  static std::shared_ptr<TIntObject> Create(int value) {
    auto o = std::make_shared<TIntObject>();
    o->value = value;
    return o;
  }
};
