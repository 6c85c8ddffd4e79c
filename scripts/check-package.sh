#!/usr/bin/env bash
# Checks the Debian package that scripts/package.sh built: the files it
# holds, its dependencies, the desktop entry and metainfo, and that the
# programs it installs start.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
deb="$build_dir/trakora_${version}_$(dpkg --print-architecture).deb"
id=io.github.trakora.Trakora
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "check-package: $*" >&2; exit 1; }

[ -f "$deb" ] || fail "$deb is missing; run scripts/package.sh"
files=$(dpkg-deb --fsys-tarfile "$deb" | tar -t)
for f in usr/bin/trakora usr/bin/trakora-replay \
         usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/icons/hicolor/48x48/apps/$id.png \
         usr/share/man/man1/trakora.1.gz usr/share/man/man1/trakora-replay.1.gz; do
    grep -qx "\./$f" <<<"$files" || fail "$f is not in the package"
done

[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6serialport6 qt6-qpa-plugins; do
    grep -qw "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done

dpkg -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >/dev/null ||
    appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo does not name release $version"
for page in trakora trakora-replay; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man page $page: $warnings"
done

"$root/usr/bin/trakora-replay" --help >/dev/null
"$root/usr/bin/trakora-replay" tests/data/sample.TKL >/dev/null
[ "$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/trakora" --version)" = "Trakora $version" ] ||
    fail "trakora --version does not say $version"
echo "check-package: $deb is complete"
