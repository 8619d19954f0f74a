# shellcheck shell=bash
# Sourced by run.sh and screenshot.sh after common.sh and pick_arch: the Wine
# prefix that Kestrune runs in, either the player's own (when the game is
# installed there) or a demo prefix of the project's own with a demo game.

DEMO_FILES=$KESTRUNE_ROOT/scripts/demo/Drakmoor
DEMO_GAME_DIR='C:\Games\Drakmoor'
GAME_KEY='HKLM\Software\Quorvex\Drakmoor'

# The built program; the build puts it beside the app layer's sources.
kestrune_exe() {
    local exe=$BUILD_DIR/$KESTRUNE_ARCH/app/Kestrune.exe
    [ -f "$exe" ] || die "the build did not produce $exe"
    printf '%s\n' "$exe"
}

# Whether a prefix holds the game: the game's registry value in the 32-bit
# view, where its 32-bit installer puts it (or, for the 64-bit build, in the
# 64-bit view). The text search first, so that a
# prefix without the game is not even started (starting Wine can update it).
prefix_has_game() {
    local prefix=$1
    [ -f "$prefix/system.reg" ] || return 1
    grep -qiF 'Quorvex\\Drakmoor]' "$prefix/system.reg" || return 1
    # A 32-bit prefix cannot be run by 64-bit-only Wine.
    if [ "$KESTRUNE_ARCH" = x86_64 ] && grep -qx '#arch=win32' "$prefix/system.reg"; then
        say "The game's prefix $prefix is 32-bit, which this host's Wine cannot run."
        return 1
    fi
    local view
    for view in /reg:32 /reg:64; do
        WINEPREFIX=$prefix WINEDEBUG=-all "$WINE" reg query "$GAME_KEY" /v Directory "$view" \
            </dev/null >/dev/null 2>&1 && return 0
        # A 32-bit program sees the 32-bit view only; the 64-bit build looks in both.
        [ "$KESTRUNE_ARCH" = i686 ] && return 1
    done
    return 1
}

# The demo game's files, as shipped, into the prefix's game directory.
install_demo_game() {
    local game=$WINEPREFIX/drive_c/Games/Drakmoor
    mkdir -p "$game"
    cp -R "$DEMO_FILES/." "$game/"
}

# A demo prefix of the project's own (the path given) with a demo
# installation of the game, registered as its installer registers it. The
# game's files are copied only into a new prefix, so edits made in the demo
# stay. Unlike the test prefix it keeps Wine's X11 graphics driver.
ensure_demo_prefix() {
    wine_env "$1"
    [ -f "$WINEPREFIX/.kestrune-demo-ready" ] && return 0
    say "Creating the demo Wine prefix $WINEPREFIX with a demo game in $DEMO_GAME_DIR"
    rm -rf "$WINEPREFIX"
    quietly demo-wineboot "$WINE" wineboot --init </dev/null
    install_demo_game
    quietly demo-register "$WINE" reg add "$GAME_KEY" /v Directory /t REG_SZ \
        /d "$DEMO_GAME_DIR" /f /reg:32 </dev/null
    # The symbols on the caption buttons: without the font in the prefix Wine
    # fell back to another and drew the letters 0, 1 and r.
    local marlett=/usr/share/wine/fonts/marlett.ttf
    [ -f "$marlett" ] && cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/"
    # Let the new prefix settle: the first program started right after
    # creating one can fail to find its desktop.
    /usr/lib/wine/wineserver -w
    touch "$WINEPREFIX/.kestrune-demo-ready"
}
