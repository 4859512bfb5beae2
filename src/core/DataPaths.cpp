#include "core/DataPaths.h"

TDataPaths& DataPaths() {
  static TDataPaths paths;
  return paths;
}
