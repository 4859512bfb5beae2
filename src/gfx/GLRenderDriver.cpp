#include "gfx/GLRenderDriver.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "gfx/Image.h"
#include "gfx/ImageFrame.h"
#include "platform/Clock.h"
#include "platform/Memory.h"

namespace {
// Every fragment leaves premultiplied, so one blend function (ONE, ONE_MINUS_SRC_ALPHA)
// serves four modes: alpha writes (c*a, a), additive light writes (c*a, 0), masked and
// solid write (c, 1), the masked ones dropping fragments under half alpha. The two
// multiplying modes take the fragment as it is under blend states of their own.
const char* kVertexShader = R"(#version 110
attribute vec2 kind;
varying vec2 vKind;
void main() {
  gl_Position = gl_ModelViewProjectionMatrix * gl_Vertex;
  gl_FrontColor = gl_Color;
  gl_TexCoord[0] = gl_MultiTexCoord0;
  vKind = kind;
}
)";

const char* kFragmentShader = R"(#version 110
uniform sampler2D page;
varying vec2 vKind;
void main() {
  vec4 texel = texture2D(page, gl_TexCoord[0].st);
  vec4 f = gl_Color * mix(vec4(1.0), texel, step(0.5, vKind.y));
  float k = vKind.x;
  if (k < 0.5) {
    gl_FragColor = vec4(f.rgb * f.a, f.a);
  } else if (k < 1.5) {
    gl_FragColor = vec4(f.rgb * f.a, 0.0);
  } else if (k < 2.5) {
    if (f.a < 0.5) discard;
    gl_FragColor = vec4(f.rgb, 1.0);
  } else if (k < 3.5) {
    gl_FragColor = vec4(f.rgb, 1.0);
  } else {
    gl_FragColor = f;
  }
}
)";

constexpr GLuint kKindAttribute = 1;  // 0 would alias the position

// The shader's write mode for a blend mode (unknown modes draw as solid).
uint8_t KindOf(int mode) {
  switch (mode) {
    case BLEND_ALPHA: return 0;
    case BLEND_LIGHT: return 1;
    case BLEND_MASK: return 2;
    case BLEND_SHADE:
    case BLEND_MODULATE2X: return 4;
    default: return 3;
  }
}

// Triangles that leave every pixel as it was: no alpha at any corner in a blend that
// weighs by alpha. Particles fading out and glows at rest send dozens a frame, and a
// software rasteriser's main thread pays for every triangle it is handed.
bool WhollyTransparent(int mode, const TVertex* vertices, int count) {
  if (mode != BLEND_ALPHA && mode != BLEND_LIGHT && mode != BLEND_MASK) return false;
  for (int i = 0; i < count; ++i)
    if (vertices[i].rgba >> 24) return false;
  return true;
}

GLuint CompileShader(GLenum type, const char* text) {
  GLuint shader = glCreateShader(type);
  if (!shader) return 0;
  glShaderSource(shader, 1, &text, nullptr);
  glCompileShader(shader);
  GLint ok = 0;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
  if (!ok) {
    glDeleteShader(shader);
    return 0;
  }
  return shader;
}

// OpenGL 2.0 brought both shaders and textures of any size.
bool Version2() {
  const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
  return version && std::atoi(version) >= 2;
}
}  // namespace

TGLRenderDriver::TGLRenderDriver() {
  KeepHeapStill();
  batch_.reserve(kBatchVertices);
}

TGLRenderDriver::~TGLRenderDriver() { CloseGraphics(); }

std::vector<TDisplayMode> TGLRenderDriver::GraphicsModes() { return PlatformDisplayModes(); }

