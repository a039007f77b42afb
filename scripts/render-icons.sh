#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its SVG (needs rsvg-convert, Debian's librsvg2-bin).
# The PNGs are kept in the repository, so building Quorvex needs no SVG renderer; run this after editing
# the SVG and commit the result.
set -euo pipefail
cd "$(dirname "$0")/../data/icons/hicolor"
name=io.github.quorvex.Quorvex
for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "${size}x${size}/apps"
    rsvg-convert --width "$size" --height "$size" "scalable/apps/$name.svg" --output "${size}x${size}/apps/$name.png"
done
