// The list of pictures this generator makes: each job draws one picture (or a small
// family, like a gallery picture and its thumbnail) and writes it under the root.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "Canvas.h"
#include "Lettering.h"

// What a job gets to work with: where to write, and this thread's lettering.
struct TStudio {
  std::string root;
  const TLettering& letters;
  // Writes by extension (.png or .jpg) under the root; throws when writing fails.
  void Save(const TCanvas& canvas, const std::string& relative) const;
};

struct TPictureJob {
  std::string name;  // the first file it writes, for messages
  std::function<void(const TStudio&)> draw;
};

void AddBackdropJobs(std::vector<TPictureJob>& jobs);   // backgrounds, gallery, intro, map
void AddRoomJobs(std::vector<TPictureJob>& jobs);       // title room, fire, figure, presents
void AddPanelJobs(std::vector<TPictureJob>& jobs);      // parchments, tags, bars, frames, sliders
void AddCaptionJobs(std::vector<TPictureJob>& jobs);    // lettered pictures, logo, splashes
void AddPageJobs(std::vector<TPictureJob>& jobs);       // instructions page, gallery wall
