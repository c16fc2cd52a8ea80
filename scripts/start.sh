#!/usr/bin/env bash
# Builds the program if needed and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing_packages
configure_and_build "$ROOT/build" -DMARROWBY_BUILD_TESTS=OFF
exec "$ROOT/build/marrowby" "$@"
