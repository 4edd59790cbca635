#!/usr/bin/env bash
# Renders the PNG sizes of the editor's icon from packaging/mapeditor.svg into
# packaging/icons/NxN/mapeditor.png. The PNGs are kept in the repository, so
# a build needs no SVG renderer; run this after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/.."
for size in 16 32 48 64 128 256; do
    mkdir -p "packaging/icons/${size}x${size}"
    if command -v rsvg-convert >/dev/null; then
        rsvg-convert -w "$size" -h "$size" packaging/mapeditor.svg \
            -o "packaging/icons/${size}x${size}/mapeditor.png"
    else
        convert -background none -density 384 packaging/mapeditor.svg -resize "${size}x${size}" \
            -strip "PNG32:packaging/icons/${size}x${size}/mapeditor.png"
    fi
done
