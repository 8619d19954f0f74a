#!/usr/bin/env bash
# Sets up what is missing, builds Kestrune and its tests, and runs every test
# under Wine.
set -euo pipefail
source "$(dirname "$0")/common.sh"

install_packages $BASE_PACKAGES
pick_arch
say "Building for $KESTRUNE_ARCH Windows"
configure_and_build
build_shipped_program
trap stop_wine EXIT
start_wine
cd "$BUILD_DIR/$KESTRUNE_ARCH"
ctest --output-on-failure --timeout 300 "$@"
