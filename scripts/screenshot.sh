#!/bin/sh
# make screenshot: shows the main window of both builds on a virtual display
# with the Japanese code page and saves each, cropped to the window, as
# kivrel.png and kivrel-fixed.png, and Kivrel.exe in English as
# kivrel-english.png (build/screenshots/ unless a folder is given).
#
#   scripts/screenshot.sh [OUT_DIR]          fresh prefix and display, removed afterwards
#   scripts/screenshot.sh --reuse OUT_DIR    inside scripts/with-wine.sh (the test run):
#                                            its DISPLAY and WINEPREFIX are used as they are
#
# KIVREL_WINDOWS_BUILD names another Windows build tree than build/windows.
# Fails unless every picture is a PNG of the window's size.
set -eu
. "$(dirname "$0")/wine-env.sh"

REUSE=0
if [ "${1:-}" = "--reuse" ]; then
    REUSE=1
    shift
fi
BUILD=${KIVREL_WINDOWS_BUILD:-$ROOT/build/windows}
OUT=${1:-$ROOT/build/screenshots}
WIDTH=800
HEIGHT=600

for exe in Kivrel.exe Kivrel-fixed.exe; do
    if [ ! -f "$BUILD/$exe" ]; then
        echo "screenshot: $BUILD/$exe does not exist; build the Windows tree first (make windows)" >&2
        exit 1
    fi
done
. "$BUILD/version.env"
TITLE=$KIVREL_TITLE
SPECIES="$BUILD/pokemon.dat"
[ -f "$SPECIES" ] || SPECIES="$ROOT/data/pokemon.dat"

WORK=$(mktemp -d /tmp/kivrel-shot.XXXXXX)
PROGRAM_PID=""
cleanup() {
    [ -n "$PROGRAM_PID" ] && kill "$PROGRAM_PID" 2>/dev/null || true
    if [ "$REUSE" = 0 ]; then
        wineserver -k 2>/dev/null || true
        [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
    fi
    rm -rf "$WORK"
}
trap cleanup EXIT INT TERM

ensure_japanese_locale
if [ "$REUSE" = 1 ]; then
    if [ -z "${DISPLAY:-}" ] || [ -z "${WINEPREFIX:-}" ]; then
        echo "screenshot: --reuse needs the DISPLAY and WINEPREFIX of scripts/with-wine.sh" >&2
        exit 1
    fi
else
    start_virtual_display
    echo "Preparing a Wine prefix in $WORK/prefix on display $DISPLAY"
    make_prefix "$WORK/prefix"
fi
mkdir -p "$OUT"

# Prints "WIDTH HEIGHT X Y" of the program's window once it is on screen.
window_geometry() {
    xwininfo -name "$TITLE" 2>/dev/null | awk '
        /Absolute upper-left X:/ { x = $NF }
        /Absolute upper-left Y:/ { y = $NF }
        /^ *Width:/ { w = $NF }
        /^ *Height:/ { h = $NF }
        /Map State: IsViewable/ { shown = 1 }
        END { if (shown) print w, h, x, y }'
}

# shoot EXE PNG LANGUAGE: starts EXE in a folder whose kivrel.ini names
# LANGUAGE (ja or en), waits for its painted window, captures the screen and
# crops the window out of it.
shoot() {
    run="$WORK/run-$1-$3"
    mkdir -p "$run"
    [ -f "$SPECIES" ] && cp "$SPECIES" "$run/pokemon.dat"
    printf '[Kivrel]\r\nLanguage=%s\r\n' "$3" >"$run/kivrel.ini"
    (cd "$run" && exec wine "$BUILD/$1") >/dev/null 2>&1 &
    PROGRAM_PID=$!
    geometry=""
    for _ in $(seq 150); do
        geometry=$(window_geometry)
        [ -n "$geometry" ] && break
        sleep 0.2
    done
    if [ -z "$geometry" ]; then
        echo "screenshot: the window of $1 did not appear" >&2
        exit 1
    fi
    sleep 1  # the first paint creates the controls and draws the labels
    geometry=$(window_geometry)
    set -- "$1" "$2" $geometry
    import -window root "$WORK/screen.png"
    convert "$WORK/screen.png" -crop "${3}x${4}+${5}+${6}" +repage "$2"
    kill "$PROGRAM_PID" 2>/dev/null || true
    wait "$PROGRAM_PID" 2>/dev/null || true
    PROGRAM_PID=""
    # the next program's window must not be mistaken for this one
    for _ in $(seq 50); do
        [ -z "$(window_geometry)" ] && break
        sleep 0.1
    done
}

status=0
for shot in Kivrel.exe:kivrel.png:ja Kivrel-fixed.exe:kivrel-fixed.png:ja Kivrel.exe:kivrel-english.png:en; do
    exe=${shot%%:*}
    rest=${shot#*:}
    png="$OUT/${rest%%:*}"
    rm -f "$png"
    shoot "$exe" "$png" "${rest#*:}"
    if [ -s "$png" ] && [ "$(identify -format '%m %w %h' "$png" 2>/dev/null)" = "PNG $WIDTH $HEIGHT" ]; then
        echo "$png"
    else
        echo "screenshot: $png is not a ${WIDTH}x${HEIGHT} PNG of the window" >&2
        status=1
    fi
done
exit "$status"
