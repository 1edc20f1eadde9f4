#!/usr/bin/env bash
# Installs what is missing, builds Scribora and runs it on the sample project.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SCRIBORA_BUILD_DIR:-$root/build}
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
sample="$root/examples/Sample/Sample.cdprj"
if [ -x "$build/bin/scribora" ]; then
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display here: starting Scribora under Xvfb (or try: $build/bin/scribora-cli show $sample)"
    exec xvfb-run -a "$build/bin/scribora" "$sample"
  fi
  exec "$build/bin/scribora" "$sample"
fi
exec "$build/bin/scribora-cli" show "$sample"
