// A drawing-layer image with the name the game finds it by, its frame size, its
// handle choice and optional trim data. Sprites, buttons and particles share the
// image bank's copies and never copy pixels.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

class TImage;
class TTrimData;
class TShadow;

class TGameImage {
 public:
  std::string name;
  std::shared_ptr<TImage> image;
  int w = 0, h = 0;
  float w2 = 0.0f, h2 = 0.0f;
  int midhandled = 0;
  int tag = 0;
  std::shared_ptr<TTrimData> trimData;

  static std::shared_ptr<TGameImage> Create(const std::string& path, int flags, int midHandle);
  static std::shared_ptr<TGameImage> CreateAuto(const std::string& path, int cellWidth, int cellHeight, int firstCell,
                                                int cellCount, int flags, int midHandle);
  static std::shared_ptr<TGameImage> CreateFromImage(std::shared_ptr<TImage> image, const std::string& name,
                                                     int midHandle);

  // A picture that cannot be loaded is a fatal report.
  void Load(const std::string& path, int flags, int midHandle);
  void LoadAnim(const std::string& path, int cellWidth, int cellHeight, int firstCell, int cellCount, int flags,
                int midHandle);
  void MidHandle(int on);
  // Handle so that drawing at (x, y) puts the cropped picture where it lay in the
  // uncropped original whose top-left is (x, y).
  void SetTrimHandle(std::shared_ptr<TTrimData> trim);
  void GetSize();
  int GetWidth() const;
  int GetHeight() const;
  int Frames() const;
  void Draw(float x, float y, int frame = 0, const TShadow* shadow = nullptr) const;
  int64_t CalcRAM() const;
  int64_t CalcVRAM() const;
  void Precache();
};

// The name a picture is filed under: upper case, no folder, no extension.
std::string ImageKey(const std::string& path);

// A picture that may be missing (a bank without it, a test without pictures) is
// drawn as nothing.
void DrawPicture(const std::shared_ptr<TGameImage>& p, float x, float y, int frame = 0);
// The picture again, added on top at intensity (0 to 1) on every channel; the
// blending and colour are back to alpha and white afterwards.
void DrawPictureAdded(const std::shared_ptr<TGameImage>& p, float x, float y, float intensity, int frame = 0);
