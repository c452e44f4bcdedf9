#!/bin/sh
# make run: installs what is missing, builds Kivrel.exe and opens it under Wine
# on this machine's display, with the Japanese code page, a Wine prefix kept
# in build/wine-prefix and build/run as the working directory (pokemon.dat,
# config.txt and the output files live there). Output files open in Wine's
# Notepad, as on Windows: Wine's cmd.exe does not open documents, so the
# prefix's command interpreter is open_viewer.exe, which does.
#
# KIVREL_WINDOWS_BUILD names another Windows build tree than build/windows;
# KIVREL_RUN_HOME another folder than build/ for the prefix and run/.
set -eu
. "$(dirname "$0")/wine-env.sh"

if [ -z "${DISPLAY:-}" ]; then
    echo "make run needs a display (DISPLAY is not set); try make screenshot for a headless picture" >&2
    exit 1
fi

"$ROOT/scripts/install-deps.sh" windows

BUILD=${KIVREL_WINDOWS_BUILD:-$ROOT/build/windows}
RUN_HOME=${KIVREL_RUN_HOME:-$ROOT/build}
if [ ! -f "$BUILD/build.ninja" ]; then
    cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake"
fi
cmake --build "$BUILD" --target Kivrel open_viewer

if ! xdpyinfo >/dev/null 2>&1; then
    echo "make run cannot open the display $DISPLAY; try make screenshot for a headless picture" >&2
    exit 1
fi

ensure_japanese_locale

# The prefix is made once; the marker is written only when it is complete.
PREFIX="$RUN_HOME/wine-prefix"
if [ ! -e "$PREFIX/.kivrel-prefix-ready" ]; then
    echo "Preparing a Wine prefix in $PREFIX (once, about 15 s)"
    rm -rf "$PREFIX"
    make_prefix "$PREFIX" 'C:\kivrel\open_viewer.exe'
    # Wine's registry names notepad for txtfile but does not tie .txt to it
    wine reg add 'HKCR\.txt' /ve /d txtfile /f >/dev/null 2>&1
    touch "$PREFIX/.kivrel-prefix-ready"
fi
export WINEPREFIX="$PREFIX"
add_caption_font  # also into a prefix made before it was part of the set-up
mkdir -p "$PREFIX/drive_c/kivrel"
cp "$BUILD/open_viewer.exe" "$PREFIX/drive_c/kivrel/open_viewer.exe"

RUN_DIR="$RUN_HOME/run"
mkdir -p "$RUN_DIR"
if [ -f "$ROOT/data/pokemon.dat" ]; then
    if [ ! -f "$RUN_DIR/pokemon.dat" ] || [ "$ROOT/data/pokemon.dat" -nt "$RUN_DIR/pokemon.dat" ]; then
        cp "$ROOT/data/pokemon.dat" "$RUN_DIR/pokemon.dat"
    fi
elif [ ! -f "$RUN_DIR/pokemon.dat" ]; then
    echo "note: data/pokemon.dat does not exist yet, so Kivrel will say that it cannot read pokemon.dat"
fi

echo "Starting Kivrel in $RUN_DIR"
cd "$RUN_DIR"
exec wine "$BUILD/Kivrel.exe"