bool TGLRenderDriver::CreateGraphics(int width, int height, int depth, int hertz, int flags) {
  batch_.clear();
  TWindowRequest request;
  request.title = title_;
  request.width = width;
  request.height = height;
  request.fullScreen = depth != 0;
  request.depth = depth ? depth : 32;
  request.hertz = hertz;
  request.borderless = (flags & GRAPHICS_BORDERLESS) != 0;
  request.hidden = (flags & GRAPHICS_HIDDEN) != 0;
  if (!PlatformOpenWindow(request)) return false;
  fullScreen_ = depth != 0;
  hertz_ = hertz;
  contextSeq_ = PlatformContextSeq();
  PlatformDrawableSize(deviceWidth_, deviceHeight_);
  CreateProgram();
  SetExactSizeOwnPages(Version2());
  GLint maxSize = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
  maxTexture_ = maxSize > 0 ? maxSize : 64;
  SetGraphics();
  // No garbage from a fresh context may show: clear and present both buffers.
  for (int i = 0; i < 2; ++i) {
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    PlatformSwap();
  }
  ApplyScissor();
  return true;
}

bool TGLRenderDriver::FollowDrawable() {
  int w = 0, h = 0;
  PlatformDrawableSize(w, h);
  if (w <= 0 || h <= 0 || (w == deviceWidth_ && h == deviceHeight_)) return false;
  Flush();
  deviceWidth_ = w;
  deviceHeight_ = h;
  glViewport(0, 0, w, h);
  ApplyScissor();
  return true;
}

void TGLRenderDriver::CreateProgram() {
  // The old program went with its context.
  program_ = 0;
  if (!preferShader_ || !Version2()) return;
  GLuint vs = CompileShader(GL_VERTEX_SHADER, kVertexShader);
  GLuint fs = CompileShader(GL_FRAGMENT_SHADER, kFragmentShader);
  GLuint program = vs && fs ? glCreateProgram() : 0;
  if (program) {
    glAttachShader(program, vs);
    glAttachShader(program, fs);
    glBindAttribLocation(program, kKindAttribute, "kind");
    glLinkProgram(program);
    GLint ok = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (!ok) {
      glDeleteProgram(program);
      program = 0;
    }
  }
  if (vs) glDeleteShader(vs);
  if (fs) glDeleteShader(fs);
  program_ = program;
  if (program_) {
    glUseProgram(program_);
    glUniform1i(glGetUniformLocation(program_, "page"), 0);
  }
}

void TGLRenderDriver::SetGraphics() {
  batch_.clear();
  boundTexture_ = 0;
  texturing_ = false;
  swapInterval_ = -2;
  lastFlipMs_ = MilliSecs();
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_CULL_FACE);
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  glMatrixMode(GL_TEXTURE);
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glViewport(0, 0, deviceWidth_, deviceHeight_);
  glAlphaFunc(GL_GEQUAL, 0.5f);
  glLineWidth(lineWidth_);
  glPointSize(1.0f);
  if (program_) {
    glUseProgram(program_);
    glEnableVertexAttribArray(kKindAttribute);
    glDisable(GL_ALPHA_TEST);  // the shader drops masked fragments itself
  }
  appliedBlend_ = BlendState(blend_);
  ApplyBlend();
  ApplyScissor();
  ApplyProjection();
}

void TGLRenderDriver::CloseGraphics() {
  batch_.clear();
  nearestNow_.clear();
  program_ = 0;
  PlatformCloseWindow();
  contextSeq_ = 0;
  deviceWidth_ = deviceHeight_ = 0;
}

int TGLRenderDriver::ContextSeq() const { return contextSeq_; }

void TGLRenderDriver::PaceTo(int periodMs) {
  uint32_t now = MilliSecs();
  uint32_t elapsed = now - lastFlipMs_;
  if (elapsed < uint32_t(periodMs)) {
    Delay(int(uint32_t(periodMs) - elapsed));
    lastFlipMs_ += uint32_t(periodMs);
  } else {
    lastFlipMs_ = now;  // fell behind: do not try to catch up
  }
}

