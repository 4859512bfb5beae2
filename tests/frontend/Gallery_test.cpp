// The gallery shows the profile's unlocked pictures and locks for the rest, opens an
// unlocked one in the viewer and refuses a locked one; the viewer's wallpaper label
// reports a file it cannot write instead of claiming success.
#include "FrontendFixture.h"
#include "core/DataPaths.h"
#include "frontend/GalleryScreen.h"
#include "frontend/PictureChoice.h"
#include "frontend/PictureScreen.h"
#include "screens/ScreenSwitch.h"
#include "ui/DialogOK.h"

class GalleryTest : public FrontendTest {
 protected:
  void SetUp() override {
    FrontendTest::SetUp();
    if (IsSkipped()) return;
    UseProfile("Tester");
    RegisterScreen(TScreenId::Gallery, &gallery);
    RegisterScreen(TScreenId::Picture, &viewer);
    gallery.Destination = &title;
  }
  void TearDown() override {
    gallery.Kill();
    viewer.Kill();
    FrontendTest::TearDown();
  }
  void Slot(int k, int& x, int& y) {
    gallery.SlotOrigin(k, x, y);
    x += 10;
    y += 10;
  }

  TGalleryScreen gallery;
  TPictureScreen viewer;
  TScreen title;
};

TEST_F(GalleryTest, SlotsFollowTheProfilesRecordsAndOnlyUnlockedOnesOpen) {
  auto& records = Game->CurrentProfile->HintsShown;
  records[89] = records[93] = records[99] = 1;
  records[88] = records[100 - 1 - 11] = 1;  // records outside the gallery's
  Enter(gallery);
  for (int k = 0; k < TGalleryScreen::Total; ++k)
    EXPECT_EQ(bool(gallery.Pics[size_t(k)]), k == 0 || k == 4 || k == 10) << "slot " << k;
  int x, y;
  gallery.SlotOrigin(10, x, y);
  EXPECT_EQ(x, 320) << "the eleventh sits under the middle column";
  EXPECT_EQ(y, 322);
  gallery.SlotOrigin(9, x, y);
  EXPECT_EQ(x, 528);
  EXPECT_EQ(y, 238);
  EXPECT_EQ(gallery.SlotAt(111, 160), -1);
  EXPECT_EQ(gallery.SlotAt(112, 155), 0);
  EXPECT_EQ(gallery.SlotAt(212, 155), -1) << "between two slots";
  EXPECT_EQ(gallery.SlotAt(112, 154), -1) << "the top edge is outside";

  // A locked slot only refuses.
  Screens().DestinationTScreen = nullptr;
  Slot(1, x, y);
  ClickAt(x, y);
  gallery.RunLogic();
  EXPECT_EQ(Screens().DestinationTScreen, nullptr);
  EXPECT_EQ(gallery.StopKill, 0);

  // An unlocked one opens the viewer and keeps the gallery loaded.
  Slot(4, x, y);
  ClickAt(x, y);
  gallery.RunLogic();
  EXPECT_EQ(Screens().DestinationTScreen, &viewer);
  EXPECT_EQ(gallery.StopKill, 1);
  EXPECT_EQ(gallery.StopInit, 1);
  EXPECT_EQ(viewer.Destination, &gallery);
  EXPECT_EQ(TPictureChoice::Index, 5);
  Screens().GameFade->Finish();
  Enter(viewer);
  EXPECT_EQ(viewer.GetPicName(), "pic5.jpg");

  // Back in the gallery it only starts again, and its next departure kills it.
  Screens().GameFade->Finish();
  gallery.PreStart();
  EXPECT_TRUE(gallery.Pics[4]) << "still loaded";
  EXPECT_EQ(gallery.StopKill, 0);
}

TEST_F(GalleryTest, TheViewersLabelReportsAWallpaperFileItCannotWrite) {
  TPictureChoice::Index = 2;
  viewer.Destination = &gallery;
  Enter(viewer);
  EXPECT_GT(viewer.LabelW, 0);
  EXPECT_EQ(viewer.LabelX, (800 - viewer.LabelW) / 2) << "centred at the top";
  EXPECT_EQ(viewer.LabelY, 5);
  EXPECT_TRUE(viewer.OverLabel(viewer.LabelX, viewer.LabelY));
  EXPECT_FALSE(viewer.OverLabel(viewer.LabelX + viewer.LabelW, viewer.LabelY));

  // The shared folder is gone: nothing can be written there.
  DataPaths().SubPath = (folder / "missing" / "deeper").string() + "/";
  Screens().DestinationTScreen = nullptr;
  ClickAt(viewer.LabelX + 2, viewer.LabelY + 2);
  viewer.RunLogic();
  ASSERT_EQ(viewer.Dialogs.Count(), 1);
  EXPECT_FALSE(std::filesystem::exists(TPictureScreen::WallpaperPath()));
  EXPECT_EQ(Screens().DestinationTScreen, nullptr) << "the viewer stays";
  TDialog* dialog = viewer.Dialogs.Top();
  ASSERT_TRUE(dialog && dialog->Caption);
  EXPECT_EQ(dialog->Caption->Text, "Failed to save file " + TPictureScreen::WallpaperPath());
  ASSERT_TRUE(dialog->Caption->Color);
  EXPECT_EQ(dialog->Caption->Color->G, 0) << "in red";

  // Any other click closes the viewer towards the gallery.
  viewer.Dialogs.Kill();
  ClickAt(400, 300);
  viewer.RunLogic();
  EXPECT_EQ(Screens().DestinationTScreen, &gallery);
}
