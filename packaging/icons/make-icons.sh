#!/bin/sh
# Makes the icon theme's PNGs (committed) from the program's icon: 64 pixels is
# resources/icon.png itself, the other sizes are drawn from its shapes in the SVG.
# Needs ImageMagick.
set -eu
cd "$(dirname "$0")"
for size in 16 32 48 128 256; do
    convert -background none -density $((72 * size / 64)) com.marrowby.CameraSetup.svg \
        -resize "${size}x${size}" "PNG32:${size}.png"
done
cp ../../resources/icon.png 64.png
