// Process services: a box that waits in a child process yet gives way to a request
// to end the program, and priorities from the settings file turned into nice values.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>

#include "platform/Process.h"

namespace {
// Runs check in a forked copy of this test (one thread only, so a signal sent to it
// can only land where the code under test waits for it); its exit code.
int InFork(int (*check)()) {
  pid_t pid = fork();
  if (pid == 0) {
    alarm(60);
    _exit(check());
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
}
}  // namespace

TEST(Process, WaitingChildGivesWayToARequestToEnd) {
  int code = -1;
  EXPECT_TRUE(RunInChildProcess([] { return 3; }, code));
  EXPECT_EQ(code, 3);

  // The child asks its parent to end, then would wait forever, as a box does.
  EXPECT_EQ(InFork([] {
              int inner = 0;
              bool finished = RunInChildProcess(
                  [] {
                    kill(getppid(), SIGTERM);
                    for (;;) pause();
                    return 0;
                  },
                  inner);
              if (finished) return 1;
              // The request was taken, not left to end this process later.
              sigset_t pending;
              sigpending(&pending);
              return sigismember(&pending, SIGTERM) ? 2 : 0;
            }),
            0);
}

TEST(Process, ThreadPriorityBecomesANiceValueWithoutOverflow) {
  EXPECT_EQ(ThreadNiceValue(0), 0);
  EXPECT_EQ(ThreadNiceValue(5), -5);
  EXPECT_EQ(ThreadNiceValue(-7), 7);
  EXPECT_EQ(ThreadNiceValue(1000), -20);
  EXPECT_EQ(ThreadNiceValue(-1000), 19);
  EXPECT_EQ(ThreadNiceValue(INT_MIN), 19);
  EXPECT_EQ(ThreadNiceValue(INT_MAX), -20);
}
