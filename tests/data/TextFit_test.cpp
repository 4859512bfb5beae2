// Every sentence of the game text measured in the game's own font against the place a
// screen gives it: the hint pages under their title and picture and above their OK
// button, the instruction texts between the demonstration panels, and the one-line
// texts inside the screen or panel that shows them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "data/DataPictures.h"
#include "gfx/Draw.h"
#include "gfx/ImageFont.h"
#include "gfx/TextDraw.h"
#include "ui/GameText.h"

namespace fs = std::filesystem;
using namespace datapics;

namespace {

const fs::path kBuild = TV_BUILD_DIR;
// Room kept clear between a text's ink and anything else drawn near it.
constexpr int kMargin = 3;

struct TRect {
  int x0, y0, x1, y1;  // x1, y1 exclusive
  bool Meets(const TRect& o) const { return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1; }
  TRect Grown(int m) const { return {x0 - m, y0 - m, x1 + m, y1 + m}; }
};

std::ostream& operator<<(std::ostream& os, const TRect& r) {
  return os << "(" << r.x0 << "," << r.y0 << ")-(" << r.x1 << "," << r.y1 << ")";
}

// The game's font at one size, measured the way the drawing layer measures it.
class TMeasure {
 public:
  explicit TMeasure(float size) : font_(LoadImageFont((kBuild / "Data/fonts/CARD1.dat").string(), size, 6)) {}
  bool Ok() const { return font_ != nullptr; }
  float Width(const std::string& s) const {
    SetImageFont(font_);
    return float(TextWidth(s));
  }
  std::vector<std::string> Wrap(const std::string& s, float width) const {
    return WrapText(s, width, [this](const std::string& l) { return Width(l); });
  }
  // Rows the glyphs of a line actually ink, relative to the y the line is drawn at.
  std::pair<int, int> InkRows(const std::string& s) const {
    int top = 1 << 20, bottom = -(1 << 20);
    for (unsigned char c : s) {
      const TImageGlyph& g = font_->LoadGlyph(font_->CharToGlyph(c));
      if (!g._image) continue;
      top = std::min(top, g._y);
      bottom = std::max(bottom, g._y + g._h);
    }
    return top > bottom ? std::pair{0, 0} : std::pair{top, bottom};
  }
  // The ink box of a line centred on cx and drawn at y.
  TRect Line(const std::string& s, float cx, float y) const {
    const auto [top, bottom] = InkRows(s);
    const float w = Width(s);
    const int left = int(std::lround(cx - w / 2));
    return {left, int(y) + top, left + int(std::ceil(w)), int(y) + bottom};
  }

 private:
  TImageFontPtr font_;
};

bool Ready(std::string& why) {
  if (!fs::exists(kBuild / "Data/fonts/CARD1.dat") || !fs::exists(kBuild / "Data/text/gametext.txt") ||
      !fs::exists(kBuild / "Data/graphics/hintbody.png")) {
    why = "build the gamedata target first";
    return false;
  }
  return true;
}

std::shared_ptr<TGameText> Texts() { return TGameText::Create((kBuild / "Data/text/gametext.txt").string()); }

}  // namespace

