#include "gfx/ImageBank.h"

#include <filesystem>
#include <stdexcept>

#include "ToolkitTest.h"
#include "core/ErrorReport.h"
#include "support/TestFolder.h"

namespace fs = std::filesystem;

class ImageBankTest : public RecordingTest {
 protected:
  void SetUp() override {
    RecordingTest::SetUp();
    dir = TestFolder();
    fs::create_directories(dir / "graphics");
  }
  void TearDown() override {
    fs::remove_all(dir);
    SetErrorReportHook(nullptr);
    RecordingTest::TearDown();
  }
  // Writes a w x h picture; the reader tells formats by content, so any name will do.
  void Write(const std::string& name, int w, int h) {
    auto px = TPixmap::Create(w, h, PF_RGBA8888);
    for (auto& b : px->pixels) b = 200;
    ASSERT_TRUE(SavePixmapPNG(*px, (dir / "graphics" / name).string()));
  }
  fs::path dir;
};

TEST_F(ImageBankTest, FilesByUpperCaseNameAndFindsInAnyCase) {
  Write("gems.png", 33, 21);
  Write("title.jpg", 8, 8);
  Write("explode.bmp", 64, 16);
  TImageBank bank;
  bank.SetPath((dir / "graphics").string());
  EXPECT_EQ(bank.Path.back(), '/');

  auto gems = bank.Load("gems");
  EXPECT_EQ(gems->name, "GEMS");
  EXPECT_EQ(bank.Find("Gems"), gems);
  EXPECT_EQ(bank.Find("gEmS"), gems);
  EXPECT_EQ(gems->w2, 16.0f);  // whole halves of 33 x 21
  EXPECT_EQ(gems->h2, 10.0f);
  EXPECT_EQ(gems->midhandled, 1);

  auto bg = bank.Load("title.jpg", "background", -1, 0);  // its own extension, another name
  EXPECT_EQ(bank.Find("BACKGROUND"), bg);
  EXPECT_EQ(bank.Find("title", 1), nullptr);
  EXPECT_EQ(bg->midhandled, 0);

  bank.Ext = ".bmp";
  auto strip = bank.LoadAnim("explode", 16, 16, 0, 4);  // the default extension is always added
  EXPECT_EQ(strip->Frames(), 4);
  EXPECT_EQ(bank.FindTImage("Explode"), strip->image);

  auto again = bank.Load("gems.png", "", -1, 0);  // same name: replaces
  EXPECT_EQ(bank.Find("GEMS"), again);
  EXPECT_EQ(bank.Count(), 3u);
  // 33*21 + 8*8 + 4*16*16 pixels of 4 bytes, in KB.
  EXPECT_EQ(bank.CalcRAM(), (33 * 21 + 8 * 8 + 4 * 256) * 4 / 1024);
  EXPECT_EQ(bank.CalcVRAM(), (64 * 32 + 8 * 8 + 4 * 256) * 4 / 1024);
}

TEST_F(ImageBankTest, MissingNamesAndPicturesGoThroughTheFatalReport) {
  TImageBank bank;
  bank.SetPath((dir / "graphics").string());
  std::string reported;
  SetErrorReportHook([&](const std::string& text, int, int) { reported = text; });
  EXPECT_THROW(bank.Find("nothing"), std::runtime_error);
  EXPECT_EQ(reported, "Image 'NOTHING' was not found in the ImageBank");
  EXPECT_EQ(bank.Find("nothing", 1), nullptr);
  EXPECT_EQ(bank.FindTImage("nothing"), nullptr);

  const std::string path = bank.Path + "absent.png";
  EXPECT_THROW(bank.Load("absent"), std::runtime_error);
  EXPECT_EQ(reported, "Error loading bitmap " + path);
  Write("short.png", 32, 16);
  EXPECT_THROW(bank.LoadAnim("short", 16, 16, 0, 3), std::runtime_error);
  EXPECT_EQ(reported, "Error loading anim bitmap " + bank.Path + "short.png");
  EXPECT_EQ(bank.Count(), 0u);
}

TEST_F(ImageBankTest, PackedPicturesStillDrawTheirOwnPixels) {
  Write("a.png", 10, 10);
  Write("b.png", 20, 12);
  Write("big.png", 512, 300);
  TImageBank bank;
  bank.SetPath((dir / "graphics").string());
  auto a = bank.LoadNoMid("a");
  auto b = bank.LoadNoMid("b");
  auto big = bank.LoadNoMid("big");
  bank.Precache();
  rec->Clear();
  a->Draw(0, 0);
  b->Draw(50, 0);
  big->Draw(0, 100);
  ASSERT_EQ(rec->recorded.size(), 3u);
  // The two small pictures share a texture; the big one keeps its own.
  EXPECT_EQ(rec->recorded[0].page, rec->recorded[1].page);
  EXPECT_NE(rec->recorded[0].page, rec->recorded[2].page);
  const auto& qa = rec->recorded[0].vertices;
  const auto& qb = rec->recorded[1].vertices;
  EXPECT_FLOAT_EQ(qb[2].x - qb[0].x, 20.0f);
  // Their texture rectangles do not overlap.
  const bool apart = qa[2].u <= qb[0].u || qb[2].u <= qa[0].u || qa[2].v <= qb[0].v || qb[2].v <= qa[0].v;
  EXPECT_TRUE(apart);
}
