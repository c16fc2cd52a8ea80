#!/usr/bin/env bash
# The Windows check: cross-builds the core, its tests and the registry harness
# for 64-bit Windows with mingw-w64 and runs them under wine in a fresh, temporary
# wine prefix. Installs the cross compiler and wine with apt-get when missing.
# No display is needed.
#
#   scripts/test-windows.sh            build in build-windows/ and run everything
#
# The Qt program itself is not built here (Debian has no Qt for mingw); see the
# README for a Windows build of the program.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build-windows"
TOOLCHAIN="$ROOT/cmake/mingw-w64.cmake"
PACKAGES=(cmake make g++-mingw-w64-x86-64-posix wine64 googletest)

say() { printf '\n== %s\n' "$*"; }
fail() {
    printf 'FAILED: %s\n' "$*" >&2
    exit 1
}

install_missing_packages() {
    local missing=()
    for package in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -ne 0 ] && sudo="sudo"
        $sudo apt-get update -qq
        # Without recommends: wine64 recommends the 32-bit wine, which needs i386.
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
            "${missing[@]}" >/dev/null
    fi
}

find_wine() {
    local candidate
    for candidate in wine64 /usr/lib/wine/wine64 wine; do
        if command -v "$candidate" >/dev/null 2>&1; then
            command -v "$candidate"
            return
        fi
    done
    fail "no wine found after installing wine64"
}

find_wineserver() {
    local candidate
    for candidate in wineserver /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver; do
        if command -v "$candidate" >/dev/null 2>&1; then
            command -v "$candidate"
            return
        fi
    done
    fail "no wineserver found after installing wine64"
}

install_missing_packages

say "GoogleTest for Windows"
GTEST_PREFIX="$BUILD/googletest-install"
if [ ! -f "$GTEST_PREFIX/lib/cmake/GTest/GTestConfig.cmake" ]; then
    cmake -S /usr/src/googletest -B "$BUILD/googletest" -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$GTEST_PREFIX" \
        -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON >/dev/null
    cmake --build "$BUILD/googletest" -j "$(nproc)" >/dev/null
    cmake --install "$BUILD/googletest" >/dev/null
fi
echo "in $GTEST_PREFIX"

say "Core, core tests, card inspector and registry harness for Windows"
cmake -S "$ROOT" -B "$BUILD/marrowby" -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMARROWBY_BUILD_UI=OFF -DMARROWBY_BUILD_BENCH=OFF \
    -DGTest_DIR="$GTEST_PREFIX/lib/cmake/GTest" >/dev/null
cmake --build "$BUILD/marrowby" -j "$(nproc)" --target core_tests registry_harness \
    marrowby-inspect marrowby-write write_card_samples

WINE="$(find_wine)"
WINESERVER="$(find_wineserver)"
export WINEPREFIX
WINEPREFIX="$(mktemp -d "${TMPDIR:-/tmp}/marrowby-wine.XXXXXX")"
export WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko installer prompts in the fresh prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine turns Windows file names into host names in the host's character set; it
# has to be UTF-8 for the folders with non-ASCII names. C.UTF-8 exists everywhere.
export LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY

cleanup() {
    "$WINESERVER" -k >/dev/null 2>&1 || true
    rm -rf "$WINEPREFIX"
}
trap cleanup EXIT

say "Fresh wine prefix in $WINEPREFIX"
"$WINE" wineboot --init >/dev/null 2>&1 || fail "wineboot --init"
# One wine server for the whole check: access rights given to registry keys live
# only in the running server (wine does not save them), and the harness steps
# below rely on them from one program to the next.
"$WINESERVER" -w
"$WINESERVER" -p

# Runs a Windows program and prints its output without the CR of wine's line
# ends. The output goes through a file, not a pipe: wine's own background
# programs outlive the program and would hold a pipe open.
OUTPUT="$WINEPREFIX/output.txt"
run() {
    local status=0
    "$WINE" "$@" >"$OUTPUT" 2>&1 || status=$?
    tr -d '\r' <"$OUTPUT"
    return "$status"
}
run_with_locale() {
    local locale="$1" status=0
    shift
    LC_ALL="$locale" "$WINE" "$@" >"$OUTPUT" 2>&1 || status=$?
    tr -d '\r' <"$OUTPUT"
    return "$status"
}

cd "$BUILD/marrowby/tests"

say "Core tests under wine"
run core_tests.exe --gtest_brief=1 || fail "core tests under wine"

