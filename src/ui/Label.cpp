#include "ui/Label.h"

#include <algorithm>
#include <cmath>

#include "gfx/Draw.h"
#include "gfx/TextDraw.h"

namespace {
float Round(float v) { return std::floor(v + 0.5f); }
}  // namespace

TLabelPtr TLabel::CreateSpecial(const std::string& text, float x, float y, int alignment, int wordWrap,
                                int centreVertically) {
  auto label = std::make_shared<TLabel>();
  label->Color = TColor::Create(255, 255, 255);
  label->X = x;
  label->Y = y;
  label->Alignment = alignment;
  label->WordWrap = wordWrap;
  label->CentreVertically = centreVertically;
  label->SetText(text);
  label->CalcHeight();
  return label;
}

void TLabel::SetText(const std::string& text) {
  Text = text;
  PreCalcWordWrap();
  CalcWidth();
}

void TLabel::PreCalcWordWrap() {
  TextArray = WrapText(Text, WordWrap > 0 ? float(WordWrap) : 0.0f,
                       [this](const std::string& s) { return TextWidthOf(s) * Scale; });
  TotalLines = int(TextArray.size());
  laidOutText_ = Text;
  laidOutWrap_ = WordWrap;
  laidOutScale_ = Scale;
}

void TLabel::EnsureLaidOut() {
  if (Text != laidOutText_ || WordWrap != laidOutWrap_ || Scale != laidOutScale_) PreCalcWordWrap();
}

float TLabel::CalcWidth() {
  EnsureLaidOut();
  W = 0;
  for (const auto& line : TextArray) W = std::max(W, TextWidthOf(line));
  return W * Scale;
}

float TLabel::CalcLineGap() const { return LineGap != 0 ? float(LineGap) : LineHeight(); }

float TLabel::CalcWordWrappedHeight() const {
  if (TotalLines <= 0) return 0;
  float gap = CalcLineGap();
  if (BitmapFont && !TextArray.empty())
    return float(BitmapFont->StringHeight(TextArray[0])) + float(TotalLines - 1) * gap;
  return float(TotalLines) * gap;
}

float TLabel::CalcHeight() {
  EnsureLaidOut();
  TFont::CalcHeight();
  float h = TotalLines > 1 || WordWrap > 0 ? CalcWordWrappedHeight() : H;
  return h * Scale;
}

void TLabel::CalcSize() {
  CalcWidth();
  CalcHeight();
}

void TLabel::AutoScale(float maxWidth) {
  if (CalcWidth() > maxWidth && W > 0) Scale = maxWidth / W;
}

int TLabel::Draw(float offsetX, float offsetY, int useColour, const TColor* colour) {
  if (!Visible) return 0;
  EnsureLaidOut();
  float sx = 1, sy = 1;
  GetScale(sx, sy);
  int r = 255, g = 255, b = 255;
  GetColor(r, g, b);
  const float alphaBefore = GetAlpha();

  SetScale(sx * Scale, sy * Scale);
  const TColor* used = useColour ? Color.get() : colour;
  ApplyCustomColor(used);
  const float a = Alpha * (used ? used->Alpha : alphaBefore);
  SetAlpha(a);
  // The shadow fades with the label's own opacity for this draw.
  TTextStyle style;
  if (Shadow) style = Shadow->TextStyle(a);
  style.Alpha = a;

  const float ys = sy * Scale;
  float y = Y + offsetY;
  if (CentreVertically) {
    float h = TotalLines > 1 || WordWrap > 0 ? CalcWordWrappedHeight() : LineHeight();
    y -= h * ys / 2;
  }
  const float gap = CalcLineGap() * ys;
  for (size_t i = 0; i < TextArray.size(); ++i) DrawTextLine(TextArray[i], X + offsetX, y + float(i) * gap, style);

  SetScale(sx, sy);
  SetColor(r, g, b);
  SetAlpha(alphaBefore);
  return 1;
}

void TLabel::DrawTextLine(const std::string& line, float x, float y, const TTextStyle& style) {
  const int roundX = RoundCoords || RoundXCoord;
  const int roundY = RoundCoords || RoundYCoord;
  if (BitmapFont) {
    TBitmapFont& font = *BitmapFont;
    const float oldRotation = GetRotation();
    const bool rotated = Rotation != 0;
    if (rotated) SetRotation(Rotation);
    if (CurvatureHeight != 0) font.SetCurvature(CurvatureWidth, CurvatureHeight);
    // Rotated text turns about the label's handle; each pass starts from it again.
    auto pass = [&](const TTextStyle* shadow) {
      if (rotated) {
        font.ChangeHandle = 1;
        font.HandleX = BitmapFontHandleX;
        font.HandleY = BitmapFontHandleY;
      }
      font.DrawAligned(line, x, y, Alignment, roundX, roundY, shadow);
    };
    if (Shadow) pass(&style);
    pass(nullptr);
    if (rotated) {
      font.ResetHandle();
      SetRotation(oldRotation);
    }
    if (CurvatureHeight != 0) font.ClearCurvature();
    return;
  }
  float sx = 1, sy = 1;
  GetScale(sx, sy);
  float lx = AlignedX(x, float(TextWidth(line)) * sx, Alignment);
  float ly = y;
  if (roundX) lx = Round(lx);
  if (roundY) ly = Round(ly);
  if (Shadow) DrawTextShadowed(lx, ly, line, 0, 1, style);
  else DrawText(line, lx, ly);
}

std::string TLabel::GetWidestLine() const {
  if (!BitmapFont) return "";
  std::string widest;
  double best = -1;
  for (const auto& line : TextArray) {
    double w = BitmapFont->StringWidth(line);
    if (w > best) best = w, widest = line;
  }
  return widest;
}

void TLabel::SetBitmapFontHandle(float x, float y) {
  BitmapFontHandleX = x;
  BitmapFontHandleY = y;
}

void TLabel::SetCurvature(float curveWidth, float curveHeight) {
  CurvatureWidth = curveWidth;
  CurvatureHeight = curveHeight;
}

void TLabel::SetLineGap(int gap) {
  LineGap = gap;
  CalcSize();
}

void TLabel::MoveLabelBy(float dx, float dy) {
  X += dx;
  Y += dy;
}

void TLabel::SetLabelAlpha(float alpha) { Alpha = alpha; }

void TLabel::DrawWithSprite(float offx, float offy) { Draw(offx, offy, 1); }
