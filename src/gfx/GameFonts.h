// The game's five image fonts, named by their pixel size, which every screen draws
// its text with. Start-up renders them from the one font file; none until then.
#pragma once
#include <string>

#include "gfx/ImageFont.h"

extern std::string FontBaseName;
extern TImageFontPtr Font60, Font30, Font31, Font48, Font25;
