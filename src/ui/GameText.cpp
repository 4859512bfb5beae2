#include "ui/GameText.h"

#include "core/ErrorReport.h"
#include "core/TextLines.h"

std::shared_ptr<TGameText> GameText;

std::shared_ptr<TGameText> TGameText::Create(const std::string& path) {
  auto text = std::make_shared<TGameText>();
  text->Read(path);
  return text;
}

void TGameText::Read(const std::string& path) { Parse(ReadFileChecked(path)); }

void TGameText::Parse(const std::string& bytes) {
  Items.clear();
  const std::vector<std::string> lines = SplitTextLines(bytes);
  size_t i = 0;
  while (i < lines.size()) {
    CheckSectionHeader(lines[i], "TEXT");
    ++i;
    // A header on the last line has no key to read; a header straight after a header
    // makes no block, and reading goes on at the second one.
    if (i >= lines.size()) break;
    if (!lines[i].empty() && lines[i][0] == '[') continue;
    std::string key = UpperCase(lines[i++]);
    Items[key] = SectionBody(lines, i);
  }
}

std::vector<std::string> TGameText::Find(const std::string& key) const {
  auto it = Items.find(UpperCase(key));
  return it == Items.end() ? std::vector<std::string>() : it->second;
}

std::string TGameText::FindString(const std::string& key) const {
  std::string out;
  auto it = Items.find(UpperCase(key));
  if (it == Items.end()) return out;
  for (size_t n = 0; n < it->second.size(); ++n) {
    if (n > 0) out += "\r\n";
    out += it->second[n];
  }
  return out;
}
