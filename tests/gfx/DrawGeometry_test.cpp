// Geometry of every draw, checked through the recording back end (no pixels needed).
#include <gtest/gtest.h>

#include <cmath>

#include "gfx/Atlas.h"
#include "gfx/Draw.h"
#include "gfx/RecordingRenderDriver.h"

namespace {
struct Point {
  float x, y;
};

class DrawGeometry : public ::testing::Test {
 protected:
  TRecordingRenderDriver* rec = nullptr;
  void SetUp() override {
    auto d = std::make_unique<TRecordingRenderDriver>();
    rec = d.get();
    SetRenderDriver(std::move(d));
    ASSERT_TRUE(CreateGraphics(800, 600));
    SetVirtualResolution(800, 600);
    SetTransform(0, 1, 1);
    SetOrigin(0, 0);
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetBlend(BLEND_ALPHA);
    SetImageFont(nullptr);
    SetViewport(0, 0, 800, 600);
    AutoMidHandle(false);
    rec->Clear();
  }
  // The four corners of a recorded quad (triangles a-b-c, a-c-d).
  static std::vector<Point> Corners(const TRecordedPrimitive& p) {
    const auto& v = p.vertices;
    return {{v[0].x, v[0].y}, {v[1].x, v[1].y}, {v[2].x, v[2].y}, {v[5].x, v[5].y}};
  }
  static TImagePtr Solid(int w, int h) {
    auto px = TPixmap::Create(w, h, PF_RGBA8888);
    for (auto& b : px->pixels) b = 255;
    return LoadImage(px, 0);
  }
};

void ExpectNear(Point a, float x, float y) {
  EXPECT_NEAR(a.x, x, 1e-3) << "expected x " << x;
  EXPECT_NEAR(a.y, y, 1e-3) << "expected y " << y;
}
}  // namespace

TEST_F(DrawGeometry, ImageHandleRotationScaleAndOrigin) {
  auto image = Solid(32, 32);
  SetImageHandle(image, 16, 16);
  SetTransform(90, 2, 1);
  DrawImage(image, 100, 100);
  ASSERT_EQ(rec->recorded.size(), 1u);
  auto c = Corners(rec->recorded[0]);
  // Local (px, py) -> (px*ix + py*iy + 100, px*jx + py*jy + 100); ix=0, iy=-1, jx=2, jy=0.
  ExpectNear(c[0], 116, 68);   // (-16,-16)
  ExpectNear(c[1], 116, 132);  // (16,-16)
  ExpectNear(c[2], 84, 132);   // (16,16)
  ExpectNear(c[3], 84, 68);    // (-16,16)

  // The origin moves the anchor; texture coordinates cover exactly the frame.
  rec->Clear();
  SetTransform(0, 1, 1);
  SetOrigin(10, 20);
  DrawImage(image, 100, 100);
  c = Corners(rec->recorded[0]);
  ExpectNear(c[0], 94, 104);
  ExpectNear(c[2], 126, 136);
  const auto& v = rec->recorded[0].vertices;
  const TImageFrame* f = image->Frame(0);
  EXPECT_NEAR(v[0].u, f->x * f->uscale, 1e-6);
  EXPECT_NEAR(v[2].u, (f->x + 32) * f->uscale, 1e-6);
  EXPECT_NEAR(v[2].v, (f->y + 32) * f->vscale, 1e-6);

  // Frames past the end and none draw nothing.
  rec->Clear();
  DrawImage(image, 0, 0, 1);
  DrawImage(nullptr, 0, 0);
  EXPECT_TRUE(rec->recorded.empty());
}

