#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "PlayerFixture.h"
#include "player/HighScoreEntry.h"
#include "player/HighScoreList.h"

namespace fs = std::filesystem;

namespace {
std::vector<int> Scores(const THighScoreList& t) {
  std::vector<int> s;
  for (const auto& e : t.Entries) s.push_back(e.score);
  return s;
}

class HighScoreTest : public PlayerTest {
 protected:
  void SetUp() override {
    PlayerTest::SetUp();
    table.Create(folder.string() + "/tv", 10);
  }
  fs::path file() const { return folder / "tv.dat"; }
  THighScoreList table;
};
}  // namespace

TEST_F(HighScoreTest, FirstStartWritesTheDefaultTable) {
  table.Load();
  EXPECT_EQ(table.filepath, file().string());
  EXPECT_EQ(Scores(table), (std::vector<int>{10000, 9000, 8000, 7000, 6000, 5000, 4000, 3000, 2000, 1000}));
  for (int i = 0; i < 10; ++i) EXPECT_EQ(table.Entries[size_t(i)].level, 10 - i);
  ASSERT_TRUE(fs::exists(file()));
  THighScoreList again;
  again.Create(folder.string() + "/tv", 10);
  again.Load();
  EXPECT_EQ(again.Entries, table.Entries);
  EXPECT_TRUE(reports.empty());
}

TEST_F(HighScoreTest, ATableThatCannotBeWrittenOrIsHugeStillStartsTheGame) {
  // No file and none can be made (a dangling link): the defaults in memory, said once.
  fs::create_symlink(folder / "gone" / "tv.dat", file());
  const std::string failure =
      "Failed to save file " + file().string() + " (" + std::strerror(ELOOP) + ")";
  for (int start = 0; start < 2; ++start) {
    table.Load();
    EXPECT_EQ(table.Entries.size(), 10u);
    EXPECT_EQ(table.Entries.front().score, 10000);
  }
  EXPECT_EQ(reports, std::vector<std::string>{failure});
  EXPECT_TRUE(fs::is_symlink(file()));

  // A huge file is not read at all, and no more entries are decoded than the table holds.
  fs::remove(file());
  std::string many;
  for (int i = 0; i < 20000; ++i) many += THighScoreList::Encode({{"Ivy", 20000 - i, 5}});
  EXPECT_EQ(THighScoreList::Decode(many).size(), 10u);
  Put(file(), many);
  table.Load();
  EXPECT_EQ(table.Entries.front(), (THighScore{"Holly", 10000, 10})) << "the defaults";
  EXPECT_EQ(ReadTestFile(file()), many) << "left until a score is added";
}

TEST_F(HighScoreTest, NewScoresGoInByScoreAndTheLowestDropsOut) {
  table.CreateDefault();
  table.Insert("Top", 20000, 3);
  table.Insert("Last", 500, 1);
  table.Insert("Tie", 5000, 2);
  EXPECT_EQ(table.Entries.front().name, "Top");
  EXPECT_EQ(table.Entries.back().name, "Last");
  EXPECT_EQ(table.Entries[6].name, "Tie") << "a new score goes above an old equal one";
  EXPECT_EQ(table.Entries[7].score, 5000);

  table.Zero(0);
  table.CreateDefault();
  const auto defaults = table.Entries;
  // Equal to the lowest qualifies; one less does not, and changes nothing.
  auto low = THighScoreEntry::Create(table, 999, 1);
  EXPECT_EQ(low->HighScore, 0);
  EXPECT_EQ(low->Active(), 0);
  low->FinishAndAdd();
  EXPECT_EQ(table.Entries, defaults);
  auto equal = THighScoreEntry::Create(table, 1000, 4);
  ASSERT_EQ(equal->HighScore, 1);
  EXPECT_EQ(equal->Active(), 1);
  equal->Name = "Amy";
  equal->FinishAndAdd();
  equal->FinishAndAdd();
  EXPECT_EQ(equal->Active(), 0);
  ASSERT_EQ(table.Entries.size(), 10u);
  EXPECT_EQ(table.Entries.back(), (THighScore{"Amy", 1000, 4}));
  THighScoreList saved;
  saved.Create(folder.string() + "/tv", 10);
  saved.Load();
  EXPECT_EQ(saved.Entries, table.Entries) << "the table is saved when a score enters";

  // A table with nothing in it takes the score instead of failing.
  table.Zero(0);
  auto first = THighScoreEntry::Create(table, 0, 1);
  ASSERT_EQ(first->HighScore, 1);
  first->FinishAndAdd();
  EXPECT_EQ(table.Entries, (std::vector<THighScore>{{"", 0, 1}}));
}

TEST_F(HighScoreTest, NamesAreStoredWithTheKeyAndNeverEndEarly) {
  const std::string bytes = THighScoreList::Encode({{"Ann", 258, -1}});
  EXPECT_EQ(bytes, std::string("\x3A\x67\x67\0\x02\x01\0\0\xFF\xFF\xFF\xFF", 12));
  // Every character but the key's own survives, whatever its code.
  std::string all;
  for (int c = 1; c < 256; ++c)
    if (c != 7) all.push_back(char(c));
  std::vector<THighScore> table{{all, 1, 2}, {std::string(300, 'z'), 3, 4}, {"a\x07" "b", 5, 6}};
  const auto back = THighScoreList::Decode(THighScoreList::Encode(table));
  ASSERT_EQ(back.size(), 3u);
  EXPECT_EQ(back[0], table[0]);
  EXPECT_EQ(back[1], (THighScore{std::string(255, 'z'), 3, 4}));
  EXPECT_EQ(back[2], (THighScore{"ab", 5, 6}));
}

TEST_F(HighScoreTest, AFileCutAnywhereStillStartsTheGame) {
  std::vector<THighScore> entries{{"Holly", 10000, 10}, {std::string(255, 'q'), 9000, 9}, {"Ivy", 8000, 8}};
  const std::string whole = THighScoreList::Encode(entries);
  const size_t ends[] = {14, 14 + 264, 14 + 264 + 12};
  for (size_t n = 0; n <= whole.size(); ++n) {
    size_t complete = 0;
    while (complete < 3 && ends[complete] <= n) ++complete;
    const std::string cut = whole.substr(0, n);
    ASSERT_EQ(THighScoreList::Decode(cut).size(), complete) << n;
    Put(file(), cut);
    table.Load();
    ASSERT_EQ(table.Entries.size(), 10u) << n;
    if (complete == 0) {
      EXPECT_EQ(table.Entries.front().score, 10000) << "the default table, at " << n;
    } else {
      EXPECT_EQ(table.Entries[complete - 1], entries[complete - 1]) << n;
      EXPECT_EQ(table.Entries.back(), (THighScore{"Empty", 0, 0})) << n;
    }
    ASSERT_EQ(ReadTestFile(file()), cut) << "a damaged file is left until a score is added";
  }
  // A name with no end inside the allowed length ends the reading.
  EXPECT_TRUE(THighScoreList::Decode(std::string(300, 'x') + std::string(9, '\0')).empty());
  EXPECT_TRUE(reports.empty());

  // Unreadable where the file should be: the defaults, and no attempt to replace it.
  fs::remove(file());
  fs::create_directory(file());
  table.Load();
  EXPECT_EQ(table.Entries.size(), 10u);
  EXPECT_TRUE(reports.empty());
  // A score that cannot be written is fatal.
  EXPECT_THROW(table.Save(), std::runtime_error);
  EXPECT_EQ(reports, std::vector<std::string>{"Failed to save file " + file().string() + " (" +
                                              std::strerror(EISDIR) + ")"});
}
