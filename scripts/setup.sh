#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, when any
# is missing. Safe to run again; does nothing when everything is there.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config git
  qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  nettle-dev
  xvfb xauth fonts-dejavu-core
  clang-14 libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