void TGLRenderDriver::Flip(int sync) {
  Flush();
  if (!contextSeq_) return;
  bool wantVSync = sync == 1 || (sync == -1 && fullScreen_);
  int interval = wantVSync ? 1 : 0;
  if (interval != swapInterval_) {
    bool ok = PlatformSetSwapInterval(interval);
    swapInterval_ = interval;
    if (interval == 1) vsyncWorks_ = ok;
  }
  int rate = 0;
  if (wantVSync && !vsyncWorks_) rate = 60;  // no vertical sync to be had: do not spin
  if (sync == -1 && !fullScreen_ && hertz_ > 0) rate = hertz_;
  if (rate > 0) {
    // 1000 / rate whole milliseconds, with the remainder spread one millisecond at a time.
    int period = 1000 / rate + (paceStep_ < 1000 % rate ? 1 : 0);
    paceStep_ = (paceStep_ + 1) % rate;
    PaceTo(period);
  } else {
    lastFlipMs_ = MilliSecs();
  }
  PlatformSwap();
  EndFrameCounters();
}

namespace {
// How the fixed-function path weighs source and destination in each blending mode.
struct TBlendFactors {
  int mode;
  GLenum source, destination;
};
constexpr TBlendFactors kBlendFactors[] = {{BLEND_ALPHA, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA},
                                           {BLEND_LIGHT, GL_SRC_ALPHA, GL_ONE},
                                           {BLEND_SHADE, GL_DST_COLOR, GL_ZERO},
                                           {BLEND_MODULATE2X, GL_DST_COLOR, GL_SRC_COLOR}};
}  // namespace

int TGLRenderDriver::BlendState(int mode) const {
  if (!program_) return mode;
  if (mode == BLEND_SHADE || mode == BLEND_MODULATE2X) return mode;
  // Solid writes leave nothing of what was below: without blending the rasteriser need not
  // read the pixels back (a full-screen picture is most of a frame's fill).
  return KindOf(mode) == KindOf(BLEND_SOLID) ? BLEND_SOLID : BLEND_ALPHA;
}

void TGLRenderDriver::ApplyBlend() {
  if (program_ && appliedBlend_ == BLEND_ALPHA) {
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    return;
  }
  if (appliedBlend_ == BLEND_MASK) {
    glDisable(GL_BLEND);
    glEnable(GL_ALPHA_TEST);
    return;
  }
  for (const TBlendFactors& blend : kBlendFactors) {
    if (blend.mode != appliedBlend_) continue;
    glEnable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glBlendFunc(blend.source, blend.destination);
    return;
  }
  // BLEND_SOLID and anything unknown.
  glDisable(GL_BLEND);
  glDisable(GL_ALPHA_TEST);
}

void TGLRenderDriver::SetBlend(int mode) {
  // Applied when the next primitive is drawn, so switching back and forth between two
  // draws of the same mode (a particle that sets its own blend and restores it) costs
  // nothing; with the shader, modes that share a blend state never break a batch.
  TRenderDriver::SetBlend(mode);
}

void TGLRenderDriver::ApplyScissor() {
  if (viewX_ == 0 && viewY_ == 0 && viewW_ == deviceWidth_ && viewH_ == deviceHeight_) {
    glDisable(GL_SCISSOR_TEST);
  } else {
    glEnable(GL_SCISSOR_TEST);
    // GL counts rows from the bottom.
    glScissor(viewX_, deviceHeight_ - viewY_ - viewH_, std::max(viewW_, 0), std::max(viewH_, 0));
  }
}

void TGLRenderDriver::SetViewport(int x, int y, int w, int h) {
  if (x == viewX_ && y == viewY_ && w == viewW_ && h == viewH_) return;
  Flush();
  TRenderDriver::SetViewport(x, y, w, h);
  if (contextSeq_) ApplyScissor();
}

void TGLRenderDriver::SetLineWidth(float width) {
  if (width == lineWidth_) return;
  Flush();
  TRenderDriver::SetLineWidth(width);
  if (contextSeq_) glLineWidth(width);
}

void TGLRenderDriver::ApplyProjection() {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  float w = resWidth_ > 0 ? resWidth_ : float(deviceWidth_);
  float h = resHeight_ > 0 ? resHeight_ : float(deviceHeight_);
  glOrtho(0, w, h, 0, -1, 1);
  glMatrixMode(GL_MODELVIEW);
}

