#include "gfx/Draw.h"
