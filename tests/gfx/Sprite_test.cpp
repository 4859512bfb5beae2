#include "app/GameDisplay.h"
#include "gfx/Sprite.h"

#include <cmath>
#include <vector>

#include "ToolkitTest.h"

class SpriteTest : public ToolkitTest {
 protected:
  // Frames shown over n updates.
  static std::vector<int> Frames(TSprite& s, int n) {
    std::vector<int> out;
    for (int i = 0; i < n; ++i) {
      s.ManageAnim();
      out.push_back(s.frame);
    }
    return out;
  }
};

TEST_F(SpriteTest, FrameAnimationShowsEachFrameForItsShareAndWrapsKeepingOvershoot) {
  TSprite s;
  s.SetupAnim(4, 2000, 1, 0, 0, 0, 1);  // 400 ticks, clock counting up from 0
  EXPECT_EQ(s.AnimLength, 400);
  EXPECT_FLOAT_EQ(s.FrameLength, 100.0f);
  EXPECT_FLOAT_EQ(s.AnimCounter, 0.0f);
  auto f = Frames(s, 399);
  EXPECT_EQ(f[98], 0);   // clock 99
  EXPECT_EQ(f[99], 1);   // clock 100
  EXPECT_EQ(f[299], 3);  // clock 300
  Delta = 2.5f;
  s.ManageAnim();        // clock 401.5 -> 1.5
  EXPECT_FLOAT_EQ(s.AnimCounter, 1.5f);
  EXPECT_EQ(s.frame, 0);

  // Counting down from the full length still plays first to last.
  Delta = 1.0f;
  TSprite d;
  d.SetupAnim(4, 2000, 0, 0, 0, 0, 1);
  EXPECT_FLOAT_EQ(d.AnimCounter, 400.0f);
  auto g = Frames(d, 399);
  EXPECT_EQ(g[0], 0);
  EXPECT_EQ(g[150], 1);
  EXPECT_EQ(g[398], 3);
}

TEST_F(SpriteTest, PingPongBouncesWithoutRepeatingTheEndFrames) {
  for (int dir = 0; dir <= 1; ++dir) {
    TSprite s;
    s.SetupAnim(4, 200, dir, 0, 0, 1, 1);  // 40 ticks, 10 per frame
    std::vector<int> seq;
    for (int i = 0; i < 75; ++i) {
      s.ManageAnim();
      if (seq.empty() || seq.back() != s.frame) seq.push_back(s.frame);
    }
    EXPECT_EQ(seq, (std::vector<int>{0, 1, 2, 3, 2, 1, 0, 1})) << "counter direction " << dir;
  }
}

TEST_F(SpriteTest, CountedLoopsStopOnTheEndFrameAndKeepCallingTheStoppedFunction) {
  TSprite s;
  int calls = 0;
  s.AnimStoppedFunction = [&](TSprite&) { ++calls; };
  s.SetupAnim(2, 20, 1, 0, 0, 0, 1);  // 4 ticks per pass
  s.LoopCount = 2;
  int ends = 0;
  for (int i = 0; i < 8; ++i) ends += s.ManageAnim();
  EXPECT_EQ(ends, 2);
  EXPECT_EQ(calls, 1);  // the wrap after pass 1; the run-out itself calls nothing
  EXPECT_EQ(s.Loop, 0);
  EXPECT_EQ(s.frame, 1);
  for (int i = 0; i < 3; ++i) s.ManageAnim();
  EXPECT_EQ(calls, 4);  // every tick after that
  EXPECT_EQ(s.frame, 1);

  s.ImageFrame = 5;
  s.StopAnim();
  EXPECT_FLOAT_EQ(s.AnimCounter, 0.0f);
  EXPECT_EQ(s.FramesTotal, 1);
  EXPECT_EQ(s.ManageAnim(), 0);
  calls = 0;
  s.ManageAnim();
  EXPECT_EQ(calls, 0);
}

TEST_F(SpriteTest, MovementUsesPositionThenVelocityWithWholeAndPartialDeltas) {
  TSprite s;
  s.SetPosition(10, 20);
  s.dx = 2;
  s.dy = -1;
  s.ygravity = 0.5f;
  s.Move();  // position first, then velocity
  EXPECT_FLOAT_EQ(s.x, 12.0f);
  EXPECT_FLOAT_EQ(s.y, 19.0f);
  EXPECT_FLOAT_EQ(s.dy, -0.5f);
  Delta = 0.5f;
  s.Move();
  EXPECT_FLOAT_EQ(s.x, 13.0f);
  EXPECT_FLOAT_EQ(s.y, 18.75f);
  EXPECT_FLOAT_EQ(s.dy, -0.25f);

  Delta = 1.0f;
  TSprite f;
  f.speed = 3;
  f.Rotation = 90;
  f.MoveForward();
  EXPECT_NEAR(f.x, 3.0f, 1e-5);
  EXPECT_NEAR(f.y, 0.0f, 1e-5);
  f.Rotation = 0;
  f.MoveForward();
  EXPECT_NEAR(f.x, 3.0f, 1e-5);
  EXPECT_NEAR(f.y, -3.0f, 1e-5);

  TSprite b;
  b.w2 = 10;
  b.h2 = 5;
  b.xspeed = 50;
  b.SetPosition(30, 300);
  b.MoveLeft();
  EXPECT_FLOAT_EQ(b.x, 10.0f);  // kept inside the screen by half its size
  b.SetPosition(790, 300);
  b.MoveRight();
  EXPECT_FLOAT_EQ(b.x, 790.0f);
}

