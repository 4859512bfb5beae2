#include "screens/ScreenRegistry.h"

#include <array>
#include <string>

#include "core/ErrorReport.h"
#include "screens/Overlay.h"

namespace {
std::array<TScreen*, static_cast<size_t>(TScreenId::Count)>& Table() {
  static std::array<TScreen*, static_cast<size_t>(TScreenId::Count)> table{};
  return table;
}

size_t Index(TScreenId id) {
  size_t i = static_cast<size_t>(id);
  if (i >= Table().size()) FatalError("Unknown screen " + std::to_string(i));
  return i;
}
}  // namespace

void RegisterScreen(TScreenId id, TScreen* screen) { Table()[Index(id)] = screen; }

TScreen* FindScreen(TScreenId id) {
  TScreen* screen = Table()[Index(id)];
  if (!screen) FatalError("Screen " + std::to_string(static_cast<int>(id)) + " was not created at start-up");
  return screen;
}

TOverlay* FindOverlay(TScreenId id) {
  auto* overlay = dynamic_cast<TOverlay*>(FindScreen(id));
  if (!overlay) FatalError("Screen " + std::to_string(static_cast<int>(id)) + " cannot run over another");
  return overlay;
}

bool IsScreenRegistered(TScreenId id) { return Table()[Index(id)] != nullptr; }
