// Lines of text that slide between points in timed legs (score tables and tallies);
// each leg is one phase of the underlying animation. A list of lines shares one colour.
#pragma once
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "gfx/Animation.h"
#include "gfx/Color.h"

class TSlideLine : public TAnimation {
 public:
  std::array<float, MAX_PHASES> StartX{}, StartY{};
  std::array<float, MAX_PHASES> EndX{}, EndY{};
  float DX = 0.0f, DY = 0.0f;
  std::string text;
  std::shared_ptr<TColor> Color = std::make_shared<TColor>();
  std::shared_ptr<void> AttachedObject;

  // One leg from start to end over ms; not started.
  void InitLine(const std::string& text, int startX, int startY, int endX, int endY, float ms);
  // The next leg; legs past MAX_PHASES are ignored.
  void AddPhaseSpecial(int startX, int startY, int endX, int endY, float ms);
  void CalcDistance();
  // Where the text is now; the end of the last leg when not running.
  float GetX() const;
  float GetY() const;
  int Manage() override;
  void Draw() const;
  void AttachObject(std::shared_ptr<void> object) { AttachedObject = std::move(object); }
};

class TSlideLineList {
 public:
  std::vector<std::shared_ptr<TSlideLine>> Items;
  std::shared_ptr<TColor> Color = std::make_shared<TColor>();  // shared by every line added

  virtual ~TSlideLineList() = default;
  std::shared_ptr<TSlideLine> Add(const std::string& text, int startX, int startY, int endX, int endY, float ms);
  void Start();
  void Manage();
  void Draw() const;
};