TEST_F(DrawGeometry, RectTurnsAboutItsCornerAndOvalVertexCount) {
  SetRotation(45);
  DrawRect(200, 100, 40, 20);
  auto c = Corners(rec->recorded.at(0));
  ExpectNear(c[0], 200, 100);  // the top-left corner stays put
  float s = std::sqrt(0.5f);
  ExpectNear(c[1], 200 + 40 * s, 100 + 40 * s);  // positive angle turns clockwise on screen
  ExpectNear(c[3], 200 - 20 * s, 100 + 20 * s);
  EXPECT_EQ(rec->recorded[0].page, nullptr);

  // n = max(trunc(|rx|+|ry|), 12) rounded down to a multiple of 4, drawn as a fan of n-2 triangles.
  SetRotation(0);
  struct Case {
    float w, h;
    int n;
  } cases[] = {{10, 10, 12}, {60, 40, 48}, {61, 41, 48}, {-60, 46, 52}, {2, 2, 12}};
  for (const auto& k : cases) {
    rec->Clear();
    DrawOval(50, 60, k.w, k.h);
    ASSERT_EQ(rec->recorded.size(), 1u);
    const auto& v = rec->recorded[0].vertices;
    EXPECT_EQ(int(v.size()), 3 * (k.n - 2)) << k.w << "x" << k.h;
    // First vertex at angle 0: right-most point of the ellipse, centre height.
    EXPECT_NEAR(v[0].x, 50 + k.w, 1e-3);
    EXPECT_NEAR(v[0].y, 60 + k.h / 2, 1e-3);
  }
}

TEST_F(DrawGeometry, LinesPlotsAndSubImageRect) {
  SetOrigin(5, 5);
  DrawLine(10, 10, 20, 10, 1);
  ASSERT_EQ(rec->recorded.size(), 2u);
  EXPECT_EQ(rec->recorded[0].primitive, TPrimitive::Lines);
  EXPECT_NEAR(rec->recorded[0].vertices[0].x, 15.5f, 1e-4);
  EXPECT_NEAR(rec->recorded[0].vertices[1].x, 25.5f, 1e-4);
  EXPECT_EQ(rec->recorded[1].primitive, TPrimitive::Points);  // last pixel plotted
  EXPECT_NEAR(rec->recorded[1].vertices[0].x, 25.5f, 1e-4);
  rec->Clear();
  DrawLine(10, 10, 20, 10, 0);
  EXPECT_EQ(rec->recorded.size(), 1u);

  // Plot ignores rotation and scale.
  rec->Clear();
  SetTransform(30, 3, 3);
  Plot(1, 2);
  EXPECT_NEAR(rec->recorded[0].vertices[0].x, 6.5f, 1e-4);
  EXPECT_NEAR(rec->recorded[0].vertices[0].y, 7.5f, 1e-4);

  // Source (8,4,16,8) of a 64x32 frame stretched to 32x24 with handle (4,2) in source pixels.
  rec->Clear();
  SetTransform(0, 1, 1);
  SetOrigin(0, 0);
  auto image = Solid(64, 32);
  DrawSubImageRect(image, 100, 50, 32, 24, 8, 4, 16, 8, 4, 2);
  auto c = Corners(rec->recorded.at(0));
  ExpectNear(c[0], 100 - 4 * 32.0f / 16, 50 - 2 * 24.0f / 8);
  ExpectNear(c[2], 100 - 8 + 32, 50 - 6 + 24);
  const TImageFrame* f = image->Frame(0);
  const auto& v = rec->recorded[0].vertices;
  EXPECT_NEAR(v[0].u, (f->x + 8) * f->uscale, 1e-6);
  EXPECT_NEAR(v[2].u, (f->x + 24) * f->uscale, 1e-6);
  EXPECT_NEAR(v[0].v, (f->y + 4) * f->vscale, 1e-6);
  EXPECT_NEAR(v[2].v, (f->y + 12) * f->vscale, 1e-6);
  // A zero-sized source cannot be stretched.
  rec->Clear();
  DrawSubImageRect(image, 0, 0, 10, 10, 0, 0, 0, 8);
  EXPECT_TRUE(rec->recorded.empty());
}

