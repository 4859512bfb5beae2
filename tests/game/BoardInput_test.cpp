// Board input through the game's mouse pointer: selecting, moving by click and
// by drag, cancelling, retargeting, refusals, and input dropped during a slide.
#include "BoardPlayFixture.h"

namespace {
class BoardInput : public OneMoveBoardTest {};
}  // namespace

TEST_F(BoardInput, ClickSelectsAndClickOnNeighbourMoves) {
  Press(0, 1);
  EXPECT_EQ(Grid->Mode, 1);
  EXPECT_EQ(Grid->cx, 0);
  EXPECT_EQ(Grid->cy, 1);
  EXPECT_EQ(Grid->selectedX, GridX(0) + 25);
  // Holding the button on the selected gem is no second press.
  Steps(5);
  EXPECT_EQ(Grid->Mode, 1);
  Release();
  EXPECT_EQ(sounds->Count("click"), 1);
  Click(1, 1);
  EXPECT_GT(Grid->SwapCounter, 0);
  EXPECT_EQ(sounds->Count("swap"), 1);
  Settle();
  // The 3 moved right and made a line of three; the top row fell into the gap.
  EXPECT_EQ(host->kills, 3);
  EXPECT_EQ(host->score, 30);
  EXPECT_EQ(Grid->Mode, 0);
  EXPECT_EQ(TypeAt(0, 1), 1);
  EXPECT_EQ(BoardPicture().substr(0, 18), ".1  .-  .-  .-  .5");
}

TEST_F(BoardInput, PressingTheSelectedGemAgainCancels) {
  Click(1, 1);
  Click(1, 1);
  EXPECT_EQ(Grid->Mode, 0);
  EXPECT_EQ(Grid->cx, -1);
  EXPECT_EQ(sounds->Count("clickrev"), 1);
  EXPECT_EQ(Grid->SwapCounter, 0);
}

TEST_F(BoardInput, DragsChooseTheNeighbourByTheLongerPart) {
  // 30 right and 10 down from the press: the right neighbour.
  Press(0, 1);
  Mouse(mouse->x + 30, mouse->y + 10, true);
  EXPECT_GT(Grid->SwapCounter, 0);
  EXPECT_EQ(Grid->dx, 1);
  EXPECT_EQ(Grid->dy, 1);
  Release();
  Settle();
  EXPECT_EQ(host->kills, 3);

  // 10 right and 30 down: the neighbour below (refused: no line, slides back).
  Place({"12345", "41345", "21452", "15423", "34512"});
  Press(3, 3);
  Mouse(mouse->x + 10, mouse->y + 30, true);
  EXPECT_EQ(Grid->dx, 3);
  EXPECT_EQ(Grid->dy, 4);
  Release();
  Settle();
  EXPECT_EQ(sounds->Count("failed"), 1);

  // A drag that leaves the board cancels the selection.
  Press(4, 2);
  Mouse(GridX(4) + 60, mouse->y, true);
  EXPECT_EQ(Grid->Mode, 0);
  EXPECT_EQ(Grid->SwapCounter, 0);
  EXPECT_GE(sounds->Count("clickrev"), 1);
}

TEST_F(BoardInput, PressOnADistantGemMovesTheSelection) {
  Click(0, 0);
  Click(2, 0);
  EXPECT_EQ(Grid->Mode, 1);
  EXPECT_EQ(Grid->cx, 2);
  EXPECT_EQ(Grid->cy, 0);
  EXPECT_EQ(Grid->SwapCounter, 0);
  EXPECT_EQ(sounds->Count("click"), 2);
  EXPECT_EQ(sounds->Count("clickrev"), 0);
  // A press outside the level cancels the selection with the reverse click.
  Mouse(GridX(5) + 10, GridY(0) + 10, true);
  Release();
  EXPECT_EQ(Grid->Mode, 0);
  EXPECT_EQ(sounds->Count("clickrev"), 1);
}

