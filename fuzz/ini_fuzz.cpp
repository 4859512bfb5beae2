// Feeds arbitrary bytes to the settings-file reader laid over the built-in list:
// the list keeps its keys and order whatever the file holds, every value reads as a
// number without trouble, and what is written back reads back to the same list.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/IniFile.h"
#include "core/TextLines.h"

namespace {
TIniFile Defaults() {
  TIniFile ini;
  ini.Add("Version No", "1.11");
  ini.Add("Full Screen", "0");
  ini.Add("Sound Volume", "80");
  ini.Add("Sound Driver", "default");
  ini.Add("Profile Name", "");
  ini.Add("Region", "$10");
  ini.Add("Sub-Region", "%101");
  return ini;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TIniFile fresh = Defaults();
  TIniFile ini = Defaults();
  ini.Overlay(std::string(reinterpret_cast<const char*>(data), size));
  if (ini.Lines.size() != fresh.Lines.size()) std::abort();
  for (size_t i = 0; i < ini.Lines.size(); ++i) {
    if (ini.Lines[i].Name != fresh.Lines[i].Name) std::abort();
    const std::string& v = ini.Lines[i].Value;
    if (v.find_first_of(std::string("\r\n\0", 3)) != std::string::npos) std::abort();
    (void)ReadIntValue(v);
  }
  const std::string text = ini.Text();
  TIniFile again = Defaults();
  again.Overlay(text);
  if (again.Text() != text) std::abort();
  return 0;
}
