// The list box: which lines show, where the selection goes, clicks and double clicks,
// the arrow keys, and the bar drawn over the selected line.
#include <gtest/gtest.h>

#include "core/Input.h"
#include "ui/ListBox.h"
#include "ui/MousePointer.h"
#include "ui/WidgetFixture.h"

class ListBoxTest : public WidgetTest {
 protected:
  // Eight lines of the built-in font (16 high) with a gap of 2: 20 pixels a line.
  TListBoxPtr MakeList(int limit) {
    auto list = TListBox::Create(2, 0, 1, 500);
    for (int i = 0; i < 8; ++i) list->Strings.push_back("line" + std::to_string(i));
    list->SetCoords(100, 100, 200, 160);
    list->Limit = limit;
    return list;
  }
  // A left click at (x, y) and the list's update, as one logic update runs it.
  void ClickAt(TListBox& list, int x, int y) {
    PointAt(x, y);
    Press();
    list.Manage();
    Pointer().ClearMouseHit();
  }
};

TEST_F(ListBoxTest, ShownLinesFollowTheSelection) {
  auto list = MakeList(6);
  EXPECT_EQ(list->LineHeight, 20);
  EXPECT_EQ(list->DisplayLines, 8);
  EXPECT_EQ(list->GetTempLimit(), 6) << "lines 0 to 5 show";
  list->SetIndex(7);
  EXPECT_EQ(list->TopIndex, 2);
  EXPECT_EQ(list->Value, "line7");
  EXPECT_EQ(list->GetTempLimit(), 8);
  EXPECT_EQ(list->GetIndexY(), 100 + 5 * 20);
  list->SetIndex(1);
  EXPECT_EQ(list->TopIndex, 1);
  list->SetIndex(8);
  EXPECT_EQ(list->Index, -1) << "a line that does not exist clears the selection";
  EXPECT_EQ(list->Value, "");
  EXPECT_EQ(list->GetIndexY(), 0);
  list->SetTopIndex(5);
  EXPECT_EQ(list->TopIndex, 2);
  list->SetTopIndex(-3);
  EXPECT_EQ(list->TopIndex, 0);

  // Whole lines only, when asked.
  list->RoundHeight = 1;
  list->SetCoords(100, 100, 200, 75);
  EXPECT_FLOAT_EQ(list->Box.H, 60);
  EXPECT_EQ(list->DisplayLines, 3);
  // Fewer lines than the limit: all of them.
  list->Strings.resize(3);
  list->TopIndex = 0;
  EXPECT_EQ(list->GetTempLimit(), 3);
}

TEST_F(ListBoxTest, ClicksSelectAndTwoInTimeDoubleClick) {
  auto list = MakeList(6);
  ClickAt(*list, 150, 130);  // line 1 spans y 120-140
  EXPECT_EQ(list->Index, 1);
  EXPECT_EQ(list->Clicked, 1);
  EXPECT_EQ(list->GetDoubleClicked(), -1);
  ClickAt(*list, 150, 135);
  EXPECT_EQ(list->GetDoubleClicked(), 1) << "the same line again within 500 ms";
  EXPECT_EQ(list->GetDoubleClicked(), -1) << "read once";

  // Another line in between restarts the window.
  ClickAt(*list, 150, 130);
  ClickAt(*list, 150, 150);
  ClickAt(*list, 150, 130);
  EXPECT_EQ(list->GetDoubleClicked(), -1);
  EXPECT_EQ(list->Index, 1);
  // Too late: 500 ms are 100 ticks.
  for (int i = 0; i < 100; ++i) list->Manage();
  ClickAt(*list, 150, 130);
  EXPECT_EQ(list->GetDoubleClicked(), -1);

  // Beside the lines, or below the last one shown: nothing, and the press is left alone.
  PointAt(310, 130);
  Press();
  list->Manage();
  EXPECT_EQ(Pointer().GetMh(0), 1);
  Pointer().ClearMouseHit();
  ClickAt(*list, 150, 230);  // the seventh line's place, but six show
  EXPECT_EQ(list->Index, 1);
  ClickAt(*list, 150, 120);  // exactly on a line's top edge
  EXPECT_EQ(list->Index, 1);
  // Scrolled: the first line shown is TopIndex.
  list->SetIndex(7);
  ClickAt(*list, 150, 110);
  EXPECT_EQ(list->Index, 2);
}

TEST_F(ListBoxTest, ArrowKeysMoveTheSelectionWithinTheList) {
  auto list = MakeList(6);
  list->Manage();
  InputRecordKey(40, 0, true);
  list->Manage();
  EXPECT_EQ(list->Index, -1) << "off unless switched on";
  InputRecordKey(40, 0, false);
  list->Manage();
  list->ArrowKeysMoveHighlight = 1;
  list->SetIndex(6);
  InputRecordKey(40, 0, true);
  list->Manage();
  EXPECT_EQ(list->Index, 7);
  EXPECT_EQ(list->TopIndex, 2);
  // Held: repeats after 400 ms, but never past the end.
  for (int i = 0; i < 100; ++i) list->Manage();
  EXPECT_EQ(list->Index, 7);
  InputRecordKey(40, 0, false);
  InputRecordKey(38, 0, true);
  list->Manage();
  EXPECT_EQ(list->Index, 6);
  for (int i = 0; i < 80 + 20 * 10; ++i) list->Manage();
  EXPECT_EQ(list->Index, 0);
  EXPECT_EQ(list->TopIndex, 0);
  InputRecordKey(38, 0, false);
}

TEST_F(ListBoxTest, SelectionBarSitsOnTheSelectedLine) {
  auto list = MakeList(6);
  list->HighlightCol = TColor::Create(0, 0, 150, 0.25f);
  list->HighlightTopBorder = 1;
  list->HighlightBottomBorder = 3;
  list->SetIndex(7);  // shown as the sixth line
  list->Draw();
  ASSERT_FALSE(rec->recorded.empty());
  // The box first, then the text, then the bar over it.
  EXPECT_FLOAT_EQ(X(0), 100);
  EXPECT_FLOAT_EQ(Y(0), 100);
  const auto& bar = rec->recorded.back().vertices;
  EXPECT_FLOAT_EQ(bar[0].x, 100);
  EXPECT_FLOAT_EQ(bar[0].y, 100 + 5 * 20 + 1);
  EXPECT_FLOAT_EQ(bar[2].y - bar[0].y, 20 - 1 - 3);
  EXPECT_EQ(int(bar[0].rgba >> 24), int(0.25f * 255));
  // The first text quad: line 2 ("l"), two pixels below the box top.
  EXPECT_FLOAT_EQ(X(1), 100);
  EXPECT_FLOAT_EQ(Y(1), 102);

  // A selection scrolled out of sight draws no bar.
  rec->Clear();
  list->TopIndex = 0;
  list->Draw();
  EXPECT_EQ(rec->recorded.size(), 1u + 6 * 5) << "the box and six five-letter lines";
}

TEST_F(ListBoxTest, ALineWiderThanTheBoxIsCutToIt) {
  auto list = MakeList(6);
  list->Strings[0] = std::string(80, 'W');
  list->Draw();
  ASSERT_GT(rec->recorded.size(), 1u + 5 * 5);
  // Nothing drawn past the box's right edge at 300, and the cut line ends in dots.
  for (const auto& quad : rec->recorded)
    for (const auto& v : quad.vertices) ASSERT_LE(v.x, 300.0f);
  EXPECT_LT(rec->recorded.size(), 1u + 80 + 5 * 5);
}
