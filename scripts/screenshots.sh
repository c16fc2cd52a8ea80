#!/usr/bin/env bash
# Takes the screenshots in docs/ from the real program under Xvfb: each window
# opened from the main window with the keyboard, as a user would. Needs a built
# program (scripts/start.sh or scripts/test.sh builds it) and installs Xvfb,
# xdotool and ImageMagick when missing.
#
#   scripts/screenshots.sh [BUILD_DIR]
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

BUILD="${1:-$ROOT/build}"
PROGRAM="$BUILD/marrowby"
[ -x "$PROGRAM" ] || { echo "no program at $PROGRAM: build it first" >&2; exit 1; }
install_missing_packages xvfb xdotool imagemagick x11-utils

export DISPLAY=:97
Xvfb "$DISPLAY" -screen 0 1366x768x24 >/dev/null 2>&1 &
XVFB=$!
HOME_DIR="$(mktemp -d)"
CARD="$(mktemp -d)"
SECOND="$(mktemp -d)"
trap 'kill $XVFB 2>/dev/null; rm -rf "$HOME_DIR" "$CARD" "$SECOND"' EXIT
sleep 1

# A preference file of our own, so the user's choices stay untouched.
export XDG_CONFIG_HOME="$HOME_DIR"
mkdir -p "$HOME_DIR/Marrowby"

start() { # MODEL [LANGUAGE]
    printf '[Marrowby]\nlanguage=%s\nmodel=%s\n' "${2:-2}" "$1" >"$HOME_DIR/Marrowby/Marrowby.ini"
    "$PROGRAM" >/dev/null 2>&1 &
    PID=$!
    sleep 2
}
stop() { kill "$PID" 2>/dev/null; wait "$PID" 2>/dev/null || true; }
keys() { xdotool key --delay 80 "$@"; sleep 1; }
# The program's topmost window that has a title.
window() { xdotool search --onlyvisible --name 'Marrowby' | tail -1; }
save() { import -window "$(window)" "$ROOT/docs/$1.png"; echo "docs/$1.png"; }

start 1; save main-window; stop
# The form of a main-window button: Tab from the language list to the button.
form() { # NAME MODEL TABS
    start "$2"
    local tabs=()
    for ((i = 0; i < $3; ++i)); do tabs+=(Tab); done
    keys "${tabs[@]}" Return
    save "$1"
    stop
}
form camera-form 1 2
form camera-form-k600 4 2
form camera-form-k400 6 2
form camera-form-k800 8 2
form camera-form-k500 11 2
form camera-form-k100 14 2
form mms-form 1 3
form mms-form-k600 4 3
form smtp-form-k200 3 4
form smtp-form-k600 4 4

# Check card on a folder with a damaged menu.dat: Generate there, spoil a
# byte, and ask from the form's context menu (Shift+F10).
start 1
keys Tab Tab Return
keys shift+Tab shift+Tab shift+Tab shift+Tab ctrl+a
xdotool type --delay 20 "$CARD"
keys Tab Return Return
printf '\x09' | dd of="$CARD/menu.dat" bs=1 seek=5 conv=notrunc status=none
keys shift+F10
keys Down Return
# The form with the report's box over it: the screen less its empty border.
import -window root -trim +repage "$ROOT/docs/check-card.png"
echo docs/check-card.png
stop

# The question a form asks when the folder typed in holds its file: write
# menu.dat into a second folder, then type that folder into a new form and leave
# the edit.
folder() { # FOLDER: the camera form's folder edit, from the Default button
    keys shift+Tab shift+Tab shift+Tab shift+Tab ctrl+a
    xdotool type --delay 20 "$1"
}
start 1
keys Tab Tab Return
folder "$SECOND"
keys Tab Return Return
stop
start 1
keys Tab Tab Return
folder "$SECOND"
keys Tab
import -window root -trim +repage "$ROOT/docs/card-question.png"
echo docs/card-question.png
keys Escape
stop

# The warning before writing into a card's subfolder, on a card the camera
# cannot read: an ext2 image mounted where cards are mounted (root only).
IMAGE_MOUNT=/mnt/marrowby-screenshot-card
if [ "$(id -u)" = 0 ] && command -v mkfs.ext2 >/dev/null; then
    IMAGE="$HOME_DIR/card.img"
    truncate -s 4M "$IMAGE" && mkfs.ext2 -q "$IMAGE"
    mkdir -p "$IMAGE_MOUNT"
    if mount -o loop "$IMAGE" "$IMAGE_MOUNT"; then
        mkdir -p "$IMAGE_MOUNT/DCIM"
        start 1
        keys Tab Tab Return
        folder "$IMAGE_MOUNT/DCIM"
        keys Tab Return
        import -window root -trim +repage "$ROOT/docs/card-warning.png"
        echo docs/card-warning.png
        keys Escape
        stop
        umount "$IMAGE_MOUNT"
    fi
    rmdir "$IMAGE_MOUNT"
else
    echo "docs/card-warning.png needs root to mount a card image; left as it was" >&2
fi
# Send test e-mail on the K200 SMTP form, against the tests' mail server on
# the loopback address (no encryption, a slow reply to the message): the
# progress box while it waits, then the result.
SERVER_OUT="$(mktemp)"
/usr/bin/python3 "$ROOT/tests/mail/smtp_test_server.py" plain "$HOME_DIR/mail.log" \
    --user camera --password secret --delay 4 >"$SERVER_OUT" 2>/dev/null &
SERVER=$!
sleep 2
PORT="$(awk '{print $2}' "$SERVER_OUT")"
start 3
keys Tab Tab Tab Tab Return
# Eight Tabs from the mode list to the mail server's edit.
keys Tab Tab Tab Tab Tab Tab Tab Tab
xdotool type --delay 20 127.0.0.1
xdotool key Tab
xdotool type --delay 20 "$PORT"
xdotool key Tab
xdotool type --delay 20 camera@example.org
xdotool key Tab
xdotool type --delay 20 secret
xdotool key Tab Tab
xdotool type --delay 20 owner@example.net
xdotool key shift+Tab space
sleep 2
import -window root -trim +repage "$ROOT/docs/test-mail-progress.png"
echo docs/test-mail-progress.png
sleep 4
import -window root -trim +repage "$ROOT/docs/test-mail-result.png"
echo docs/test-mail-result.png
stop
kill "$SERVER" 2>/dev/null
rm -f "$SERVER_OUT"
