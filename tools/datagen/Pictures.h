// The picture families the generator writes, and the pieces they share (a gem,
// a bonus piece or a board tile drawn into any context, e.g. for hint icons).
#pragma once
#include <cairo.h>

#include <string>

// Every writer takes the program folder and returns false when a file could not be written.
bool WriteGems(const std::string& root);
bool WriteBonusPieces(const std::string& root);
bool WriteBoardTiles(const std::string& root);
bool WriteEffects(const std::string& root);
bool WriteHud(const std::string& root);
bool WriteHints(const std::string& root);
bool WriteButtons(const std::string& root);

// Drawing into a 50 x 50 cell at the context's origin.
// shine: 0 = the resting gem; (0, 1) = the light sweep of the mouse-over animation.
void DrawGem(cairo_t* cr, int type, double shine = 0);
// phase in [0, 1): position in the seamless idle loop.
void DrawBonus(cairo_t* cr, int type, double phase = 0);
void DrawBrick(cairo_t* cr);
void DrawArmour(cairo_t* cr);
void DrawLockIce(cairo_t* cr);
void DrawCellWell(cairo_t* cr);
// The side panel's Hint button as the player sees it, w x h at the origin.
void DrawHintButton(cairo_t* cr, double w, double h);
// The power gauge (46 x 92) at the origin: fill 0 = empty, 1 = full, 2 = brimming.
void DrawGauge(cairo_t* cr, int fill);

// Folders under the program folder.
std::string GraphicsDir(const std::string& root);
std::string MenusDir(const std::string& root);
