// The built data tree: every file the program opens exists in its exact letter case,
// decodes, and has the sizes and frame counts the screens rely on. Files are grouped
// by the generator that makes them; a group is checked once that generator's stamp
// is in the build tree, so a missing generator shows as a skipped group, not a pass.
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {
const fs::path kBuild = TV_BUILD_DIR;
const fs::path kSource = TV_SOURCE_DIR;

struct TEntry {
  std::string group, tier, path;
  std::vector<std::string> checks;
  int line = 0;
};

std::vector<TEntry> LoadList() {
  std::ifstream in(kSource / "tests/data/required-files.txt");
  std::vector<TEntry> list;
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> cols;
    std::stringstream ss(line);
    std::string col;
    while (std::getline(ss, col, '\t')) cols.push_back(col);
    TEntry e;
    e.line = number;
    if (cols.size() >= 3) {
      e.group = cols[0];
      e.tier = cols[1];
      e.path = cols[2];
    }
    if (cols.size() >= 4) {
      std::stringstream cs(cols[3]);
      std::string c;
      while (cs >> c) e.checks.push_back(c);
    }
    list.push_back(e);
  }
  return list;
}

// Exact-case lookup, one path component at a time, so a case-folding file system
// cannot hide a misspelt name.
bool ExistsExactCase(const fs::path& root, const std::string& relative) {
  fs::path at = root;
  std::stringstream ss(relative);
  std::string part;
  while (std::getline(ss, part, '/')) {
    if (part.empty()) continue;
    bool found = false;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(at, ec)) {
      if (entry.path().filename().string() == part) {
        found = true;
        break;
      }
    }
    if (!found) return false;
    at /= part;
  }
  return true;
}

struct TPicture {
  int width = 0, height = 0;
  bool alpha = false, progressive = false;
  std::vector<unsigned char> rgba;  // filled when asked for
  std::string error;
};

TPicture DecodePng(const fs::path& path, bool pixels) {
  TPicture p;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) {
    p.error = image.message;
    return p;
  }
  p.width = int(image.width);
  p.height = int(image.height);
  p.alpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
  image.format = PNG_FORMAT_RGBA;
  std::vector<unsigned char> buffer(PNG_IMAGE_SIZE(image));
  // Always decode the whole file: a truncated picture fails here, not in the game.
  if (!png_image_finish_read(&image, nullptr, buffer.data(), 0, nullptr)) p.error = image.message;
  if (pixels) p.rgba = std::move(buffer);
  return p;
}