TEST_F(BoardInput, LockedGemsEmptyCellsAndBurstingGemsRefuse) {
  Level("0\n0\n4,2\n0,0\n-1,2,-1,-1\n-1,-1,-1,-1\n");
  Grid->MakeNewGems = 0;
  Grid->DropGemsFlag = 0;
  Place({"1234", "3-12"});
  ASSERT_TRUE(CellAt(1, 0)->Gem->locked);
  Click(1, 0);
  EXPECT_EQ(Grid->Mode, 0);
  EXPECT_EQ(sounds->Count("lockedclick"), 1);
  // A move onto a locked gem ends the selection.
  Click(0, 0);
  Click(1, 0);
  EXPECT_EQ(Grid->Mode, 0);
  EXPECT_EQ(Grid->SwapCounter, 0);
  EXPECT_EQ(sounds->Count("lockedclick"), 2);
  // An empty cell gives the invalid sound.
  Click(1, 1);
  EXPECT_EQ(sounds->Count("invalid"), 1);
  EXPECT_EQ(Grid->Mode, 0);
  // So does a bursting gem.
  CellAt(3, 1)->Gem->Explode(1);
  Click(3, 1);
  EXPECT_EQ(sounds->Count("invalid"), 2);
  // The pointer over the locked gem gets no highlight cell; left of and above the board it is nowhere.
  Mouse(GridX(0) - 5, GridY(0) + 5, false);
  EXPECT_EQ(Grid->mx, -1);
  Mouse(GridX(0) + 5, GridY(0) - 5, false);
  EXPECT_EQ(Grid->my, -1);
  Mouse(GridX(0) + 5, GridY(2) + 5, false);
  EXPECT_EQ(Grid->my, -1);
}

TEST_F(BoardInput, InputIsIgnoredWhileASwapSlides) {
  Click(0, 1);
  Click(1, 1);
  ASSERT_GT(Grid->SwapCounter, 0);
  const int mx = Grid->mx, my = Grid->my;
  // Presses during the slide are dropped, not queued.
  Click(4, 4);
  Click(0, 0);
  EXPECT_EQ(Grid->cx, 0);
  EXPECT_EQ(Grid->cy, 1);
  EXPECT_EQ(Grid->mx, mx);
  EXPECT_EQ(Grid->my, my);
  EXPECT_EQ(sounds->Count("click"), 1);
  Settle();
  // Afterwards a press counts again.
  Click(0, 0);
  EXPECT_EQ(Grid->Mode, 1);
}

TEST_F(BoardInput, ATargetingPieceRidesOnThePointerUntilUsed) {
  Place({"12345", "4d335", "21452", "15423", "34512"});  // a star (11) at (1,1)
  auto arrow = ImageBank->Find("pointer")->image;
  auto small = ImageBank->Find("pointersmall")->image;
  Grid->RestorePointer();
  EXPECT_EQ(mouse->Image, arrow);
  Click(1, 1);
  EXPECT_EQ(Grid->Mode, 1);
  EXPECT_EQ(Grid->PointerGemType, 11);
  EXPECT_EQ(mouse->Image, small);
  EXPECT_EQ(mouse->offsetx, 3);
  ASSERT_TRUE(mouse->Image2);
  // The carried piece animates forwards and loops.
  const int first = mouse->Image2Frame;
  Steps(100);
  EXPECT_GT(mouse->Image2Frame, first);
  Steps(400);
  EXPECT_GT(Grid->PointerAnimCounter, 0);
  // The menu opening puts the piece aside; closing it brings it back.
  Grid->TogglePointer(2);
  EXPECT_EQ(mouse->Image, arrow);
  Grid->TogglePointer(3);
  EXPECT_EQ(Grid->PointerGemType, 11);
  EXPECT_EQ(mouse->Image, small);
  // A press on a distant cell uses it there.
  Click(4, 4);
  EXPECT_EQ(TypeAt(4, 4), -1);
  EXPECT_EQ(TypeAt(1, 1), -1);
  EXPECT_EQ(sounds->Count("star"), 1);
  EXPECT_EQ(Grid->Mode, 0);
  EXPECT_EQ(mouse->Image, arrow);
  EXPECT_FALSE(mouse->Image2);
  EXPECT_EQ(mouse->offsetx, 4);
}
