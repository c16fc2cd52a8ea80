#!/usr/bin/env bash
# Builds everything and runs every test. With --sanitize the build uses
# AddressSanitizer and UndefinedBehaviorSanitizer (in build-sanitize/).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

build_dir="$ROOT/build"
options=(-DMARROWBY_BUILD_TESTS=ON)
if [ "${1:-}" = "--sanitize" ]; then
    build_dir="$ROOT/build-sanitize"
    options+=(-DMARROWBY_SANITIZE=ON)
fi

install_missing_packages
configure_and_build "$build_dir" -- "${options[@]}"
cd "$build_dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
