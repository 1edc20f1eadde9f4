#!/usr/bin/env bash
# Configures and builds Scribora into build/ (or $SCRIBORA_BUILD_DIR) with Ninja.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SCRIBORA_BUILD_DIR:-$root/build}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
fi
cmake --build "$build" --parallel "$(nproc)"
