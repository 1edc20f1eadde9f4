#!/usr/bin/env bash
# Installs what is missing, builds Scribora and runs it on the sample project.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SCRIBORA_BUILD_DIR:-$root/build}
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
# Work on a copy of the sample project, with its paths made to point at the copy.
sampledir="$build/Sample"
if [ ! -f "$sampledir/Sample.cdprj" ]; then
  mkdir -p "$sampledir"
  cp -r "$root/examples/Sample/." "$sampledir/"
  rm -f "$sampledir/README.md"
  for f in "$sampledir/Sample.cdprj" "$sampledir/Sample.cdc"; do
    sed -i "s|@SAMPLE@|$sampledir|g" "$f"
  done
fi
sample="$sampledir/Sample.cdprj"
if [ -x "$build/bin/scribora" ]; then
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "There is no display here, so Scribora's window cannot be shown."
    echo "Run this command from a desktop session, or use the command-line program;"
    echo "here is the sample project as it shows it:"
    echo
    exec "$build/bin/scribora-cli" show "$sample"
  fi
  exec "$build/bin/scribora" "$sample"
fi
exec "$build/bin/scribora-cli" show "$sample"