// A hint page: the title at y 102, the picture centred on the picture row, the body
// wrapped at 300 pixels in lines 30 apart starting 50 (four lines or more) or 70
// pixels under the picture row, and the OK button at y 390.
TEST(TextFit, HintPagesKeepTitlePictureTextAndButtonApart) {
  std::string why;
  if (!Ready(why)) GTEST_SKIP() << why;
  const TMeasure font31(31);
  ASSERT_TRUE(font31.Ok());
  const auto texts = Texts();
  const Picture body = Load(Graphics("hintbody.png"));
  ASSERT_TRUE(body.ok);
  const int py = (600 - body.height) / 2 + 120;
  const Picture ok = Load(Menus("OK.png"));
  ASSERT_TRUE(ok.ok);
  const TRect button{400 - ok.width / 2, 390, 400 + ok.width / 2, 390 + ok.height};

  const std::string title = texts->FindString("Hint");
  ASSERT_FALSE(title.empty());
  const TRect titleInk = font31.Line(title, 400, 102);
  // The paper between the rolls is about 400 pixels wide.
  EXPECT_LE(titleInk.x1 - titleInk.x0, 360) << title;

  std::map<int, std::vector<std::string>> pictures;
  for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 16, 17}) pictures[n] = {"Hint" + std::to_string(n) + ".png"};
  pictures[15] = {"Localised/Hint15.png"};
  pictures[21] = {"thumb1.png", "pictureframe.png"};

  for (const auto& [n, files] : pictures) {
    SCOPED_TRACE("hint page " + std::to_string(n));
    const std::string text = texts->FindString("Hint " + std::to_string(n) + " Body");
    ASSERT_FALSE(text.empty());
    const auto lines = font31.Wrap(text, 300);
    ASSERT_FALSE(lines.empty());
    const int first = py + (lines.size() < 4 ? 70 : 50);
    TRect ink = font31.Line(lines[0], 400, float(first));
    for (size_t i = 0; i < lines.size(); ++i) {
      const TRect line = font31.Line(lines[i], 400, float(first + 30 * int(i)));
      EXPECT_LE(font31.Width(lines[i]), 300.0f) << "a word too long for the page: " << lines[i];
      ink = {std::min(ink.x0, line.x0), std::min(ink.y0, line.y0), std::max(ink.x1, line.x1),
             std::max(ink.y1, line.y1)};
    }
    EXPECT_FALSE(ink.Meets(button.Grown(kMargin))) << lines.size() << " lines reach the OK button: " << ink;

    // The picture, centred on (400, py); page 21 also has its frame 4 pixels left and down.
    // Page 21 shows the gallery's 100 x 75 thumbnail, whose size is not ours to choose:
    // it may come right up to the title's ink but not under it.
    const int gap = n == 21 ? 0 : kMargin;
    for (size_t i = 0; i < files.size(); ++i) {
      const Picture pic = Load(Graphics(files[i]));
      ASSERT_TRUE(pic.ok) << files[i];
      const int cx = i == 0 ? 400 : 396, cy = i == 0 ? py : py + 4;
      const TRect box{cx - pic.width / 2, cy - pic.height / 2, cx - pic.width / 2 + pic.width,
                      cy - pic.height / 2 + pic.height};
      EXPECT_FALSE(box.Meets(titleInk.Grown(gap))) << files[i] << " " << box << " runs under the title " << titleInk;
      EXPECT_FALSE(box.Meets(ink.Grown(kMargin))) << files[i] << " " << box << " runs into the text " << ink;
      EXPECT_LE(pic.width, 400) << files[i] << " is wider than the paper";
    }
  }
}

// The instructions page: four texts under four demonstration panels, in the small
// font, wrapped at 300 pixels in lines 27 apart, clear of the panels, the two gauges
// between them and the OK button.
TEST(TextFit, InstructionTextsStayBetweenThePanels) {
  std::string why;
  if (!Ready(why)) GTEST_SKIP() << why;
  const TMeasure font25(25);
  ASSERT_TRUE(font25.Ok());
  const auto texts = Texts();
  const Picture gauge = Load(Graphics("gaugeempty.png"));
  const Picture ok = Load(Menus("OK.png"));
  ASSERT_TRUE(gauge.ok && ok.ok);

  std::vector<std::pair<std::string, TRect>> things;
  for (auto [x, y] : {std::pair{143, 160}, std::pair{503, 160}, std::pair{143, 335}, std::pair{503, 335}})
    things.push_back({"a panel", TRect{x - 1, y - 1, x + 151, y + 101}});
  for (int x : {333, 464})
    things.push_back(
        {"a gauge", TRect{x - gauge.width / 2, 387 - gauge.height / 2, x + gauge.width / 2, 387 + gauge.height / 2}});
  const int okY = 600 - ok.height - 15 - 41;
  things.push_back({"the OK button", TRect{400 - ok.width / 2, okY, 400 + ok.width / 2, okY + ok.height}});
  // The paper the page is printed on.
  const TRect paper{45, 40, 755, 560};

  const struct {
    const char* key;
    float cx, y;
  } places[] = {{"Instructions 1", 218, 263}, {"Instructions 2", 578, 263},
                {"Instructions 3", 218, 438}, {"Instructions 4", 578, 438}};
  for (const auto& p : places) {
    SCOPED_TRACE(p.key);
    const std::string text = texts->FindString(p.key);
    ASSERT_FALSE(text.empty());
    const auto lines = font25.Wrap(text, 300);
    for (size_t i = 0; i < lines.size(); ++i) {
      const TRect ink = font25.Line(lines[i], p.cx, p.y + 27.0f * float(i));
      EXPECT_LE(font25.Width(lines[i]), 300.0f) << lines[i];
      for (const auto& [what, rect] : things)
        EXPECT_FALSE(ink.Meets(rect.Grown(kMargin))) << "line " << i + 1 << " \"" << lines[i] << "\" " << ink
                                                     << " runs into " << what << " " << rect;
      EXPECT_TRUE(ink.x0 >= paper.x0 && ink.x1 <= paper.x1 && ink.y1 <= paper.y1) << lines[i] << " leaves the page";
    }
  }
}

