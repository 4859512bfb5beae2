// A plain-text picture of the board, one line per row, three characters per
// cell: the brick ('.' none, 'b' brick, 'B' armoured), the gem ('-' none,
// '1'-'7' ordinary, 'a'-'h' bonus pieces 8-15, '*' bursting) and a mark ('L'
// locked, 'm' hidden creature, '&' both). Holes show as " # ".
// Used for golden files in tests and for the level checker's reports.
#pragma once
#include <string>

std::string BoardPicture();
