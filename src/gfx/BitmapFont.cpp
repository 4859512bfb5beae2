#include "gfx/BitmapFont.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/ErrorReport.h"
#include "core/Text.h"
#include "gfx/CheckedLoaders.h"
#include "core/TextLines.h"
#include "gfx/Draw.h"
#include "gfx/TextDraw.h"
#include "platform/Events.h"

namespace {
constexpr int kMaxCharsPerDraw = 256;
constexpr float kDegToRad = float(M_PI / 180.0);

// The number in the `length` characters that follow the first `key` of the line, the
// way the generator pads them: leading blanks skipped, reading stops at the first
// character that is not part of the number. The whole line is searched, and a field
// that the line end cuts short is read from what is there; no key or no digits read 0.
double ReadField(const std::string& line, const std::string& key, size_t length) {
  size_t pos = line.find(key);
  if (pos == std::string::npos) return 0;
  size_t i = pos + key.size();
  size_t end = std::min(line.size(), i + length);
  while (i < end && (line[i] == ' ' || line[i] == '\t')) ++i;
  bool negative = false;
  if (i < end && (line[i] == '-' || line[i] == '+')) negative = line[i++] == '-';
  double value = 0;
  for (; i < end && line[i] >= '0' && line[i] <= '9'; ++i) value = value * 10 + (line[i] - '0');
  if (i < end && line[i] == '.') {
    double place = 0.1;
    for (++i; i < end && line[i] >= '0' && line[i] <= '9'; ++i, place /= 10) value += (line[i] - '0') * place;
  }
  return negative ? -value : value;
}

bool StartsWith(const std::string& line, const char* prefix) { return line.rfind(prefix, 0) == 0; }

int CharCode(char byte) { return int(UnicodeFromCp1252(static_cast<uint8_t>(byte))); }
}  // namespace

TBitmapFont::TBitmapFont() { ClearGlyphs(); }

void TBitmapFont::ClearGlyphs() {
  for (auto* a : {&width, &height, &xAdvance, &xOffset, &yOffset, &xPos, &yPos}) a->assign(size_t(ArraySize), 0.0);
  ID.assign(size_t(ArraySize), 0);
  NumChars = 0;
  NumExtraChars = 0;
}

TBitmapFontPtr TBitmapFont::Create(const std::string& path, int flags, int spare, float yAdjust) {
  (void)spare;
  auto font = std::make_shared<TBitmapFont>();
  // Glyph rectangles are measured from the page's top-left corner.
  AutoMidHandle(false);
  font->Image = LoadImageChecked(path + ".png", flags);
  font->Parse(ReadFileChecked(path + ".fnt"), yAdjust);
  return font;
}

void TBitmapFont::Parse(const std::string& text, float yAdjust) {
  ClearGlyphs();
  const std::vector<std::string> lines = SplitTextLines(text);
  const std::string none;
  auto lineAt = [&](size_t k) -> const std::string& { return k < lines.size() ? lines[k] : none; };

  // An optional scale line first; the next line is read either way.
  ScaleFactor = 1;
  const std::string& first = lineAt(0);
  if (UpperCase(first.substr(0, 6)) == "SCALEF") {
    // The key is written "scaleF=" or "ScaleF=" by different generators.
    std::string lower = first;
    for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
    ScaleFactor = ReadField(lower, "scalef=", 4);
  }
  size_t i = 1;
  if (StartsWith(lineAt(i), "info")) ++i;
  const std::string& common = lineAt(i);
  TextureW = ReadField(common, "scaleW=", 4);
  TextureH = ReadField(common, "scaleH=", 4);
  ++i;
  if (StartsWith(lineAt(i), "page")) ++i;
  if (StartsWith(lineAt(i), "chars")) ++i;

  for (; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (StartsWith(line, "kerning")) break;
    int id = int(ReadField(line, "id=", 5));
    if (id <= 0) continue;
    int index = id;
    if (id >= 256) {
      index = FindChar(id);
      if (index == 0) {
        index = 256 + NumExtraChars;
        if (index >= ArraySize) ExpandArrays();
        ++NumExtraChars;
      }
    }
    size_t k = size_t(index);
    ID[k] = id;
    xPos[k] = ReadField(line, "x=", 4);
    yPos[k] = ReadField(line, "y=", 4);
    width[k] = ReadField(line, "width=", 3);
    height[k] = ReadField(line, "height=", 3);
    xOffset[k] = ReadField(line, "xoffset=", 3);
    yOffset[k] = ReadField(line, "yoffset=", 3) + yAdjust;
    xAdvance[k] = ReadField(line, "xadvance=", 3);
    ++NumChars;
  }
}

