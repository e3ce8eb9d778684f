#!/usr/bin/env bash
# Installs, with apt-get, only the Debian packages the project needs that are missing.
# Safe to run again and again; needs root (or sudo) only when something is missing.
# --fuzz adds what the KRATTLE_FUZZ build needs: clang and its libFuzzer runtime.
set -euo pipefail

PACKAGES=(
  build-essential
  cmake
  ninja-build
  pkg-config
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
  libstb-dev
  libsdl2-dev
  libimgui-dev
  libsdl2-mixer-dev
  libsimpleini-dev
  fonts-dejavu-core
  libfluidsynth3
  timgm6mb-soundfont
  libsimpleini-dev
  desktop-file-utils
  appstream
)
if [ "${1:-}" = "--fuzz" ]; then
  PACKAGES+=(clang libclang-rt-dev)
fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
