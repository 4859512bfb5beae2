#include "audio/AudioText.h"

std::string UpperCase(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

std::string AddSlashTo(const std::string& path) {
  if (!path.empty() && (path.back() == '/' || path.back() == '\\')) return path;
  return path + "/";
}