# The record-text tests once more under other OEM code pages: 850 (German),
# 936 (Chinese, two bytes a character) and 866 (Russian, no expectations: skipped);
# with them the system's error texts, which are then German, Chinese and Russian.
for locale in de_DE.UTF-8 zh_CN.UTF-8 ru_RU.UTF-8; do
    say "Record-text tests and error texts with the Windows locale of $locale"
    run_with_locale "$locale" core_tests.exe --gtest_brief=1 \
        --gtest_filter='PutRecordText.*:RecordText.*:WindowsFileErrors.*' \
        || fail "record-text tests and error texts under $locale"
done

say "Card inspector on cards written by the Windows writers"
CARDS="$WINEPREFIX/drive_c/cards"
run ../tools/write_card_samples.exe 'C:\cards' || fail "write_card_samples"
# A copy of the good card in a folder whose name no single code page spells.
ODD_NAME="$CARDS/Karta Łódź 写真"
cp -r "$CARDS/good" "$ODD_NAME"
expect_inspect() {
    local expected="$1" pattern="$2" status=0
    shift 2
    run ../tools/marrowby-inspect.exe "$@" >"$WINEPREFIX/inspect.txt" || status=$?
    echo "marrowby-inspect $*: exit $status"
    [ "$status" = "$expected" ] || { cat "$WINEPREFIX/inspect.txt"; fail "expected exit $expected"; }
    grep -q -- "$pattern" "$WINEPREFIX/inspect.txt" \
        || { cat "$WINEPREFIX/inspect.txt"; fail "no \"$pattern\" in the report"; }
}
expect_inspect 0 'smtp.dat' 'C:\cards\good'
expect_inspect 1 'checksum' 'C:\cards\bad-crc'
expect_inspect 2 'C:\\cards\\empty' 'C:\cards\empty'
expect_inspect 0 'Karta Łódź 写真' --json 'C:\cards\Karta Łódź 写真'

say "A settings document written onto two cards, one named outside any code page"
cp "$ROOT/tests/cli/documents/k600-camera.json" "$CARDS/k600-camera.json"
mkdir -p "$CARDS/written" "$CARDS/written Łódź 写真"
run ../tools/marrowby-write.exe --model 4 'C:\cards\k600-camera.json' 'C:\cards\written' \
    'C:\cards\written Łódź 写真' >"$WINEPREFIX/write.txt" || { cat "$WINEPREFIX/write.txt"; fail "marrowby-write"; }
cat "$WINEPREFIX/write.txt"
grep -q 'Łódź 写真: menu.dat written' "$WINEPREFIX/write.txt" || fail "no line for the second card"
expect_inspect 0 'menu.dat' --model 4 'C:\cards\written Łódź 写真'

say "Registry harness against wine's registry"
MACHINE_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\Marrowby.exe'
USER_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\App Paths\Marrowby.exe'

expect_start() {
    local language_id="$1" expected="$2" got
    got="$(run registry_harness.exe start "$language_id")"
    echo "start $language_id: $got"
    [ "$got" = "$expected" ] || fail "expected \"$expected\""
}

expect_value() {
    local key="$1" name="$2" expected="$3" got
    got="$(run reg query "$key" /v "$name" | awk -v n="$name" '$1 == n { print $3 }')"
    [ "$got" = "$expected" ] || fail "$key\\$name is \"$got\", expected \"$expected\""
}

# First start with administrator rights (wine's default): the key is made under
# HKEY_LOCAL_MACHINE and the choices survive a restart.
expect_start 1033 "root=machine language=2 model=1 tvmode=0"
run registry_harness.exe model 7
run registry_harness.exe language 5
expect_start 1033 "root=machine language=5 model=7 tvmode=0"
expect_value "$MACHINE_KEY" model 0x7
expect_value "$MACHINE_KEY" Company "Marrowby"

# The same machine for a user without administrator rights: the key under
# HKEY_LOCAL_MACHINE is read-only, the user's choices go to HKEY_CURRENT_USER.
run registry_harness.exe lock-machine-key || fail "lock-machine-key"
expect_start 1033 "root=user language=2 model=1 tvmode=0"
run registry_harness.exe model 11
expect_start 2052 "root=user language=2 model=11 tvmode=0"
expect_value "$USER_KEY" model 0xb
expect_value "$MACHINE_KEY" model 0x7

say "Windows check passed"
