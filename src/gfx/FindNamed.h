// Finding a loaded thing by its key in a by-name table; one that is not there is a
// fatal error naming the thing and the table, unless the caller asks quietly.
#pragma once
#include <map>
#include <memory>
#include <string>

#include "core/ErrorReport.h"

template <class T>
std::shared_ptr<T> FindNamed(const std::map<std::string, std::shared_ptr<T>>& items, const std::string& key, int quiet,
                             const char* thing, const char* table) {
  auto it = items.find(key);
  if (it != items.end()) return it->second;
  if (!quiet) FatalError(std::string(thing) + " '" + key + "' was not found in the " + table);
  return nullptr;
}
