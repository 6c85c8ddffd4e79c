#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test Trakora.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config
          libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
          qt6-base-dev qt6-serialport-dev qt6-qpa-plugins
          xvfb xauth xdotool socat imagemagick fonts-dejavu-core python3 libxml2-utils)
# Packaging: the icon rendered from its SVG, the .deb with its dependencies
# computed (dpkg-shlibdeps needs file), and the checks of what it installs.
packages+=(librsvg2-bin dpkg-dev file desktop-file-utils appstream man-db)
# The fuzz targets (scripts/fuzz.sh): libFuzzer's runtime is only recommended by clang.
packages+=(clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
if [ ${#missing[@]} -gt 0 ]; then
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
fi

# The GPX 1.1 schema, against which the tests validate exported waypoints. It
# ships in Debian's pytrainer package; only the schema is taken from it, the
# program is not installed. Without it the tests check form and element order.
schema=/usr/local/share/xml/gpx/1.1/gpx.xsd
if [ ! -e "$schema" ]; then
    tmp=$(mktemp -d)
    if (cd "$tmp" && apt-get download -qq pytrainer >/dev/null 2>&1 && dpkg-deb -x pytrainer_*.deb x) &&
        [ -e "$tmp/x/usr/share/pytrainer/schemas/Topografix_gpx11.xsd" ]; then
        $SUDO install -D -m 644 "$tmp/x/usr/share/pytrainer/schemas/Topografix_gpx11.xsd" "$schema"
    else
        echo "install-deps: GPX 1.1 schema not available; exported GPX is checked without it" >&2
    fi
    rm -rf "$tmp"
fi
