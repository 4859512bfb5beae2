#include "player/PlayerManager.h"

#include <algorithm>
#include <cmath>

#include "audio/GameSound.h"
#include "core/DataPaths.h"
#include "core/Game.h"
#include "core/Globals.h"
#include "core/Input.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "gfx/Draw.h"
#include "gfx/GameFonts.h"
#include "gfx/GameImage.h"
#include "platform/Events.h"
#include "platform/Files.h"
#include "player/NameDialog.h"
#include "player/Profile.h"
#include "ui/DialogPresets.h"
#include "ui/GameText.h"

namespace {
constexpr int kEscape = 27;
constexpr int kDelete = 46;
constexpr int kDoubleClickMs = 500;

std::string ProfileFileOf(const std::string& name) {
  TProfile profile;
  profile.Name = name;
  return profile.FilePath();
}

// Runs one open sub-dialog; 0 while it stays open, else its answer (it is then gone).
template <class TPtr>
int RunSubDialog(TPtr& dialog, TMenu* row) {
  const int result = dialog->Manage();
  if (result == 0) {
    if (row) row->ManageFixedGlowOnly();
    return 0;
  }
  dialog->Kill();
  dialog.reset();
  if (row) row->ClearStates();
  return result;
}
}  // namespace

TPlayerManagerPtr TPlayerManager::Create(const std::string& caption, std::shared_ptr<TGameImage> background,
                                         int width, int nx, int ny, int limit, const std::string& buttonName) {
  auto manager = std::make_shared<TPlayerManager>();
  manager->Init(caption, std::move(background), width, 0, nx, ny);
  manager->ListBox = TListBox::Create(0, 0, 0, kDoubleClickMs);
  manager->MenuCreate(manager->ButtonGap, buttonName);
  manager->Limit = limit;
  manager->ListBox->Limit = limit;
  manager->FillList();
  manager->HighlightCurrentPlayer();
  return manager;
}

void TPlayerManager::Start() {
  TDialog::Start();
  BoxSize();
}

int TPlayerManager::ContentHeight() {
  // Without a picture the box holds the caption, Limit lines and the button row.
  const int lines = std::max(1, Limit > 0 ? Limit : int(ListBox->Strings.size()));
  return int(std::trunc(Caption->CalcHeight() + float(CalcListBoxLineHeight() * lines + MenuHeight() +
                                                       2 * BoxBorderV + 2 * Border)));
}

void TPlayerManager::MenuCreate(int gap, const std::string& buttonName) {
  if (Menu) Menu->Kill();
  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
  AddRowButton("OK", "OK", buttonName)->OKButton = 1;
  AddRowButton("Create", "Create", buttonName);
  AddRowButton("Delete", "Delete", buttonName);
  AddRowButton("Cancel", "Cancel", buttonName);
  Menu->MakeRow(gap);
}

int TPlayerManager::CalcListBoxLineHeight() const { return ListBox->LineHeight + LineHeightAddition; }

void TPlayerManager::BoxSize() {
  const float captionH = Caption->CalcHeight();
  int boxH = int(std::trunc(float(h - 2 * Border) - captionH - float(MenuHeight() + 2 * BoxBorderV)));
  if (LimitBoxHeightToMaxItems) boxH = CalcListBoxLineHeight() * Limit;
  const float boxX = float(x + BoxBorderH + BoxXTweak);
  float boxY = float(y + Border) + captionH + float(BoxBorderV);
  ListBox->SetCoords(boxX, boxY, float(w - 2 * BoxBorderH), float(std::max(0, boxH)));
  if (LimitBoxHeightToMaxItems) {
    ListBox->LineHeight = CalcListBoxLineHeight();
    ListBox->DisplayLines = Limit;
  } else {
    ListBox->LineHeight += LineHeightAddition;
  }
  if (BoxY != 0) {
    boxY = float(BoxY);
  } else {
    const float captionBottom = Caption->Y + captionH;
    const float rowTop = Menu ? Menu->y : float(y + h - Border);
    const int gap = int(rowTop - captionBottom);
    boxY = captionBottom + float((gap - boxH) / 2);
  }
  ListBox->Box.Y = boxY;
}

