#include "gfx/GameFonts.h"

std::string FontBaseName = "CARD1";
TImageFontPtr Font60, Font30, Font31, Font48, Font25;
