#!/usr/bin/env bash
# Sets up what is missing, builds Kestrune and starts it under Wine: in the
# player's own prefix when the game is installed there, otherwise in a demo
# prefix of the project's own with a demo installation of the game.
set -euo pipefail
source "$(dirname "$0")/common.sh"

# A windowed program needs an X display; without one, say so before any work.
if [ -z "${DISPLAY:-}" ]; then
    die "no X display (DISPLAY is not set): run this in a desktop session, or on a virtual display with: xvfb-run -a bash scripts/run.sh"
fi

install_packages $BASE_PACKAGES $GUI_PACKAGES
pick_arch
source "$KESTRUNE_ROOT/scripts/demo/prefix.sh"
xdpyinfo >/dev/null 2>&1 ||
    die "cannot open the X display '$DISPLAY': run this in a desktop session, or with: xvfb-run -a bash scripts/run.sh"

say "Building for $KESTRUNE_ARCH Windows"
configure_and_build
exe=$(kestrune_exe)

player_prefix=${WINEPREFIX:-$HOME/.wine}
if prefix_has_game "$player_prefix"; then
    say "Starting Kestrune in $player_prefix, where the game is installed"
    export WINEPREFIX=$player_prefix
    export WINEDEBUG=${WINEDEBUG:--all}
else
    ensure_demo_prefix "$BUILD_DIR/demo-prefix-$KESTRUNE_ARCH"
    say "Starting Kestrune in the demo prefix $WINEPREFIX (the game is not installed in $player_prefix)"
fi
exec "$WINE" "$exe"