int TBitmapFont::FindChar(int code) const {
  for (int i = 256; i < 256 + NumExtraChars; ++i)
    if (ID[size_t(i)] == code) return i;
  return 0;
}

int TBitmapFont::GlyphIndex(int code) const { return code < 256 ? code : FindChar(code); }

void TBitmapFont::ExpandArrays() {
  ArraySize += 100;
  for (auto* a : {&width, &height, &xAdvance, &xOffset, &yOffset, &xPos, &yPos}) a->resize(size_t(ArraySize), 0.0);
  ID.resize(size_t(ArraySize), 0);
}

double TBitmapFont::StringWidth(const std::string& text) const {
  double sum = 0;
  for (char c : text) sum += xAdvance[size_t(GlyphIndex(CharCode(c)))] + CharGap;
  if (sum > 0) sum -= CharGap;
  return sum * ScaleFactor;
}

double TBitmapFont::StringHeight(const std::string& text) const {
  double sum = 0;
  int count = 0;
  for (char c : text) {
    double h = height[size_t(GlyphIndex(CharCode(c)))];
    if (h > 0) {
      sum += h;
      ++count;
    }
  }
  // Fewer than two glyphs with a height would divide by zero or less.
  if (count < 2) return sum * ScaleFactor;
  return sum / (count - 1) * ScaleFactor;
}

double TBitmapFont::StringHeightAccurate(const std::string& text) const {
  double best = 0;
  bool any = false;
  for (char c : text) {
    size_t k = size_t(GlyphIndex(CharCode(c)));
    double h = height[k] + yOffset[k] + DrawOffsetY;
    if (!any || h > best) best = h;
    any = true;
  }
  return best * ScaleFactor;
}

double TBitmapFont::StringHeightVertical(const std::string& text) const {
  double sum = 0;
  for (char c : text) {
    size_t k = size_t(GlyphIndex(CharCode(c)));
    sum += c == ' ' ? 0.75 * xAdvance[k] : height[k];
  }
  return sum * ScaleFactor;
}

int TBitmapFont::GetLineGap() const { return int(std::trunc(StringHeight(TestString))); }

double TBitmapFont::CalcReducedScale(const std::string& text, double maxWidth) const {
  double w = StringWidth(text);
  return w > maxWidth && w > 0 ? maxWidth / w : 1;
}

std::string TBitmapFont::TruncateString(const std::string& text, double maxWidth) const {
  size_t n = text.size();
  while (n > 0 && StringWidth(text.substr(0, n)) > maxWidth * ScaleFactor) --n;
  return text.substr(0, n);
}

void TBitmapFont::CalcDrawOffsetY() { DrawOffsetY = int(std::trunc(-yOffset[size_t('A')])); }

int64_t TBitmapFont::CalcVRAM() const {
  if (!Image) return 0;
  return NextPow2(ImageWidth(Image)) * 4 * NextPow2(ImageHeight(Image));
}

