#include "core/Settings.h"

#include "core/Globals.h"
#include "core/IniFile.h"
#include "core/Text.h"
#include "core/TextLines.h"

namespace {
// Every integer setting: its key (as written) and its field. Text settings are handled
// by name. The order here is the order of the file.
struct TIntKey {
  const char* key;
  int TSettings::*field;
};

const TIntKey kIntKeysBeforeDriverName[] = {
    {"Full Screen", &TSettings::FullScreen},     {"WideScreen", &TSettings::WideScreen},
    {"Borderless Window", &TSettings::BorderlessWindow},
    {"Sound", &TSettings::Sound},                {"Music", &TSettings::Music},
    {"Speech", &TSettings::Speech},              {"Sound Volume", &TSettings::SoundVolume},
    {"Music Volume", &TSettings::MusicVolume},   {"Speech Volume", &TSettings::SpeechVolume},
    {"Fade", &TSettings::Fade},                  {"Particles", &TSettings::Particles},
    {"ScreenShake", &TSettings::screenShake},    {"Portal Splash", &TSettings::PortalSplash},
    {"Portal Splash2", &TSettings::PortalSplash2}, {"Intro", &TSettings::IntroShow},
    {"VSync", &TSettings::VSync},                {"Driver", &TSettings::Driver},
};
const TIntKey kIntKeysAfterDriverName[] = {
    {"Full Screen Process Priority", &TSettings::FullScreenProcess},
    {"Full Screen Thread Priority", &TSettings::FullScreenThread},
    {"Windowed Process Priority", &TSettings::WindowedProcess},
    {"Windowed Thread Priority", &TSettings::WindowedThread},
};
const TIntKey kIntKeysAfterProfile[] = {
    {"Region", &TSettings::Region},
    {"Sub-Region", &TSettings::SubRegion},
    {"Custom Mouse Pointer", &TSettings::CustomMousePointer},
};

}  // namespace

TSettings& Settings() {
  static TSettings settings;
  return settings;
}

void TSettings::WriteTo(TIniFile& ini, int music, int speech) const {
  auto value = [&](int TSettings::*field) {
    if (field == &TSettings::Music) return music;
    if (field == &TSettings::Speech) return speech;
    return this->*field;
  };
  ini.Clear();
  ini.Add("Version No", VersionConstant);
  for (const auto& k : kIntKeysBeforeDriverName) ini.Add(k.key, std::to_string(value(k.field)));
  ini.Add("Sound Driver", SoundDriver);
  for (const auto& k : kIntKeysAfterDriverName) ini.Add(k.key, std::to_string(this->*k.field));
  ini.Add("Profile Name", ProfileName);
  for (const auto& k : kIntKeysAfterProfile) ini.Add(k.key, std::to_string(this->*k.field));
}

void TSettings::ReadFrom(const TIniFile& ini) {
  for (const auto& line : ini.Lines) {
    if (line.Name == "VERSION NO") {
      VersionNumber = line.Value;
    } else if (line.Name == "SOUND DRIVER") {
      SoundDriver = line.Value;
    } else if (line.Name == "PROFILE NAME") {
      ProfileName = line.Value;
    } else {
      auto apply = [&](const auto& keys) {
        for (const auto& k : keys)
          if (UpperCase(k.key) == line.Name) this->*k.field = ReadIntValue(line.Value);
      };
      apply(kIntKeysBeforeDriverName);
      apply(kIntKeysAfterDriverName);
      apply(kIntKeysAfterProfile);
    }
  }
}
