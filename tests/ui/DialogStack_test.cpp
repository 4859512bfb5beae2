// The dialog stack: only the top dialog is run, all are drawn oldest first, answers
// reach their callbacks once, and callbacks may open and remove dialogs (their own
// included) or empty the stack without anything being destroyed while it runs.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gfx/Animation.h"
#include "screens/Screen.h"
#include "ui/DialogStack.h"
#include "ui/WidgetFixture.h"

namespace {
std::vector<std::string> journal;

// A dialog that answers when told to, and records what is done to it.
class TFakeDialog : public TDialog {
 public:
  explicit TFakeDialog(std::string name) : Name(std::move(name)) { Init(Name, nullptr, 100, 50, 0, 0); }
  int Manage() override {
    journal.push_back("manage " + Name);
    if (OnManage) OnManage();
    if (ManageCore() == 0) return 0;
    if (!Active) return CloseResult;
    if (Answer != 0) {
      const int answer = Answer;
      Answer = 0;
      return Close(answer);
    }
    return 0;
  }
  int Draw() override {
    journal.push_back("draw " + Name);
    return 1;
  }
  void Kill() override {
    journal.push_back("kill " + Name);
    TDialog::Kill();
  }
  std::string Name;
  int Answer = 0;
  std::function<void()> OnManage;
};
using TFakePtr = std::shared_ptr<TFakeDialog>;
TFakePtr Fake(const std::string& name) { return std::make_shared<TFakeDialog>(name); }

class CountingScreen : public TScreen {
 public:
  void Logic() override { ++logics; }
  void Draw() override { journal.push_back("draw screen"); }
  int logics = 0;
};
}  // namespace

class DialogStackTest : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    journal.clear();
  }
};

TEST_F(DialogStackTest, TopDialogRunsAloneAndAnswersOnce) {
  TDialogStack stack;
  EXPECT_EQ(stack.Manage(), 0) << "nothing open: the screen runs";
  auto a = Fake("a"), b = Fake("b");
  std::vector<int> answers;
  stack.Open(a, [&](int r) { answers.push_back(r); });
  stack.Open(b, [&](int r) { answers.push_back(10 * r); });
  EXPECT_EQ(a->Active, 1) << "opened dialogs are started";
  EXPECT_EQ(stack.Top(), b.get());
  journal.clear();
  EXPECT_EQ(stack.Manage(), 1);
  stack.Draw();
  EXPECT_EQ(journal, (std::vector<std::string>{"manage b", "draw a", "draw b"}));

  b->Answer = -1;
  journal.clear();
  EXPECT_EQ(stack.Manage(), 1);
  EXPECT_EQ(answers, (std::vector<int>{-10}));
  EXPECT_EQ(journal, (std::vector<std::string>{"manage b", "kill b"}));
  EXPECT_EQ(stack.Count(), 1);
  a->Answer = 1;
  stack.Manage();
  EXPECT_EQ(answers, (std::vector<int>{-10, 1}));
  EXPECT_TRUE(stack.Empty());
  EXPECT_EQ(stack.Manage(), 0);

  // A dialog that slides away keeps being drawn until it has gone; its answer comes once.
  auto c = Fake("c");
  c->TransitionOut = TAnimation::Create(25, 0, 0, 0, 0);  // five updates
  stack.Open(c, [&](int r) { answers.push_back(100 * r); });
  c->Answer = 1;
  for (int i = 0; i < 6; ++i) stack.Manage();
  EXPECT_EQ(stack.Count(), 0);
  EXPECT_EQ(answers, (std::vector<int>{-10, 1, 100}));
}

TEST_F(DialogStackTest, CallbacksChangeTheStackSafely) {
  TDialogStack stack;
  auto first = Fake("first");
  auto second = Fake("second");
  // Answering opens the next question; it joins after the update.
  stack.Open(first, [&](int) { stack.Open(second); });
  first->Answer = 1;
  journal.clear();
  stack.Manage();
  EXPECT_EQ(journal, (std::vector<std::string>{"manage first", "kill first"}));
  EXPECT_EQ(stack.Top(), second.get());
  EXPECT_EQ(second->Active, 1);

  // Removed outside an update: gone at once.
  std::weak_ptr<TFakeDialog> watch = second;
  TFakeDialog* raw = second.get();
  second.reset();
  stack.Remove(raw);
  EXPECT_TRUE(watch.expired());

  // A dialog removing itself during its own update, then answering: it stays alive until
  // the update is over, and the answer still arrives.
  int answered = 0;
  auto third = Fake("third");
  std::weak_ptr<TFakeDialog> watchThird = third;
  TFakeDialog* rawThird = third.get();
  third->OnManage = [&] {
    stack.Remove(rawThird);
    EXPECT_FALSE(watchThird.expired());
    rawThird->Answer = -1;
  };
  stack.Open(third, [&](int r) { answered = r; });
  third.reset();
  stack.Manage();
  EXPECT_EQ(answered, -1);
  EXPECT_TRUE(watchThird.expired()) << "removed during its own update: gone once it is over";
  EXPECT_TRUE(stack.Empty());

  // Emptying the whole stack from a callback.
  auto x = Fake("x"), y = Fake("y");
  stack.Open(x);
  stack.Open(y, [&](int) {
    stack.Kill();
    stack.Open(Fake("late"));
  });
  y->Answer = 1;
  journal.clear();
  stack.Manage();
  EXPECT_EQ(journal, (std::vector<std::string>{"manage y", "kill x", "kill y"}));
  ASSERT_EQ(stack.Count(), 1) << "a dialog opened after the kill stays";
  EXPECT_EQ(static_cast<TFakeDialog*>(stack.Top())->Name, "late");
}

TEST_F(DialogStackTest, ScreenHoldsItsLogicBackWhileADialogIsOpen) {
  CountingScreen screen;
  screen.RunLogic();
  EXPECT_EQ(screen.logics, 1);
  auto d = Fake("d");
  screen.Dialogs.Open(d);
  screen.RunLogic();
  screen.RunLogic();
  EXPECT_EQ(screen.logics, 1) << "the dialog alone takes the updates";
  journal.clear();
  screen.RunDraw();
  EXPECT_EQ(journal, (std::vector<std::string>{"draw screen", "draw d"})) << "the dialog over the screen";
  d->Answer = 1;
  screen.RunLogic();
  EXPECT_EQ(screen.logics, 1) << "not even in the update it closed in";
  screen.RunLogic();
  EXPECT_EQ(screen.logics, 2);

  // Leaving the screen takes its dialogs with it.
  screen.Dialogs.Open(Fake("left"));
  journal.clear();
  screen.Kill();
  EXPECT_EQ(journal, (std::vector<std::string>{"kill left"}));
  EXPECT_TRUE(screen.Dialogs.Empty());
}
