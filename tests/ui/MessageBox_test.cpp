// The in-window message box draws every line with its drop shadow and keeps a
// request to end the program that arrives while it waits.
#include <SDL.h>
#include <gtest/gtest.h>

#include "core/ErrorReport.h"
#include "ui/MessageBox.h"
#include "gfx/TextDraw.h"
#include "gfx/ToolkitTest.h"

class MessageBoxTest : public GameRecordingTest {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(SDL_Init(SDL_INIT_EVENTS), 0); }
};

TEST_F(MessageBoxTest, LinesAreDrawnShadowed) {
  // A request to end the program closes the box after one frame (and is kept).
  SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
  ShowMessageBox("||", 600, 100);
  EXPECT_EQ(Game->TerminatedEvent, 1);

  // After the box and its outline: the text line's two glyphs, each shadowed.
  std::vector<size_t> glyphs;
  for (size_t i = 0; i < rec->recorded.size(); ++i)
    if (rec->recorded[i].page) glyphs.push_back(i);
  ASSERT_GE(glyphs.size(), 4u + 2 * 15);
  const size_t shadow = glyphs[0], text = glyphs[2];
  EXPECT_EQ(Red(shadow), 0);
  EXPECT_EQ(AlphaByte(shadow), 127);
  EXPECT_FLOAT_EQ(X(shadow) - X(text), 1);
  EXPECT_FLOAT_EQ(Y(shadow) - Y(text), 1);
  EXPECT_FLOAT_EQ(X(text), 400 - 8) << "centred on the screen";
  EXPECT_EQ(AlphaByte(text), 255);
  EXPECT_EQ(int((rec->recorded[text].vertices[0].rgba >> 8) & 0xff), 220);
}
