// The game's three ready-made dialogs, styled alike: a message, the same message in
// red for refusals and errors, and a yes/no question. Each comes back started, so the
// caller only opens it over the screen (or manages and draws it itself).
#pragma once
#include <string>

#include "ui/DialogOK.h"
#include "ui/DialogYesNo.h"

TDialogOKPtr CreateMessageDialog(const std::string& text);
TDialogOKPtr CreateErrorDialog(const std::string& text);
TDialogYesNoPtr CreateYesNoDialog(const std::string& text);
