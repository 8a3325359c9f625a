#!/usr/bin/env bash
# Installs every Debian package the project needs to build, run and test.
# Idempotent: only missing packages are installed, and the package lists are
# refreshed only when something is missing.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  # run
  libqt6multimedia6 gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  fonts-liberation fonts-dejavu-core
  # optional on-screen checks and printed-page checks
  xvfb xauth poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