struct TJpegError {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

TPicture DecodeJpeg(const fs::path& path, bool pixels) {
  TPicture p;
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) {
    p.error = "cannot open";
    return p;
  }
  jpeg_decompress_struct cinfo;
  TJpegError err;
  cinfo.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = [](j_common_ptr c) {
    auto* e = reinterpret_cast<TJpegError*>(c->err);
    e->mgr.format_message(c, e->message);
    std::longjmp(e->jump, 1);
  };
  jpeg_create_decompress(&cinfo);
  if (setjmp(err.jump)) {
    p.error = err.message;
    jpeg_destroy_decompress(&cinfo);
    std::fclose(f);
    return p;
  }
  jpeg_stdio_src(&cinfo, f);
  jpeg_read_header(&cinfo, TRUE);
  p.progressive = cinfo.progressive_mode;
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  p.width = int(cinfo.output_width);
  p.height = int(cinfo.output_height);
  std::vector<unsigned char> row(size_t(p.width) * 3);
  if (pixels) p.rgba.resize(size_t(p.width) * size_t(p.height) * 4);
  while (cinfo.output_scanline < cinfo.output_height) {
    const size_t y = cinfo.output_scanline;
    JSAMPROW rows[1] = {row.data()};
    jpeg_read_scanlines(&cinfo, rows, 1);
    if (!pixels) continue;
    for (int x = 0; x < p.width; ++x)
      for (int c = 0; c < 4; ++c)
        p.rgba[(y * size_t(p.width) + size_t(x)) * 4 + size_t(c)] = c < 3 ? row[size_t(x) * 3 + size_t(c)] : 255;
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  std::fclose(f);
  return p;
}

TPicture Decode(const std::string& relative, bool pixels = false) {
  const fs::path path = kBuild / relative;
  const std::string ext = path.extension().string();
  if (ext == ".png") return DecodePng(path, pixels);
  if (ext == ".jpg") return DecodeJpeg(path, pixels);
  TPicture p;
  p.error = "not a picture";
  return p;
}

bool ParseSize(const std::string& text, int& w, int& h) { return std::sscanf(text.c_str(), "%dx%d", &w, &h) == 2; }

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Which stamp proves that a group's producer has run in this build tree.
bool GroupProduced(const std::string& group, std::string& why) {
  static const std::map<std::string, std::string> stamps = {{"board", "board_pictures.stamp"},
                                                            {"scene", "scene_pictures.stamp"},
                                                            {"sounds", "sounds.stamp"},
                                                            {"text", "textdata.stamp"},
                                                            {"levels", "textdata.stamp"}};
  const auto it = stamps.find(group);
  if (it == stamps.end()) {
    why = "unknown group " + group;
    return false;
  }
  if (!fs::exists(kBuild / "stamps" / it->second)) {
    why = "the " + group + " generator has not run in this build tree (no stamps/" + it->second + ")";
    return false;
  }
  if (group == "levels" && !fs::is_directory(kSource / "data/levels")) {
    why = "no level files in the source tree yet";
    return false;
  }
  return true;
}

// Checks every entry of one producer; returns the number of entries checked.
int CheckGroup(const std::string& group) {
  int checked = 0;
  for (const TEntry& e : LoadList()) {
    if (e.group != group) continue;
    ++checked;
    SCOPED_TRACE(e.path + " (list line " + std::to_string(e.line) + ")");
    const bool isDir = !e.checks.empty() && e.checks[0] == "dir";
    if (!ExistsExactCase(kBuild, e.path)) {
      ADD_FAILURE() << "missing (exact letter case)";
      continue;
    }
    if (isDir) {
      EXPECT_TRUE(fs::is_directory(kBuild / e.path));
      continue;
    }
    const std::string ext = fs::path(e.path).extension().string();
    const std::string content = ext == ".png" || ext == ".jpg" ? std::string() : ReadFile(kBuild / e.path);
    if (ext == ".wav") {
      EXPECT_TRUE(content.size() >= 44 && content.substr(0, 4) == "RIFF" && content.substr(8, 4) == "WAVE")
          << "not a WAV file";
    } else if (ext == ".ogg") {
      EXPECT_EQ(content.substr(0, 4), "OggS") << "not an Ogg file";
    } else if (ext == ".txt" || ext == ".ini") {
      EXPECT_FALSE(content.empty());
    }
    TPicture pic;
    if (ext == ".png" || ext == ".jpg") {
      pic = Decode(e.path);
      EXPECT_EQ(pic.error, "");
      EXPECT_GT(pic.width, 0);
      // The texture loader halves what it cannot hold; nothing should need that.
      EXPECT_LE(pic.width, 2048);
      EXPECT_LE(pic.height, 2048);
      // Pictures with their own alpha are never colour-keyed on black.
      if (ext == ".png") {
        EXPECT_TRUE(pic.alpha) << "PNG without an alpha channel";
      } else {
        EXPECT_FALSE(pic.progressive) << "JPEG must be baseline";
      }
    }
    for (const std::string& check : e.checks) {
      const auto eq = check.find('=');
      const std::string kind = check.substr(0, eq), value = eq == std::string::npos ? "" : check.substr(eq + 1);
      int w = 0, h = 0;
      if (kind == "size" && ParseSize(value, w, h)) {
        EXPECT_EQ(pic.width, w);
        EXPECT_EQ(pic.height, h);
      } else if (kind == "min" && ParseSize(value, w, h)) {
        EXPECT_GE(pic.width, w);
        EXPECT_GE(pic.height, h);
      } else if (kind == "max" && ParseSize(value, w, h)) {
        EXPECT_LE(pic.width, w);
        EXPECT_LE(pic.height, h);
      } else if (kind == "strip") {
        int cells = 0;
        if (std::sscanf(value.c_str(), "%d@%dx%d", &cells, &w, &h) != 3 || w <= 0 || h <= 0) {
          ADD_FAILURE() << "bad check " << check;
          continue;
        }
        const int columns = pic.width / w, rows = pic.height / h;
        EXPECT_GE(columns * rows, cells) << pic.width << "x" << pic.height << " holds too few cells of " << w << "x"
                                         << h;
      } else if (kind == "same") {
        const TPicture other = Decode(value);
        EXPECT_EQ(pic.width, other.width) << "width differs from " << value;
        EXPECT_EQ(pic.height, other.height) << "height differs from " << value;
      } else if (kind == "font") {
        const std::string tag = content.substr(0, 4);
        EXPECT_TRUE(tag == std::string("\0\1\0\0", 4) || tag == "true" || tag == "OTTO") << "not a TrueType font";
      } else {
        ADD_FAILURE() << "unknown check " << check;
      }
    }
  }
  return checked;
}

void CheckProducedGroup(const std::string& group) {
  std::string why;
  if (!GroupProduced(group, why)) GTEST_SKIP() << why;
  EXPECT_GT(CheckGroup(group), 0) << "no entries for " << group;
}

// Mean colour of each cell of a coarse grid: stable under tiny rendering
// differences, but any change to what a picture shows moves it.
std::vector<int> CoarseMeans(const TPicture& p, int cols, int rows) {
  std::vector<int> means;
  for (int gy = 0; gy < rows; ++gy)
    for (int gx = 0; gx < cols; ++gx) {
      long sum[4] = {0, 0, 0, 0};
      long n = 0;
      for (int y = gy * p.height / rows; y < (gy + 1) * p.height / rows; ++y)
        for (int x = gx * p.width / cols; x < (gx + 1) * p.width / cols; ++x, ++n)
          for (int c = 0; c < 4; ++c) sum[c] += p.rgba[(size_t(y) * size_t(p.width) + size_t(x)) * 4 + size_t(c)];
      for (int c = 0; c < 4; ++c) means.push_back(int(sum[c] / std::max(1L, n)));
    }
  return means;
}
}  // namespace

