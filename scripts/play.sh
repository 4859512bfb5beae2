#!/usr/bin/env bash
# Builds Tinselvale GOLD and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
exec "${TV_BUILD_DIR:-$root/build}/tinselvale"
