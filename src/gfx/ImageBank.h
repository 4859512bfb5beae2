// The by-name collection of game pictures rooted in one folder: the loading pass
// fills it once and everything else fetches pictures from it by name, in any
// letter case. Small pictures and strip frames are packed into shared textures.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "gfx/GameImage.h"

class TImage;

class TImageBank {
 public:
  std::map<std::string, std::shared_ptr<TGameImage>> Items;  // keyed by upper-case name
  std::string Path;
  std::string Ext = ".png";
  int defaultFlags = -1;

  // Folder prefix; "/" is added unless it already ends in one.
  void SetPath(const std::string& path);
  // Loads Path + file (its own extension, or Ext when it has none); name "" keeps
  // the file's own name. An image of the same name is replaced.
  std::shared_ptr<TGameImage> Load(const std::string& fileName, const std::string& name = "", int flags = -1,
                                   int midHandle = 1);
  std::shared_ptr<TGameImage> LoadNoMid(const std::string& fileName, const std::string& name = "", int flags = -1);
  // Always reads Path + fileName + Ext.
  std::shared_ptr<TGameImage> LoadAnim(const std::string& fileName, int cellWidth, int cellHeight, int firstCell,
                                       int cellCount, int flags = -1, int midHandle = 1);
  // Files an image made elsewhere under its own name.
  void Insert(std::shared_ptr<TGameImage> image);
  // A miss is a fatal report unless quiet.
  std::shared_ptr<TGameImage> Find(const std::string& name, int quiet = 0) const;
  std::shared_ptr<TImage> FindTImage(const std::string& name) const;
  // Kilobytes of pixels in memory / in textures.
  int64_t CalcRAM() const;
  int64_t CalcVRAM() const;
  void PrintRAM() const;
  void PrintVRAM() const;
  // Packs what was loaded since the last call into shared textures, then makes every
  // texture now so that the first draws do not stall.
  void Precache();
  // Only the packing, without any texture: it needs no GL context, so it may run on a
  // helper thread while nothing loads into the bank or draws from it.
  void Pack();
  std::size_t Count() const { return Items.size(); }

 private:
  std::vector<std::weak_ptr<TImage>> unpacked_;
};

// The game's one image bank, created at start-up with its path set to the image folder.
extern std::unique_ptr<TImageBank> ImageBank;