void TBitmapFont::Draw(const std::string& text, float x, float y, int centre, int right, int roundX, int roundY,
                       const TTextStyle* shadow, int centreVertically, int vertical, const TColorList& colours) {
  if (text.empty()) return;
  int r = 255, g = 255, b = 255;
  if (shadow) {
    GetColor(r, g, b);
    SetColor(0, 0, 0);
    SetAlpha(shadow->ShadowAlpha * shadow->Alpha);
    x += shadow->ShadowX;
    y += shadow->ShadowY;
  }
  float sx = 1, sy = 1;
  GetScale(sx, sy);
  const double gx = sx * ScaleFactor, gy = sy * ScaleFactor;
  const double whole = StringWidth(text);
  if (!vertical) {
    if (centre) {
      if (ChangeHandle) HandleX += whole / 2;
      else x -= float(whole / 2 * sx);
    }
    if (right) {
      if (ChangeHandle) HandleX += whole * sx;
      else x -= float(whole * sx);
    }
    if (centreVertically) {
      double half = StringHeight(TestString) / 2 * sy;
      if (ChangeHandle) HandleY += half;
      else y -= float(half);
    }
    if (ChangeHandle) {
      HandleX += HandleX - HandleX * ScaleFactor;
      HandleY += HandleY - HandleY * ScaleFactor;
    }
  }
  size_t colour = 0;
  const size_t count = std::min(text.size(), size_t(kMaxCharsPerDraw));
  for (size_t n = 0; n < count; ++n) {
    const int code = CharCode(text[n]);
    const size_t k = size_t(GlyphIndex(code));
    double px = x, py = y;
    if (!ChangeHandle) {
      px += xOffset[k] * gx;
      if (!vertical) py += (yOffset[k] + DrawOffsetY) * gy;
    }
    double dw = width[k] * ScaleFactor, dh = height[k] * ScaleFactor;
    if (vertical) {
      if (centre) px -= dw * sx / 2;
      if (right) px -= dw * sx;
    }
    if (CurvatureHeight != 0 && CurvatureWidth != 0) {
      double d = StringWidth(text.substr(0, n)) * sx + StringWidth(text.substr(n, 1)) * sx / 2;
      if (centre) d += (CurvatureWidth - whole * sx) / 2;
      else if (right) d += CurvatureWidth - whole * sx;
      py += std::sin(d / CurvatureWidth * CurvatureAngle * kDegToRad) * CurvatureHeight;
    }
    if (roundX && gx == 1) {
      px = std::floor(px + 0.5);
      dw = std::floor(dw + 0.5);
    }
    if (roundY && gy == 1) {
      py = std::floor(py + 0.5);
      dh = std::floor(dh + 0.5);
    }
    // A shadow keeps its black; only the text itself takes the colours.
    if (!shadow && !colours.empty() && width[k] > 0) {
      if (const auto& c = colours[colour++ % colours.size()]) c->Apply();
    }
    float hx = 0, hy = 0;
    if (ChangeHandle) {
      hx = float(HandleX - xOffset[k]);
      hy = float(HandleY - yOffset[k] - DrawOffsetY);
    }
    DrawSubImageRect(Image, float(px), float(py), float(dw), float(dh), float(xPos[k]), float(yPos[k]),
                     float(width[k]), float(height[k]), hx, hy, 0);
    if (ChangeHandle) {
      HandleX -= xAdvance[k] + CharGap;
    } else if (!vertical) {
      x += float((xAdvance[k] + CharGap) * gx);
    } else if (code == ' ') {
      y += float((xAdvance[k] + CharGap) * gx * 0.75);
    } else {
      y += float(dh * sy);
    }
  }
  if (shadow) {
    SetColor(r, g, b);
    SetAlpha(shadow->Alpha);
  }
}

void TBitmapFont::DrawAligned(const std::string& text, float x, float y, int align, int roundX, int roundY,
                              const TTextStyle* shadow, const TColorList& colours) {
  switch (align) {
    case 0: Draw(text, x, y, 0, 0, roundX, roundY, shadow, 0, 0, colours); break;
    case 1: Draw(text, x, y, 1, 0, roundX, roundY, shadow, 0, 0, colours); break;
    case 2: Draw(text, x, y, 0, 1, roundX, roundY, shadow, 0, 0, colours); break;
    case 3: Draw(text, x, y, 1, 0, roundX, roundY, shadow, 1, 0, colours); break;
    case 4: Draw(text, x, y, 0, 0, roundX, roundY, shadow, 1, 0, colours); break;
    default: break;
  }
}

void TBitmapFont::DrawAlignedWithShadow(const std::string& text, float x, float y, int align,
                                        const TTextStyle& style, int roundX, int roundY) {
  DrawAligned(text, x, y, align, roundX, roundY, &style);
  DrawAligned(text, x, y, align, roundX, roundY);
}

void TBitmapFont::DrawStringArray(const std::vector<std::string>& lines, float x, float y, int centre, int right,
                                  int roundX, int roundY, const TTextStyle* shadow, float lineGap,
                                  int centreVertically) {
  if (lineGap == 0) lineGap = float(std::trunc(StringHeight(TestString)));
  float ly = y;
  if (centreVertically) ly = y - std::round(lineGap * float(lines.size()) / 2);
  const float slant = std::tan(GetRotation() * kDegToRad);
  for (const auto& line : lines) {
    float lx = x - slant * (ly - y);
    if (shadow) {
      Draw(line, lx, ly, centre, right, roundX, roundY, shadow);
      if (ChangeHandle) HandleX = HandleY = 0;
    }
    Draw(line, lx, ly, centre, right, roundX, roundY);
    if (ChangeHandle) HandleX = HandleY = 0;
    ly += lineGap;
  }
}

void TBitmapFont::SetCurvature(float curveWidth, float curveHeight) {
  CurvatureWidth = curveWidth;
  CurvatureHeight = curveHeight;
}

void TBitmapFont::ClearCurvature() { SetCurvature(0, 0); }

void TBitmapFont::ResetHandle() {
  ChangeHandle = 0;
  HandleX = HandleY = 0;
  if (Image) SetImageHandle(Image, 0, 0);
}

void TBitmapFont::Precache() {
  if (Image) PrecacheImage(Image);
}

void TBitmapFont::Kill() { Image.reset(); }
