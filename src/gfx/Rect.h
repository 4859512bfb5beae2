// A window rectangle as the platform reports it: left, top, right, bottom.
#pragma once

class TRect {
 public:
  int L = 0, T = 0, R = 0, B = 0;
};
