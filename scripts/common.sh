# Shared by the setup, test and run scripts: where things are, which Windows
# target this host can run, and the project's own Wine prefix.

KESTRUNE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${KESTRUNE_BUILD_DIR:-$KESTRUNE_ROOT/build}
LOG_DIR=$BUILD_DIR/logs

# Packages for building and testing; the GUI ones only for running and pictures.
BASE_PACKAGES="cmake make g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools
    googletest wine wine64 wine32:i386"
GUI_PACKAGES="xvfb xauth xdotool imagemagick x11-utils"

say() { printf '%s\n' "$*"; }
die() {
    printf 'error: %s\n' "$*" >&2
    exit 1
}

# Runs a step quietly; on failure shows the end of its log and stops.
quietly() {
    local name=$1
    shift
    mkdir -p "$LOG_DIR"
    if ! "$@" >"$LOG_DIR/$name.log" 2>&1; then
        tail -n 60 "$LOG_DIR/$name.log" >&2
        die "$name failed (full log: $LOG_DIR/$name.log)"
    fi
}

missing_packages() {
    local p
    for p in $*; do
        dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            printf '%s ' "$p"
    done
}

install_packages() {
    local need
    need=$(missing_packages "$@")
    [ -z "$need" ] && return 0
    [ "$(id -u)" = 0 ] || die "missing packages: $need (run as root, or install them)"
    say "Installing: $need"
    case " $need " in *":i386 "*) dpkg --print-foreign-architectures | grep -qx i386 ||
        quietly dpkg-arch dpkg --add-architecture i386 ;; esac
    quietly apt-update apt-get update
    quietly apt-install env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $need
}

# 32-bit Windows programs need a host that runs 32-bit Linux processes (Wine's
# 32-bit loader). Where it cannot, build and run the 64-bit target instead.
pick_arch() {
    if [ -n "${KESTRUNE_ARCH:-}" ]; then
        :
    elif /usr/lib/wine/wine --version >/dev/null 2>&1; then
        KESTRUNE_ARCH=i686
    else
        KESTRUNE_ARCH=x86_64
    fi
    case $KESTRUNE_ARCH in
    i686) WINE=/usr/bin/wine ;;
    x86_64) WINE=/usr/lib/wine/wine64 ;;
    *) die "KESTRUNE_ARCH must be i686 or x86_64, not '$KESTRUNE_ARCH'" ;;
    esac
    export KESTRUNE_ARCH WINE
}

# The tests' prefix: never the user's own.
test_prefix() { printf '%s\n' "$BUILD_DIR/wineprefix-$KESTRUNE_ARCH"; }

wine_env() {
    export WINEPREFIX=${1:-$(test_prefix)}
    export WINEDEBUG=-all
    # No Mono/Gecko installers and no desktop menu entries in our prefix.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
}

# The project's own prefix: created once, headless (null graphics driver).
ensure_prefix() {
    wine_env
    [ -f "$WINEPREFIX/.kestrune-ready" ] && return 0
    say "Creating the Wine prefix $WINEPREFIX"
    rm -rf "$WINEPREFIX"
    quietly wineboot "$WINE" wineboot --init </dev/null
    quietly wine-null-driver "$WINE" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null
    /usr/lib/wine/wineserver -w
    touch "$WINEPREFIX/.kestrune-ready"
}

# A persistent wineserver, warmed, so that each test start is cheap and no Wine
# helper process holds a test's output pipe open.
start_wine() {
    ensure_prefix
    # One left running in this prefix (an interrupted run) serves as well.
    /usr/lib/wine/wineserver -p >/dev/null 2>&1 || true
    "$WINE" wineboot </dev/null >/dev/null 2>&1 || true
}

stop_wine() {
    /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
}

# Configures and builds one target architecture in build/ARCH; with
# "no-tests", only the program.
build_arch() {
    local arch=$1 tests=ON
    shift
    [ "${1:-}" = no-tests ] && tests=OFF && shift
    quietly "configure-$arch" cmake -S "$KESTRUNE_ROOT" -B "$BUILD_DIR/$arch" \
        -DCMAKE_TOOLCHAIN_FILE="$KESTRUNE_ROOT/cmake/mingw.cmake" \
        -DKESTRUNE_ARCH="$arch" -DKESTRUNE_WERROR="${KESTRUNE_WERROR:-ON}" \
        -DKESTRUNE_TESTS="$tests" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$KESTRUNE_ROOT/scripts/wine-exec;$(test_prefix)"
    quietly "build-$arch" cmake --build "$BUILD_DIR/$arch" -j "$(nproc)" "$@"
}

configure_and_build() { build_arch "$KESTRUNE_ARCH"; }

# The shipped 32-bit program, built even where this host cannot run it, so
# that it keeps compiling without a warning.
build_shipped_program() {
    [ "$KESTRUNE_ARCH" = i686 ] || build_arch i686 no-tests --target Kestrune
}