TEST_F(DrawGeometry, TextPenAdvanceAndWidthTruncation) {
  // Built-in font: 8 wide cells, characters outside 32..127 have no glyph and do not advance.
  EXPECT_EQ(TextWidth("abc"), 24);
  EXPECT_EQ(TextWidth("a\x01" "b"), 16);
  EXPECT_EQ(TextHeight("whatever"), 16);
  SetScale(2, 1);
  EXPECT_EQ(TextWidth("abc"), 24);  // width ignores scale
  SetRotation(90);                  // pen moves down the screen, glyphs turned
  DrawText("AB", 100, 50);
  ASSERT_EQ(rec->recorded.size(), 2u);
  auto a = Corners(rec->recorded[0]), b = Corners(rec->recorded[1]);
  // ix = 0, jx = 2: advancing 8 moves the pen 16 down.
  EXPECT_NEAR(b[0].x - a[0].x, 0, 1e-3);
  EXPECT_NEAR(b[0].y - a[0].y, 16, 1e-3);
  // Both glyphs come from one page, so they batch.
  EXPECT_EQ(rec->recorded[0].page, rec->recorded[1].page);

  // A font whose glyphs advance 7.6: width accumulates with truncation: 7, then 14.
  auto font = std::make_shared<TImageFont>();
  font->_glyphs.resize(96);
  for (auto& g : font->_glyphs) g._loaded = true, g._advance = 7.6f;
  SetImageFont(font);
  EXPECT_EQ(TextWidth("x"), 7);
  EXPECT_EQ(TextWidth("xx"), 14);
  EXPECT_EQ(TextWidth("xxx"), 21);
  SetImageFont(nullptr);
  EXPECT_EQ(GetImageFont(), TImageFont::BuiltIn());
}

TEST_F(DrawGeometry, ColourAlphaClampingAndBlendState) {
  SetColor(300, -5, 128);
  int r, g, b;
  GetColor(r, g, b);
  EXPECT_EQ(r, 300);  // the state keeps what was given
  DrawRect(0, 0, 1, 1);
  uint32_t c = rec->recorded.back().vertices[0].rgba;
  EXPECT_EQ(c & 0xff, 255u);
  EXPECT_EQ((c >> 8) & 0xff, 0u);
  EXPECT_EQ((c >> 16) & 0xff, 128u);
  SetAlpha(1.5f);
  DrawRect(0, 0, 1, 1);
  EXPECT_EQ(rec->recorded.back().vertices[0].rgba >> 24, 255u);
  SetAlpha(-0.2f);
  DrawRect(0, 0, 1, 1);
  EXPECT_EQ(rec->recorded.back().vertices[0].rgba >> 24, 0u);
  SetAlpha(std::nanf(""));
  DrawRect(0, 0, 1, 1);
  EXPECT_EQ(rec->recorded.back().vertices[0].rgba >> 24, 0u);
  SetAlpha(0.5f);
  DrawRect(0, 0, 1, 1);
  EXPECT_EQ(rec->recorded.back().vertices[0].rgba >> 24, 127u);  // trunc(0.5 * 255)
  SetBlend(BLEND_LIGHT);
  DrawRect(0, 0, 1, 1);
  EXPECT_EQ(rec->recorded.back().blend, BLEND_LIGHT);
}

TEST_F(DrawGeometry, ViewportAndVirtualResolution) {
  int x, y, w, h;
  rec->Viewport(x, y, w, h);
  EXPECT_EQ(w, 800);
  // Device 800x600 showing 1064x600 virtual units: xs = 1.33.
  SetVirtualResolution(1064, 600);
  EXPECT_NEAR(VirtualMouseXScale(), 1064.0f / 800, 1e-6);
  EXPECT_EQ(rec->ResolutionWidth(), 1064);
  SetViewport(133, 0, 798, 600);
  rec->Viewport(x, y, w, h);
  float xs = 1064.0f / 800;
  int dx0 = int(std::floor(133 / xs)), dx1 = int(std::floor((133 + 798) / xs));
  EXPECT_EQ(x, dx0);
  EXPECT_EQ(w, dx1 - dx0);
  EXPECT_EQ(h, 600);
  // Changing the scale moves the device clip with it.
  SetVirtualResolution(800, 600);
  rec->Viewport(x, y, w, h);
  EXPECT_EQ(x, 133);
  EXPECT_EQ(w, 798);
  // A zero size would divide by zero: ignored.
  SetVirtualResolution(0, 600);
  EXPECT_EQ(VirtualResolutionWidth(), 800);
  EXPECT_EQ(VirtualMouseXScale(), 1.0f);
}

