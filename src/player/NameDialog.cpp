#include "player/NameDialog.h"

#include "core/DataPaths.h"
#include "gfx/GameFonts.h"
#include "gfx/GameImage.h"
#include "platform/Files.h"
#include "player/Profile.h"
#include "ui/DialogPresets.h"
#include "ui/GameText.h"

std::string ExtraBannedNameChars;

namespace {
// Refused in every new player name whatever the font can draw: names keep to the
// characters the game has always accepted (brackets, symbols, currency signs, fractions
// and these ligatures and accented letters never were).
const char kBannedNameChars[] =
    "[]^{}#@_\xA3\x80\xA5\xA2\x9F\xAA\xBA\xAC\xBD\xBC\xAB\xBB"
    "\xDF\xD8\xF8\xC7\xE7\xC6\xE6\xFF\xDD\xFD\xC5\xE5\xC0\xC1\xC2\xC3\xC8\xCA"
    "\xCB\xCC\xCD\xCE\xCF\xD2\xD3\xD4\xD5\xD9\xDA\xDB";

std::string Text(const std::string& key, const std::string& fallback) {
  const std::string text = GameText ? GameText->FindString(key) : std::string();
  return text.empty() ? fallback : text;
}
}  // namespace

std::string CharsFontCannotDraw(const TImageFontPtr& font) {
  TTextInput probe;
  probe.Font = font;
  std::string missing;
  for (int ch = 32; ch <= 255; ++ch)
    if (ch != 127 && !probe.FontCanDraw(ch)) missing.push_back(char(ch));
  return missing;
}

std::string NameCharsToBan(const TImageFontPtr& font) {
  std::string banned = kBannedNameChars;
  for (char ch : CharsFontCannotDraw(font))
    if (banned.find(ch) == std::string::npos) banned.push_back(ch);
  return banned;
}

TDialogTextInputPtr CreateNameDialog(int withCancel) {
  if (ExtraBannedNameChars.empty()) ExtraBannedNameChars = NameCharsToBan(Font30);
  auto background = TGameImage::Create(ResolveDataPath(DataPaths().ImagePath + "Localised/enteryourname.png"), -1, 0);
  auto dialog = TDialogTextInput::Create(Text("Enter Name", "Please type your name:"), "", 100, background, 0, 0, 0,
                                         160, "OK2");
  // The field's box and the caption keep inside the picture's frame.
  dialog->Border = 30;
  dialog->BoxBorderH = 30;
  dialog->DrawHighlight = 0;
  dialog->MenuCreate(withCancel, 10);
  dialog->SetupCaption(Font25, TColor::Create(255, 255, 255), TShadow::Create(1, 1, 0.6f));
  dialog->SetupText(Font30, TColor::Create(255, 255, 255), TShadow::Create(1, 1, 0.6f));
  auto& input = *dialog->TextInput;
  input.MakeCharsFileNameSafe();
  input.BannedChars += ExtraBannedNameChars;
  input.AllowEuropeanChars = 1;
  dialog->ErrorCheckFunc = CheckProfileName;
  dialog->ErrorDialogFunc = CreateErrorDialog;
  return dialog;
}

int CheckProfileName(const std::string& name, std::string& error) {
  // "." and "..", or a name with a separator or control character, would not name a
  // file of its own in the profile folder.
  if (!IsSafeProfileName(name)) {
    error = Text("Bad Name", "That name cannot be used. Please pick another name.");
    return -1;
  }
  TProfile profile;
  profile.Name = name;
  if (PathExists(profile.FilePath())) {
    error = Text("Profile Exists", "A player with that name already exists.");
    return -1;
  }
  return 1;
}
