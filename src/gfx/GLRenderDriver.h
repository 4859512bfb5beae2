// The OpenGL 2.1 back end, fed from one client-side vertex array that is reused every
// frame. A small shader writes every fragment premultiplied, so masked, solid, alpha and
// additive draws share one blend state and batch together; draws are only sent when the
// texture, primitive, multiplying blend, scissor or line width changes, or when the frame
// is presented or read back. Without shaders it falls back to the fixed-function pipeline.
#pragma once
#include <string>
#include <unordered_map>
#include <vector>

#include "gfx/RenderDriver.h"

class TGLRenderDriver : public TRenderDriver {
 public:
  TGLRenderDriver();
  ~TGLRenderDriver() override;

  std::vector<TDisplayMode> GraphicsModes() override;
  bool CreateGraphics(int width, int height, int depth, int hertz, int flags) override;
  void SetGraphics() override;
  void CloseGraphics() override;
  bool FollowDrawable() override;
  void Flip(int sync) override;

  void SetBlend(int mode) override;
  void SetViewport(int x, int y, int w, int h) override;
  void SetLineWidth(float width) override;
  void SetResolution(float width, float height) override;
  void Cls() override;
  void DrawPixmap(const TPixmap& pixmap, float x, float y) override;
  TPixmapPtr GrabPixmap(int x, int y, int w, int h) override;

  int ContextSeq() const override;
  void UploadPage(TTexturePage& page) override;
  void Flush() override;
  bool CaptureScreen(float x0, float y0, float x1, float y1, TTexturePagePtr& page, TImageFrame& frame) override;

  // Whether the one-blend-state shader is in use (false: fixed-function fallback).
  bool ShaderBlending() const { return program_ != 0; }
  // Whether the next CreateGraphics may use the shader (benchmarks compare both paths).
  void PreferShaderBlending(bool on) { preferShader_ = on; }
  // Whether vertical sync could be switched on (otherwise Flip(1) paces with a timer).
  bool VSyncWorks() const { return vsyncWorks_; }
  int MaxTextureSize() const { return maxTexture_; }
  // Window title used by the next CreateGraphics.
  void SetTitle(const std::string& title) { title_ = title; }

 protected:
  void Emit(TPrimitive primitive, TTexturePage* page, const TVertex* vertices, int count) override;

 private:
  // What the batch is drawn with: vertices in the driver's own layout, a per-vertex
  // write mode for the shader (see Emit) and a flag for untextured shapes.
  struct TGLVertex {
    float x, y, u, v;
    uint32_t rgba;
    uint8_t kind, textured, pad0, pad1;
  };
  void CreateProgram();
  // The GL blend state a mode needs: modes sharing a state batch together.
  int BlendState(int mode) const;
  void ApplyBlend();
  int appliedBlend_ = -1;  // the blend state the GL state and the waiting batch are in
  void ApplyScissor();
  void ApplyProjection();
  void BindTexture(unsigned name);
  void PaceTo(int periodMs);

  static constexpr int kBatchVertices = 6 * 8192;
  std::vector<TGLVertex> batch_;
  unsigned program_ = 0;  // 0: fixed function
  bool preferShader_ = true;
  TPrimitive batchPrimitive_ = TPrimitive::Triangles;
  unsigned batchTexture_ = 0;
  bool batchNearest_ = false;  // the batch samples its texture unfiltered
  // Textures whose filtering may be switched per batch (the filtered ones): whether each
  // samples unfiltered now, and whether filtered sampling goes through its mipmaps.
  struct TSampling {
    bool nearest, mipmapped;
  };
  std::unordered_map<unsigned, TSampling> nearestNow_;
  unsigned boundTexture_ = 0;
  bool texturing_ = false;
  int contextSeq_ = 0;
  bool vsyncWorks_ = false;
  int swapInterval_ = -2;  // what was last asked of the platform
  int hertz_ = 60;
  bool fullScreen_ = false;
  int maxTexture_ = 2048;
  unsigned lastFlipMs_ = 0;
  int paceStep_ = 0;
  std::string title_ = "Tinselvale";
};