void TGLRenderDriver::SetResolution(float width, float height) {
  Flush();
  TRenderDriver::SetResolution(width, height);
  if (contextSeq_) ApplyProjection();
}

void TGLRenderDriver::Cls() {
  Flush();
  if (!contextSeq_) return;
  glClearColor(float(clsR_) / 255.0f, float(clsG_) / 255.0f, float(clsB_) / 255.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
}

void TGLRenderDriver::UploadPage(TTexturePage& page) {
  if (!contextSeq_) return;
  auto& dead = DeadTextures();
  // Quads already batched must see the texels they were batched with, and no texture they
  // use may be deleted under them; an atlas that only gained pictures changes neither.
  bool reuse = page.seq == contextSeq_ && page.name != 0;
  if (!(reuse && page.onlyAdded && dead.empty())) Flush();
  // Textures of pages that died under this context go now; older ones died with their context.
  for (const auto& d : dead)
    if (d.seq == contextSeq_) glDeleteTextures(1, &d.name), nearestNow_.erase(d.name);
  dead.clear();

  // Pixels let go after an earlier upload are made again for this context.
  if (!page.HasPixels()) page.Remake();
  int w = page.pixels.width, h = page.pixels.height;
  while ((w > maxTexture_ || h > maxTexture_) && (w > 1 || h > 1)) {
    if (w > 1) w /= 2;
    if (h > 1) h /= 2;
  }
  if (w > maxTexture_ || h > maxTexture_) throw std::runtime_error("Unable to calculate tex size");

  if (page.seq != contextSeq_ || page.name == 0) {
    GLuint name = 0;
    glGenTextures(1, &name);
    page.name = name;
  }
  page.seq = contextSeq_;
  glBindTexture(GL_TEXTURE_2D, page.name);
  boundTexture_ = page.name;
  bool filtered = page.flags & IMAGE_FILTERED, mipmapped = page.flags & IMAGE_MIPMAPPED;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filtered ? GL_LINEAR : GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                  filtered ? (mipmapped ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR)
                           : (mipmapped ? GL_NEAREST_MIPMAP_NEAREST : GL_NEAREST));
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, mipmapped ? 1000 : 0);
  if (filtered)
    nearestNow_[page.name] = {false, mipmapped};
  else
    nearestNow_.erase(page.name);

  TPixmapPtr level;
  const TPixmap* src = &page.pixels;
  if (w != page.pixels.width || h != page.pixels.height) {
    level = page.pixels.Resized(w, h);
    src = level.get();
  }
  for (int lv = 0;; ++lv) {
    glTexImage2D(GL_TEXTURE_2D, lv, GL_RGBA8, src->width, src->height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 src->pixels.data());
    if (!mipmapped || (src->width == 1 && src->height == 1)) break;
    level = src->Resized(std::max(1, src->width / 2), std::max(1, src->height / 2));
    src = level.get();
  }
  page.dirty = false;
  page.onlyAdded = false;
  // The texture holds them now; a page that can make them again does not keep a copy.
  level.reset();
  page.ReleasePixels();
}

void TGLRenderDriver::BindTexture(unsigned name) {
  if (!name) {
    if (texturing_) glDisable(GL_TEXTURE_2D), texturing_ = false;
    return;
  }
  if (!texturing_) glEnable(GL_TEXTURE_2D), texturing_ = true;
  if (boundTexture_ != name) {
    glBindTexture(GL_TEXTURE_2D, name);
    boundTexture_ = name;
  }
}

