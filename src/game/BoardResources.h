// Hands the bank's board pictures to the cells and gems once the start-up loading
// has filled the image bank.
#pragma once

// TGem::Load and TCell::Load: the type-level pictures from the bank.
void TakeBoardPictures();
