#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks what a user installs: the executable (which
# answers --version), the menu entry, the icons, the AppStream metainfo, the manual page and the copyright.
# Usage: scripts/check-package.sh BUILD_DIR
set -euo pipefail
build=$(realpath "${1:?usage: $0 BUILD_DIR}")
repo=$(realpath "$(dirname "$0")/..")
id=io.github.quorvex.Quorvex

rm -f "$build"/quorvex_*.deb
(cd "$build" && cpack -G DEB >cpack.log 2>&1) || { cat "$build/cpack.log"; exit 1; }
deb=$(ls "$build"/quorvex_*_amd64.deb)
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
missing=0
for path in /usr/games/quorvex "/usr/share/applications/$id.desktop" "/usr/share/metainfo/$id.metainfo.xml" \
    "/usr/share/icons/hicolor/scalable/apps/$id.svg" /usr/share/man/man6/quorvex.6.gz \
    /usr/share/doc/quorvex/copyright /usr/share/doc/quorvex/changelog.gz; do
    grep -qxF ".$path" <<<"$contents" || { echo "missing from the package: $path"; missing=1; }
done
for size in 16 22 24 32 48 64 128 256; do
    path="/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
    grep -qxF ".$path" <<<"$contents" || { echo "missing from the package: $path"; missing=1; }
done
grep -q "^ Recommends: .*\bmame\b" <(dpkg-deb -I "$deb") || { echo "the package does not recommend mame"; missing=1; }

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked/usr/share/applications/$id.desktop"
appstreamcli validate --no-net --explain "$unpacked/usr/share/metainfo/$id.metainfo.xml" >/dev/null
# The screenshots the metainfo names are the repository's own.
for image in $(grep -o 'main/data/screenshots/[^<]*' "$unpacked/usr/share/metainfo/$id.metainfo.xml"); do
    [ -f "$repo/${image#main/}" ] || { echo "metainfo names a screenshot the repository lacks: $image"; missing=1; }
done
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$unpacked/usr/games/quorvex" --version)
[ "$version" = "Quorvex $(dpkg-deb -f "$deb" Version)" ] || { echo "quorvex --version says: $version"; missing=1; }

[ "$missing" -eq 0 ] || exit 1
echo "Package check: $(basename "$deb") ($(du -k "$deb" | cut -f1) KiB) is complete and valid"
