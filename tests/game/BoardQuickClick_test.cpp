// Presses that begin and end between two board steps: a fast click, a touchpad
// tap or a synthetic click still selects, moves and cancels.
#include "BoardPlayFixture.h"

namespace {
class BoardQuickClick : public OneMoveBoardTest {
 protected:
  // Down and up on the centre of a cell before the next step, as the event
  // handling delivers them; the loop forgets uncollected presses each update.
  void Tap(int cx, int cy) {
    mouse->x = GridX(cx) + 25;
    mouse->y = GridY(cy) + 25;
    mouse->ButtonDown(1);
    mouse->ButtonUp(1);
    Grid->Manage();
    mouse->ClearMouseHit();
  }
};
}  // namespace

TEST_F(BoardQuickClick, TapsSelectMoveAndCancelLikeHeldPresses) {
  Tap(0, 1);
  EXPECT_EQ(Grid->Mode, 1) << "a press released before the step still selects";
  EXPECT_EQ(Grid->cx, 0);
  EXPECT_EQ(Grid->cy, 1);
  EXPECT_EQ(sounds->Count("click"), 1);
  Steps(3);
  EXPECT_EQ(Grid->Mode, 1) << "a press counts once";
  EXPECT_EQ(sounds->Count("click"), 1);

  Tap(0, 1);
  EXPECT_EQ(Grid->Mode, 0) << "tapping the selected gem again cancels";
  EXPECT_EQ(sounds->Count("clickrev"), 1);

  Tap(0, 1);
  Tap(1, 1);
  EXPECT_GT(Grid->SwapCounter, 0) << "a tap on a neighbour starts the move";
  Settle();
  EXPECT_EQ(host->kills, 3);

  // A tap while the button is already held from an earlier press is a new press too.
  Mouse(GridX(4) + 25, GridY(4) + 25, true);
  EXPECT_EQ(Grid->Mode, 1);
  mouse->ButtonUp(1);
  mouse->ButtonDown(1);
  Grid->Manage();
  EXPECT_EQ(Grid->Mode, 0) << "released and pressed again within one step: a second press on the same gem";
}
