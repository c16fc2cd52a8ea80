#!/bin/sh
# Makes the program's icon in every size (committed) from its shapes in the
# SVG: the icon theme's PNGs here, and resources/icon.png (64 pixels), which the
# program shows. Needs ImageMagick.
set -eu
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
    convert -background none -density $((72 * size / 64)) com.marrowby.CameraSetup.svg \
        -resize "${size}x${size}" "PNG32:${size}.png"
done
cp 64.png ../../resources/icon.png
