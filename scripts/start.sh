#!/usr/bin/env bash
# Builds the program if needed and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing_packages
configure_and_build "$ROOT/build" marrowby
exec "$ROOT/build/marrowby" "$@"
