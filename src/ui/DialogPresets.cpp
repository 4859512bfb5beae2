#include "ui/DialogPresets.h"

#include "core/GameClock.h"
#include "gfx/GameFonts.h"

namespace {
std::shared_ptr<TShadow> CaptionShadow() { return TShadow::Create(1, 1, 0.6f); }

// The plain box with its drop shadow, the buttons without theirs, glowing on hover.
void StyleAndStart(TDialog& dialog, std::shared_ptr<TColor> captionColour) {
  dialog.Shadow = TShadow::Create(3, 3, 0.4f);
  dialog.Menu->ChangeShadow(0, 3, 3, 0.4f);
  for (auto& button : dialog.Menu->Buttons) button->SetFixedGlowOnMO(0.5f, 0.005f, 0);
  dialog.SetupCaption(Font25, std::move(captionColour), CaptionShadow());
  dialog.Start();
  // Building the dialog (loading its pictures) must not count as time that passed.
  Clock().FixedRateLogic.Init();
}

TDialogOKPtr MessageDialog(const std::string& text, std::shared_ptr<TColor> colour) {
  auto dialog = TDialogOK::Create(text);
  StyleAndStart(*dialog, std::move(colour));
  return dialog;
}
}  // namespace

TDialogOKPtr CreateMessageDialog(const std::string& text) {
  return MessageDialog(text, TColor::Create(255, 255, 255));
}

TDialogOKPtr CreateErrorDialog(const std::string& text) { return MessageDialog(text, TColor::Create(255, 0, 0)); }

TDialogYesNoPtr CreateYesNoDialog(const std::string& text) {
  auto dialog = TDialogYesNo::Create(text, nullptr, 0, 0, 0, 1, 50);
  StyleAndStart(*dialog, TColor::Create(255, 255, 255));
  return dialog;
}
