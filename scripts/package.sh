#!/usr/bin/env bash
# Installs what is needed, builds Trakora and packs it as a Debian package:
# build/trakora_<version>_<arch>.deb (or under $BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
build_dir=${BUILD_DIR:-build}
(cd "$build_dir" && cpack -G DEB >/dev/null)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
echo "$build_dir/trakora_${version}_$(dpkg --print-architecture).deb"
