#include "app/Startup.h"

int main() { StartGame(); }
