#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/Files.h"

namespace fs = std::filesystem;

namespace {
class TempFolder {
 public:
  TempFolder() {
    char tmpl[] = "/tmp/tvfilesXXXXXX";
    path = mkdtemp(tmpl);
  }
  ~TempFolder() { fs::remove_all(path); }
  fs::path path;
};

std::string ReadAll(const fs::path& p) {
  std::string bytes;
  ReadWholeFile(p.string(), bytes);
  return bytes;
}
}  // namespace

TEST(SafeWrite, AFailedWriteLeavesTheOldFileWholeAndNoTemporaryBehind) {
  TempFolder dir;
  fs::path target = dir.path / "tinselvale.ini";
  ASSERT_TRUE(WriteFileSafely(target.string(), "FULL SCREEN=1\r\nSOUND=1\r\n"));

  // Simulated crash or full disk half-way through the new content.
  SetSafeWriteFailAfter(5);
  EXPECT_FALSE(WriteFileSafely(target.string(), "FULL SCREEN=0\r\nSOUND=0\r\n"));
  SetSafeWriteFailAfter(-1);
  EXPECT_EQ(ReadAll(target), "FULL SCREEN=1\r\nSOUND=1\r\n");
  EXPECT_FALSE(fs::exists(dir.path / "tinselvale.ini.tmp"));

  // A stale temporary left by a killed run does not get in the way.
  std::ofstream(dir.path / "tinselvale.ini.tmp") << "FULL SC";
  EXPECT_TRUE(WriteFileSafely(target.string(), "FULL SCREEN=0\r\n"));
  EXPECT_EQ(ReadAll(target), "FULL SCREEN=0\r\n");

  // Never writes through a link planted at the target or at the temporary name.
  fs::path victim = dir.path / "victim";
  std::ofstream(victim) << "keep";
  fs::path linked = dir.path / "linked.ini";
  fs::create_symlink(victim, linked);
  EXPECT_FALSE(WriteFileSafely(linked.string(), "x"));
  EXPECT_FALSE(AppendToFile(linked.string(), "x"));
  fs::create_symlink(victim, dir.path / "other.ini.tmp");
  EXPECT_TRUE(WriteFileSafely((dir.path / "other.ini").string(), "new"));
  EXPECT_EQ(ReadAll(victim), "keep");
  EXPECT_EQ(ReadAll(dir.path / "other.ini"), "new");

  // At start the temporaries a kill left are cleared away, links too but never what
  // they point at, nor folders or other files.
  std::ofstream(dir.path / "Ann.dat.tmp") << "half";
  fs::create_symlink(victim, dir.path / "tv.dat.tmp");
  fs::create_directory(dir.path / "keep.tmp");
  EXPECT_EQ(RemoveTempFiles(dir.path.string()), 2);
  EXPECT_FALSE(fs::exists(dir.path / "Ann.dat.tmp"));
  EXPECT_FALSE(fs::is_symlink(dir.path / "tv.dat.tmp"));
  EXPECT_TRUE(fs::is_directory(dir.path / "keep.tmp"));
  EXPECT_EQ(ReadAll(victim), "keep");
  EXPECT_EQ(ReadAll(dir.path / "other.ini"), "new");
}

TEST(DataLookup, ExactMatchFirstThenAnyLetterCasePerLevel) {
  TempFolder dir;
  fs::create_directories(dir.path / "Data" / "graphics");
  std::ofstream(dir.path / "Data" / "graphics" / "CellRightSide.png") << "a";
  std::ofstream(dir.path / "Data" / "graphics" / "cellrightside.png") << "b";
  std::ofstream(dir.path / "Data" / "Default.ini") << "c";
  fs::path old = fs::current_path();
  fs::current_path(dir.path);
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
  TempFolder dir;
  mode_t old = umask(0);
  std::string shared = (dir.path / "share" / "Quillmoth" / "Tinselvale GOLD").string() + "/";
  EXPECT_TRUE(MakeDirectories(shared));
  umask(old);
  struct stat st;
  ASSERT_EQ(stat(shared.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0022, 0u) << "group/other write bits must never be set";
  ASSERT_EQ(stat((dir.path / "share" / "Quillmoth").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0022, 0u);

  chmod(shared.c_str(), 0500);
  EXPECT_TRUE(EnsureOwnerAccess(shared));
  ASSERT_EQ(stat(shared.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  EXPECT_FALSE(MakeDirectory((dir.path / "no" / "parent").string()));
}
