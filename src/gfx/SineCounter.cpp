#include "gfx/SineCounter.h"

#include <cmath>

#include "core/Globals.h"

namespace {
constexpr double kRadPerDeg = 3.14159265358979323846 / 180.0;
}

float SinDeg(float degrees) { return static_cast<float>(std::sin(degrees * kRadPerDeg)); }
float CosDeg(float degrees) { return static_cast<float>(std::cos(degrees * kRadPerDeg)); }

std::shared_ptr<TSineCounter> TSineCounter::Create(float start, float end, float speed, int runOnce) {
  auto c = std::make_shared<TSineCounter>();
  c->Init(start, end, speed, runOnce);
  return c;
}

void TSineCounter::Init(float start, float end, float speed, int runOnce) {
  StartPoint = start;
  EndPoint = end;
  Speed = speed;
  RunOnce = runOnce;
  Counter = start;
  ratio = 0.0f;
}

int TSineCounter::Manage() {
  if (!Active) return 0;
  Counter += Speed * Delta;
  const float range = EndPoint - StartPoint;
  if (Counter >= EndPoint) {
    if (RunOnce) {
      Counter = EndPoint;
      Active = 0;
    } else {
      Counter -= range;
    }
  } else if (Counter < StartPoint) {
    if (RunOnce) {
      Counter = StartPoint;
      Active = 0;
    } else {
      Counter += range;
    }
  }
  ratio = SinDeg(Counter);
  return 1;
}

void TSineCounter::Reset() {
  Counter = 0.0f;
  ratio = 0.0f;
}

void TSineCounter::SetCounter(float angle) {
  Counter = angle;
  ratio = SinDeg(angle);
}
