// The gallery and the picture viewer know each other only through the screen
// registry; the number of the picture the player chose passes between them here.
#pragma once

struct TPictureChoice {
  // 1 to 11 once a thumbnail was clicked, -1 before.
  static inline int Index = -1;
};