void TGLRenderDriver::Emit(TPrimitive primitive, TTexturePage* page, const TVertex* vertices, int count) {
  if (!contextSeq_ || count <= 0) return;
  if (WhollyTransparent(blend_, vertices, count)) return;
  // The batch remembers the texture name, not the page: a page may die while its quads wait,
  // but its texture is only deleted at the next upload, which flushes first.
  unsigned texture = page ? page->name : 0;
  int state = BlendState(blend_);
  // Filtered pages drawn 1:1 are sampled unfiltered (mipmapped ones from their first level).
  const bool nearest = exactPixels_ && page && (page->flags & IMAGE_FILTERED);
  // With the shader an untextured shape joins any batch (it ignores the texture), and a
  // batch of shapes alone takes on the texture of the first picture that follows.
  bool textureFits = texture == batchTexture_ || (program_ && (texture == 0 || batchTexture_ == 0));
  if (primitive != batchPrimitive_ || !textureFits || state != appliedBlend_ ||
      int(batch_.size()) + count > kBatchVertices) {
    Flush();
    if (state != appliedBlend_) {
      appliedBlend_ = state;
      ApplyBlend();
    }
    batchPrimitive_ = primitive;
    batchTexture_ = texture;
    batchNearest_ = nearest;
  } else if (texture) {
    // Filtering draws a 1:1 picture as it is too, so a batch that mixes both kinds is
    // filtered whole rather than cut in two (a string whose letters fall between pixels,
    // a gem falling among gems at rest): the draw calls stay as few as they were.
    batchNearest_ = batchTexture_ ? batchNearest_ && nearest : nearest;
    batchTexture_ = texture;
  }
  if (count > kBatchVertices) return;  // a polygon beyond any sense
  const uint8_t kind = KindOf(blend_), textured = page ? 1 : 0;
  for (int i = 0; i < count; ++i) {
    const TVertex& v = vertices[i];
    batch_.push_back({v.x, v.y, v.u, v.v, v.rgba, kind, textured, 0, 0});
  }
  if (flushEveryQuad_) Flush();
}

void TGLRenderDriver::Flush() {
  if (batch_.empty() || !contextSeq_) {
    batch_.clear();
    return;
  }
  // Pages are uploaded before their quads are batched, and an upload flushes first, so the
  // batch's texture is always current here.
  BindTexture(batchTexture_);
  if (batchTexture_) {
    // Sampling is a property of the texture in OpenGL 2.1: switched only when a batch
    // needs the other kind, which happens a few times a frame at most.
    auto known = nearestNow_.find(batchTexture_);
    if (known != nearestNow_.end() && known->second.nearest != batchNearest_) {
      const bool mipmapped = known->second.mipmapped;
      glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, batchNearest_ ? GL_NEAREST : GL_LINEAR);
      glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                      batchNearest_ ? GL_NEAREST : mipmapped ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR);
      known->second.nearest = batchNearest_;
    }
  }
  const TGLVertex* v = batch_.data();
  glVertexPointer(2, GL_FLOAT, sizeof(TGLVertex), &v->x);
  glTexCoordPointer(2, GL_FLOAT, sizeof(TGLVertex), &v->u);
  glColorPointer(4, GL_UNSIGNED_BYTE, sizeof(TGLVertex), &v->rgba);
  if (program_) glVertexAttribPointer(kKindAttribute, 2, GL_UNSIGNED_BYTE, GL_FALSE, sizeof(TGLVertex), &v->kind);
  GLenum mode = batchPrimitive_ == TPrimitive::Triangles ? GL_TRIANGLES
                : batchPrimitive_ == TPrimitive::Lines   ? GL_LINES
                                                         : GL_POINTS;
  glDrawArrays(mode, 0, GLsizei(batch_.size()));
  vertices_ += int(batch_.size());
  batch_.clear();
  ++drawCalls_;
}