void TPlayerManager::FillList() {
  ListBox->Strings.clear();
  ListBox->ClearIndex();
  ListBox->TopIndex = 0;
  std::vector<std::string> entries;
  if (!ListDirectory(DataPaths().ProfilePath, entries)) return;
  const std::string ending = "." + TProfile::FileExtension;
  for (const std::string& entry : entries) {
    if (entry.size() <= ending.size() || entry.compare(entry.size() - ending.size(), ending.size(), ending) != 0)
      continue;
    if (IsDirectory(DataPaths().ProfilePath + entry)) continue;
    // A name planted in the folder must not carry a line break (or anything else that
    // does not read back the same) into the settings file, nor stand for another file.
    std::string name;
    if (!Cp1252FromUtf8(entry.substr(0, entry.size() - ending.size()), name)) continue;
    if (name.empty() || !IsSafeProfileName(name)) continue;
    ListBox->Strings.push_back(name);
  }
  // The folder's own order changes from one file system to the next; players see
  // their names alphabetically.
  std::stable_sort(ListBox->Strings.begin(), ListBox->Strings.end(), [](const std::string& a, const std::string& b) {
    const std::string ua = UpperCase(a), ub = UpperCase(b);
    return ua != ub ? ua < ub : a < b;
  });
}

bool TPlayerManager::Listed(const std::string& name) const {
  return std::find(ListBox->Strings.begin(), ListBox->Strings.end(), name) != ListBox->Strings.end();
}

void TPlayerManager::HighlightCurrentPlayer() {
  ListBox->ClearIndex();
  if (!Game->CurrentProfile) return;
  const auto& names = ListBox->Strings;
  const auto found = std::find(names.begin(), names.end(), Game->CurrentProfile->Name);
  if (found != names.end()) ListBox->SetIndex(int(found - names.begin()));
}

int TPlayerManager::CreateProfile() {
  if (Limit > 0 && int(ListBox->Strings.size()) >= Limit) {
    if (ErrorDialogFunc) {
      DialogOK = ErrorDialogFunc(MessageCannotCreate);
      if (DialogOK) DialogOK->ReenableEscapeKey = 0;
    }
    return 0;
  }
  if (!EnterNamePromptFunc) return 0;
  EnterName = EnterNamePromptFunc(1);
  if (!EnterName) return 0;
  EnterName->TextInput->UppercaseFirstCharAsTyped = UpperFirstChar;
  EnterName->TextInput->BannedChars = TTextInput::FileNameUnsafeChars + ExtraBannedChars;
  EnterName->Start();
  EnterName->ReenableEscapeKey = 0;
  return 1;
}

void TPlayerManager::DeleteProfileCheck() {
  if (ListBox->Index < 0) return;
  if (ListBox->Strings.size() == 1) {
    if (ErrorDialogFunc) {
      DialogOK = ErrorDialogFunc(MessageCannotDelete);
      if (DialogOK) DialogOK->ReenableEscapeKey = 0;
    }
    return;
  }
  if (DialogYesNoFunc) {
    DialogYesNo = DialogYesNoFunc(MessageConfirmDelete);
    if (DialogYesNo) DialogYesNo->ReenableEscapeKey = 0;
  }
}

void TPlayerManager::DeleteProfile() {
  if (ListBox->Index < 0) return;
  const std::string name = ListBox->Value;
  if (DeleteProfileUserFunction) DeleteProfileUserFunction(name);
  if (IsSafeProfileName(name)) RemoveFile(ProfileFileOf(name));
  // The current player gone: the settings forget the name at once, and the profile in
  // memory writes nothing, or a window closed now would bring the player back, empty,
  // at the next start. A file that could not be deleted keeps its player.
  const bool gone = !PathExists(ProfileFileOf(name));
  if (gone && Game->CurrentProfile && Game->CurrentProfile->Name == name) Game->CurrentProfile->SaveBlocked = 1;
  if (gone && Settings().ProfileName == name) {
    Settings().ProfileName.clear();
    Game->IniUpdate(1);
  }
  const int line = ListBox->Index;
  ListBox->ClearIndex();
  FillList();
  const int count = int(ListBox->Strings.size());
  ListBox->SetIndex(line < count ? line : count - 1);
}