TEST_F(DrawGeometry, StateCarriedOverToNewContextAndFramesReuploaded) {
  auto image = Solid(8, 8);
  SetBlend(BLEND_LIGHT);
  SetColor(10, 20, 30);
  SetVirtualResolution(400, 300);
  DrawImage(image, 0, 0);
  DrawImage(image, 0, 0);
  EXPECT_EQ(rec->uploads, 1);  // once per context
  int seq = rec->ContextSeq();
  ASSERT_TRUE(CreateGraphics(640, 480));
  EXPECT_NE(rec->ContextSeq(), seq);
  EXPECT_EQ(GetBlend(), BLEND_LIGHT);
  EXPECT_EQ(rec->Blend(), BLEND_LIGHT);
  EXPECT_EQ(rec->ResolutionWidth(), 400);
  EXPECT_NEAR(VirtualMouseXScale(), 400.0f / 640, 1e-6);
  EXPECT_EQ(rec->VertexColor() & 0xffffff, 10u | (20u << 8) | (30u << 16));
  DrawImage(image, 0, 0);
  EXPECT_EQ(rec->uploads, 2);
}

TEST_F(DrawGeometry, TrimmedFramesDrawOnlyWhatTheirPageKeeps) {
  // 64x32 with something only in columns 10..29 and rows 5..19: the atlas keeps that part
  // and one empty row and column around it, columns 9..30 and rows 4..20.
  auto px = TPixmap::Create(64, 32, PF_RGBA8888);
  for (int y = 5; y < 20; ++y)
    for (int x = 10; x < 30; ++x) px->WritePixel(x, y, 0xff336699u);
  auto image = LoadImage(px, 0);
  ASSERT_EQ(PackImages({image}, 256), 1);
  const TImageFrame* f = image->Frame(0);
  ASSERT_TRUE(f->trim.Any());
  DrawImage(image, 100, 100);
  ASSERT_EQ(rec->recorded.size(), 1u);
  auto c = Corners(rec->recorded[0]);
  ExpectNear(c[0], 109, 104);
  ExpectNear(c[2], 131, 121);
  const auto& v = rec->recorded[0].vertices;
  EXPECT_NEAR(v[0].u, (f->x + 9) * f->uscale, 1e-6);
  EXPECT_NEAR(v[2].v, (f->y + 21) * f->vscale, 1e-6);

  // A source rectangle is cut the same way, scaled onto its quad: source 0..32 across 64
  // screen pixels keeps source 9..31, screen 18..62.
  rec->Clear();
  DrawSubImageRect(image, 0, 0, 64, 32, 0, 0, 32, 32, 0, 0);
  c = Corners(rec->recorded.at(0));
  ExpectNear(c[0], 18, 4);
  ExpectNear(c[2], 62, 21);
  EXPECT_NEAR(rec->recorded[0].vertices[2].u, (f->x + 31) * f->uscale, 1e-6);
  // Wholly in the empty border: nothing to draw.
  rec->Clear();
  DrawSubImageRect(image, 0, 0, 8, 8, 0, 0, 8, 8, 0, 0);
  EXPECT_TRUE(rec->recorded.empty());

  // Solid drawing writes empty pixels too: the border still covers the whole quad, as
  // untextured empty colour around the kept part.
  rec->Clear();
  SetBlend(BLEND_SOLID);
  DrawImage(image, 100, 100);
  ASSERT_EQ(rec->recorded.size(), 5u);
  EXPECT_EQ(rec->recorded[0].page, f->page.get());
  float area = 0;
  for (size_t i = 1; i < 5; ++i) {
    EXPECT_EQ(rec->recorded[i].page, nullptr);
    EXPECT_EQ(rec->recorded[i].vertices[0].rgba, 0u);
  }
  for (const auto& p : rec->recorded) {
    auto q = Corners(p);
    area += (q[2].x - q[0].x) * (q[2].y - q[0].y);
    EXPECT_GE(q[0].x, 100 - 1e-3);
    EXPECT_LE(q[2].x, 164 + 1e-3);
  }
  EXPECT_NEAR(area, 64 * 32, 1e-2) << "the pieces tile the picture's quad";
}