TEST(DataTree, ListIsWellFormed) {
  const auto list = LoadList();
  ASSERT_GT(list.size(), 300u);
  const std::set<std::string> groups = {"board", "scene", "sounds", "text", "levels"};
  const std::set<std::string> tiers = {"F", "F?", "F*", "S", "S*"};
  std::set<std::string> seen;
  for (const TEntry& e : list) {
    SCOPED_TRACE("list line " + std::to_string(e.line));
    EXPECT_TRUE(groups.count(e.group)) << e.group;
    EXPECT_TRUE(tiers.count(e.tier)) << e.tier;
    EXPECT_TRUE(seen.insert(e.path).second) << "listed twice: " << e.path;
    EXPECT_FALSE(e.path.empty());
  }
  // Spellings the program really uses, which a tidy-minded edit might "fix".
  for (const char* path : {"Data/graphics/localised/selectlevel.png", "Data/sound/buttonClick.wav",
                           "Data/sound/buttonclick.wav", "data/Default.ini", "data/default.ini",
                           "Data/graphics/copyright.png", "Data/fonts/CARD1.dat", "data/branding/"})
    EXPECT_TRUE(seen.count(path)) << path;
}

TEST(DataTree, ScenePictures) { CheckProducedGroup("scene"); }
TEST(DataTree, BoardPictures) { CheckProducedGroup("board"); }
TEST(DataTree, SoundsAndMusic) { CheckProducedGroup("sounds"); }
TEST(DataTree, TextData) { CheckProducedGroup("text"); }
TEST(DataTree, LevelFiles) { CheckProducedGroup("levels"); }

