#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Torvane need.
# Idempotent: does nothing when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  zlib1g-dev qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-multimedia-dev libqt6multimedia6 libgl-dev libxcb1-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils imagemagick fonts-liberation2 openbox
  desktop-file-utils appstream dpkg-dev file sox strace procps
  dbus-daemon at-spi2-core python3-pyatspi
  clang libclang-rt-14-dev
  lintian man-db shared-mime-info xdg-utils libfile-mimeinfo-perl weston qt6-wayland
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libsdl2-dev qt6-charts-dev libqt6opengl6-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
