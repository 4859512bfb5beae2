#include "gfx/TextDraw.h"

#include "gfx/Draw.h"

void DrawTextShadowed(float x, float y, const std::string& text, int centre, float scale, const TTextStyle& style) {
  if (centre) x -= float(TextWidth(text)) * scale / 2.0f;
  int blend = GetBlend();
  int r = 255, g = 255, b = 255;
  GetColor(r, g, b);
  SetBlend(BLEND_ALPHA);
  SetColor(0, 0, 0);
  SetAlpha(style.ShadowAlpha * style.Alpha);
  DrawText(text, x + style.ShadowX, y + style.ShadowY);
  SetColor(r, g, b);
  SetAlpha(style.Alpha);
  DrawText(text, x, y);
  SetBlend(blend);
}

void DrawTextLinesShadowed(float x, float y, const std::vector<std::string>& lines, int centre, float lineGap,
                           float scale, const TTextStyle& style) {
  if (lineGap == 0) lineGap = float(TextHeight("ABCXYZ"));
  for (const auto& line : lines) {
    DrawTextShadowed(x, y, line, centre, scale, style);
    y += scale * lineGap;
  }
}

float AlignedX(float x, float width, int alignment) {
  if (alignment == 1) return x - width / 2.0f;
  if (alignment == 2) return x - width;
  return x;
}

namespace {
// The text's lines, cut at each line end; a carriage return just before it is dropped.
std::vector<std::string> SplitAtLineEnds(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (;;) {
    size_t end = text.find('\n', start);
    std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}
}  // namespace

std::vector<std::string> WrapText(const std::string& text, float maxWidth,
                                  const std::function<float(const std::string&)>& measure) {
  std::vector<std::string> out;
  for (std::string line : SplitAtLineEnds(text)) {
    if (line.empty() || !(maxWidth > 0)) {
      out.push_back(line);
      continue;
    }
    // Runs of spaces count as one, so a doubled space does not break the line.
    for (size_t p; (p = line.find("  ")) != std::string::npos;) line.erase(p, 1);
    size_t before = out.size();
    std::string current;
    size_t start = 0;
    for (;;) {
      size_t space = line.find(' ', start);
      std::string word = line.substr(start, space == std::string::npos ? std::string::npos : space - start);
      if (word.empty()) {
        // A leading or trailing space: it ends the line so far, if there is one.
        if (!current.empty()) out.push_back(current);
        current.clear();
      } else if (current.empty()) {
        current = word;
      } else if (measure(current + " " + word) <= maxWidth) {
        current += " " + word;
      } else {
        out.push_back(current);
        current = word;
      }
      if (space == std::string::npos) break;
      start = space + 1;
    }
    if (!current.empty()) out.push_back(current);
    // A line of nothing but spaces still takes its place.
    if (out.size() == before) out.emplace_back();
  }
  return out;
}