TEST_F(SpriteTest, ScaleRotationAndGlowFollowTheirClocks) {
  TSprite s;
  s.SetScaleXY(2, 0);
  EXPECT_FLOAT_EQ(s.ScaleY, 2.0f);
  s.ClearScale();
  s.SetupScale(0.1f, -0.1f, 10);  // 2 ticks
  for (int i = 0; i < 5; ++i) s.ManageScale();
  EXPECT_NEAR(s.ScaleX, 1.2f, 1e-6);
  EXPECT_NEAR(s.ScaleY, 0.8f, 1e-6);

  s.SetupRotation(100, 0, 1, 0);
  for (int i = 0; i < 4; ++i) s.ManageRotation();
  EXPECT_FLOAT_EQ(s.Rotation, 40.0f);  // 400 wrapped once
  s.RotationSpeed = -50;
  s.ManageRotation();
  EXPECT_FLOAT_EQ(s.Rotation, 350.0f);

  TSprite t;
  t.SetupRotation(10, 15, 0, 0);  // 3 ticks, no wrap
  for (int i = 0; i < 50; ++i) t.ManageRotation();
  EXPECT_FLOAT_EQ(t.Rotation, 30.0f);

  TSprite g;
  g.SetGlow(2, 0.5f, 0.2f, 0, 1);
  for (int i = 0; i < 3; ++i) g.ManageGlow();
  EXPECT_FLOAT_EQ(g.Glow, 0.0f);  // never below zero
  g.SetGlow(3, 0, 90, 0.2f, 0.6f);
  g.ManageGlow();
  EXPECT_NEAR(g.Glow, 0.6f, 1e-6);  // sin 90
  g.ManageGlow();
  EXPECT_NEAR(g.Glow, 0.2f, 1e-6);  // sin 180
  g.ManageGlow();
  EXPECT_NEAR(g.Glow, 0.6f, 1e-6);  // |sin 270|
}

TEST_F(SpriteTest, BoundsAndHitsUseTheImageRectangle) {
  TSprite s;
  s.w = 40;
  s.h = 20;
  s.w2 = 20;
  s.h2 = 10;
  s.SetPosition(-39, 100);
  EXPECT_EQ(s.OutOfBounds(), 0);
  s.x = -41;
  EXPECT_EQ(s.OutOfBounds(), 1);
  s.SetPosition(800, 100);
  EXPECT_EQ(s.OutOfBounds(), 0);
  s.x = 800.5f;
  EXPECT_EQ(s.OutOfBounds(), 1);

  s.SetPosition(100, 100);
  EXPECT_EQ(s.CollideWithPixel(100.9f, 100.2f), 1);
  EXPECT_EQ(s.CollideWithPixel(139.5f, 119.5f), 1);
  EXPECT_EQ(s.CollideWithPixel(140, 110), 0);
  EXPECT_EQ(s.CollideWithPixel(99.5f, 110), 0);
  s.CalcBoundingBox();
  ASSERT_TRUE(s.BoundingBox);
  s.BoundingBox->Expand(5, 5);
  EXPECT_EQ(s.CollideWithPixel(96, 96), 1);
  s.Kill();
  EXPECT_FALSE(s.BoundingBox);
}

#include "gfx/GameImage.h"

class SpriteDrawTest : public RecordingTest {
 protected:
  std::shared_ptr<TSprite> Sprite(float x, float y, int frames = 1) {
    return TSprite::Create(TGameImage::CreateFromImage(Picture(20, 10, frames), "PIC", 1), x, y);
  }
};

// Records what the sprite's label was told.
class FakeLabel : public TSpriteLabel {
 public:
  void MoveLabelBy(float dx, float dy) override {
    X += dx;
    Y += dy;
  }
  void SetLabelAlpha(float a) override { alphas.push_back(a); }
  void DrawWithSprite(float ox, float oy) override {
    drawnX = X + ox;
    drawnY = Y + oy;
  }
  float X = 0, Y = 0, drawnX = -1, drawnY = -1;
  std::vector<float> alphas;
};

