#include "PictureJobs.h"
void AddRoomJobs(std::vector<TPictureJob>&) {}
