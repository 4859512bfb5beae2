// A board picture or sound missing from the banks ends the game with the bank's
// own report instead of leaving a hole in the board or a silent move.
#include <functional>
#include <stdexcept>

#include "BoardPlayFixture.h"
#include "audio/SoundBank.h"
#include "game/GridSounds.h"

namespace {
std::string Failure(const std::function<void()>& body) {
  try {
    body();
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  return "";
}
}  // namespace

TEST_F(BoardPlayTest, MissingBoardPicturesAndSoundsAreFatal) {
  ImageBank->Items.erase("BRICK");
  EXPECT_EQ(Failure([] { TCell::Load(); }), "Image 'BRICK' was not found in the ImageBank");
  Picture("brick", 50, 50);
  ImageBank->Items.erase("GEM3ANIM");
  EXPECT_EQ(Failure([] { TGem::Load(); }), "Image 'GEM3ANIM' was not found in the ImageBank");
  Picture("gem3anim", 50, 50, 50);
  ImageBank->Items.erase("CURSOR");
  EXPECT_EQ(Failure([] { TGameGrid::Create(); }), "Image 'CURSOR' was not found in the ImageBank");
  Picture("cursor", 60, 60);
  EXPECT_EQ(Failure([] { TakeBoardPictures(); }), "") << "a complete bank loads";

  SoundBank = std::make_unique<TSoundBank>();
  TGridSounds sounds;
  sounds.CreateChannels();
  EXPECT_EQ(Failure([&] { sounds.Play("click", 1.0f); }), "Sound 'CLICK' was not found in the SoundBank");
  EXPECT_EQ(Failure([&] { sounds.PlayLand("land"); }), "Sound 'LAND' was not found in the SoundBank");
  sounds.Kill();
  SoundBank.reset();
}