TEST_F(SpriteDrawTest, ShadowThenPictureThenGlowWithStateRestored) {
  auto s = Sprite(100, 100);
  s->Alpha = 0.5f;
  s->SetShadow(1, 4, 5, 0.5f);
  s->SetGlow(2, 0.5f, 0.1f, 0, 1);
  s->Color = TColor::Create(255, 0, 0);
  s->Draw();
  ASSERT_EQ(rec->recorded.size(), 4u);  // shadow, picture; glow pass: shadow, picture
  // Shadow: black at half the sprite's opacity, offset.
  EXPECT_FLOAT_EQ(X(0), 104.0f - 10.0f);
  EXPECT_FLOAT_EQ(Y(0), 105.0f - 5.0f);
  EXPECT_EQ(Red(0), 0);
  EXPECT_EQ(AlphaByte(0), 63);  // 0.25
  // Picture: tinted, at the sprite's opacity.
  EXPECT_FLOAT_EQ(X(1), 90.0f);
  EXPECT_EQ(rec->recorded[1].vertices[0].rgba & 0xffffff, 0x0000ffu);
  EXPECT_EQ(AlphaByte(1), 127);
  EXPECT_EQ(rec->recorded[1].blend, BLEND_ALPHA);
  // The glow is the sprite again, additive.
  EXPECT_EQ(rec->recorded[3].blend, BLEND_LIGHT);
  EXPECT_FLOAT_EQ(X(3), 90.0f);
  // Afterwards: untransformed, opaque, white, alpha blending.
  EXPECT_EQ(GetBlend(), BLEND_ALPHA);
  EXPECT_FLOAT_EQ(GetAlpha(), 1.0f);
  int r, g, b;
  GetColor(r, g, b);
  EXPECT_EQ(r + g + b, 3 * 255);
  float sx, sy;
  GetScale(sx, sy);
  EXPECT_FLOAT_EQ(sx, 1.0f);
  EXPECT_FLOAT_EQ(GetRotation(), 0.0f);
}

TEST_F(SpriteDrawTest, ScaleRotationFramesOffsetsRoundingAndLabel) {
  auto s = Sprite(200, 150, 3);
  s->SetScaleXY(2, 0);
  s->BaseScaleX = 1.5f;
  s->Rotation = 90;
  s->ImageFrame = 2;
  s->Draw();
  ASSERT_EQ(rec->recorded.size(), 1u);
  // Corner (-10, -5) scaled by (3, 2) and turned clockwise by 90 degrees about (200, 150).
  EXPECT_NEAR(X(0), 210.0f, 1e-4);
  EXPECT_NEAR(Y(0), 120.0f, 1e-4);

  rec->Clear();
  auto label = std::make_shared<FakeLabel>();
  auto t = Sprite(10.4f, 20.6f);
  t->Label = label;
  t->UseOffset = 1;
  t->offx = 0.3f;
  t->offy = 0.3f;
  t->RoundCoords = 1;
  t->dx = 1;
  t->Move();
  EXPECT_FLOAT_EQ(label->X, 1.0f);
  t->Draw();
  EXPECT_FLOAT_EQ(X(0), 12.0f - 10.0f);  // 11.7 rounded
  EXPECT_FLOAT_EQ(Y(0), 21.0f - 5.0f);   // 20.9 rounded
  EXPECT_FLOAT_EQ(label->drawnX, 1.0f);  // offset 0.3 rounds to 0
  EXPECT_EQ(label->alphas, (std::vector<float>{1.0f, 1.0f}));

  // An animating sprite draws its computed frame; invisible ones draw nothing.
  rec->Clear();
  auto a = Sprite(0, 0, 3);
  a->SetupAnim(3, 30, 1, 0, 0, 0, 1);
  for (int i = 0; i < 5; ++i) a->ManageAnim();
  EXPECT_EQ(a->GetAnimFrame(), 2);
  a->visible = 0;
  a->Draw();
  EXPECT_TRUE(rec->recorded.empty());
}

TEST_F(SpriteDrawTest, ScrolledDrawSubtractsTheScreenScroll) {
  auto s = Sprite(300, 300);
  s->SetShadow(1, 3, 3, 1);
  TGameDisplay display;
  display.ScrollX = 100;
  display.ScrollY = 50;
  s->DrawWithOffset();
  ASSERT_EQ(rec->recorded.size(), 2u);
  EXPECT_FLOAT_EQ(X(0), 203.0f - 10.0f);
  EXPECT_FLOAT_EQ(Y(0), 253.0f - 5.0f);
  EXPECT_FLOAT_EQ(X(1), 200.0f - 10.0f);
}