bool TGLRenderDriver::CaptureScreen(float x0, float y0, float x1, float y1, TTexturePagePtr& page,
                                    TImageFrame& frame) {
  // Textures of any size came with OpenGL 2.0, as did the shader: without it, no copies.
  if (!contextSeq_ || !program_) return false;
  const float kx = resWidth_ > 0 ? float(deviceWidth_) / resWidth_ : 1.0f;
  const float ky = resHeight_ > 0 ? float(deviceHeight_) / resHeight_ : 1.0f;
  const float dx0 = x0 * kx, dy0 = y0 * ky, dx1 = x1 * kx, dy1 = y1 * ky;
  const auto whole = [](float v) { return std::fabs(v - std::round(v)) < 1e-3f; };
  if (!whole(dx0) || !whole(dy0) || !whole(dx1) || !whole(dy1)) return false;
  const int left = int(std::lround(dx0)), top = int(std::lround(dy0));
  const int w = int(std::lround(dx1)) - left, h = int(std::lround(dy1)) - top;
  if (w < 1 || h < 1 || left < 0 || top < 0 || left + w > deviceWidth_ || top + h > deviceHeight_ ||
      w > maxTexture_ || h > maxTexture_)
    return false;
  Flush();
  if (!page || page->pixels.width != w || page->pixels.height != h || page->seq != contextSeq_ || !page->name) {
    page = std::make_shared<TTexturePage>(w, h, IMAGE_FILTERED);
    // The texture alone holds the picture; it is never made again from pixels.
    TPixelBytes().swap(page->pixels.pixels);
    page->anonymous = true;
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    boundTexture_ = name;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    nearestNow_[name] = {false, false};
    page->name = name;
    page->seq = contextSeq_;
    page->dirty = false;
    page->onlyAdded = false;
  } else if (boundTexture_ != page->name) {
    glBindTexture(GL_TEXTURE_2D, page->name);
    boundTexture_ = page->name;
  }
  glReadBuffer(GL_BACK);
  // GL counts rows from the bottom: the texture's first row is the rectangle's last, so
  // the frame reads it upside down (a negative row scale from a row -h).
  glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, left, deviceHeight_ - top - h, w, h);
  frame = TImageFrame{};
  frame.page = page;
  frame.x = 0;
  frame.y = -h;
  frame.width = w;
  frame.height = h;
  frame.uscale = 1.0f / float(w);
  frame.vscale = -1.0f / float(h);
  return true;
}

void TGLRenderDriver::DrawPixmap(const TPixmap& pixmap, float x, float y) {
  if (!contextSeq_ || pixmap.width < 1) return;
  // Drawn through a short-lived page of its own; its texture is deleted at the next upload.
  TImageFrame frame = MakeOwnFrame(pixmap, 0);
  float saveIx = ix_, saveIy = iy_, saveJx = jx_, saveJy = jy_;
  uint32_t saveColor = rgba_;
  ix_ = 1, iy_ = 0, jx_ = 0, jy_ = 1;
  rgba_ = 0xffffffffu;
  DrawFrame(frame, 0, 0, float(pixmap.width), float(pixmap.height), x, y, 0, 0, float(pixmap.width),
            float(pixmap.height));
  Flush();
  ix_ = saveIx, iy_ = saveIy, jx_ = saveJx, jy_ = saveJy;
  rgba_ = saveColor;
}

TPixmapPtr TGLRenderDriver::GrabPixmap(int x, int y, int w, int h) {
  Flush();
  if (!contextSeq_) return nullptr;
  // Only what lies on the back buffer can be read.
  int x0 = std::max(x, 0), y0 = std::max(y, 0);
  int x1 = std::min(x + w, deviceWidth_), y1 = std::min(y + h, deviceHeight_);
  auto out = TPixmap::Create(std::max(w, 1), std::max(h, 1), PF_RGBA8888);
  if (!out || x1 <= x0 || y1 <= y0) return out;
  std::vector<uint8_t> rows(size_t(x1 - x0) * 4 * size_t(y1 - y0));
  glReadBuffer(GL_BACK);
  glReadPixels(x0, deviceHeight_ - y1, x1 - x0, y1 - y0, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
  size_t rowBytes = size_t(x1 - x0) * 4;
  for (int r = 0; r < y1 - y0; ++r)  // GL's rows run bottom to top
    std::memcpy(out->Row(y0 - y + r) + size_t(x0 - x) * 4, rows.data() + rowBytes * size_t(y1 - y0 - 1 - r),
                rowBytes);
  return out;
}
