#!/bin/sh
# Installs the built program into a staging folder, as a package would, and
# checks what lands there: the program (it answers --version), the desktop
# entry, the icon in every size of the hicolor theme and the AppStream
# metadata, both checked by their validators.
# Usage: check_install.sh BUILD_DIR STAGING_DIR APP_ID VERSION
set -eu
build="$1"
staging="$2"
app_id="$3"
version="$4"

for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (packages desktop-file-utils, appstream)"
        exit 77
    fi
done

rm -rf "$staging"
DESTDIR="$staging" cmake --install "$build" --prefix /usr >/dev/null
root="$staging/usr"

failed=0
expect_file() {
    if [ ! -s "$1" ]; then
        echo "missing: ${1#"$staging"}"
        failed=1
    fi
}

# Width and height from a PNG's header (big-endian, bytes 16 to 23).
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%d x %d", $3 * 256 + $4, $7 * 256 + $8 }'
}

expect_file "$root/bin/marrowby"
expect_file "$root/share/applications/$app_id.desktop"
expect_file "$root/share/metainfo/$app_id.metainfo.xml"
expect_file "$root/share/icons/hicolor/scalable/apps/$app_id.svg"
for size in 16 32 48 64 128 256; do
    icon="$root/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    expect_file "$icon"
    if [ -s "$icon" ] && [ "$(png_size "$icon")" != "$size x $size" ]; then
        echo "not a $size x $size PNG: ${icon#"$staging"}"
        failed=1
    fi
done

desktop-file-validate "$root/share/applications/$app_id.desktop" || failed=1
appstreamcli validate --no-net "$root/share/metainfo/$app_id.metainfo.xml" || failed=1

# The entry starts the installed program, and the metadata names its entry.
grep -qx "Exec=marrowby" "$root/share/applications/$app_id.desktop" || { echo "Exec is not marrowby"; failed=1; }
grep -qx "Icon=$app_id" "$root/share/applications/$app_id.desktop" || { echo "Icon is not $app_id"; failed=1; }
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
    "$root/share/metainfo/$app_id.metainfo.xml" || { echo "metainfo does not launch $app_id.desktop"; failed=1; }

# No display is needed to ask the installed program its version.
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$root/bin/marrowby" --version) || failed=1
if [ "$answer" != "Marrowby $version" ]; then
    echo "--version answered: $answer"
    failed=1
fi

exit $failed