void TPlayerManager::TakeOver(const std::string& name) {
  Settings().ProfileName = name;
  if (!Game->CurrentProfile) Game->CurrentProfile = TProfile::Create(name);
  TProfile& profile = *Game->CurrentProfile;
  // Whatever the new player's file holds (or fails to hold), nothing of the player
  // before may stay in memory: it would be saved into the new player's file.
  auto fresh = [&] {
    profile.Init(name);
    if (TProfile::CreateUserFunction) TProfile::CreateUserFunction(profile);
  };
  fresh();
  const int loaded = LoadProfileUserWrapper ? LoadProfileUserWrapper(name) : profile.Load();
  // A damaged file may have been read part of the way: start that player afresh.
  if (loaded == 0) fresh();
  Game->IniUpdate(1);
}

int TPlayerManager::OKClick() {
  if (ListBox->Index < 0) return 0;
  TakeOver(ListBox->Value);
  Close(1);
  return 1;
}

int TPlayerManager::CancelClick() {
  const auto& profile = Game->CurrentProfile;
  // The current player was deleted: the first one listed takes over.
  if (profile && !Listed(profile->Name) && !ListBox->Strings.empty()) TakeOver(ListBox->Strings.front());
  Close(1);
  return 1;
}

void TPlayerManager::ClickSound() {
  if (auto ok = Menu ? Menu->FindButton("OK") : nullptr) ok->PlayClick();
}

int TPlayerManager::Manage() {
  if (DialogOK) {
    RunSubDialog(DialogOK, Menu.get());
    return 0;
  }
  if (DialogYesNo) {
    if (RunSubDialog(DialogYesNo, Menu.get()) == 1) DeleteProfile();
    return 0;
  }
  if (EnterName) {
    const TDialogTextInputPtr prompt = EnterName;
    const int result = RunSubDialog(EnterName, Menu.get());
    if (result == 1) {
      std::string name = prompt->TextInput->Text;
      if (UpperFirstChar) name = CapitaliseFirst(name);
      if (CreateProfileFunc) CreateProfileFunc(name);
      FillList();
      HighlightCurrentPlayer();
      if (AutoAcceptAfterCreate) return OKClick();
    }
    return 0;
  }
  ManageCore();
  if (!Active || Transitioning == 2) return 0;
  ListBox->Manage();
  if (ListBox->GetDoubleClicked() >= 0) {
    ClickSound();
    return OKClick();
  }
  if (Menu->Clicked("OK")) return OKClick();
  if (InputKeyHit(kEscape)) {
    ClickSound();
    CancelClick();
    return -1;
  }
  if (Menu->Clicked("Cancel")) {
    CancelClick();
    return -1;
  }
  if (Menu->Clicked("Create")) {
    if (!CreateProfile()) return 0;
  }
  if (Menu->Clicked("Delete") || InputKeyHit(kDelete)) DeleteProfileCheck();
  return 0;
}

int TPlayerManager::Draw() {
  if (!DrawDisabled) {
    if (Active && DimWhenActive) DimScreen(0.5f);
    const int shown = MenuShow;
    MenuShow = 0;
    const int drawn = TDialog::Draw();
    MenuShow = shown;
    if (drawn) {
      ListBox->Draw();
      SetBlend(BLEND_ALPHA);
      if (FrontFrame) FrontFrame->Draw(float(FrontFrameX), float(FrontFrameY));
      if (HeaderImage) HeaderImage->Draw(float(HeaderX), float(HeaderY));
      if (Menu) Menu->Draw(OffsetX, OffsetY);
      const bool prompt = EnterName && EnterName->Active;
      const bool message = (DialogOK && DialogOK->Active) || (DialogYesNo && DialogYesNo->Active);
      if ((prompt && (DimWhenShowingDialogs || DimWhenShowingEnterNamePrompt)) || (message && DimWhenShowingDialogs))
        DimScreen(0.5f);
    }
  }
  if (EnterName) EnterName->Draw();
  if (DialogOK) DialogOK->Draw();
  if (DialogYesNo) DialogYesNo->Draw();
  return Active;
}

