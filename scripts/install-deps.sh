#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test Trakora.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config
          libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
          qt6-base-dev qt6-serialport-dev qt6-qpa-plugins
          xvfb xauth xdotool socat imagemagick fonts-dejavu-core python3)
# Packaging: the icon rendered from its SVG, the .deb with its dependencies
# computed (dpkg-shlibdeps needs file), and the checks of what it installs.
packages+=(librsvg2-bin dpkg-dev file desktop-file-utils appstream man-db)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
