// The prompt in which a player types a new name (on the very first start, and from the
// player manager's "Create"), and the check a name must pass: it must be able to name a
// file in the profile folder, and no player of that name may exist yet.
#pragma once
#include <string>

#include "ui/DialogTextInput.h"

// Characters a player name may not hold besides the file-name-unsafe ones: a fixed set of
// symbols and letters, and those the name font cannot draw (NameCharsToBan, worked out
// the first time a prompt is made).
extern std::string ExtraBannedNameChars;

// The name prompt, with a "Cancel" button when withCancel is set. Not started yet.
TDialogTextInputPtr CreateNameDialog(int withCancel);
// 1 when the name may be taken; -1 with the refusal message in error otherwise.
int CheckProfileName(const std::string& name, std::string& error);
// The Windows-1252 characters 32-255 the image font has no picture for.
std::string CharsFontCannotDraw(const TImageFontPtr& font);
// The fixed set of characters refused in names, then those of CharsFontCannotDraw(font).
std::string NameCharsToBan(const TImageFontPtr& font);
