#include "PictureJobs.h"
void AddPanelJobs(std::vector<TPictureJob>&) {}
