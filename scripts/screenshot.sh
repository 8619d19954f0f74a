#!/usr/bin/env bash
# Renders the running settings dialog to a PNG (default docs/kestrune.png):
# Kestrune on the demo game, in a Wine virtual desktop (which draws the window
# caption) on a virtual X display of its own.
set -euo pipefail
source "$(dirname "$0")/common.sh"

out=${1:-$KESTRUNE_ROOT/docs/kestrune.png}
caption="Kestrune for Drakmoor"

install_packages $BASE_PACKAGES $GUI_PACKAGES
pick_arch
source "$KESTRUNE_ROOT/scripts/demo/prefix.sh"
say "Building for $KESTRUNE_ARCH Windows"
configure_and_build
exe=$(kestrune_exe)

# A display of our own, whatever number is free.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
shot_prefix=$BUILD_DIR/screenshot-prefix-$KESTRUNE_ARCH
finish() {
    # Only our own prefix's processes, never those of a prefix the user runs.
    if [ "${WINEPREFIX:-}" = "$shot_prefix" ]; then
        /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
    fi
    kill "$xvfb_pid" 2>/dev/null || true
    rm -f "$display_file"
}
trap finish EXIT
for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
done
[ -s "$display_file" ] || die "Xvfb did not start"
DISPLAY=:$(head -n1 "$display_file")
export DISPLAY

# A prefix apart from run.sh's, with the demo files as shipped, so that the
# picture does not show edits made in the demo.
ensure_demo_prefix "$shot_prefix"
install_demo_game

"$WINE" explorer /desktop=Kestrune,640x560 "$exe" </dev/null >/dev/null 2>&1 &
window=
for _ in $(seq 120); do
    window=$(xdotool search --name "^$caption\$" 2>/dev/null | head -n1) || true
    [ -n "$window" ] && break
    sleep 0.5
done
[ -n "$window" ] || die "the window \"$caption\" did not appear"
sleep 2 # let it finish painting

mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
say "Wrote $out ($(identify -format '%wx%h' "$out"))"
