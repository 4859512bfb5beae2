#include "game/PointerSparkle.h"

#include "core/Globals.h"
#include "gfx/Color.h"
#include "gfx/GameImage.h"
#include "gfx/ImageBank.h"
#include "gfx/ParticleList.h"
#include "platform/Random.h"
#include "platform/Recycling.h"
#include "ui/MousePointer.h"

namespace {
// Where the pointer was at the last step, and for how long it has stayed there.
int lastX = 0, lastY = 0;
float stillFor = 0;
}  // namespace

int PointerSparkle() {
  if (!TMousePointer::Current()) return 0;
  TMousePointer& m = Pointer();
  // A resting pointer leaves no trail: a still hand has nothing to trace, and the board
  // at rest then draws nothing new. Motion events arrive less often than logic steps,
  // so the pointer counts as resting only after a whole period without one.
  if (m.x != lastX || m.y != lastY) {
    lastX = m.x;
    lastY = m.y;
    stillFor = 0;
  } else {
    stillFor += Delta;
  }
  if (stillFor > float(m.SparkleLength)) return 0;
  m.SparkleCounter -= Delta;
  if (m.SparkleCounter > 0) return 0;
  m.SparkleCounter += float(m.SparkleLength);
  auto picture = ImageBank ? ImageBank->Find("snowflake", 1) : nullptr;
  if (!picture) return 0;
  const int x = m.x + Rand(1, std::max(1, m.w)) - 5;
  const int y = m.y + Rand(1, std::max(1, m.h)) - 5;
  auto p = m.ParticleList->AddNew(x, y, picture, Rnd(-0.2f, 0.2f), Rnd(0, 0.3f), 0.005f, 600, 1, Rand(0, 1) ? 1 : -1,
                                  Rnd(0.5f, 2), Rnd(0.2f, 0.5f), 0, 0);
  p->Color = MakeRecycled<TColor>();
  p->Color->Set(Rand(100, 255), Rand(100, 255), Rand(100, 255));
  return 1;
}
