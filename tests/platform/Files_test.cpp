#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/Files.h"
#include "support/TestFolder.h"

namespace fs = std::filesystem;

TEST(SafeWrite, AFailedWriteLeavesTheOldFileWholeAndNoTemporaryBehind) {
  const fs::path dir = TestFolder();
  fs::path target = dir / "tinselvale.ini";
  ASSERT_TRUE(WriteFileSafely(target.string(), "FULL SCREEN=1\r\nSOUND=1\r\n"));

  // Simulated crash or full disk half-way through the new content.
  SetSafeWriteFailAfter(5);
  EXPECT_FALSE(WriteFileSafely(target.string(), "FULL SCREEN=0\r\nSOUND=0\r\n"));
  SetSafeWriteFailAfter(-1);
  EXPECT_EQ(ReadTestFile(target), "FULL SCREEN=1\r\nSOUND=1\r\n");
  EXPECT_FALSE(fs::exists(dir / "tinselvale.ini.tmp"));

  // A stale temporary left by a killed run does not get in the way.
  std::ofstream(dir / "tinselvale.ini.tmp") << "FULL SC";
  EXPECT_TRUE(WriteFileSafely(target.string(), "FULL SCREEN=0\r\n"));
  EXPECT_EQ(ReadTestFile(target), "FULL SCREEN=0\r\n");

  // Never writes through a link planted at the target or at the temporary name.
  fs::path victim = dir / "victim";
  std::ofstream(victim) << "keep";
  fs::path linked = dir / "linked.ini";
  fs::create_symlink(victim, linked);
  EXPECT_FALSE(WriteFileSafely(linked.string(), "x"));
  EXPECT_FALSE(AppendToFile(linked.string(), "x"));
  fs::create_symlink(victim, dir / "other.ini.tmp");
  EXPECT_TRUE(WriteFileSafely((dir / "other.ini").string(), "new"));
  EXPECT_EQ(ReadTestFile(victim), "keep");
  EXPECT_EQ(ReadTestFile(dir / "other.ini"), "new");

  // At start the temporaries a kill left are cleared away, links too but never what
  // they point at, nor folders or other files.
  std::ofstream(dir / "Ann.dat.tmp") << "half";
  fs::create_symlink(victim, dir / "tv.dat.tmp");
  fs::create_directory(dir / "keep.tmp");
  EXPECT_EQ(RemoveTempFiles(dir.string()), 2);
  EXPECT_FALSE(fs::exists(dir / "Ann.dat.tmp"));
  EXPECT_FALSE(fs::is_symlink(dir / "tv.dat.tmp"));
  EXPECT_TRUE(fs::is_directory(dir / "keep.tmp"));
  EXPECT_EQ(ReadTestFile(victim), "keep");
  EXPECT_EQ(ReadTestFile(dir / "other.ini"), "new");
}

TEST(DataLookup, ExactMatchFirstThenAnyLetterCasePerLevel) {
  const fs::path dir = TestFolder();
  fs::create_directories(dir / "Data" / "graphics");
  std::ofstream(dir / "Data" / "graphics" / "CellRightSide.png") << "a";
  std::ofstream(dir / "Data" / "graphics" / "cellrightside.png") << "b";
  std::ofstream(dir / "Data" / "Default.ini") << "c";
  fs::path old = fs::current_path();
  fs::current_path(dir);
  ClearDataPathCache();
  EXPECT_EQ(ResolveDataPath("Data/graphics/cellrightside.png"), "Data/graphics/cellrightside.png");
  EXPECT_EQ(ResolveDataPath("Data/graphics/CellRightSide.png"), "Data/graphics/CellRightSide.png");
  EXPECT_EQ(ResolveDataPath("data/default.ini"), "Data/Default.ini");
  EXPECT_EQ(ResolveDataPath("DATA/GRAPHICS/"), "Data/graphics/");
  EXPECT_EQ(ResolveDataPath("data/missing.png"), "data/missing.png");
  fs::current_path(old);
  ClearDataPathCache();
}

TEST(Folders, MadeWithParentsAndNeverOpenToOthers) {
  const fs::path dir = TestFolder();
  mode_t old = umask(0);
  std::string shared = (dir / "share" / "Quillmoth" / "Tinselvale GOLD").string() + "/";
  EXPECT_TRUE(MakeDirectories(shared));
  umask(old);
  struct stat st;
  ASSERT_EQ(stat(shared.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0022, 0u) << "group/other write bits must never be set";
  ASSERT_EQ(stat((dir / "share" / "Quillmoth").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0022, 0u);

  chmod(shared.c_str(), 0500);
  EXPECT_TRUE(EnsureOwnerAccess(shared));
  ASSERT_EQ(stat(shared.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  EXPECT_FALSE(MakeDirectory((dir / "no" / "parent").string()));
}
