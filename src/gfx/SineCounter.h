// An angle that moves with the logic clock through a range of degrees; its sine
// drives pulsing glows, bobbing and wobbling.
#pragma once
#include <memory>

class TSineCounter {
 public:
  int Active = 1;
  float Counter = 0.0f;
  float Speed = 1.0f;
  float StartPoint = 0.0f;
  float EndPoint = 360.0f;
  float ratio = 0.0f;
  int RunOnce = 0;

  static std::shared_ptr<TSineCounter> Create(float start, float end, float speed, int runOnce);
  // Sets the range and speed and puts the angle at its start; Active is left alone.
  void Init(float start, float end, float speed, int runOnce);
  // Advances by Speed x Delta, wrapping once (or stopping at the end when RunOnce).
  int Manage();
  // Back to angle 0 (not StartPoint).
  void Reset();
  void SetCounter(float angle);
};

// Sine of an angle given in degrees.
float SinDeg(float degrees);
float CosDeg(float degrees);