// Texts drawn on one line: each fits the panel, scroll, dialog or screen that shows it.
TEST(TextFit, OneLineTextsFitWhereTheyAreShown) {
  std::string why;
  if (!Ready(why)) GTEST_SKIP() << why;
  std::map<int, TMeasure> fonts;
  for (int size : {25, 30, 31, 48, 60}) fonts.emplace(size, TMeasure(float(size)));
  for (auto& [size, f] : fonts) ASSERT_TRUE(f.Ok()) << size;
  const auto texts = Texts();

  const struct {
    const char* key;
    const char* suffix;
    int size;
    float scale, maxWidth;
    const char* where;
  } shown[] = {
      // Titles across the game-finished screen.
      {"End Game Text1", "", 60, 1, 760, "the game-finished screen"},
      {"End Game Text2", "", 48, 1, 760, "the game-finished screen"},
      // The level map: "Menu" and "Play" centred 96 and 95 pixels from the screen's
      // edges, the pack caption in the 200-pixel panel, the level line across the band.
      {"Menu", "", 48, 1, 180, "the left of the level map"},
      {"Play", "", 48, 1, 180, "the right of the level map"},
      {"Choose Pack", ":", 48, 0.8f, 190, "the pack panel"},
      {"Level", " 55", 48, 1, 400, "the level map's band"},
      // The level-complete scroll and the picture screens.
      {"Level", " 55", 31, 1, 300, "the level-complete scroll"},
      {"Click Anywhere", "", 31, 1, 760, "the bottom of the level picture"},
      {"Set Wallpaper", "", 30, 1, 600, "the top of the level picture"},
      // On the board, right of the side panel.
      {"No More Moves", "", 60, 1, 620, "the board"},
      {"Gauge Full", "", 60, 1, 620, "the board"},
      // The greeting under the title picture, with room for a long name after it.
      {"Welcome", " Christabella", 48, 0.75f, 560, "the title screen"},
      // Message dialogs grow with their caption and must stay inside the screen.
      {"Cannot Create", "", 25, 1, 700, "its message box"},
      {"Cannot Delete", "", 25, 1, 700, "its message box"},
      {"Confirm Delete", "", 25, 1, 700, "its question box"},
      {"Profile Exists", "", 25, 1, 700, "its message box"},
      {"Wallpaper Done", "", 25, 1, 700, "its message box"},
      // Credits: a role and a name centred on the gift tag.
      {"Producer/Designer", ": Robin Frost", 25, 1, 420, "the credits tag"},
      {"Programmer", ": Robin Frost", 25, 1, 420, "the credits tag"},
      {"Artists", ":", 25, 1, 420, "the credits tag"},
      {"Music", ": Robin Frost", 25, 1, 420, "the credits tag"},
      {"Sound Engineer", ": Robin Frost", 25, 1, 420, "the credits tag"},
      {"Testers", ":", 25, 1, 420, "the credits tag"},
  };
  for (const auto& s : shown) {
    const std::string text = texts->FindString(s.key);
    EXPECT_FALSE(text.empty()) << s.key;
    const float width = fonts.at(s.size).Width(text + s.suffix) * s.scale;
    EXPECT_LE(width, s.maxWidth) << "\"" << text << s.suffix << "\" is " << width << " pixels wide in " << s.where;
  }

  // The tally on the level-complete scroll is centred on its widest line: label, a
  // 50-pixel gap and the level's score, here six figures, inside the scroll's paper.
  const Picture scroll = Load(Graphics("scrollbody.png"));
  ASSERT_TRUE(scroll.ok);
  const TMeasure& f31 = fonts.at(31);
  for (const char* key : {"Score", "Matches", "Time"})
    EXPECT_LE(f31.Width(texts->FindString(key)) + 50 + f31.Width("999999"), float(scroll.width - 90)) << key;
}
