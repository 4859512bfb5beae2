#include "gfx/SlideLine.h"

#include "gfx/Draw.h"

void TSlideLine::InitLine(const std::string& t, int startX, int startY, int endX, int endY, float ms) {
  Init(ms, 0, 0, 0, 0);
  text = t;
  StartX[0] = static_cast<float>(startX);
  StartY[0] = static_cast<float>(startY);
  EndX[0] = static_cast<float>(endX);
  EndY[0] = static_cast<float>(endY);
  CalcDistance();
}

void TSlideLine::AddPhaseSpecial(int startX, int startY, int endX, int endY, float ms) {
  if (TotalPhases >= MAX_PHASES) return;
  StartX[TotalPhases] = static_cast<float>(startX);
  StartY[TotalPhases] = static_cast<float>(startY);
  EndX[TotalPhases] = static_cast<float>(endX);
  EndY[TotalPhases] = static_cast<float>(endY);
  AddPhase(ms);
}

void TSlideLine::CalcDistance() {
  if (CurrentPhase < 0 || CurrentPhase >= TotalPhases) return;
  DX = EndX[CurrentPhase] - StartX[CurrentPhase];
  DY = EndY[CurrentPhase] - StartY[CurrentPhase];
}

float TSlideLine::GetX() const {
  if (!Active || CurrentPhase < 0 || CurrentPhase >= TotalPhases) return EndX[TotalPhases - 1];
  return StartX[CurrentPhase] + (1.0f - GetRatio()) * DX;
}

float TSlideLine::GetY() const {
  if (!Active || CurrentPhase < 0 || CurrentPhase >= TotalPhases) return EndY[TotalPhases - 1];
  return StartY[CurrentPhase] + (1.0f - GetRatio()) * DY;
}

int TSlideLine::Manage() {
  const int ended = TAnimation::Manage();
  if (ended) CalcDistance();
  return ended;
}

void TSlideLine::Draw() const {
  if (Color) Color->Apply();
  DrawText(text, GetX(), GetY());
  TColor::Restore();
}

std::shared_ptr<TSlideLine> TSlideLineList::Add(const std::string& text, int startX, int startY, int endX, int endY,
                                                float ms) {
  auto line = std::make_shared<TSlideLine>();
  line->InitLine(text, startX, startY, endX, endY, ms);
  line->Color = Color;
  Items.push_back(line);
  return line;
}

void TSlideLineList::Start() {
  for (auto& line : Items) line->Start();
}

void TSlideLineList::Manage() {
  for (auto& line : Items) line->Manage();
}

void TSlideLineList::Draw() const {
  for (const auto& line : Items) line->Draw();
  SetColor(255, 255, 255);
}