TEST(DataTree, GameTextHoldsEveryKey) {
  std::string why;
  if (!GroupProduced("text", why)) GTEST_SKIP() << why;
  const std::string text = ReadFile(kBuild / "Data/text/gametext.txt");
  std::vector<std::string> lines;
  std::stringstream ss(text);
  std::string line;
  while (std::getline(ss, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  ASSERT_FALSE(lines.empty());
  ASSERT_EQ(lines[0], "[TEXT]") << "the file must open with the header";
  // Blocks as the game reads them: header, key, lines up to the next "[".
  std::map<std::string, std::vector<std::string>> blocks;
  for (size_t i = 0; i < lines.size();) {
    ASSERT_EQ(lines[i], "[TEXT]") << "line " << i + 1 << " should be a header";
    ASSERT_LT(i + 1, lines.size()) << "header without a key at the end";
    std::string key = lines[i + 1];
    for (char& c : key) c = char(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_FALSE(blocks.count(key)) << "key given twice: " << key;
    std::vector<std::string> value;
    i += 2;
    while (i < lines.size() && (lines[i].empty() || lines[i][0] != '[')) value.push_back(lines[i++]);
    while (!value.empty() && value.back().empty()) value.pop_back();
    blocks[key] = value;
  }
  std::vector<std::string> keys = {"Welcome", "Cannot Create", "Cannot Delete", "Confirm Delete", "Profile Exists",
                                   "Level", "Menu", "Play", "Choose Pack", "Instructions 1", "Instructions 2",
                                   "Instructions 3", "Instructions 4", "Producer/Designer", "Programmer", "Artists",
                                   "Music", "Sound Engineer", "Testers", "Set Wallpaper", "Wallpaper Done",
                                   "End Game Text1", "End Game Text2", "Score", "Matches", "Time", "Click Anywhere",
                                   "No More Moves", "Gauge Full", "Hint",
                                   // The name prompt's caption and its refusal: its picture carries no words.
                                   "Enter Name", "Bad Name"};
  for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 15, 16, 17, 21}) keys.push_back("Hint " + std::to_string(n) + " Body");
  ASSERT_EQ(keys.size(), 45u);
  for (std::string key : keys) {
    for (char& c : key) c = char(std::toupper(static_cast<unsigned char>(c)));
    ASSERT_TRUE(blocks.count(key)) << "missing key " << key;
    const auto& value = blocks[key];
    // One line each: bodies are wrapped by the game at spaces only.
    ASSERT_EQ(value.size(), 1u) << key;
    EXPECT_FALSE(value[0].empty()) << key;
    for (unsigned char c : value[0]) EXPECT_TRUE(c >= 32 && c < 127) << key << " holds a character the font may lack";
  }
  EXPECT_EQ(blocks.size(), 45u);
}

TEST(DataTree, DefaultSettings) {
  std::string why;
  if (!GroupProduced("text", why)) GTEST_SKIP() << why;
  const std::string upper = ReadFile(kBuild / "data/Default.ini");
  const std::string lower = ReadFile(kBuild / "data/default.ini");
  ASSERT_FALSE(upper.empty());
  EXPECT_EQ(upper, lower) << "the two spellings must hold the same settings";
  std::vector<std::string> keys;
  std::map<std::string, std::string> values;
  size_t start = 0;
  while (start < upper.size()) {
    const size_t end = upper.find("\r\n", start);
    ASSERT_NE(end, std::string::npos) << "every line ends with CR LF";
    const std::string line = upper.substr(start, end - start);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    const size_t eq = line.find('=');
    ASSERT_NE(eq, std::string::npos) << line;
    const std::string key = line.substr(0, eq);
    EXPECT_EQ(key.find_first_of("abcdefghijklmnopqrstuvwxyz"), std::string::npos) << "keys are upper case: " << key;
    EXPECT_TRUE(key.empty() || key.back() != ' ') << "a space before = makes the key unknown: " << key;
    keys.push_back(key);
    values[key] = line.substr(eq + 1);
    start = end + 2;
  }
  EXPECT_EQ(keys.size(), 27u);
  EXPECT_EQ(keys.front(), "VERSION NO");
  EXPECT_EQ(keys.back(), "CUSTOM MOUSE POINTER");
  EXPECT_EQ(values["DRIVER"], "1");
  // The crash restore keeps the player's name only by replacing an existing line.
  ASSERT_TRUE(values.count("PROFILE NAME"));
  EXPECT_EQ(values["PROFILE NAME"], "");
  EXPECT_EQ(values["INTRO"], "0");
  EXPECT_EQ(values["FADE"], "1");
  for (const char* numeric : {"SOUND VOLUME", "MUSIC VOLUME", "PARTICLES", "SCREENSHAKE"}) {
    const std::string& v = values[numeric];
    ASSERT_FALSE(v.empty()) << numeric;
    EXPECT_EQ(v.find_first_not_of("0123456789"), std::string::npos) << numeric << "=" << v;
  }
}

TEST(DataTree, SceneFontAndSplashes) {
  std::string why;
  if (!GroupProduced("scene", why)) GTEST_SKIP() << why;
  // The font is the packaged Comfortaa Bold under the game's own name, with its licence.
  const std::string font = ReadFile(kBuild / "Data/fonts/CARD1.dat");
  const std::string packaged = ReadFile("/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf");
  if (!packaged.empty()) {
    EXPECT_EQ(font, packaged);
  }
  const std::string licence = ReadFile(kBuild / "Data/fonts/CARD1-LICENSE.txt");
  EXPECT_NE(licence.find("SIL Open Font License"), std::string::npos);
  // The splash folder is listed by exact name and stops at the first gap.
  EXPECT_TRUE(fs::exists(kBuild / "data/branding/splash1.png"));
  for (const auto& entry : fs::directory_iterator(kBuild / "data/branding")) {
    const std::string name = entry.path().filename().string();
    EXPECT_EQ(name.rfind("splash", 0), 0u) << "stray file in the splash folder: " << name;
  }
  // Transparent where the scene shows through: the logo's corners are clear.
  const TPicture logo = Decode("Data/graphics/mainlogo.png", true);
  ASSERT_EQ(logo.error, "");
  EXPECT_EQ(logo.rgba[3], 0);
  EXPECT_EQ(logo.rgba[(size_t(logo.height) * size_t(logo.width) - 1) * 4 + 3], 0);
  // Each fire frame holds flame, and the frames differ (the fire moves).
  const TPicture fire = Decode("Data/graphics/fireanim.png", true);
  ASSERT_EQ(fire.error, "");
  std::set<long> frameSums;
  for (int f = 0; f < 17; ++f) {
    long sum = 0;
    for (int y = 0; y < 128; ++y)
      for (int x = 0; x < 137; ++x)
        sum += fire.rgba[(size_t((f / 7) * 128 + y) * size_t(fire.width) + size_t((f % 7) * 137 + x)) * 4 + 3];
    EXPECT_GT(sum, 137L * 128 * 20) << "frame " << f << " is nearly empty";
    frameSums.insert(sum);
  }
  EXPECT_GT(frameSums.size(), 12u);
  // The ten backgrounds are ten different scenes.
  std::set<std::vector<int>> looks;
  for (int n = 1; n <= 10; ++n) {
    const TPicture bg = Decode("Data/graphics/bg" + std::to_string(n) + ".jpg", true);
    ASSERT_EQ(bg.error, "");
    looks.insert(CoarseMeans(bg, 4, 3));
  }
  EXPECT_EQ(looks.size(), 10u);
}

// Coarse fingerprints of a few pictures, so an accidental change to the drawing code
// is noticed. When a picture is changed on purpose, paste the printed values here.
TEST(DataTree, SceneGoldenRenders) {
  std::string why;
  if (!GroupProduced("scene", why)) GTEST_SKIP() << why;
  const std::map<std::string, std::vector<int>> golden = {
      {"Data/graphics/bg1.jpg", {18, 17, 57, 255, 20, 19, 60, 255, 27, 26, 71, 255, 58, 55, 94, 255,
                                 89, 70, 119, 255, 81, 62, 100, 255, 67, 56, 96, 255, 72, 57, 106, 255,
                                 100, 103, 134, 255, 110, 113, 148, 255, 94, 100, 136, 255, 91, 96, 126, 255}},
      {"Data/graphics/hintbody.png", {119, 83, 47, 193, 165, 116, 67, 242, 156, 108, 62, 242, 113, 77, 44, 197,
                                      129, 89, 51, 195, 185, 131, 75, 255, 178, 124, 71, 255, 120, 80, 46, 200,
                                      118, 80, 44, 198, 154, 105, 60, 246, 152, 103, 58, 246, 115, 77, 43, 200}},
      {"Data/graphics/mainlogo.png", {80, 68, 43, 64, 88, 70, 34, 29, 98, 79, 39, 31, 75, 63, 36, 27,
                                      83, 63, 28, 49, 171, 135, 88, 176, 165, 130, 89, 182, 104, 81, 50, 96,
                                      4, 0, 1, 8, 105, 34, 29, 156, 105, 33, 29, 156, 4, 0, 1, 8}},
  };
  for (const auto& [path, expected] : golden) {
    SCOPED_TRACE(path);
    const TPicture p = Decode(path, true);
    ASSERT_EQ(p.error, "");
    const std::vector<int> actual = CoarseMeans(p, 4, 3);
    std::string printed;
    for (int v : actual) printed += std::to_string(v) + ", ";
    if (actual.size() != expected.size()) {
      ADD_FAILURE() << "actual: " << printed;
      continue;
    }
    for (size_t i = 0; i < actual.size(); ++i)
      EXPECT_NEAR(actual[i], expected[i], 6) << "cell " << i / 4 << " channel " << i % 4 << "; actual: " << printed;
  }
}

// The ten backgrounds change with the levels and the gallery pictures are the player's
// reward: no two of a family may be the same scene drawn again. Compared as coarse 8 x 6
// colour maps: one village re-rolled differs by about 5 to 9, a scene of its own by 14 or more.
TEST(DataTree, BackgroundsAndGalleryPicturesAreEachTheirOwnScene) {
  std::string why;
  if (!GroupProduced("scene", why)) GTEST_SKIP() << why;
  for (auto [prefix, count] : {std::pair{"Data/graphics/bg", 10}, std::pair{"Data/graphics/pic", 11}}) {
    std::vector<std::vector<int>> maps;
    for (int n = 1; n <= count; ++n) {
      const TPicture p = Decode(std::string(prefix) + std::to_string(n) + ".jpg", true);
      ASSERT_EQ(p.error, "") << prefix << n;
      maps.push_back(CoarseMeans(p, 8, 6));
    }
    for (int a = 0; a < count; ++a)
      for (int b = a + 1; b < count; ++b) {
        double diff = 0;
        for (size_t i = 0; i < maps[size_t(a)].size(); ++i)
          if (i % 4 != 3) diff += std::abs(maps[size_t(a)][i] - maps[size_t(b)][i]);
        diff /= double(maps[size_t(a)].size()) * 0.75;
        EXPECT_GT(diff, 10.0) << prefix << a + 1 << " and " << prefix << b + 1 << " are nearly the same picture";
      }
  }
}
