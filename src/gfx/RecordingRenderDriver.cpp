#include "gfx/RecordingRenderDriver.h"

int TRecordingRenderDriver::nextSeq_ = 1000000;

std::vector<TDisplayMode> TRecordingRenderDriver::GraphicsModes() { return {{800, 600, 32, 60}, {1024, 768, 32, 60}}; }

bool TRecordingRenderDriver::CreateGraphics(int width, int height, int depth, int hertz, int flags) {
  if (width < 1 || height < 1) return false;
  deviceWidth_ = width;
  deviceHeight_ = height;
  seq_ = ++nextSeq_;
  return true;
}

void TRecordingRenderDriver::Flip(int sync) {
  ++flips;
  EndFrameCounters();
}

void TRecordingRenderDriver::DrawPixmap(const TPixmap& pixmap, float x, float y) {
  TVertex v[6] = {{x, y, 0, 0, 0xffffffffu},
                  {x + float(pixmap.width), y, 1, 0, 0xffffffffu},
                  {x + float(pixmap.width), y + float(pixmap.height), 1, 1, 0xffffffffu},
                  {x, y, 0, 0, 0xffffffffu},
                  {x + float(pixmap.width), y + float(pixmap.height), 1, 1, 0xffffffffu},
                  {x, y + float(pixmap.height), 0, 1, 0xffffffffu}};
  Emit(TPrimitive::Triangles, nullptr, v, 6);
}

TPixmapPtr TRecordingRenderDriver::GrabPixmap(int x, int y, int w, int h) {
  return TPixmap::Create(w, h, PF_RGBA8888);
}

void TRecordingRenderDriver::UploadPage(TTexturePage& page) {
  ++uploads;
  static unsigned nextName = 1;
  if (page.seq != seq_ || page.name == 0) page.name = nextName++;
  page.seq = seq_;
  page.dirty = false;
  page.onlyAdded = false;
}

void TRecordingRenderDriver::Emit(TPrimitive primitive, TTexturePage* page, const TVertex* vertices, int count) {
  ++drawCalls_;
  recorded.push_back({primitive, page, std::vector<TVertex>(vertices, vertices + count), blend_});
}
