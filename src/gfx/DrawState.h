// The one current drawing state: colour, blend, transform, viewport, origin, font and
// virtual resolution. Every free drawing operation reads it; it outlives a change of
// graphics mode and is re-applied to each new context.
#pragma once
#include "gfx/ImageFont.h"
#include "gfx/RenderDriver.h"

struct TDrawState {
  int color_red = 255, color_green = 255, color_blue = 255;
  float color_alpha = 1.0f;
  int clscolor_red = 0, clscolor_green = 0, clscolor_blue = 0;
  float line_width = 1.0f;
  float tform_rot = 0;
  float tform_scale_x = 1, tform_scale_y = 1;
  float tform_ix = 1, tform_iy = 0, tform_jx = 0, tform_jy = 1;
  int viewport_x = 0, viewport_y = 0, viewport_w = 0, viewport_h = 0;
  float origin_x = 0, origin_y = 0;
  float handle_x = 0, handle_y = 0;  // stored negated
  TImageFontPtr image_font;           // nullptr = the built-in font
  int blend_mode = BLEND_MASK;
  float vres_width = 0, vres_height = 0;
  float vres_mousexscale = 1, vres_mouseyscale = 1;
  int g_width = 0, g_height = 0;
};
