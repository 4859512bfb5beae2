#include "PictureJobs.h"
void AddCaptionJobs(std::vector<TPictureJob>&) {}