void TPlayerManager::Kill() {
  for (TDialogPtr sub : {TDialogPtr(DialogOK), TDialogPtr(DialogYesNo), TDialogPtr(EnterName)})
    if (sub) sub->Kill();
  DialogOK.reset();
  DialogYesNo.reset();
  EnterName.reset();
  if (ListBox) ListBox->Kill();
  ListBox.reset();
  FrontFrame.reset();
  HeaderImage.reset();
  TDialog::Kill();
}

TPlayerManagerPtr CreateChoosePlayerDialog(std::function<int(const std::string&)> createProfile) {
  auto text = [](const std::string& key, const std::string& fallback) {
    const std::string found = GameText ? GameText->FindString(key) : std::string();
    return found.empty() ? fallback : found;
  };
  auto background = TGameImage::Create(ResolveDataPath(DataPaths().ImagePath + "Localised/chooseplayer.png"), -1, 0);
  auto manager = TPlayerManager::Create("Choose Player", background, 0, 0, 0, 6, "");
  manager->ButtonGap = 5;
  manager->MenuCreate(manager->ButtonGap, "");
  // "OK" wears the plain plate with its word written on it, like the name prompt's.
  if (auto ok = manager->Menu->FindButton("OK")) {
    ok->LoadImages("OK2", "OK2MO");
    ok->GetSize();
    ok->SetupCaption("OK", Font25, TColor::Create(255, 255, 255), TShadow::Create(1, 1, 0.6f));
    manager->Menu->MakeRow(manager->ButtonGap);
  }
  manager->Border = 70;
  manager->BoxBorderH = 150;
  manager->BoxBorderV = 30;
  // Six lines exactly, between the caption and the buttons: over this picture a list at
  // a fixed height would cover the caption.
  manager->LimitBoxHeightToMaxItems = 1;
  manager->BoxY = 0;
  // The picture's own frame is the edge; light lines along its square corners would
  // float outside the rounded panel.
  manager->DrawHighlight = 0;
  manager->SetupCaption(Font30, TColor::Create(255, 255, 255), TShadow::Create(1, 1, 0.6f));
  auto& list = *manager->ListBox;
  list.SetupFont(Font30, TColor::Create(255, 255, 255), TShadow::Create(1, 1, 0.6f));
  list.Centred = 1;
  list.DrawBox = 1;
  list.SetupBox(TColor::Create(100, 100, 100, 0.5f));
  list.HighlightCol = TColor::Create(0, 0, 150, 0.25f);
  list.HighlightUnder = 0;
  list.SetClickSound(TGameSound::Create(ResolveDataPath(DataPaths().SoundPath + "buttonclick.wav"), 0));
  manager->DimWhenActive = 1;
  manager->DimWhenShowingDialogs = 1;
  if (ExtraBannedNameChars.empty()) ExtraBannedNameChars = NameCharsToBan(Font30);
  manager->ExtraBannedChars = ExtraBannedNameChars;
  manager->ErrorDialogFunc = CreateErrorDialog;
  manager->DialogYesNoFunc = CreateYesNoDialog;
  manager->EnterNamePromptFunc = CreateNameDialog;
  manager->CreateProfileFunc = std::move(createProfile);
  manager->MessageCannotCreate = text("Cannot Create", manager->MessageCannotCreate);
  manager->MessageCannotDelete = text("Cannot Delete", manager->MessageCannotDelete);
  manager->MessageConfirmDelete = text("Confirm Delete", manager->MessageConfirmDelete);
  return manager;
}

void TPlayerManager::ListFocus(TFocusRing& ring) {
  ring.Begin(this);
  if (ListBox) {
    TFocusTarget list;
    list.x = ListBox->Box.X;
    list.y = ListBox->Box.Y;
    list.w = ListBox->Box.W;
    list.h = ListBox->Box.H;
    list.Kind = TFocusTarget::List;
    ring.Add(list);
  }
  if (MenuShow && Menu) ring.AddButtons(Menu->Buttons);
}
