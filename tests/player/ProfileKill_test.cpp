#include <gtest/gtest.h>

#include <random>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "PlayerFixture.h"
#include "player/Profile.h"

// A player's file must survive the program being killed at any moment of a save:
// afterwards it holds the old bytes or the new ones, never a part of either.
TEST_F(PlayerTest, AKilledSaveLeavesTheOldOrTheNewFileWhole) {
  auto p = TProfile::Create("Kim");
  // A large game block keeps each save busy long enough for kills to land inside it.
  p->SaveUserFunction = [&p](std::string& out) {
    out.append(size_t(256) * 1024, char('a' + p->Score));
    return 1;
  };
  p->Score = 1;
  const std::string one = p->Encode();
  p->Score = 2;
  const std::string two = p->Encode();
  p->Save();
  const auto path = profiles / "Kim.dat";

  std::mt19937 random(12345);
  int seenOne = 0, seenTwo = 0;
  for (int round = 0; round < 60; ++round) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(ready[0]);
      for (int i = 0;; ++i) {
        p->Score = 1 + (i & 1);
        p->Save();
        if (i == 0 && write(ready[1], "x", 1) != 1) _exit(1);
      }
    }
    close(ready[1]);
    char c;
    // Kill only after the child has finished one save, then at a random moment.
    ASSERT_EQ(read(ready[0], &c, 1), 1);
    close(ready[0]);
    usleep(useconds_t(random() % 4000));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    const std::string now = ReadTestFile(path);
    ASSERT_TRUE(now == one || now == two) << "round " << round << ": " << now.size() << " bytes";
    (now == one ? seenOne : seenTwo)++;
  }
  // The next start reads it as usual.
  EXPECT_EQ(p->Load(), 1);
  EXPECT_TRUE(reports.empty());
  RecordProperty("old", seenOne);
  RecordProperty("new", seenTwo);
}
